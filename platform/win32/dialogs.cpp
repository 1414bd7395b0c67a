// Message boxes, the save dialog, the display query, and the file services as
// the window sees them (forwarded to the operating-system layer).
#include <windows.h>
#include <commdlg.h>

#include <string>

#include "platform/services.h"
#include "platform/system.h"
#include "platform/win32/backend.h"
#include "platform/win32/system/wide_text.h"

namespace c3ws::ui {
namespace {

using c3ws::win32::narrow;
using c3ws::win32::widen;

// Room for a long path: the dialog refuses a choice that does not fit.
constexpr std::size_t saveNameCapacity = 32768;

UINT iconFor(MessageStyle style) {
    switch (style) {
        case MessageStyle::error: return MB_ICONERROR;
        case MessageStyle::information: return MB_ICONINFORMATION;
        case MessageStyle::plain: return 0;
    }
    return 0;
}

// "description|pattern|..." as the dialog wants it: NUL between the parts and two
// at the end.
std::wstring dialogFilter(std::string_view filter) {
    std::wstring wide = widen(filter);
    for (wchar_t& c : wide) {
        if (c == L'|') c = L'\0';
    }
    wide.push_back(L'\0');
    wide.push_back(L'\0');
    return wide;
}

}  // namespace

std::string runDirectory() { return sys::executableDirectory(); }
bool fileExists(const std::string& path) { return sys::fileExists(path); }
sys::FileRead readWholeFile(const std::string& path) { return sys::readWholeFile(path); }
sys::FileError writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    return sys::replaceWholeFile(path, bytes);
}
std::int32_t hexTextToInt(std::string_view prefixedText) { return sys::hexTextToInt(prefixedText); }

DisplayMode currentDisplayMode() {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return {};
    return {static_cast<std::int32_t>(mode.dmPelsWidth), static_cast<std::int32_t>(mode.dmPelsHeight),
            static_cast<std::int32_t>(mode.dmBitsPerPel),
            static_cast<std::int32_t>(mode.dmDisplayFrequency)};
}

void showMessage(std::string_view text, std::optional<std::string_view> title, MessageStyle style) {
    const std::wstring wideText = widen(text);
    const std::wstring wideTitle = widen(title.value_or(defaultMessageTitle));
    // No owner and task-modal: every window of the thread is disabled while it is
    // open, also before the main window is shown.
    MessageBoxW(nullptr, wideText.c_str(), wideTitle.c_str(), MB_OK | MB_TASKMODAL | iconFor(style));
}

std::optional<std::string> askSaveFileName(const SaveDialogSetup& setup) {
    const std::wstring filter = dialogFilter(setup.filter);
    const std::wstring folder = widen(setup.initialFolder);
    std::wstring name = widen(setup.initialName);
    name.resize(saveNameCapacity, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = win32::mainWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    // No default extension: a name typed without one is used as typed. No
    // OFN_NOCHANGEDIR: the working directory follows the folder chosen.
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    name.resize(wcsnlen(name.c_str(), name.size()));
    return narrow(name);
}

}  // namespace c3ws::ui
