// The event pump of the long build. The patch engine calls it after every byte it
// renders, some ten million times in one Read, so the usual call only counts;
// every few thousand calls it reads the clock, and events are dispatched only
// when a frame's worth of time has passed. That keeps the window painting and
// answering (close box, list) at a cost lost in the noise of the build itself.
#include <QCoreApplication>

#include <chrono>

#include "platform/qt/backend.h"

namespace c3ws::ui {
namespace {

using Clock = std::chrono::steady_clock;

// A clock read costs some 20 ns; one per 4096 calls is nothing next to the
// build's own work, and still comes many times per millisecond.
constexpr unsigned clockCheckInterval = 4096;
constexpr auto dispatchPeriod = std::chrono::milliseconds(12);

unsigned callsSinceCheck = 0;
Clock::time_point lastDispatch{};

}  // namespace

bool processPendingEvents() {
    if (++callsSinceCheck < clockCheckInterval) return !qt::windowClosed;
    callsSinceCheck = 0;
    const Clock::time_point now = Clock::now();
    if (now - lastDispatch >= dispatchPeriod) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        lastDispatch = Clock::now();
    }
    return !qt::windowClosed;
}

}  // namespace c3ws::ui
