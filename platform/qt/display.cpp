// The display mode of the primary screen, in device pixels, as start-up uses it
// to pre-select the resolution list.
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

#include "platform/services.h"

namespace c3ws::ui {

DisplayMode currentDisplayMode() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {};
    // Qt measures in device-independent pixels; the game runs in device pixels.
    const QSize size = screen->geometry().size() * screen->devicePixelRatio();
    DisplayMode mode;
    mode.width = size.width();
    mode.height = size.height();
    mode.bitsPerPixel = screen->depth();
    mode.refreshRate = static_cast<std::int32_t>(std::lround(screen->refreshRate()));
    return mode;
}

}  // namespace c3ws::ui
