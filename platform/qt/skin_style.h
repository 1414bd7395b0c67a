// The XP-style skin as a Qt proxy style: it draws push buttons, check boxes,
// radio buttons, group boxes, edit boxes, combo boxes with their drop-down lists
// and spin boxes in the colours of one scheme and hands every other kind to the
// base style unchanged. Installed application-wide, it reaches every window of
// the program: the main window, message boxes and the save dialog alike.
#pragma once

#include <QColor>
#include <QProxyStyle>

namespace c3ws::ui::qt {

struct SkinColours {
    QColor buttonBorder, buttonTop, buttonBottom, buttonBottomEdge;
    QColor pressedTop, pressedBottom;
    QColor hotTop, hotBottom;      // the glow inside a button under the mouse
    QColor focusTop, focusBottom;  // the glow inside the focused or default button
    QColor disabledBorder, disabledFace, disabledText;
    QColor frame;  // edit boxes, combo boxes, their drop-down lists, spin boxes
    QColor dropTop, dropBottom, dropHotTop, dropHotBottom, dropPressedTop, dropPressedBottom;
    QColor dropBorder, dropArrow;  // the drop-down and up-down buttons
    QColor checkBorder, checkTop, checkBottom, checkMark;
    QColor groupFrame, groupText;
};

class SkinStyle final : public QProxyStyle {
public:
    // Takes ownership of base, as every QProxyStyle does.
    SkinStyle(QStyle* base, const SkinColours& colours);

    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;

private:
    void drawPushButtonPanel(const QStyleOption* option, QPainter* painter, bool isDefault) const;
    void setIndicatorPenAndBrush(QPainter* painter, const QRectF& outer, bool enabled, bool pressed,
                                 bool darkenWholeFace) const;
    void drawCheckIndicator(const QStyleOption* option, QPainter* painter) const;
    void drawRadioIndicator(const QStyleOption* option, QPainter* painter) const;
    void drawFieldFrame(const QStyleOption* option, QPainter* painter, bool fill) const;
    void drawSmallButton(const QRect& rect, const QStyleOption* option, bool hot, bool pressed,
                         Qt::ArrowType arrow, QPainter* painter) const;

    SkinColours colours_;
};

}  // namespace c3ws::ui::qt
