// The Win32 backend: the one window with its controls, the event loop, the pump
// the patch engine calls between its steps, and the end of the program.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>

#include "platform/services.h"
#include "platform/system.h"
#include "platform/win32/backend.h"
#include "platform/win32/system/wide_text.h"

namespace c3ws::ui {
namespace {

using c3ws::win32::narrow;
using c3ws::win32::widen;

constexpr wchar_t windowClassName[] = L"C3WidescreenMainWindow";
constexpr int controlCount = static_cast<int>(Control::标签2) + 1;
constexpr int firstControlId = 100;

// Posted to ourselves so that the list's handler runs after the combo box has
// finished its own processing of the pick (its drop-down closed, the selection
// drawn), never nested inside it.
constexpr UINT resolutionPickedMessage = WM_APP + 1;

// The pump looks at the clock only every this many calls: the engine calls it
// after every byte, millions of times per Read.
constexpr unsigned pumpCallsPerClockCheck = 4096;
// Dispatch at most this often: often enough to paint and answer smoothly.
constexpr ULONGLONG pumpIntervalMs = 12;

struct State {
    HWND window = nullptr;
    std::array<HWND, controlCount> controls{};
    WindowHandlers handlers{};
    void (*cleanup)() = nullptr;
    bool cleanedUp = false;
    bool closed = false;
    int outerWidth = 0;
    int outerHeight = 0;
    std::array<ControlKind, controlCount> kinds{};
    HFONT songTi = nullptr;
    // The text of each edit box. The program's one edit box is hidden and never
    // shown: it only stores the hex image between a Read and a Write. Wine's edit
    // control analyses the whole line with Uniscribe on every change, about 0.7 s
    // to take a 3.6-million-character image and 0.2 s to let it go again, which
    // would make the Read ten times slower for a text nobody sees. So the backend
    // keeps the text here, whole, and leaves the control empty.
    std::array<std::string, controlCount> editTexts;
    unsigned pumpCalls = 0;
    ULONGLONG lastPump = 0;
};

State state;

int indexOf(Control control) { return static_cast<int>(control); }

void runCleanupOnce() {
    if (state.cleanedUp) return;
    state.cleanedUp = true;
    if (state.cleanup != nullptr) state.cleanup();
}

// Dialog navigation (Tab between the controls, Space on a button) without a
// dialog template.
void dispatch(MSG& message) {
    if (state.window != nullptr && IsDialogMessageW(state.window, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void onCommand(WPARAM wParam, LPARAM lParam) {
    const int id = LOWORD(wParam) - firstControlId;
    const int code = HIWORD(wParam);
    if (id < 0 || id >= controlCount || reinterpret_cast<HWND>(lParam) != state.controls[id]) {
        return;
    }
    const auto control = static_cast<Control>(id);
    if (control == Control::分辨率选择 && code == CBN_SELCHANGE) {
        PostMessageW(state.window, resolutionPickedMessage, 0, 0);
    } else if (code == BN_CLICKED && IsWindowEnabled(state.controls[id])) {
        if (control == Control::读入按钮 && state.handlers.readClicked != nullptr) {
            state.handlers.readClicked();
        } else if (control == Control::写出按钮 && state.handlers.writeClicked != nullptr) {
            state.handlers.writeClicked();
        }
    }
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            onCommand(wParam, lParam);
            return 0;
        case resolutionPickedMessage:
            if (!state.closed && state.handlers.resolutionPicked != nullptr) {
                state.handlers.resolutionPicked();
            }
            return 0;
        case WM_DESTROY:
            state.closed = true;
            state.window = nullptr;
            state.controls = {};
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

HFONT fontFor(FontChoice choice) {
    if (choice == FontChoice::defaultGui) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (state.songTi == nullptr) {
        // The English face name matches on every Windows; the Chinese character
        // set makes the font mapper pick another CJK font where SimSun is missing.
        state.songTi = CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, L"SimSun");
    }
    return state.songTi;
}

struct ControlClass {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

ControlClass classFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::dropDownList:
            return {WC_COMBOBOXW, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
        case ControlKind::pushButton:
            return {WC_BUTTONW, BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | WS_TABSTOP, 0};
        case ControlKind::editBox:
            return {WC_EDITW, ES_AUTOHSCROLL | ES_LEFT | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case ControlKind::label: return {WC_STATICW, SS_LEFT | SS_CENTERIMAGE, 0};
        case ControlKind::progressBar: return {PROGRESS_CLASSW, 0, WS_EX_STATICEDGE};
    }
    return {WC_STATICW, 0, 0};
}

HWND createControl(const ControlLayout& layout, const WindowLayout& window, HINSTANCE instance) {
    const ControlClass kind = classFor(layout.kind);
    DWORD style = WS_CHILD | kind.style;
    if (layout.visible) style |= WS_VISIBLE;
    if (!layout.enabled) style |= WS_DISABLED;
    const bool holdsNoText =
        layout.kind == ControlKind::dropDownList || layout.kind == ControlKind::editBox;
    const std::wstring text = holdsNoText ? std::wstring() : widen(layout.text);
    const int id = firstControlId + indexOf(layout.control);
    HWND control = CreateWindowExW(kind.extendedStyle, kind.className, text.c_str(), style,
                                   layout.left, layout.top, layout.width, layout.height,
                                   state.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   instance, nullptr);
    if (control == nullptr) return nullptr;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(layout.font)), FALSE);
    switch (layout.kind) {
        case ControlKind::dropDownList: {
            const LRESULT entryHeight = SendMessageW(control, CB_GETITEMHEIGHT, 0, 0);
            if (entryHeight > 0) {
                SendMessageW(control, CB_SETITEMHEIGHT, 0, entryHeight + window.listEntryExtraHeight);
            }
            break;
        }
        case ControlKind::editBox:
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0);  // 0: as long as memory allows
            break;
        case ControlKind::progressBar:
            SendMessageW(control, PBM_SETRANGE32, 0, window.progressMaximum);
            SendMessageW(control, PBM_SETPOS, 0, 0);
            break;
        case ControlKind::pushButton:
        case ControlKind::label: break;
    }
    return control;
}

}  // namespace

namespace win32 {

HWND mainWindow() { return state.window; }

HWND controlWindow(Control control) {
    const int index = indexOf(control);
    return index >= 0 && index < controlCount ? state.controls[index] : nullptr;
}

}  // namespace win32

void startToolkit(int, char**) {
    sys::setWorkingDirectory(sys::executableDirectory());
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS |
                                                       ICC_UPDOWN_CLASS | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

void registerExitCleanup(void (*cleanup)()) { state.cleanup = cleanup; }

void createMainWindow(const WindowLayout& layout, const WindowHandlers& handlers) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    if (windowClass.hIcon == nullptr) windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = windowClassName;
    RegisterClassExW(&windowClass);

    state.handlers = handlers;
    state.outerWidth = layout.outerWidth;
    state.outerHeight = layout.outerHeight;
    state.closed = false;
    const std::wstring title = widen(layout.title);
    // A fixed frame: no sizing border, no minimize or maximize box.
    state.window = CreateWindowExW(WS_EX_CONTROLPARENT, windowClassName, title.c_str(),
                                   WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                                   CW_USEDEFAULT, layout.outerWidth, layout.outerHeight, nullptr,
                                   nullptr, instance, nullptr);
    for (const ControlLayout& control : layout.controls) {
        const int index = indexOf(control.control);
        if (index >= 0 && index < controlCount) {
            state.controls[index] = createControl(control, layout, instance);
            state.kinds[index] = control.kind;
            if (control.kind == ControlKind::editBox) state.editTexts[index] = control.text;
        }
    }
}

void showMainWindow() {
    if (state.window == nullptr) return;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - state.outerWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - state.outerHeight) / 2;
    SetWindowPos(state.window, nullptr, left, top, state.outerWidth, state.outerHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(state.window, SW_SHOW);
    SetForegroundWindow(state.window);
    UpdateWindow(state.window);
}

int runEventLoop() {
    MSG message{};
    int exitCode = 0;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            exitCode = static_cast<int>(message.wParam);
            break;
        }
        if (got == -1) break;
        dispatch(message);
    }
    runCleanupOnce();
    return exitCode;
}

void endProgram(int exitCode) {
    runCleanupOnce();
    if (state.window != nullptr) DestroyWindow(state.window);
    ExitProcess(static_cast<UINT>(exitCode));
}

bool processPendingEvents() {
    if (state.closed) return false;
    if (++state.pumpCalls < pumpCallsPerClockCheck) return true;
    state.pumpCalls = 0;
    const ULONGLONG now = GetTickCount64();
    if (now - state.lastPump < pumpIntervalMs) return true;
    MSG message{};
    while (!state.closed && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The event loop must still see it once the running command returns.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        dispatch(message);
    }
    // Measured after dispatching: a handler that ran long (a message box) must
    // not make the next steps dispatch again at once.
    state.lastPump = GetTickCount64();
    return !state.closed;
}

void insertItem(Control list, int index, std::string_view text) {
    const std::wstring wide = widen(text);
    SendMessageW(win32::controlWindow(list), CB_INSERTSTRING, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(wide.c_str()));
}

void deleteItem(Control list, int index) {
    SendMessageW(win32::controlWindow(list), CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

int getSelection(Control list) {
    const LRESULT selection = SendMessageW(win32::controlWindow(list), CB_GETCURSEL, 0, 0);
    return selection < 0 ? -1 : static_cast<int>(selection);
}

void setSelection(Control list, int index) {
    HWND combo = win32::controlWindow(list);
    const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    if (index >= count) index = count - 1;
    if (index < 0) index = -1;
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void setEnabled(Control control, bool enabled) {
    HWND window = win32::controlWindow(control);
    if (window != nullptr) EnableWindow(window, enabled ? TRUE : FALSE);
}

namespace {
bool isEditBox(Control control) {
    const int index = static_cast<int>(control);
    return index >= 0 && index < controlCount && state.kinds[index] == ControlKind::editBox;
}
}  // namespace

void setText(Control edit, std::string text) {
    if (isEditBox(edit)) {
        state.editTexts[static_cast<int>(edit)] = std::move(text);
        return;
    }
    SetWindowTextW(win32::controlWindow(edit), widen(text).c_str());
}

std::string getText(Control edit) {
    if (isEditBox(edit)) return state.editTexts[static_cast<int>(edit)];
    HWND window = win32::controlWindow(edit);
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return narrow(text);
}

void setPosition(Control progress, int value) {
    SendMessageW(win32::controlWindow(progress), PBM_SETPOS, static_cast<WPARAM>(value), 0);
}

}  // namespace c3ws::ui
