// c3widescreen-cli: the widescreen build without the window, for scripts and for
// players who prefer a terminal. The builds are byte for byte those of the window.
#include <cstdio>
#include <span>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/messages.h"
#include "platform/system.h"

namespace {

void printOut(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

c3ws::cli::Outcome run(const c3ws::cli::Arguments& arguments) {
    using c3ws::cli::Command;
    switch (arguments.command) {
        case Command::help: return {c3ws::cli::ExitCode::success, c3ws::cli::messages::help()};
        case Command::version: return {c3ws::cli::ExitCode::success, c3ws::cli::messages::version()};
        case Command::list: return c3ws::cli::runList();
        case Command::patch: return c3ws::cli::runPatch(arguments);
        case Command::inspect: return c3ws::cli::runInspect(arguments);
    }
    return {c3ws::cli::ExitCode::internal, {}};
}

}  // namespace

int main(int argc, char** argv) {
    c3ws::sys::useUtf8Console();
    const std::vector<std::string> words = c3ws::sys::utf8Arguments(argc, argv);
    const std::span<const std::string> afterName =
        words.empty() ? std::span<const std::string>{} : std::span(words).subspan(1);

    const c3ws::cli::ParsedArguments parsed = c3ws::cli::parseArguments(afterName);
    if (!parsed.arguments) {
        c3ws::cli::printError(parsed.error);
        return static_cast<int>(c3ws::cli::ExitCode::usage);
    }
    const c3ws::cli::Outcome outcome = run(*parsed.arguments);
    if (outcome.code == c3ws::cli::ExitCode::success) {
        printOut(outcome.text);
    } else {
        c3ws::cli::printError(outcome.text);
    }
    return static_cast<int>(outcome.code);
}
