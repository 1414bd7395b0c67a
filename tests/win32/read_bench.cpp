// Times the Read under the Win32 backend on a 1.2 MB stand-in for c3.exe: the
// window's own Read command, from the moment the warning is dismissed to the
// buttons being enabled again, which is when the command returns. A thread timer
// accepts each message box as soon as it is up, as a quick user would. Not a
// test: it prints figures. Also times what the edit control itself would cost
// for an image of that size, and the event pump alone.
//
// Without a window manager Wine waits two seconds for one to acknowledge each
// closing message box; the test prefix therefore runs this bench's windows
// unmanaged (wine-settings.reg), so that the figure is the Read's, not that wait.
//
// The Read takes c3.exe from the run directory, the folder of this executable:
// without one there, a stand-in of pseudo-random bytes is written and removed
// afterwards.
//
// Usage: c3ws-read-bench [ROUNDS]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/commands.h"
#include "platform/services.h"
#include "platform/win32/backend.h"
#include "tools/stand_in.h"

namespace {

using namespace c3ws;
using ui::Control;
using Clock = std::chrono::steady_clock;

constexpr int item1920x1080 = 10;  // the table with the largest offsets

Clock::time_point warningDismissed;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void writeStandIn(const std::string& path) {
    sys::replaceWholeFile(path, standin::pseudoRandomBytes());
}

// Accepts the window if it is an open message box, then stops the timer passed
// along; false ends the enumeration.
BOOL CALLBACK acceptIfMessageBox(HWND window, LPARAM timer) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    warningDismissed = Clock::now();
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    KillTimer(nullptr, static_cast<UINT_PTR>(timer));
    return FALSE;
}

// Accepts the thread's open message box, if any, then stops its timer: left
// running through the Read, it would be the pump's own cost. Runs from a thread
// timer, so it also fires inside the message box's own modal loop.
void CALLBACK acceptMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), acceptIfMessageBox, static_cast<LPARAM>(timer));
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    ui::startToolkit(argc, argv);
    const std::string gameFile = ui::runDirectory() + sys::pathSeparator() + "c3.exe";
    const bool standIn = !ui::fileExists(gameFile);
    if (standIn) writeStandIn(gameFile);

    app::createMainWindowAndControls();
    app::prepareMainWindow();
    ui::setSelection(Control::分辨率选择, item1920x1080);
    ui::showMainWindow();

    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        SetTimer(nullptr, 0, 1, acceptMessageBox);
        app::readCommand();
        times.push_back(msSince(warningDismissed));
    }
    std::sort(times.begin(), times.end());
    std::printf("Read of %s, %d rounds, item %d, warning dismissed -> buttons enabled\n",
                gameFile.c_str(), rounds, item1920x1080);
    std::printf("  min %.1f ms   median %.1f ms   max %.1f ms\n", times.front(),
                times[times.size() / 2], times.back());

    // What the edit control would cost if it were given the image: the backend
    // keeps the text itself because of these figures.
    const std::string image = ui::getText(Control::编辑框1);
    HWND edit = ui::win32::controlWindow(Control::编辑框1);
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    Clock::time_point phase = Clock::now();
    std::wstring wide(image.begin(), image.end());
    SetWindowTextW(edit, wide.c_str());
    const double setMs = msSince(phase);
    phase = Clock::now();
    const int length = GetWindowTextLengthW(edit);
    std::wstring back(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(edit, back.data(), length + 1);
    const double getMs = msSince(phase);
    phase = Clock::now();
    SetWindowTextW(edit, L"");
    const double clearMs = msSince(phase);
    phase = Clock::now();
    const std::string shadow = ui::getText(Control::编辑框1);
    const double shadowMs = msSince(phase);
    std::printf("  edit control given %zu characters: WM_SETTEXT %.1f ms, WM_GETTEXT %.1f ms "
                "(%d held), emptied again %.1f ms; getText from the backend's store %.1f ms\n",
                image.size(), setMs, getMs, length, clearMs, shadowMs);

    // The pump alone: what the engine pays per step when nothing is pending.
    constexpr int pumpCalls = 10'000'000;
    phase = Clock::now();
    for (int i = 0; i < pumpCalls; ++i) ui::processPendingEvents();
    std::printf("  pump: %d calls in %.1f ms\n", pumpCalls, msSince(phase));
    if (standIn) DeleteFileW(std::wstring(gameFile.begin(), gameFile.end()).c_str());
    return 0;
}
