// The display mode start-up reads, and the list entry it pre-selects from it.
#pragma once

#include <optional>

#include "patch/resolution_item.h"
#include "platform/services.h"

namespace c3ws::app {

// The program's one display mode: zeros from start-up until the window is
// prepared, released at the end.
extern std::optional<ui::DisplayMode> detectedDisplayMode;

// The entry a screen of this mode pre-selects; nothing where no rule holds (the
// prompt stays selected). 1024×600 is never pre-selected; 1280×1024 is, though
// the user can't pick it from the list.
std::optional<ResolutionItem> preselectedItem(const ui::DisplayMode& mode);

}  // namespace c3ws::app
