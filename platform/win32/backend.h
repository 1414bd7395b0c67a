// What the parts of the Win32 backend share: the window, its controls, and the
// Windows headers with the settings this backend builds with. Included only by
// the backend's own sources.
#pragma once

#include <windows.h>

#include "platform/services.h"

namespace c3ws::ui::win32 {

// The main window, or nullptr before it exists and after it has been destroyed.
HWND mainWindow();

// The window of a control, or nullptr.
HWND controlWindow(Control control);

}  // namespace c3ws::ui::win32
