// The XP-style skin of the standard controls of the GUI thread. A CBT hook sees
// every window the thread creates, those of message boxes and of the save dialog
// included, and subclasses the kinds the skin covers by their class names;
// windows that exist already are found by enumeration. The subclass takes over
// the painting; the control's own procedure keeps all of its behaviour.
#include <windows.h>
#include <commctrl.h>

#include <cwchar>
#include <unordered_map>

#include "platform/services.h"
#include "platform/win32/skin_draw.h"

namespace c3ws::ui {
namespace {

using win32::skin::Interaction;
using win32::skin::Kind;
using win32::skin::Palette;

constexpr UINT_PTR subclassId = 0xC35C;

struct Skinned {
    Kind kind;
    Interaction interaction;
    bool tracking = false;
};

struct SkinState {
    const Palette* palette = nullptr;
    HHOOK hook = nullptr;
    std::unordered_map<HWND, Skinned*> windows;
};

SkinState skin;

LRESULT CALLBACK subclassProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

bool sameClass(const wchar_t* name, const wchar_t* wanted) { return _wcsicmp(name, wanted) == 0; }

// The kind the skin draws a window as, or false for a window it leaves alone.
bool kindOf(HWND window, Kind& kind) {
    wchar_t name[64] = {};
    if (GetClassNameW(window, name, 64) == 0) return false;
    // A class registered by a side-by-side assembly reads "version!Button".
    const wchar_t* base = std::wcsrchr(name, L'!');
    base = base != nullptr ? base + 1 : name;
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    if (sameClass(base, WC_BUTTONW)) {
        switch (style & BS_TYPEMASK) {
            case BS_PUSHBUTTON:
            case BS_DEFPUSHBUTTON: kind = Kind::pushButton; return true;
            case BS_CHECKBOX:
            case BS_AUTOCHECKBOX:
            case BS_3STATE:
            case BS_AUTO3STATE:
                kind = (style & BS_PUSHLIKE) != 0 ? Kind::pushButton : Kind::checkBox;
                return true;
            case BS_RADIOBUTTON:
            case BS_AUTORADIOBUTTON:
                kind = (style & BS_PUSHLIKE) != 0 ? Kind::pushButton : Kind::radioButton;
                return true;
            case BS_GROUPBOX: kind = Kind::groupBox; return true;
            default: return false;  // owner-drawn, split and command-link buttons
        }
    }
    if (sameClass(base, WC_EDITW)) {
        kind = Kind::edit;
        return true;
    }
    if (sameClass(base, WC_COMBOBOXW)) {
        if ((style & 3) == CBS_SIMPLE) return false;
        kind = Kind::comboBox;
        return true;
    }
    if (sameClass(base, L"ComboLBox")) {
        // The list of a simple combo box sits inside it, with no border to draw.
        if ((style & WS_CHILD) != 0) return false;
        kind = Kind::comboList;
        return true;
    }
    if (sameClass(base, UPDOWN_CLASSW)) {
        kind = Kind::upDown;
        return true;
    }
    return false;
}

void redraw(HWND window, Kind kind) {
    if (kind == Kind::edit || kind == Kind::comboList) {
        // Only the frame is the skin's: the text stays as the control drew it.
        if (skin.palette != nullptr) win32::skin::paintFrame(window, kind, *skin.palette);
    } else {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

void skinWindow(HWND window) {
    if (skin.palette == nullptr || skin.windows.contains(window)) return;
    Kind kind;
    if (!kindOf(window, kind)) return;
    auto* skinned = new Skinned{kind, {}, false};
    if (!SetWindowSubclass(window, subclassProcedure, subclassId, reinterpret_cast<DWORD_PTR>(skinned))) {
        delete skinned;
        return;
    }
    skin.windows.emplace(window, skinned);
    if (IsWindowVisible(window)) {
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

void unskinWindow(HWND window) {
    const auto found = skin.windows.find(window);
    if (found == skin.windows.end()) return;
    RemoveWindowSubclass(window, subclassProcedure, subclassId);
    delete found->second;
    skin.windows.erase(found);
    if (IsWindow(window) && IsWindowVisible(window)) {
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

// Messages after which a control may have drawn part of itself directly, outside
// WM_PAINT; the skin draws over it at once.
bool drawsDirectly(Kind kind, UINT message) {
    if (kind == Kind::edit) {
        return message == WM_ENABLE || message == WM_SETFOCUS || message == WM_KILLFOCUS ||
               message == EM_SETREADONLY || message == WM_STYLECHANGED;
    }
    if (kind == Kind::comboList) return false;
    switch (message) {
        case WM_ENABLE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_SETTEXT:
        case WM_UPDATEUISTATE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR: return true;
        case BM_SETSTATE:
        case BM_SETCHECK:
        case BM_SETSTYLE:
        case BM_CLICK: return kind != Kind::comboBox;
        case WM_COMMAND:
        case WM_MOUSEWHEEL:
        case CB_SETCURSEL:
        case CB_SELECTSTRING:
        case CB_SHOWDROPDOWN:
        case CB_DELETESTRING:
        case CB_INSERTSTRING:
        case CB_ADDSTRING:
        case CB_RESETCONTENT: return kind == Kind::comboBox;
        case WM_TIMER: return kind == Kind::upDown;
        default: return false;
    }
}

// Messages that only change a state and notify nobody: the control's own drawing
// of the change is hidden, so it never shows before the skin's.
bool quietStateChange(Kind kind, UINT message) {
    switch (message) {
        case WM_ENABLE:
        case WM_SETTEXT: return kind != Kind::edit;
        case BM_SETSTATE:
        case BM_SETCHECK:
        case BM_SETSTYLE: return kind != Kind::comboBox && kind != Kind::edit;
        case CB_SETCURSEL: return kind == Kind::comboBox;
        default: return false;
    }
}

void paintBuffered(HWND window, HDC target, Skinned& skinned) {
    RECT rect;
    GetClientRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    HDC memory = CreateCompatibleDC(target);
    HBITMAP bitmap = CreateCompatibleBitmap(target, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    win32::skin::paintClient(window, memory, skinned.kind, *skin.palette, skinned.interaction);
    BitBlt(target, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

void trackMouse(HWND window, Skinned& skinned, LPARAM position) {
    POINT point{static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    int part = skinned.kind == Kind::upDown ? win32::skin::upDownPartAt(window, point) : 0;
    if (!skinned.interaction.hot || skinned.interaction.hotPart != part) {
        skinned.interaction.hot = true;
        skinned.interaction.hotPart = part;
        redraw(window, skinned.kind);
    }
    if (!skinned.tracking) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        skinned.tracking = TrackMouseEvent(&track) != FALSE;
    }
}

LRESULT paintMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Skinned& skinned) {
    const Palette& palette = *skin.palette;
    switch (skinned.kind) {
        case Kind::edit:
        case Kind::comboList: return DefSubclassProc(window, message, wParam, lParam);
        case Kind::comboBox:
            if (!win32::skin::paintsWholeCombo(window)) {
                // The field is the combo box's own (an edit, owner-drawn entries):
                // only the frame and the arrow are drawn over it.
                const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
                HDC dc = message == WM_PRINTCLIENT ? reinterpret_cast<HDC>(wParam) : GetDC(window);
                win32::skin::paintComboChrome(window, dc, palette, skinned.interaction);
                if (message != WM_PRINTCLIENT) ReleaseDC(window, dc);
                return result;
            }
            break;
        case Kind::groupBox:
            // Unbuffered: the group's inside shows the controls in it.
            if (message == WM_PRINTCLIENT) {
                win32::skin::paintClient(window, reinterpret_cast<HDC>(wParam), skinned.kind, palette,
                                         skinned.interaction);
            } else {
                PAINTSTRUCT paint;
                HDC dc = BeginPaint(window, &paint);
                win32::skin::paintClient(window, dc, skinned.kind, palette, skinned.interaction);
                EndPaint(window, &paint);
            }
            return 0;
        case Kind::pushButton:
        case Kind::checkBox:
        case Kind::radioButton:
        case Kind::upDown: break;
    }
    if (message == WM_PRINTCLIENT) {
        paintBuffered(window, reinterpret_cast<HDC>(wParam), skinned);
    } else if (wParam != 0) {
        paintBuffered(window, reinterpret_cast<HDC>(wParam), skinned);  // WM_PAINT with a DC given
    } else {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        paintBuffered(window, dc, skinned);
        EndPaint(window, &paint);
    }
    return 0;
}

LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR data) {
    auto& skinned = *reinterpret_cast<Skinned*>(data);
    switch (message) {
        case WM_NCDESTROY: {
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            unskinWindow(window);
            return result;
        }
        case WM_PAINT:
        case WM_PRINTCLIENT: return paintMessage(window, message, wParam, lParam, skinned);
        case WM_NCPAINT:
            if (skinned.kind == Kind::edit || skinned.kind == Kind::comboList) {
                const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
                win32::skin::paintFrame(window, skinned.kind, *skin.palette);
                return result;
            }
            break;
        case WM_ERASEBKGND:
            if (skinned.kind != Kind::edit && skinned.kind != Kind::comboList) return 1;
            break;
        case WM_MOUSEMOVE:
            if (skinned.kind != Kind::edit && skinned.kind != Kind::comboList) {
                trackMouse(window, skinned, lParam);
            }
            break;
        case WM_MOUSELEAVE:
            skinned.tracking = false;
            skinned.interaction.hot = false;
            skinned.interaction.hotPart = 0;
            redraw(window, skinned.kind);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (skinned.kind == Kind::upDown) {
                const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
                skinned.interaction.pressedPart = win32::skin::upDownPartAt(window, point);
            }
            break;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED: skinned.interaction.pressedPart = 0; break;
        default: break;
    }

    const bool visible = (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
    const bool hide = visible && quietStateChange(skinned.kind, message);
    if (hide) SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (hide) SendMessageW(window, WM_SETREDRAW, TRUE, 0);

    // The window may have been destroyed by what the message did (a click that
    // closed a dialog): then the subclass data is gone too.
    if (!IsWindow(window) || !skin.windows.contains(window) || !visible) return result;
    if (hide || drawsDirectly(skinned.kind, message)) redraw(window, skinned.kind);
    return result;
}

LRESULT CALLBACK creationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) skinWindow(reinterpret_cast<HWND>(wParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK skinChild(HWND window, LPARAM) {
    skinWindow(window);
    return TRUE;
}

BOOL CALLBACK skinTopLevel(HWND window, LPARAM) {
    skinWindow(window);
    EnumChildWindows(window, skinChild, 0);
    return TRUE;
}

void removeSkin() {
    if (skin.hook != nullptr) {
        UnhookWindowsHookEx(skin.hook);
        skin.hook = nullptr;
    }
    while (!skin.windows.empty()) unskinWindow(skin.windows.begin()->first);
    skin.palette = nullptr;
}

}  // namespace

void setControlSkin(int scheme) {
    removeSkin();
    const Palette* palette = win32::skin::paletteFor(scheme);
    if (palette == nullptr) return;
    skin.palette = palette;
    skin.hook = SetWindowsHookExW(WH_CBT, creationHook, nullptr, GetCurrentThreadId());
    EnumThreadWindows(GetCurrentThreadId(), skinTopLevel, 0);
}

}  // namespace c3ws::ui
