#include "app/display_mode.h"

#include <array>

namespace c3ws::app {

std::optional<ui::DisplayMode> detectedDisplayMode;

namespace {

constexpr int anyHeight = -1;

struct Rule {
    ResolutionItem item;
    int width;
    int height;  // anyHeight: the width alone decides
};

// Tried in this order; no two can hold at once. The wide entries compare the
// width alone, so a 1440×1050 screen still gets 1440×900.
constexpr std::array rules{
    Rule{2, 1280, 768},         Rule{3, 1280, 800},        Rule{4, 1280, 960},
    Rule{5, 1280, 1024},        Rule{6, 1366, anyHeight},  Rule{6, 1360, anyHeight},
    Rule{7, 1440, anyHeight},   Rule{8, 1600, anyHeight},  Rule{9, 1680, anyHeight},
    Rule{10, 1920, anyHeight},
};

}  // namespace

std::optional<ResolutionItem> preselectedItem(const ui::DisplayMode& mode) {
    std::optional<ResolutionItem> chosen;
    for (const Rule& rule : rules) {
        if (mode.width == rule.width && (rule.height == anyHeight || mode.height == rule.height)) {
            chosen = rule.item;
        }
    }
    return chosen;
}

}  // namespace c3ws::app
