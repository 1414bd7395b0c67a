// Drawing of the XP-style skin. Shapes follow the XP visual style: push buttons
// with rounded corners, a light vertical gradient and a two-pixel glow inside
// (orange under the mouse, the scheme's colour when focused or default); square
// check boxes and round radio buttons with a soft diagonal fill; single-pixel
// frames around edit boxes, combo boxes and spin boxes; small gradient buttons
// with a chevron for drop-downs and up-downs; group boxes with rounded frames.
#include "platform/qt/skin_style.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QRadioButton>
#include <QStyleOption>

namespace c3ws::ui::qt {
namespace {

// The kinds the skin draws, which want hover repaints for their hot look.
bool isSkinnedKind(const QWidget* widget) {
    return qobject_cast<const QPushButton*>(widget) != nullptr ||
           qobject_cast<const QCheckBox*>(widget) != nullptr ||
           qobject_cast<const QRadioButton*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr;
}

// The popup of a combo box is a private Qt class; its frame is the list's frame.
bool isDropDownPopup(const QWidget* widget) {
    return widget != nullptr && widget->inherits("QComboBoxPrivateContainer");
}

QLinearGradient vertical(const QRectF& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

// Pixel-aligned geometry for a one-pixel pen: the centre of the outer pixels.
QRectF penRect(const QRect& rect, qreal inset = 0) {
    return QRectF(rect).adjusted(0.5 + inset, 0.5 + inset, -0.5 - inset, -0.5 - inset);
}

void drawChevron(QPainter* painter, const QRectF& box, Qt::ArrowType arrow, const QColor& colour) {
    const qreal half = std::min(box.width(), box.height()) >= 12 ? 3.5 : 2.5;
    const QPointF c = box.center();
    QPainterPath path;
    if (arrow == Qt::UpArrow) {
        path.moveTo(c.x() - half, c.y() + half / 2);
        path.lineTo(c.x(), c.y() - half / 2);
        path.lineTo(c.x() + half, c.y() + half / 2);
    } else {
        path.moveTo(c.x() - half, c.y() - half / 2);
        path.lineTo(c.x(), c.y() + half / 2);
        path.lineTo(c.x() + half, c.y() - half / 2);
    }
    painter->setPen(QPen(colour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(path);
}

}  // namespace

SkinStyle::SkinStyle(QStyle* base, const SkinColours& colours)
    : QProxyStyle(base), colours_(colours) {}

void SkinStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    if (isSkinnedKind(widget)) widget->setAttribute(Qt::WA_Hover, true);
}

void SkinStyle::unpolish(QWidget* widget) {
    if (isSkinnedKind(widget)) widget->setAttribute(Qt::WA_Hover, false);
    QProxyStyle::unpolish(widget);
}

void SkinStyle::drawPushButtonPanel(const QStyleOption* option, QPainter* painter,
                                    bool isDefault) const {
    const bool enabled = option->state & State_Enabled;
    const bool pressed = option->state & (State_Sunken | State_On);
    const bool hot = enabled && (option->state & State_MouseOver);
    const bool focused = enabled && ((option->state & State_HasFocus) || isDefault);
    const QRectF outer = penRect(option->rect);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (!enabled) {
        painter->setPen(colours_.disabledBorder);
        painter->setBrush(colours_.disabledFace);
    } else if (pressed) {
        painter->setPen(colours_.buttonBorder);
        painter->setBrush(vertical(outer, colours_.pressedTop, colours_.pressedBottom));
    } else {
        QLinearGradient face = vertical(outer, colours_.buttonTop, colours_.buttonBottom);
        face.setColorAt(0.8, colours_.buttonBottom);
        face.setColorAt(1, colours_.buttonBottomEdge);
        painter->setPen(colours_.buttonBorder);
        painter->setBrush(face);
    }
    painter->drawRoundedRect(outer, 3, 3);

    if (!pressed && (hot || focused)) {
        // Two pixels wide, just inside the border.
        const QRectF glowRect = QRectF(option->rect).adjusted(2, 2, -2, -2);
        const QLinearGradient glow =
            hot ? vertical(glowRect, colours_.hotTop, colours_.hotBottom)
                : vertical(glowRect, colours_.focusTop, colours_.focusBottom);
        painter->setPen(QPen(QBrush(glow), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(glowRect, 1.5, 1.5);
    }
    painter->restore();
}

// The box of a check box or the circle of a radio button: a diagonal gradient,
// darker while pressed (the check box's all over, the radio button's at its top).
void SkinStyle::setIndicatorPenAndBrush(QPainter* painter, const QRectF& outer, bool enabled,
                                        bool pressed, bool darkenWholeFace) const {
    painter->setPen(enabled ? colours_.checkBorder : colours_.disabledBorder);
    if (!enabled) {
        painter->setBrush(colours_.disabledFace);
        return;
    }
    QLinearGradient fill(outer.topLeft(), outer.bottomRight());
    fill.setColorAt(0, pressed ? colours_.checkTop.darker(110) : colours_.checkTop);
    fill.setColorAt(1, pressed && darkenWholeFace ? colours_.checkBottom.darker(106) : colours_.checkBottom);
    painter->setBrush(fill);
}

void SkinStyle::drawCheckIndicator(const QStyleOption* option, QPainter* painter) const {
    const bool enabled = option->state & State_Enabled;
    const bool hot = enabled && (option->state & State_MouseOver);
    const bool pressed = enabled && (option->state & State_Sunken);
    const QRect box = option->rect;
    const QRectF outer = penRect(box);

    painter->save();
    setIndicatorPenAndBrush(painter, outer, enabled, pressed, true);
    painter->drawRect(outer);
    if (hot) {
        const QRectF glowRect = QRectF(box).adjusted(2, 2, -2, -2);
        painter->setPen(QPen(QBrush(vertical(glowRect, colours_.hotTop, colours_.hotBottom)), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(glowRect);
    }
    painter->setRenderHint(QPainter::Antialiasing);
    const QColor mark = enabled ? colours_.checkMark : colours_.disabledText;
    if (option->state & State_On) {
        // The tick of the XP check box: a short stroke down, a long one up.
        const qreal s = box.width() / 13.0;
        const QPointF o = box.topLeft();
        QPainterPath tick;
        tick.moveTo(o + QPointF(3.5 * s, 6.0 * s));
        tick.lineTo(o + QPointF(5.5 * s, 8.5 * s));
        tick.lineTo(o + QPointF(9.5 * s, 3.8 * s));
        painter->setPen(QPen(mark, 2.2 * s, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(tick);
    } else if (option->state & State_NoChange) {
        painter->fillRect(QRectF(box).adjusted(3, 3, -3, -3), mark);
    }
    painter->restore();
}

void SkinStyle::drawRadioIndicator(const QStyleOption* option, QPainter* painter) const {
    const bool enabled = option->state & State_Enabled;
    const bool hot = enabled && (option->state & State_MouseOver);
    const bool pressed = enabled && (option->state & State_Sunken);
    const QRectF outer = penRect(option->rect);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    setIndicatorPenAndBrush(painter, outer, enabled, pressed, false);
    painter->drawEllipse(outer);
    if (hot) {
        const QRectF glowRect = QRectF(option->rect).adjusted(2, 2, -2, -2);
        painter->setPen(QPen(QBrush(vertical(glowRect, colours_.hotTop, colours_.hotBottom)), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawEllipse(glowRect);
    }
    if (option->state & State_On) {
        const QColor mark = enabled ? colours_.checkMark : colours_.disabledText;
        const QPointF centre = outer.center();
        const qreal radius = outer.width() * 0.2;
        QRadialGradient dot(centre - QPointF(radius / 2, radius / 2), radius * 2);
        dot.setColorAt(0, mark.lighter(160));
        dot.setColorAt(1, mark);
        painter->setPen(Qt::NoPen);
        painter->setBrush(dot);
        painter->drawEllipse(centre, radius, radius);
    }
    painter->restore();
}

void SkinStyle::drawFieldFrame(const QStyleOption* option, QPainter* painter, bool fill) const {
    const bool enabled = option->state & State_Enabled;
    painter->save();
    if (fill) painter->fillRect(option->rect, option->palette.brush(QPalette::Base));
    painter->setPen(enabled ? colours_.frame : colours_.disabledBorder);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(penRect(option->rect));
    painter->restore();
}

void SkinStyle::drawSmallButton(const QRect& rect, const QStyleOption* option, bool hot,
                                bool pressed, Qt::ArrowType arrow, QPainter* painter) const {
    const bool enabled = option->state & State_Enabled;
    const QRectF outer = penRect(rect);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (!enabled) {
        painter->setPen(colours_.disabledBorder);
        painter->setBrush(colours_.disabledFace);
    } else {
        painter->setPen(colours_.dropBorder);
        if (pressed) {
            painter->setBrush(vertical(outer, colours_.dropPressedTop, colours_.dropPressedBottom));
        } else if (hot) {
            painter->setBrush(vertical(outer, colours_.dropHotTop, colours_.dropHotBottom));
        } else {
            painter->setBrush(vertical(outer, colours_.dropTop, colours_.dropBottom));
        }
    }
    painter->drawRoundedRect(outer, 2, 2);
    drawChevron(painter, outer, arrow, enabled ? colours_.dropArrow : colours_.disabledText);
    painter->restore();
}

void SkinStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    switch (element) {
        case PE_PanelButtonCommand: drawPushButtonPanel(option, painter, false); return;
        case PE_FrameDefaultButton: return;  // the glow shows the default button
        case PE_IndicatorCheckBox: drawCheckIndicator(option, painter); return;
        case PE_IndicatorRadioButton: drawRadioIndicator(option, painter); return;
        case PE_FrameLineEdit: drawFieldFrame(option, painter, false); return;
        case PE_PanelLineEdit:
            if (const auto* panel = qstyleoption_cast<const QStyleOptionFrame*>(option);
                panel != nullptr && panel->lineWidth > 0) {
                drawFieldFrame(option, painter, true);
            } else {
                painter->fillRect(option->rect, option->palette.brush(QPalette::Base));
            }
            return;
        case PE_FrameGroupBox: {
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(colours_.groupFrame);
            painter->setBrush(Qt::NoBrush);
            painter->drawRoundedRect(penRect(option->rect), 3, 3);
            painter->restore();
            return;
        }
        default: break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SkinStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    if (element == CE_PushButtonBevel) {
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
            button != nullptr && !(button->features & QStyleOptionButton::Flat)) {
            drawPushButtonPanel(option, painter,
                                button->features & QStyleOptionButton::DefaultButton);
            if (button->features & QStyleOptionButton::HasMenu) {
                QStyleOptionButton arrow = *button;
                const int size = 8;
                arrow.rect = QRect(button->rect.right() - size - 6,
                                   button->rect.center().y() - size / 2, size, size);
                proxy()->drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
            }
            return;
        }
    }
    if (element == CE_ShapedFrame && isDropDownPopup(widget)) {
        drawFieldFrame(option, painter, false);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void SkinStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (control == CC_ComboBox) {
        if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
            drawFieldFrame(option, painter, true);
            const QRect arrowRect = proxy()->subControlRect(CC_ComboBox, combo, SC_ComboBoxArrow, widget);
            const bool pressed = (combo->activeSubControls & SC_ComboBoxArrow) &&
                                 (combo->state & State_Sunken);
            const bool hot = combo->state & State_MouseOver;
            drawSmallButton(arrowRect, option, hot, pressed || (combo->state & State_On),
                            Qt::DownArrow, painter);
            if ((combo->state & State_HasFocus) && !combo->editable) {
                // The chosen entry shows selected while the list has the focus;
                // the label that QComboBox draws next takes the pen set here.
                const QRect field = proxy()->subControlRect(CC_ComboBox, combo, SC_ComboBoxEditField, widget);
                painter->fillRect(field, combo->palette.brush(QPalette::Highlight));
                painter->setPen(combo->palette.color(QPalette::HighlightedText));
            }
            return;
        }
    }
    if (control == CC_SpinBox) {
        if (const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option)) {
            if (spin->frame) drawFieldFrame(option, painter, true);
            const bool hot = spin->state & State_MouseOver;
            const bool sunken = spin->state & State_Sunken;
            struct Half {
                SubControl part;
                QAbstractSpinBox::StepEnabledFlag step;
                Qt::ArrowType arrow;
            };
            for (const Half half : {Half{SC_SpinBoxUp, QAbstractSpinBox::StepUpEnabled, Qt::UpArrow},
                                    Half{SC_SpinBoxDown, QAbstractSpinBox::StepDownEnabled, Qt::DownArrow}}) {
                if (!(spin->subControls & half.part)) continue;
                QStyleOption button = *option;
                if (!(spin->stepEnabled & half.step)) button.state &= ~State_Enabled;
                const bool active = spin->activeSubControls & half.part;
                drawSmallButton(proxy()->subControlRect(CC_SpinBox, spin, half.part, widget), &button,
                                hot && active, sunken && active, half.arrow, painter);
            }
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

int SkinStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    switch (metric) {
        // XP buttons keep their label in place when pressed and show the default
        // button by its glow, not by an extra frame.
        case PM_ButtonShiftHorizontal:
        case PM_ButtonShiftVertical:
        case PM_ButtonDefaultIndicator: return 0;
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight: return 13;
        default: return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int SkinStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
    if (hint == SH_GroupBox_TextLabelColor) return static_cast<int>(colours_.groupText.rgba());
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

}  // namespace c3ws::ui::qt
