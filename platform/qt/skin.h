// The look of the standard controls: the platform style the program starts
// with, and the XP-style skin laid over it by setControlSkin (skin.cpp).
#pragma once

namespace c3ws::ui::qt {

// The style every control has while no skin is on. Called once at start-up.
void installBaseStyle();

}  // namespace c3ws::ui::qt
