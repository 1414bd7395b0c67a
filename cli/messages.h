// Every text the command line shows, in one place: the help, the one-line
// failure messages and the lines of the successful commands. Texts are UTF-8;
// option names stay ASCII so that they can be typed anywhere.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "cli/table_match.h"
#include "patch/resolution_item.h"
#include "platform/system.h"

namespace c3ws::cli {

// Writes the text and a line break to stderr, at once.
void printError(std::string_view line);

namespace messages {

inline constexpr std::string_view badOffset = "某项偏移地址有问题，请检查代码";

std::string help();
std::string version();

// Calls that cannot be carried out.
std::string missingCommand();
std::string unknownCommand(std::string_view command);
std::string unknownOption(std::string_view command, std::string_view option);
std::string missingValue(std::string_view option);
std::string repeatedOption(std::string_view option);
std::string unexpectedValue(std::string_view option);
std::string bothChoices();
std::string noChoice();
std::string unknownItem(std::string_view text);
std::string unknownResolution(std::string_view text);
std::string noTable(ResolutionItem item);

// The input file.
std::string unreadableInput(const std::string& path, sys::FileError error);
std::string emptyInput(const std::string& path);
std::string inputTooShort(const std::string& path, std::size_t size, ResolutionItem item,
                          std::size_t needed);

// The output file.
std::string outputExists(const std::string& path);
std::string unwritableOutput(const std::string& path, sys::FileError error);
std::string buildRefused(ResolutionItem item);
std::string written(const std::string& path, ResolutionItem item, std::size_t size);

// inspect: a header, one tab-separated line per table, and the verdict.
std::string inspectHeader(const std::string& path, std::size_t size);
std::string inspectLine(const TableMatch& match);
std::string builtForVerdict(ResolutionItem item, std::span<const TableMatch> matches);
std::string partialVerdict(const TableMatch& closest);
std::string notPatchedVerdict(bool tooShortForAll);

// The cause of a failed read or write, as the user can act on it.
std::string_view causeOf(sys::FileError error);

// An entry as the user knows it: "1366×768", or the prompt with its index.
std::string entryName(ResolutionItem item);

}  // namespace messages
}  // namespace c3ws::cli
