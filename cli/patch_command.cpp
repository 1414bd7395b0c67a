// patch: the window's Read and Write in one go, checked at every step, so that a
// file is written only when it is the complete build.
#include <utility>

#include "cli/cli_host.h"
#include "cli/commands.h"
#include "cli/input_file.h"
#include "cli/messages.h"
#include "cli/resolution_choice.h"
#include "patch/build_image.h"
#include "patch/patch_table.h"

namespace c3ws::cli {
namespace {

struct Choice {
    ResolutionItem item = promptItem;
    std::optional<Outcome> failure;
};

Choice chosenItem(const Arguments& arguments) {
    const auto refuse = [](std::string text) { return Choice{promptItem, Outcome{ExitCode::usage, std::move(text)}}; };
    if (arguments.item && arguments.resolution) return refuse(messages::bothChoices());
    std::optional<ResolutionItem> item;
    if (arguments.item) {
        item = itemFromIndex(*arguments.item);
        if (!item) return refuse(messages::unknownItem(*arguments.item));
    } else if (arguments.resolution) {
        item = itemFromResolution(*arguments.resolution);
        if (!item) return refuse(messages::unknownResolution(*arguments.resolution));
    } else {
        return refuse(messages::noChoice());
    }
    if (patchTableFor(*item).empty()) return refuse(messages::noTable(*item));
    return {*item, std::nullopt};
}

// The entry's proposed name, next to the input, as the window proposes it next to c3.exe.
std::string defaultOutputPath(const std::string& input, ResolutionItem item) {
    return sys::folderOf(input) + sys::pathSeparator() + std::string(defaultFileName(item));
}

}  // namespace

Outcome runPatch(const Arguments& arguments) {
    const Choice choice = chosenItem(arguments);
    if (choice.failure) return *choice.failure;
    const ResolutionItem item = choice.item;

    InputFile input = readInput(arguments);
    if (input.failure) return *input.failure;
    if (input.bytes.empty()) return {ExitCode::input, messages::emptyInput(input.path)};
    // Checked here as well as by the engine, for a message with both sizes.
    const std::size_t needed = requiredFileSize(item);
    if (input.bytes.size() < needed) {
        return {ExitCode::input, messages::inputTooShort(input.path, input.bytes.size(), item, needed)};
    }

    const std::string output = arguments.output.value_or(defaultOutputPath(input.path, item));
    if (!arguments.force && sys::fileExists(output)) {
        return {ExitCode::output, messages::outputExists(output)};
    }

    CliHost host;
    BuiltImage built = buildHexImage(input.bytes, item, host);
    if (built.result == TableResult::fileTooShort) {
        return {ExitCode::input, messages::inputTooShort(input.path, input.bytes.size(), item, needed)};
    }
    if (built.result != TableResult::applied || host.badOffsets() > 0) {
        return {ExitCode::internal, messages::buildRefused(item)};
    }
    const std::size_t size = input.bytes.size();
    sys::Bytes().swap(input.bytes);  // the input is done with: the image and the build are large

    const sys::Bytes bytes = hexImageToBytes(built.image);
    HexImage().swap(built.image);
    if (bytes.size() != size) return {ExitCode::internal, messages::buildRefused(item)};

    const sys::FileError error = sys::replaceWholeFile(output, bytes);
    if (error != sys::FileError::none) {
        return {ExitCode::output, messages::unwritableOutput(output, error)};
    }
    return {ExitCode::success, messages::written(output, item, bytes.size())};
}

}  // namespace c3ws::cli
