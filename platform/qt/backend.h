// The state the Qt backend keeps between service calls: the application, the one
// window and its controls, the handlers and the exit clean-up. Only the files of
// this folder include it; everything runs on the GUI thread, so nothing here is
// locked.
#pragma once

#include <QWidget>

#include <array>
#include <cstddef>
#include <string>

#include "platform/services.h"

class QApplication;

namespace c3ws::ui::qt {

inline constexpr std::size_t controlCount = 7;

struct ControlSlot {
    QWidget* widget = nullptr;
    ControlKind kind = ControlKind::label;
    // The text of an edit box. The box itself never receives it: a QLineEdit lays
    // out its whole text on every change, which takes half a second for an image
    // of a few megabytes, and the box is never shown anyway.
    std::string storedText;
};

struct Backend {
    QApplication* application = nullptr;
    QWidget* window = nullptr;
    std::array<ControlSlot, controlCount> controls{};
    WindowHandlers handlers{};
    void (*cleanup)() = nullptr;
    bool cleanupDone = false;
    bool eventLoopRunning = false;  // inside runEventLoop's QApplication::exec
    int outerWidth = 0;
    int outerHeight = 0;
};

Backend& backend();

// Set by the close box. Read by the event pump on every call, hence a plain flag
// of its own and not a member reached through a function.
extern bool windowClosed;

ControlSlot& slotOf(Control control);

// Runs the registered clean-up the first time it is called, never again.
void runCleanupOnce();

// The window's font for a font choice of the layout.
QFont fontFor(FontChoice choice);

// UTF-8 in, QString out, for every text that crosses the services.
QString toQString(std::string_view text);

}  // namespace c3ws::ui::qt
