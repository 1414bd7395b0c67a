// The window's handlers and what start-up does before the window is shown. All
// run on the GUI thread, one at a time; the Read may be re-entered only by the
// list's handler, through the event pump.
#pragma once

namespace c3ws::app {

// Creates the window hidden, with its controls, the list's entries and the
// handlers bound.
void createMainWindowAndControls();

// The window's created handler: skin, the check for c3.exe, 写出 disabled, the
// list pre-selected from the display mode.
void prepareMainWindow();

// The user picked an entry of 分辨率选择: refuses the entries without a table.
void guardResolutionChoice();

// 读入按钮: loads c3.exe and leaves its patched image in 编辑框1.
void readCommand();

// 写出按钮: asks for a name and writes the decoded image there.
void writeCommand();

// The exit clean-up registered at start-up.
void releaseDisplayMode();

}  // namespace c3ws::app
