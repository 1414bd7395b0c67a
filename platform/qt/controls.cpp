// The operations on single controls. None of them raises a handler: Qt emits
// QComboBox::activated only for the user's pick, and that is the one signal the
// window binds to the list.
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>

#include "platform/qt/backend.h"

namespace c3ws::ui {
namespace {

QComboBox* listOf(Control control) {
    return qobject_cast<QComboBox*>(qt::slotOf(control).widget);
}

}  // namespace

void insertItem(Control list, int index, std::string_view text) {
    QComboBox* box = listOf(list);
    if (box == nullptr) return;
    // Past the end, or negative as "no index", appends.
    if (index < 0 || index > box->count()) index = box->count();
    box->insertItem(index, qt::toQString(text));
}

void deleteItem(Control list, int index) {
    if (QComboBox* box = listOf(list); box != nullptr) box->removeItem(index);
}

int getSelection(Control list) {
    const QComboBox* box = listOf(list);
    return box != nullptr ? box->currentIndex() : -1;
}

void setSelection(Control list, int index) {
    QComboBox* box = listOf(list);
    if (box == nullptr) return;
    if (index < 0) {
        box->setCurrentIndex(-1);
    } else {
        box->setCurrentIndex(std::min(index, box->count() - 1));
    }
}

void setEnabled(Control control, bool enabled) {
    if (QWidget* widget = qt::slotOf(control).widget; widget != nullptr) widget->setEnabled(enabled);
}

void setText(Control control, std::string text) {
    qt::ControlSlot& slot = qt::slotOf(control);
    if (QLabel* label = qobject_cast<QLabel*>(slot.widget); label != nullptr) {
        label->setText(qt::toQString(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(slot.widget); button != nullptr) {
        button->setText(qt::toQString(text));
    } else {
        slot.storedText = std::move(text);
    }
}

std::string getText(Control control) {
    const qt::ControlSlot& slot = qt::slotOf(control);
    if (const QLabel* label = qobject_cast<const QLabel*>(slot.widget); label != nullptr) {
        return label->text().toStdString();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(slot.widget); button != nullptr) {
        return button->text().toStdString();
    }
    return slot.storedText;
}

void setPosition(Control progress, int value) {
    auto* bar = qobject_cast<QProgressBar*>(qt::slotOf(progress).widget);
    if (bar == nullptr) return;
    // QProgressBar ignores a value outside its range; a position clamps instead.
    bar->setValue(std::clamp(value, bar->minimum(), bar->maximum()));
}

}  // namespace c3ws::ui
