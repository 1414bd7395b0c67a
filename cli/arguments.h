// The command line as words: which command, which options. Only the shape is
// checked here (known command, known options, values present, none repeated);
// what the values mean is for the command that takes them.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace c3ws::cli {

enum class Command { help, version, list, patch, inspect };

struct Arguments {
    Command command = Command::help;
    std::optional<std::string> item;        // --item, as typed
    std::optional<std::string> resolution;  // --resolution, as typed
    std::optional<std::string> input;
    std::optional<std::string> output;
    bool force = false;
};

struct ParsedArguments {
    std::optional<Arguments> arguments;  // nullopt: error holds the one-line reason
    std::string error;
};

// The words after the program's name. --help or --version anywhere wins over
// everything else, so that they always work. Options take their value as the
// next word or after "=" ("--item 6", "--item=6"); a next word that starts with
// "--" is taken for a forgotten value, not for a value.
ParsedArguments parseArguments(std::span<const std::string> words);

}  // namespace c3ws::cli
