#include "platform/win32/skin_draw.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace c3ws::ui::win32::skin {
namespace {

constexpr Palette blue{
    RGB(0, 60, 116),    RGB(255, 255, 255), RGB(236, 235, 230), RGB(209, 204, 193), RGB(242, 241, 238),
    RGB(206, 231, 255), RGB(105, 130, 238), RGB(255, 240, 207), RGB(229, 151, 0),
    RGB(28, 81, 128),   RGB(220, 220, 215), RGB(255, 255, 255), RGB(33, 161, 33),
    RGB(127, 157, 185),
    RGB(193, 211, 251), RGB(157, 185, 244), RGB(220, 232, 255), RGB(181, 204, 250), RGB(110, 142, 241),
    RGB(143, 172, 238), RGB(117, 148, 212), RGB(77, 97, 133),
    RGB(208, 208, 191), RGB(0, 70, 213),
    RGB(201, 199, 186), RGB(245, 244, 234), RGB(161, 161, 146)};

constexpr Palette olive{
    RGB(55, 98, 6),     RGB(255, 255, 255), RGB(236, 235, 230), RGB(209, 204, 193), RGB(242, 241, 238),
    RGB(194, 209, 143), RGB(143, 166, 88),  RGB(255, 240, 207), RGB(229, 151, 0),
    RGB(85, 130, 60),   RGB(220, 220, 215), RGB(255, 255, 255), RGB(33, 161, 33),
    RGB(164, 185, 127),
    RGB(223, 233, 194), RGB(177, 196, 130), RGB(236, 243, 214), RGB(196, 212, 157), RGB(146, 170, 95),
    RGB(184, 203, 139), RGB(139, 161, 87),  RGB(255, 255, 255),
    RGB(208, 208, 191), RGB(53, 109, 23),
    RGB(201, 199, 186), RGB(245, 244, 234), RGB(161, 161, 146)};

constexpr Palette silver{
    RGB(61, 61, 98),    RGB(255, 255, 255), RGB(224, 223, 235), RGB(196, 195, 212), RGB(241, 241, 246),
    RGB(234, 234, 243), RGB(170, 169, 196), RGB(255, 240, 207), RGB(229, 151, 0),
    RGB(118, 116, 146), RGB(222, 222, 230), RGB(255, 255, 255), RGB(33, 161, 33),
    RGB(198, 197, 215),
    RGB(252, 252, 253), RGB(205, 204, 222), RGB(255, 255, 255), RGB(222, 221, 235), RGB(184, 183, 206),
    RGB(228, 227, 238), RGB(160, 159, 186), RGB(72, 72, 104),
    RGB(198, 197, 215), RGB(64, 64, 128),
    RGB(201, 199, 206), RGB(244, 244, 247), RGB(161, 161, 168)};

COLORREF mix(COLORREF a, COLORREF b, int numerator, int denominator) {
    auto channel = [&](int shift) {
        const int x = (a >> shift) & 0xFF;
        const int y = (b >> shift) & 0xFF;
        return static_cast<COLORREF>(x + (y - x) * numerator / std::max(denominator, 1)) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

void fill(HDC dc, const RECT& rect, COLORREF color) {
    SetDCBrushColor(dc, color);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void gradient(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom) {
    const int height = rect.bottom - rect.top;
    for (int y = 0; y < height; ++y) {
        const RECT line{rect.left, rect.top + y, rect.right, rect.top + y + 1};
        fill(dc, line, mix(top, bottom, y, height - 1));
    }
}

void horizontalGradient(HDC dc, const RECT& rect, COLORREF left, COLORREF right) {
    const int width = rect.right - rect.left;
    for (int x = 0; x < width; ++x) {
        const RECT line{rect.left + x, rect.top, rect.left + x + 1, rect.bottom};
        fill(dc, line, mix(left, right, x, width - 1));
    }
}

void frame(HDC dc, const RECT& rect, COLORREF color) {
    SetDCBrushColor(dc, color);
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// A one-pixel outline with the corners cut, as XP draws its buttons.
void roundedOutline(HDC dc, const RECT& rect, COLORREF color) {
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, 5, 5);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

RECT deflated(RECT rect, int by) {
    InflateRect(&rect, -by, -by);
    return rect;
}

// The background a transparent part of a control shows: what its parent hands
// out for its static children, else the dialog face.
void fillParentBackground(HWND window, HDC dc, const RECT& rect, UINT colorMessage) {
    HWND parent = GetParent(window);
    HBRUSH brush = parent != nullptr
                       ? reinterpret_cast<HBRUSH>(SendMessageW(parent, colorMessage,
                                                               reinterpret_cast<WPARAM>(dc),
                                                               reinterpret_cast<LPARAM>(window)))
                       : nullptr;
    FillRect(dc, &rect, brush != nullptr ? brush : GetSysColorBrush(COLOR_BTNFACE));
}

std::wstring windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(std::max(GetWindowTextW(window, text.data(), length + 1), 0)));
    return text;
}

struct UiState {
    bool hideFocus, hideAccelerators;
};

UiState uiStateOf(HWND window) {
    const auto flags = static_cast<UINT>(SendMessageW(window, WM_QUERYUISTATE, 0, 0));
    return {(flags & UISF_HIDEFOCUS) != 0, (flags & UISF_HIDEACCEL) != 0};
}

HFONT fontOf(HWND window) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    return font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The text of a button in its rectangle, vertically centred even when wrapped.
void drawButtonText(HWND window, HDC dc, RECT rect, UINT align, COLORREF color) {
    const std::wstring text = windowText(window);
    if (text.empty()) return;
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    UINT format = align | (uiStateOf(window).hideAccelerators ? DT_HIDEPREFIX : 0);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    HGDIOBJ oldFont = SelectObject(dc, fontOf(window));
    if ((style & BS_MULTILINE) != 0) {
        RECT measured = rect;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
                  format | DT_WORDBREAK | DT_CALCRECT);
        const int height = measured.bottom - measured.top;
        rect.top += std::max(0L, (rect.bottom - rect.top - height) / 2);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_WORDBREAK);
    } else {
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
                  format | DT_SINGLELINE | DT_VCENTER);
    }
    SelectObject(dc, oldFont);
}

UINT horizontalAlignment(LONG style, UINT fallback) {
    switch (style & BS_CENTER) {
        case BS_LEFT: return DT_LEFT;
        case BS_RIGHT: return DT_RIGHT;
        case BS_CENTER: return DT_CENTER;
        default: return fallback;
    }
}

void paintPushButton(HWND window, HDC dc, const Palette& p, const Interaction& interaction) {
    RECT rect;
    GetClientRect(window, &rect);
    fillParentBackground(window, dc, rect, WM_CTLCOLORBTN);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const auto state = static_cast<UINT>(SendMessageW(window, BM_GETSTATE, 0, 0));
    const bool enabled = IsWindowEnabled(window) != FALSE;
    const bool pressed = (state & BST_PUSHED) != 0 || (state & BST_CHECKED) != 0;
    const bool focused = GetFocus() == window;
    const bool isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;

    if (!enabled) {
        fill(dc, deflated(rect, 1), p.disabledFace);
        roundedOutline(dc, rect, p.disabledBorder);
        drawButtonText(window, dc, deflated(rect, 3), horizontalAlignment(style, DT_CENTER),
                       p.disabledText);
        return;
    }
    const RECT inner = deflated(rect, 1);
    if (pressed) {
        gradient(dc, inner, p.pressedTop, p.pressedBottom);
    } else if (interaction.hot || focused || isDefault) {
        // The coloured rim inside the outline: gold under the mouse, blue-ish for
        // the button that Enter presses.
        const bool hot = interaction.hot;
        gradient(dc, inner, hot ? p.hotTop : p.focusTop, hot ? p.hotBottom : p.focusBottom);
        gradient(dc, deflated(rect, 3), p.buttonTop, p.buttonBottom);
    } else {
        gradient(dc, inner, p.buttonTop, p.buttonBottom);
    }
    roundedOutline(dc, rect, p.buttonBorder);

    RECT text = deflated(rect, 3);
    if (pressed) OffsetRect(&text, 1, 1);
    drawButtonText(window, dc, text, horizontalAlignment(style, DT_CENTER), GetSysColor(COLOR_BTNTEXT));
    if (focused && !uiStateOf(window).hideFocus) {
        RECT focus = deflated(rect, 4);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}

void drawCheckMark(HDC dc, const RECT& box, COLORREF color) {
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ old = SelectObject(dc, pen);
    for (int thickness = 0; thickness < 3; ++thickness) {
        const int x = box.left + 3;
        const int y = box.top + 5 + thickness;
        MoveToEx(dc, x, y, nullptr);
        LineTo(dc, x + 2, y + 2);
        LineTo(dc, x + 7, y - 3);
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void paintCheckOrRadio(HWND window, HDC dc, const Palette& p, const Interaction& interaction,
                       bool radio) {
    RECT rect;
    GetClientRect(window, &rect);
    fillParentBackground(window, dc, rect, WM_CTLCOLORSTATIC);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const auto state = static_cast<UINT>(SendMessageW(window, BM_GETSTATE, 0, 0));
    const bool enabled = IsWindowEnabled(window) != FALSE;
    const bool pressed = (state & BST_PUSHED) != 0;
    const UINT check = state & (BST_CHECKED | BST_INDETERMINATE);
    const bool boxRight = (style & BS_LEFTTEXT) != 0;

    constexpr int size = 13;
    const int top = rect.top + (rect.bottom - rect.top - size) / 2;
    const int left = boxRight ? rect.right - size : rect.left;
    const RECT box{left, top, left + size, top + size};
    const COLORREF border = enabled ? p.boxBorder : p.disabledBorder;
    const RECT inside = deflated(box, 1);

    HRGN clip = nullptr;
    if (radio) {
        clip = CreateEllipticRgn(box.left, box.top, box.right + 1, box.bottom + 1);
        SelectClipRgn(dc, clip);
    }
    if (!enabled) {
        fill(dc, inside, p.disabledFace);
    } else if (pressed) {
        gradient(dc, inside, p.boxTop, p.pressedTop);
    } else if (interaction.hot) {
        gradient(dc, inside, p.hotTop, p.hotBottom);
        gradient(dc, deflated(box, 3), p.boxTop, p.boxBottom);
    } else {
        gradient(dc, inside, p.boxTop, p.boxBottom);
    }
    const COLORREF markColor = enabled ? p.mark : p.disabledText;
    if (radio) {
        SelectClipRgn(dc, nullptr);
        DeleteObject(clip);
        HPEN pen = CreatePen(PS_SOLID, 1, border);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Ellipse(dc, box.left, box.top, box.right, box.bottom);
        if (check != 0) {
            SetDCBrushColor(dc, markColor);
            SelectObject(dc, GetStockObject(DC_BRUSH));
            SelectObject(dc, GetStockObject(NULL_PEN));
            Ellipse(dc, box.left + 4, box.top + 4, box.right - 3, box.bottom - 3);
        }
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    } else {
        frame(dc, box, border);
        if (check == BST_CHECKED) drawCheckMark(dc, box, markColor);
        if (check == BST_INDETERMINATE) fill(dc, deflated(box, 3), markColor);
    }

    RECT text = rect;
    if (boxRight) {
        text.right = box.left - 4;
    } else {
        text.left = box.right + 4;
    }
    const COLORREF textColor = enabled ? GetSysColor(COLOR_BTNTEXT) : p.disabledText;
    drawButtonText(window, dc, text, horizontalAlignment(style, DT_LEFT), textColor);
    if (GetFocus() == window && !uiStateOf(window).hideFocus) {
        const std::wstring caption = windowText(window);
        if (!caption.empty()) {
            HGDIOBJ oldFont = SelectObject(dc, fontOf(window));
            SIZE extent{};
            GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
            SelectObject(dc, oldFont);
            const int middle = (text.top + text.bottom) / 2;
            RECT focus{text.left - 1, middle - extent.cy / 2 - 1,
                       std::min(text.right, text.left + extent.cx + 1), middle + extent.cy / 2 + 1};
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, RGB(255, 255, 255));
            DrawFocusRect(dc, &focus);
        }
    }
}

// Frame and caption only: the inside belongs to the controls in the group.
void paintGroupBox(HWND window, HDC dc, const Palette& p) {
    RECT rect;
    GetClientRect(window, &rect);
    const std::wstring text = windowText(window);
    HGDIOBJ oldFont = SelectObject(dc, fontOf(window));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.empty() ? L"M" : text.c_str(),
                          text.empty() ? 1 : static_cast<int>(text.size()), &extent);
    RECT box = rect;
    box.top += extent.cy / 2;
    roundedOutline(dc, box, p.groupFrame);
    if (!text.empty()) {
        RECT caption{rect.left + 6, rect.top, rect.left + 6 + extent.cx + 4, rect.top + extent.cy};
        caption.right = std::min(caption.right, rect.right - 6);
        fillParentBackground(window, dc, caption, WM_CTLCOLORSTATIC);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, IsWindowEnabled(window) ? p.groupText : p.disabledText);
        RECT textRect{caption.left + 2, caption.top, caption.right, caption.bottom};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                  DT_SINGLELINE | DT_LEFT | DT_TOP |
                      (uiStateOf(window).hideAccelerators ? DT_HIDEPREFIX : 0));
    }
    SelectObject(dc, oldFont);
}

enum class Arrow { up, down, left, right };

// The XP arrow: a small bold chevron.
void drawArrow(HDC dc, const RECT& rect, Arrow arrow, COLORREF color) {
    const int cx = (rect.left + rect.right) / 2;
    const int cy = (rect.top + rect.bottom) / 2;
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ old = SelectObject(dc, pen);
    for (int t = 0; t < 2; ++t) {
        switch (arrow) {
            case Arrow::down:
                MoveToEx(dc, cx - 4, cy - 2 + t, nullptr);
                LineTo(dc, cx, cy + 2 + t);
                LineTo(dc, cx + 5, cy - 3 + t);
                break;
            case Arrow::up:
                MoveToEx(dc, cx - 4, cy + 2 - t, nullptr);
                LineTo(dc, cx, cy - 2 - t);
                LineTo(dc, cx + 5, cy + 3 - t);
                break;
            case Arrow::right:
                MoveToEx(dc, cx - 2 + t, cy - 4, nullptr);
                LineTo(dc, cx + 2 + t, cy);
                LineTo(dc, cx - 3 + t, cy + 5);
                break;
            case Arrow::left:
                MoveToEx(dc, cx + 2 - t, cy - 4, nullptr);
                LineTo(dc, cx - 2 - t, cy);
                LineTo(dc, cx + 3 - t, cy + 5);
                break;
        }
    }
    SelectObject(dc, old);
    DeleteObject(pen);
}

void paintArrowButton(HDC dc, const RECT& rect, Arrow arrow, const Palette& p, bool enabled,
                      bool hot, bool pressed) {
    if (!enabled) {
        fill(dc, rect, p.disabledFace);
        roundedOutline(dc, rect, p.disabledBorder);
        drawArrow(dc, rect, arrow, p.disabledText);
        return;
    }
    const COLORREF top = pressed ? p.arrowPressedTop : hot ? p.arrowHotTop : p.arrowTop;
    const COLORREF bottom = pressed ? p.arrowPressedBottom : hot ? p.arrowHotBottom : p.arrowBottom;
    if (arrow == Arrow::left || arrow == Arrow::right) {
        horizontalGradient(dc, deflated(rect, 1), top, bottom);
    } else {
        gradient(dc, deflated(rect, 1), top, bottom);
    }
    roundedOutline(dc, rect, p.arrowBorder);
    drawArrow(dc, rect, arrow, p.arrowGlyph);
}

COMBOBOXINFO comboInfo(HWND window) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(window, &info)) {
        GetClientRect(window, &info.rcItem);
        info.rcButton = info.rcItem;
        info.rcButton.left = info.rcButton.right - GetSystemMetrics(SM_CXVSCROLL);
        info.rcItem.right = info.rcButton.left;
    }
    return info;
}

void paintComboButtonAndFrame(HWND window, HDC dc, const Palette& p, const Interaction& interaction) {
    RECT rect;
    GetClientRect(window, &rect);
    const bool enabled = IsWindowEnabled(window) != FALSE;
    const bool dropped = SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != 0;
    const COMBOBOXINFO info = comboInfo(window);
    frame(dc, rect, enabled ? p.fieldBorder : p.disabledBorder);
    RECT button = info.rcButton;
    button.top = rect.top + 1;
    button.bottom = rect.bottom - 1;
    button.right = rect.right - 1;
    fill(dc, RECT{button.left - 1, button.top, button.left, button.bottom},
         enabled ? GetSysColor(COLOR_WINDOW) : p.disabledFace);
    paintArrowButton(dc, button, Arrow::down, p, enabled, interaction.hot, dropped);
}

void paintWholeCombo(HWND window, HDC dc, const Palette& p, const Interaction& interaction) {
    RECT rect;
    GetClientRect(window, &rect);
    const bool enabled = IsWindowEnabled(window) != FALSE;
    const bool focused = GetFocus() == window;
    const bool dropped = SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != 0;
    fill(dc, deflated(rect, 1), enabled ? GetSysColor(COLOR_WINDOW) : p.disabledFace);
    paintComboButtonAndFrame(window, dc, p, interaction);

    const COMBOBOXINFO info = comboInfo(window);
    RECT item = info.rcItem;
    item.left = rect.left + 3;
    item.top = rect.top + 3;
    item.bottom = rect.bottom - 3;
    item.right = info.rcButton.left - 2;
    const bool highlighted = enabled && focused && !dropped;
    if (highlighted) fill(dc, item, GetSysColor(COLOR_HIGHLIGHT));

    const auto selection = static_cast<int>(SendMessageW(window, CB_GETCURSEL, 0, 0));
    if (selection >= 0) {
        const auto length = static_cast<int>(SendMessageW(window, CB_GETLBTEXTLEN, selection, 0));
        if (length > 0) {
            std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
            SendMessageW(window, CB_GETLBTEXT, selection, reinterpret_cast<LPARAM>(text.data()));
            text.resize(wcsnlen(text.c_str(), text.size()));
            HGDIOBJ oldFont = SelectObject(dc, fontOf(window));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, !enabled ? p.disabledText
                             : highlighted ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                           : GetSysColor(COLOR_WINDOWTEXT));
            RECT textRect = item;
            textRect.left += 2;
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                      DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
            SelectObject(dc, oldFont);
        }
    }
    if (highlighted && !uiStateOf(window).hideFocus) {
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &item);
    }
}

bool horizontalUpDown(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & UDS_HORZ) != 0; }

void upDownParts(HWND window, RECT& first, RECT& second) {
    RECT rect;
    GetClientRect(window, &rect);
    first = rect;
    second = rect;
    if (horizontalUpDown(window)) {
        first.right = second.left = (rect.left + rect.right) / 2;
    } else {
        first.bottom = second.top = (rect.top + rect.bottom) / 2;
    }
}

void paintUpDown(HWND window, HDC dc, const Palette& p, const Interaction& interaction) {
    RECT rect;
    GetClientRect(window, &rect);
    fillParentBackground(window, dc, rect, WM_CTLCOLORSTATIC);
    RECT first, second;
    upDownParts(window, first, second);
    const bool enabled = IsWindowEnabled(window) != FALSE;
    const bool horizontal = horizontalUpDown(window);
    // The first half counts down for a horizontal control, up for a vertical one.
    paintArrowButton(dc, first, horizontal ? Arrow::left : Arrow::up, p, enabled,
                     interaction.hotPart == 1, interaction.pressedPart == 1);
    paintArrowButton(dc, second, horizontal ? Arrow::right : Arrow::down, p, enabled,
                     interaction.hotPart == 2, interaction.pressedPart == 2);
}

}  // namespace

const Palette* paletteFor(int scheme) {
    switch (scheme) {
        case 1: return &blue;
        case 2: return &olive;
        case 3: return &silver;
        default: return nullptr;
    }
}

bool paintsWholeCombo(HWND window) {
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    return (style & 3) == CBS_DROPDOWNLIST && (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) == 0;
}

int upDownPartAt(HWND window, POINT point) {
    RECT first, second;
    upDownParts(window, first, second);
    if (PtInRect(&first, point)) return 1;
    if (PtInRect(&second, point)) return 2;
    return 0;
}

void paintClient(HWND window, HDC dc, Kind kind, const Palette& palette,
                 const Interaction& interaction) {
    switch (kind) {
        case Kind::pushButton: paintPushButton(window, dc, palette, interaction); break;
        case Kind::checkBox: paintCheckOrRadio(window, dc, palette, interaction, false); break;
        case Kind::radioButton: paintCheckOrRadio(window, dc, palette, interaction, true); break;
        case Kind::groupBox: paintGroupBox(window, dc, palette); break;
        case Kind::comboBox: paintWholeCombo(window, dc, palette, interaction); break;
        case Kind::upDown: paintUpDown(window, dc, palette, interaction); break;
        case Kind::edit:
        case Kind::comboList: break;
    }
}

void paintComboChrome(HWND window, HDC dc, const Palette& palette, const Interaction& interaction) {
    paintComboButtonAndFrame(window, dc, palette, interaction);
}

void paintFrame(HWND window, Kind kind, const Palette& palette) {
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const LONG extended = GetWindowLongW(window, GWL_EXSTYLE);
    const bool clientEdge = (extended & WS_EX_CLIENTEDGE) != 0;
    if (!clientEdge && (style & WS_BORDER) == 0) return;
    RECT rect;
    GetWindowRect(window, &rect);
    OffsetRect(&rect, -rect.left, -rect.top);
    HDC dc = GetWindowDC(window);
    if (dc == nullptr) return;
    const bool enabled = IsWindowEnabled(window) != FALSE;
    frame(dc, rect, enabled ? palette.fieldBorder : palette.disabledBorder);
    if (clientEdge) {
        // The second ring of the sunken edge takes the colour of the field.
        const bool readOnly = kind == Kind::edit && (style & ES_READONLY) != 0;
        const COLORREF field =
            enabled && !readOnly ? GetSysColor(COLOR_WINDOW) : GetSysColor(COLOR_BTNFACE);
        frame(dc, deflated(rect, 1), field);
    }
    ReleaseDC(window, dc);
}

}  // namespace c3ws::ui::win32::skin
