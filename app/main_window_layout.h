// The main window as data: its title, outer size and every control's place,
// size, text, font and initial state. Every backend builds the window from this
// one description, so the Linux and Windows windows cannot drift apart.
#pragma once

#include "platform/services.h"

namespace c3ws::app {

const ui::WindowLayout& mainWindowLayout();

}  // namespace c3ws::app
