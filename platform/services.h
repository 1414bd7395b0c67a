// The toolkit services the window logic needs: one window with its controls,
// message boxes, the save dialog, the event pump and the skin, plus the file
// services as the window sees them. Every call is made on the GUI thread and
// returns when done.
//
// One backend implements this header per executable: qt/ (Linux), win32/
// (Windows) and scripted/ (the tests, where a script plays the user). No toolkit
// type appears here. Texts are UTF-8; backends convert at the edge.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/system.h"

namespace c3ws::ui {

// The controls of the one window, by their names.
enum class Control {
    分辨率选择,  // the resolution list
    读入按钮,    // "读入"
    写出按钮,    // "写出"
    编辑框1,     // hidden edit box: the store of the hex image
    进度条1,
    标签1,
    标签2,
};

enum class ControlKind { dropDownList, pushButton, editBox, label, progressBar };

// "宋体" at a character height of 14 pixels, normal weight (a backend without
// it falls back to an installed CJK font), or the system's default GUI font.
enum class FontChoice { songTi14, defaultGui };

struct ControlLayout {
    Control control;
    ControlKind kind;
    int left, top, width, height;  // client-area pixels; a drop-down list's height
                                   // is that of the list opened
    std::string_view text;
    FontChoice font;
    bool visible;
    bool enabled;
};

struct WindowLayout {
    std::string_view title;
    int outerWidth, outerHeight;  // fixed: not resizable, no minimize or maximize box
    std::span<const ControlLayout> controls;
    int listEntryExtraHeight;  // pixels added to the font's default list entry height
    int progressMaximum;       // the progress bar runs from 0 to this
};

// The handlers of the window's events. Setting the selection, or inserting and
// deleting entries, in code raises none of them: only the user's pick does, and
// it arrives after the list has finished its own processing of the pick.
struct WindowHandlers {
    void (*resolutionPicked)();
    void (*readClicked)();
    void (*writeClicked)();
};

struct DisplayMode {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bitsPerPixel = 0;
    std::int32_t refreshRate = 0;
};

enum class MessageStyle : int { plain = 0, error = 16, information = 64 };

// The title a message box shows when none is given.
inline constexpr std::string_view defaultMessageTitle = "信息：";

struct SaveDialogSetup {
    std::string initialFolder;
    std::string initialName;
    std::string filter;  // description and pattern joined by '|': "程序文件（*.exe）|*.exe"
};

// --- Start-up and end ---

// Starts the toolkit and makes the run directory the working directory.
void startToolkit(int argc, char** argv);

// The routine run at every end of the program: the close box, endProgram.
void registerExitCleanup(void (*cleanup)());

// Creates the window and its controls; the window stays hidden.
void createMainWindow(const WindowLayout& layout, const WindowHandlers& handlers);

// Shows the window centred on the primary screen and activates it.
void showMainWindow();

// Runs the event loop until the window is closed, then the clean-up. Returns the
// exit code.
int runEventLoop();

// Runs the clean-up, closes the window and ends the process with this code. The
// real backends never return; the scripted one unwinds to its test harness.
[[noreturn]] void endProgram(int exitCode);

// --- System ---

std::string runDirectory();  // the folder of the executable, no trailing separator
bool fileExists(const std::string& path);
sys::FileRead readWholeFile(const std::string& path);
sys::FileError writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);
std::int32_t hexTextToInt(std::string_view prefixedText);
DisplayMode currentDisplayMode();  // all zero when the query fails

// --- Dialogs ---

// Application-modal, owned by no window; without a title it shows "信息：".
void showMessage(std::string_view text, std::optional<std::string_view> title = std::nullopt,
                 MessageStyle style = MessageStyle::plain);

// Modal save dialog: asks before an existing file is replaced, adds no extension,
// wants an existing folder, leaves the working directory where it ends up.
// The full path on OK, nothing on cancel.
std::optional<std::string> askSaveFileName(const SaveDialogSetup& setup);

// --- Events ---

// Dispatches pending window events. Called after every step of a long build, so
// it must cost next to nothing when there is nothing to do. false once the window
// has been closed: the caller stops at once and touches no control.
bool processPendingEvents();

// --- Controls ---

void insertItem(Control list, int index, std::string_view text);
void deleteItem(Control list, int index);
int getSelection(Control list);  // 0-based, -1 for none
void setSelection(Control list, int index);  // above the last: the last; -1 or less: none

void setEnabled(Control control, bool enabled);

void setText(Control edit, std::string text);  // replaces the whole text, megabytes whole
std::string getText(Control edit);

void setPosition(Control progress, int value);

// The XP-style skin of the standard controls: schemes 1 (blue), 2 (olive green),
// 3 (silver); any other value removes it.
void setControlSkin(int scheme);

}  // namespace c3ws::ui
