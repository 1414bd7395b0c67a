// Switching the skin on and off, and the colours of its three schemes: 1 blue,
// 2 olive green, 3 silver, after the three colour schemes of the XP visual
// style. The skin is a style set on the whole application, so Qt re-polishes
// every existing widget and polishes every later one with it; taking it off
// puts a fresh base style back the same way.
#include <QApplication>
#include <QStyleFactory>

#include "platform/qt/backend.h"
#include "platform/qt/skin.h"
#include "platform/qt/skin_style.h"

namespace c3ws::ui {
namespace qt {
namespace {

// The classic Windows look: 1-pixel sunken progress bar in blocks, flat labels.
// The platform's own default stands in where it is not built in.
QStyle* makeBaseStyle() {
    if (QStyle* windows = QStyleFactory::create(QStringLiteral("Windows"))) return windows;
    return QStyleFactory::create(QStringLiteral("Fusion"));
}

// Colours the three schemes share: the face of buttons, the orange glow under
// the mouse, the disabled look and the check boxes' fill.
SkinColours common() {
    SkinColours c;
    c.buttonTop = QColor(0xFF, 0xFF, 0xFF);
    c.buttonBottom = QColor(0xEC, 0xEB, 0xE6);
    c.buttonBottomEdge = QColor(0xD6, 0xD0, 0xC5);
    c.pressedTop = QColor(0xE0, 0xDF, 0xD8);
    c.pressedBottom = QColor(0xF4, 0xF3, 0xEE);
    c.hotTop = QColor(0xFF, 0xF0, 0xCF);
    c.hotBottom = QColor(0xE5, 0x97, 0x00);
    c.disabledBorder = QColor(0xC9, 0xC7, 0xBA);
    c.disabledFace = QColor(0xF5, 0xF4, 0xEA);
    c.disabledText = QColor(0xAC, 0xA8, 0x99);
    c.checkTop = QColor(0xDC, 0xDC, 0xD7);
    c.checkBottom = QColor(0xFF, 0xFF, 0xFF);
    c.checkMark = QColor(0x21, 0xA1, 0x21);
    c.groupFrame = QColor(0xD0, 0xD0, 0xBF);
    return c;
}

SkinColours blue() {
    SkinColours c = common();
    c.buttonBorder = QColor(0x00, 0x3C, 0x74);
    c.focusTop = QColor(0xCE, 0xE7, 0xFF);
    c.focusBottom = QColor(0x69, 0x82, 0xEE);
    c.frame = QColor(0x7F, 0x9D, 0xB9);
    c.dropTop = QColor(0xE1, 0xEA, 0xFE);
    c.dropBottom = QColor(0xAE, 0xC8, 0xF7);
    c.dropHotTop = QColor(0xFD, 0xFF, 0xFF);
    c.dropHotBottom = QColor(0xB9, 0xDA, 0xFB);
    c.dropPressedTop = QColor(0x6E, 0x8E, 0xF1);
    c.dropPressedBottom = QColor(0xD2, 0xDE, 0xEB);
    c.dropBorder = QColor(0xB9, 0xD1, 0xFA);
    c.dropArrow = QColor(0x4D, 0x61, 0x85);
    c.checkBorder = QColor(0x1C, 0x51, 0x80);
    c.groupText = QColor(0x00, 0x46, 0xD5);
    return c;
}

SkinColours oliveGreen() {
    SkinColours c = common();
    c.buttonBorder = QColor(0x37, 0x62, 0x2D);
    c.focusTop = QColor(0xDF, 0xEA, 0xC2);
    c.focusBottom = QColor(0x9E, 0xB7, 0x6A);
    c.frame = QColor(0xA4, 0xB9, 0x7F);
    c.dropTop = QColor(0xF0, 0xF4, 0xDD);
    c.dropBottom = QColor(0xBD, 0xCC, 0x95);
    c.dropHotTop = QColor(0xFB, 0xFD, 0xF0);
    c.dropHotBottom = QColor(0xCE, 0xDB, 0xAA);
    c.dropPressedTop = QColor(0x9F, 0xB5, 0x6E);
    c.dropPressedBottom = QColor(0xDC, 0xE5, 0xC2);
    c.dropBorder = QColor(0xB6, 0xC6, 0x92);
    c.dropArrow = QColor(0x4E, 0x5E, 0x2A);
    c.checkBorder = QColor(0x37, 0x62, 0x2D);
    c.groupText = QColor(0x43, 0x6E, 0x1F);
    return c;
}

SkinColours silver() {
    SkinColours c = common();
    c.buttonBorder = QColor(0x4C, 0x4B, 0x68);
    c.buttonBottom = QColor(0xEE, 0xEE, 0xF3);
    c.buttonBottomEdge = QColor(0xC6, 0xC5, 0xD7);
    c.pressedTop = QColor(0xD5, 0xD5, 0xE1);
    c.pressedBottom = QColor(0xEF, 0xEF, 0xF4);
    c.hotTop = QColor(0xFF, 0xE7, 0xA2);
    c.hotBottom = QColor(0xF0, 0xA4, 0x1C);
    c.focusTop = QColor(0xE6, 0xE6, 0xEF);
    c.focusBottom = QColor(0xA4, 0xA3, 0xC0);
    c.disabledBorder = QColor(0xC4, 0xC3, 0xD2);
    c.disabledFace = QColor(0xF3, 0xF3, 0xF6);
    c.disabledText = QColor(0xA5, 0xA4, 0xB8);
    c.frame = QColor(198, 197, 215);
    c.dropTop = QColor(0xFF, 0xFF, 0xFF);
    c.dropBottom = QColor(0xD3, 0xD2, 0xE0);
    c.dropHotTop = QColor(0xFF, 0xFF, 0xFF);
    c.dropHotBottom = QColor(0xE6, 0xE5, 0xEF);
    c.dropPressedTop = QColor(0xBC, 0xBB, 0xCF);
    c.dropPressedBottom = QColor(0xE4, 0xE4, 0xEC);
    c.dropBorder = QColor(0xB4, 0xB3, 0xC8);
    c.dropArrow = QColor(0x4C, 0x4B, 0x68);
    c.checkBorder = QColor(0x72, 0x71, 0x8E);
    c.checkTop = QColor(0xE0, 0xE0, 0xE8);
    c.groupFrame = QColor(198, 197, 215);
    c.groupText = QColor(0x3D, 0x3D, 0x5B);
    return c;
}

}  // namespace

void installBaseStyle() { QApplication::setStyle(makeBaseStyle()); }

}  // namespace qt

void setControlSkin(int scheme) {
    // QApplication deletes the style it replaces, base style included, so every
    // change builds a fresh base.
    switch (scheme) {
        case 1: QApplication::setStyle(new qt::SkinStyle(qt::makeBaseStyle(), qt::blue())); break;
        case 2: QApplication::setStyle(new qt::SkinStyle(qt::makeBaseStyle(), qt::oliveGreen())); break;
        case 3: QApplication::setStyle(new qt::SkinStyle(qt::makeBaseStyle(), qt::silver())); break;
        default: qt::installBaseStyle(); break;
    }
}

}  // namespace c3ws::ui
