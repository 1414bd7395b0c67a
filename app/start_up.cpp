// Start-up in its fixed order: the toolkit and the working directory, the zeroed
// display mode and its clean-up, the hidden window, its created handler, then
// the window shown and the event loop until it is closed.
#include "app/start_up.h"

#include "app/commands.h"
#include "app/display_mode.h"
#include "app/main_window_layout.h"
#include "app/messages.h"
#include "patch/resolution_item.h"

namespace c3ws::app {

using ui::Control;

int runProgram(int argc, char** argv) {
    ui::startToolkit(argc, argv);
    detectedDisplayMode.emplace();
    ui::registerExitCleanup(releaseDisplayMode);
    createMainWindowAndControls();
    prepareMainWindow();
    ui::showMainWindow();
    return ui::runEventLoop();
}

void createMainWindowAndControls() {
    static constexpr ui::WindowHandlers handlers{
        .resolutionPicked = guardResolutionChoice,
        .readClicked = readCommand,
        .writeClicked = writeCommand,
    };
    ui::createMainWindow(mainWindowLayout(), handlers);
    for (ResolutionItem item = 0; item < resolutionItemCount; ++item) {
        ui::insertItem(Control::分辨率选择, item, listText(item));
    }
    ui::setSelection(Control::分辨率选择, promptItem);
}

void prepareMainWindow() {
    ui::setControlSkin(3);

    const std::string gameFile =
        ui::runDirectory() + sys::pathSeparator() + std::string(text::gameFileName);
    if (!ui::fileExists(gameFile)) {
        ui::showMessage(text::notInGameFolder, text::notInGameFolderTitle, ui::MessageStyle::error);
        ui::endProgram(0);
    }

    ui::setEnabled(Control::写出按钮, false);

    detectedDisplayMode = ui::currentDisplayMode();
    if (const auto item = preselectedItem(*detectedDisplayMode)) {
        ui::setSelection(Control::分辨率选择, *item);
    }
}

void releaseDisplayMode() { detectedDisplayMode.reset(); }

}  // namespace c3ws::app
