// 读入: c3.exe from the run directory, rendered and patched for the entry chosen
// when the button was pressed, stored whole as the text of 编辑框1.
//
// The build gives the window a turn after every step, so the list stays usable
// and the window can be closed meanwhile. A pick during the build still runs the
// guard, but the image is built for the entry taken at the start. A close ends the
// build at once; nothing of the closed window is touched afterwards.
//
// A c3.exe that can't be read, is empty or is too short for the table is refused
// with a message: no image is kept and 写出 stays disabled, so no empty or
// half-patched executable can be written.
#include "app/commands.h"
#include "app/messages.h"
#include "patch/build_image.h"
#include "patch/patch_table.h"

namespace c3ws::app {
namespace {

using ui::Control;

// The engine's view of the window.
class WindowHost final : public EngineHost {
public:
    bool processPendingEvents() override { return ui::processPendingEvents(); }
    void reportBadOffset() override { ui::showMessage(text::badOffset); }
    std::int32_t convertHexText(std::string_view text) override { return ui::hexTextToInt(text); }
};

// Reads c3.exe and checks it can carry the item's table; nullopt after telling
// the user why not.
std::optional<sys::Bytes> loadGameFile(ResolutionItem item) {
    // Always the run directory: a save into another folder may have moved the
    // working directory since start-up.
    const std::string path =
        ui::runDirectory() + sys::pathSeparator() + std::string(text::gameFileName);
    sys::FileRead read = ui::readWholeFile(path);

    std::string problem;
    if (read.error != sys::FileError::none) {
        problem = text::readFailure(read.error);
    } else if (read.bytes.empty()) {
        problem = text::emptyGameFile();
    } else if (read.bytes.size() < requiredFileSize(item)) {
        problem = text::gameFileTooShort(read.bytes.size(), requiredFileSize(item), listText(item));
    }
    if (!problem.empty()) {
        ui::showMessage(problem, text::readFailedTitle, ui::MessageStyle::error);
        return std::nullopt;
    }
    return std::move(read.bytes);
}

}  // namespace

void readCommand() {
    const ResolutionItem item = ui::getSelection(Control::分辨率选择);
    if (item == promptItem) {
        ui::showMessage(text::choosePromptFirst);
        ui::endProgram(0);
    }

    ui::showMessage(text::pleaseWait, text::pleaseWaitTitle, ui::MessageStyle::information);

    ui::setText(Control::编辑框1, {});
    ui::setEnabled(Control::编辑框1, false);
    ui::setEnabled(Control::读入按钮, false);
    ui::setEnabled(Control::写出按钮, false);
    ui::setPosition(Control::进度条1, 0);

    std::optional<HexImage> image;
    if (std::optional<sys::Bytes> bytes = loadGameFile(item)) {
        WindowHost host;
        BuiltImage built = buildHexImage(*bytes, item, host);
        bytes.reset();
        if (built.result == TableResult::cancelled) return;  // the window is gone
        if (built.result == TableResult::applied) image = std::move(built.image);
    }

    if (image) ui::setText(Control::编辑框1, std::move(*image));
    ui::setEnabled(Control::读入按钮, true);
    ui::setEnabled(Control::写出按钮, image.has_value());
    ui::setEnabled(Control::编辑框1, true);
}

}  // namespace c3ws::app
