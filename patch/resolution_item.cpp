// Data only: the list texts and the proposed file names, by ResolutionItem.
#include "patch/resolution_item.h"

#include <array>

namespace c3ws {
namespace {

// The sign between the numbers is the multiplication sign, not the letter x.
constexpr std::array<std::string_view, resolutionItemCount> listTexts{
    "请选择相应游戏分辨率大小",
    "1024×600",
    "1280×768",
    "1280×800",
    "1280×960",
    "1280×1024",
    "1366×768",
    "1440×900",
    "1600×900",
    "1680×1050",
    "1920×1080",
};

constexpr std::string_view genericFileName = "C3宽屏启动.exe";

// The case of the X differs between entries; players' shortcuts point at these
// exact names, so they stay as they have always been.
constexpr std::array<std::string_view, resolutionItemCount> fileNames{
    genericFileName,
    genericFileName,
    "1280X768.exe",
    "1280X800.exe",
    "1280X960.exe",
    "1280X1024.exe",
    "1366X768.exe",
    "1440x900.exe",
    "1600x900.exe",
    "1680X1050.exe",
    "1920x1080.exe",
};

bool inList(ResolutionItem item) { return item >= 0 && item < resolutionItemCount; }

}  // namespace

std::string_view listText(ResolutionItem item) {
    return inList(item) ? listTexts[static_cast<std::size_t>(item)] : std::string_view{};
}

std::string_view defaultFileName(ResolutionItem item) {
    return inList(item) ? fileNames[static_cast<std::size_t>(item)] : genericFileName;
}

}  // namespace c3ws
