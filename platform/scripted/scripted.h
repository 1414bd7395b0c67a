// The scripted backend: the toolkit services played by a script instead of a
// user, for the tests of the window logic. A test says what the user does and
// how the system answers (display mode, run directory, save dialog answers, file
// failures), runs the program, and reads back what happened: every message box,
// every control's state, the files written and the exit code.
//
// Files are real (the run directory is a temporary folder); failures can be
// injected on top. endProgram unwinds to run() as an exception of its own, so the
// program ends there exactly as a real process would, and nothing after it runs.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/services.h"

namespace c3ws::scripted {

// One thing the user does: pick an entry, click a control, close the window, or
// (for a test) look at the state at that moment.
struct Action {
    enum class Kind { pick, click, close, inspect } kind;
    int item = 0;
    ui::Control control = ui::Control::读入按钮;
    std::function<void()> inspect;
};

Action pick(int item);
Action click(ui::Control control);
Action closeWindow();
Action inspect(std::function<void()> look);

struct Message {
    std::string text;
    std::string title;  // "信息：" when the program gave none
    ui::MessageStyle style;

    bool operator==(const Message&) const = default;
};

// Readable failures in tests: the text, title and style code.
std::ostream& operator<<(std::ostream& out, const Message& message);

struct Script {
    std::string runDirectory;
    ui::DisplayMode displayMode;
    // Done in order once the window is shown; then the user closes the window.
    std::vector<Action> userActions;
    // Each is done inside processPendingEvents, at the call with that number
    // (counted from 1 over the whole run): acting in the middle of a Read.
    std::vector<std::pair<long, Action>> duringEvents;
    // Answers to the save dialog, in order: a path, or nullopt for cancel. When
    // they run out, the dialog is cancelled. A chosen path moves the working
    // directory to its folder, as the Windows dialog does.
    std::vector<std::optional<std::string>> saveAnswers;
    // Runs while each message box is open, before the user presses OK.
    std::function<void(const Message&)> onMessage;
    std::optional<sys::FileError> failRead;
    std::optional<sys::FileError> failWrite;
};

struct Record {
    std::vector<Message> messages;
    std::vector<ui::SaveDialogSetup> saveDialogs;
    std::vector<std::string> filesRead;
    std::vector<std::string> filesWritten;  // paths written successfully
    bool windowShown = false;
    bool windowClosed = false;
    bool cleanupRan = false;
    bool ended = false;       // through endProgram
    int exitCode = -1;
    int skinScheme = 0;
    std::string windowTitle;
    std::map<ui::Control, bool> enabled;
    std::map<ui::Control, bool> visible;
    std::vector<std::string> items;  // the list's texts
    int selection = -1;
    std::string editText;
    std::vector<int> progressPositions;  // every position set, in order
    long eventTurns = 0;                 // calls of processPendingEvents
    int controlCallsAfterClose = 0;      // any control touched once the window had gone
    int clicksIgnored = 0;               // clicks on a disabled control
};

// Runs program (the application's entry) against the script. Restores the
// working directory afterwards.
Record run(const Script& script, int (*program)(int, char**));

// The record of the run in progress, for inspect actions and onMessage.
const Record& current();

}  // namespace c3ws::scripted
