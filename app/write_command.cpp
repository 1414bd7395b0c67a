// 写出: asks where to save, decodes the image in 编辑框1 and writes it there,
// whole or not at all. A failed write is reported; the target stays as it was.
// The proposed name follows the selection at the time of writing; the image is
// that of the last Read.
#include "app/commands.h"
#include "app/messages.h"
#include "patch/hex_image.h"
#include "patch/resolution_item.h"

namespace c3ws::app {
namespace {

using ui::Control;

void setCommandsEnabled(bool enabled) {
    ui::setEnabled(Control::写出按钮, enabled);
    ui::setEnabled(Control::读入按钮, enabled);
    ui::setEnabled(Control::编辑框1, enabled);
}

void writeImageTo(const std::string& path) {
    const Bytes bytes = hexImageToBytes(ui::getText(Control::编辑框1));
    if (bytes.empty()) {
        ui::showMessage(text::nothingToWrite(), text::writeFailedTitle, ui::MessageStyle::error);
        return;
    }
    const sys::FileError error = ui::writeWholeFile(path, bytes);
    if (error != sys::FileError::none) {
        ui::showMessage(text::writeFailure(error, path), text::writeFailedTitle,
                        ui::MessageStyle::error);
    }
}

}  // namespace

void writeCommand() {
    const ui::SaveDialogSetup setup{
        .initialFolder = ui::runDirectory(),
        .initialName = std::string(defaultFileName(ui::getSelection(Control::分辨率选择))),
        .filter = std::string(text::saveFilter),
    };
    setCommandsEnabled(false);
    if (const std::optional<std::string> path = ui::askSaveFileName(setup)) writeImageTo(*path);
    setCommandsEnabled(true);
}

}  // namespace c3ws::app
