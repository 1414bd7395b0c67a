#include "cli/arguments.h"

#include <array>
#include <string_view>

#include "cli/messages.h"

namespace c3ws::cli {
namespace {

enum class Option { item, resolution, input, output, force };

struct OptionSpec {
    std::string_view name;
    Option option;
    bool takesValue;
};

constexpr std::array<OptionSpec, 5> optionSpecs{{
    {"--item", Option::item, true},
    {"--resolution", Option::resolution, true},
    {"--input", Option::input, true},
    {"--output", Option::output, true},
    {"--force", Option::force, false},
}};

bool accepts(Command command, Option option) {
    switch (command) {
        case Command::patch: return true;
        case Command::inspect: return option == Option::input;
        default: return false;
    }
}

const OptionSpec* findOption(std::string_view name) {
    for (const OptionSpec& spec : optionSpecs) {
        if (spec.name == name) return &spec;
    }
    return nullptr;
}

std::optional<std::string>* slotFor(Arguments& arguments, Option option) {
    switch (option) {
        case Option::item: return &arguments.item;
        case Option::resolution: return &arguments.resolution;
        case Option::input: return &arguments.input;
        case Option::output: return &arguments.output;
        case Option::force: break;
    }
    return nullptr;
}

ParsedArguments failure(std::string reason) { return {std::nullopt, std::move(reason)}; }

ParsedArguments only(Command command) {
    Arguments arguments;
    arguments.command = command;
    return {std::move(arguments), {}};
}

}  // namespace

ParsedArguments parseArguments(std::span<const std::string> words) {
    for (const std::string& word : words) {
        if (word == "--help" || word == "-h") return only(Command::help);
        if (word == "--version") return only(Command::version);
    }
    if (words.empty()) return failure(messages::missingCommand());

    Arguments arguments;
    const std::string& name = words.front();
    if (name == "list") {
        arguments.command = Command::list;
    } else if (name == "patch") {
        arguments.command = Command::patch;
    } else if (name == "inspect") {
        arguments.command = Command::inspect;
    } else {
        return failure(messages::unknownCommand(name));
    }

    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string_view word = words[i];
        const std::size_t equals = word.find('=');
        const std::string_view optionName = word.substr(0, equals);
        const OptionSpec* spec = findOption(optionName);
        if (spec == nullptr || !accepts(arguments.command, spec->option)) {
            return failure(messages::unknownOption(name, optionName));
        }

        if (!spec->takesValue) {
            if (equals != std::string_view::npos) return failure(messages::unexpectedValue(spec->name));
            if (arguments.force) return failure(messages::repeatedOption(spec->name));
            arguments.force = true;
            continue;
        }

        std::string value;
        if (equals != std::string_view::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < words.size() && !words[i + 1].starts_with("--")) {
            value = words[++i];
        } else {
            return failure(messages::missingValue(spec->name));
        }
        if (value.empty()) return failure(messages::missingValue(spec->name));

        std::optional<std::string>* slot = slotFor(arguments, spec->option);
        if (slot->has_value()) return failure(messages::repeatedOption(spec->name));
        *slot = std::move(value);
    }
    return {std::move(arguments), {}};
}

}  // namespace c3ws::cli
