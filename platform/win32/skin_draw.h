// Drawing of the skinned controls in the look of the XP visual style: the three
// colour schemes and one painter per kind of control. skin.cpp decides which
// windows are skinned and when they are drawn; this file only draws.
#pragma once

#include <windows.h>

namespace c3ws::ui::win32::skin {

struct Palette {
    COLORREF buttonBorder, buttonTop, buttonBottom, pressedTop, pressedBottom;
    COLORREF focusTop, focusBottom, hotTop, hotBottom;
    COLORREF boxBorder, boxTop, boxBottom, mark;
    COLORREF fieldBorder;  // edit boxes, drop-down lists and their lists
    COLORREF arrowTop, arrowBottom, arrowHotTop, arrowHotBottom, arrowPressedTop,
        arrowPressedBottom, arrowBorder, arrowGlyph;
    COLORREF groupFrame, groupText;
    COLORREF disabledBorder, disabledFace, disabledText;
};

// nullptr for a value that is not a scheme.
const Palette* paletteFor(int scheme);

enum class Kind { pushButton, checkBox, radioButton, groupBox, edit, comboBox, comboList, upDown };

// What the mouse is doing over a control, as the skin tracks it.
struct Interaction {
    bool hot = false;
    int hotPart = 0;      // up-down: 1 the first arrow, 2 the second
    int pressedPart = 0;  // up-down: the arrow held down
};

// Paints the client area of a control whose whole drawing the skin takes over.
void paintClient(HWND window, HDC dc, Kind kind, const Palette& palette,
                 const Interaction& interaction);

// Draws the frame over a control's non-client border (edit boxes, lists).
void paintFrame(HWND window, Kind kind, const Palette& palette);

// Draws the frame and the arrow button over a combo box that paints its own
// field (owner-drawn entries, an edit field).
void paintComboChrome(HWND window, HDC dc, const Palette& palette, const Interaction& interaction);

// True when the skin paints the whole client area of this combo box itself.
bool paintsWholeCombo(HWND window);

// Which arrow of an up-down control a client point is on: 1, 2, or 0.
int upDownPartAt(HWND window, POINT point);

}  // namespace c3ws::ui::win32::skin
