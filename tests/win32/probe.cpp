// Reads the state of the running program's window from another process, for the
// window walk: xdotool plays the user, this tells the walk what the window shows
// and where to click. Every wait is bounded.
//
//   c3ws-win32-probe wait-window TITLE SECONDS     the window's screen rectangle
//   c3ws-win32-probe wait-gone TITLE SECONDS
//   c3ws-win32-probe state                         selection, entries, enabled flags
//   c3ws-win32-probe wait-enabled TEXT SECONDS     a button of the main window
//   c3ws-win32-probe center TEXT                   a control's centre on the screen
//   c3ws-win32-probe list-entry INDEX              centre of an entry of the open list
//   c3ws-win32-probe close-box TITLE               centre of the window's close box
//
// Texts are UTF-8 on the command line; output is UTF-8, one fact per line.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/system/wide_text.h"

namespace {

using c3ws::win32::narrow;
using c3ws::win32::widen;

constexpr wchar_t mainTitle[] = L"Varnel全自动宽屏生成器_Tobrik";

std::wstring textOf(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

std::wstring classOf(HWND window) {
    wchar_t buffer[128] = {};
    GetClassNameW(window, buffer, 128);
    return buffer;
}

HWND visibleWindow(const std::wstring& title) {
    HWND found = FindWindowW(nullptr, title.c_str());
    return found != nullptr && IsWindowVisible(found) ? found : nullptr;
}

template <typename Test>
bool waitFor(double seconds, Test test) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (;;) {
        if (test()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(50);
    }
}

struct ChildSearch {
    std::wstring className, text;
    HWND found = nullptr;
};

BOOL CALLBACK findChild(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<ChildSearch*>(data);
    if ((search.className.empty() || _wcsicmp(classOf(window).c_str(), search.className.c_str()) == 0) &&
        (search.text.empty() || textOf(window) == search.text)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND child(HWND parent, const std::wstring& className, const std::wstring& text) {
    ChildSearch search{className, text};
    EnumChildWindows(parent, findChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void printCenter(const RECT& rect) {
    std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

BOOL CALLBACK findOpenList(HWND window, LPARAM data) {
    if (IsWindowVisible(window) && _wcsicmp(classOf(window).c_str(), L"ComboLBox") == 0) {
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
    }
    return TRUE;
}

int fail(const char* what) {
    std::fprintf(stderr, "probe: %s\n", what);
    return 1;
}

}  // namespace

int main() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> args(wide, wide + count);
    if (args.size() < 2) return fail("no command");
    const std::wstring& command = args[1];
    const auto arg = [&](std::size_t i) { return i < args.size() ? args[i] : std::wstring(); };
    const double seconds = args.size() > 3 ? std::wcstod(args[3].c_str(), nullptr) : 10;

    if (command == L"wait-window") {
        HWND window = nullptr;
        if (!waitFor(seconds, [&] { return (window = visibleWindow(arg(2))) != nullptr; })) {
            return fail("window not shown");
        }
        RECT rect;
        GetWindowRect(window, &rect);
        std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top);
        return 0;
    }
    if (command == L"wait-gone") {
        return waitFor(seconds, [&] { return visibleWindow(arg(2)) == nullptr; }) ? 0
                                                                                  : fail("window still shown");
    }

    HWND main = visibleWindow(mainTitle);
    if (main == nullptr) return fail("main window not shown");
    HWND combo = child(main, L"ComboBox", L"");

    if (command == L"state") {
        const auto selection = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
        std::printf("selection %d\n", selection);
        const auto entries = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < entries; ++i) {
            wchar_t text[256] = {};
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            std::printf("entry %d %s\n", i, narrow(text).c_str());
        }
        for (const wchar_t* name : {L"读入", L"写出"}) {
            HWND button = child(main, L"Button", name);
            std::printf("enabled %s %d\n", narrow(name).c_str(), button != nullptr && IsWindowEnabled(button));
        }
        HWND edit = child(main, L"Edit", L"");
        std::printf("edit-visible %d\n", edit != nullptr && IsWindowVisible(edit));
        return 0;
    }
    if (command == L"wait-enabled") {
        HWND button = child(main, L"Button", arg(2));
        if (button == nullptr) return fail("no such button");
        return waitFor(seconds, [&] { return IsWindowEnabled(button) != FALSE; }) ? 0 : fail("still disabled");
    }
    if (command == L"center") {
        HWND control = arg(2).empty() ? combo : child(main, L"", arg(2));
        if (control == nullptr) return fail("no such control");
        RECT rect;
        GetWindowRect(control, &rect);
        printCenter(rect);
        return 0;
    }
    if (command == L"list-entry") {
        HWND list = nullptr;
        waitFor(5, [&] {
            list = nullptr;
            EnumWindows(findOpenList, reinterpret_cast<LPARAM>(&list));
            return list != nullptr;
        });
        if (list == nullptr) return fail("list not open");
        const int index = std::wcstol(arg(2).c_str(), nullptr, 10);
        const auto top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
        const auto height = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
        RECT rect;
        GetWindowRect(list, &rect);
        POINT client{0, 0};
        ClientToScreen(list, &client);
        const int y = client.y + (index - top) * height + height / 2;
        std::printf("%ld %d\n", (rect.left + rect.right) / 2 - 8, y);
        return 0;
    }
    if (command == L"close-box") {
        HWND window = arg(2).empty() ? main : visibleWindow(arg(2));
        if (window == nullptr) return fail("window not shown");
        RECT rect;
        GetWindowRect(window, &rect);
        const int caption = GetSystemMetrics(SM_CYCAPTION);
        const int frame = GetSystemMetrics(SM_CYFIXEDFRAME);
        std::printf("%ld %ld\n", rect.right - frame - caption / 2 - 1, rect.top + frame + caption / 2);
        return 0;
    }
    return fail("unknown command");
}
