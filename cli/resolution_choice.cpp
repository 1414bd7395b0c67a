#include "cli/resolution_choice.h"

#include <array>
#include <charconv>

namespace c3ws::cli {
namespace {

struct Size {
    unsigned width = 0;
    unsigned height = 0;
    bool operator==(const Size&) const = default;
};

// Digits only: no sign, no space, no leading "+" that from_chars would refuse anyway.
std::optional<unsigned> decimal(std::string_view text) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<Size> sizeFrom(std::string_view text) {
    constexpr std::array<std::string_view, 3> separators{"×", "x", "X"};
    for (const std::string_view separator : separators) {
        const std::size_t at = text.find(separator);
        if (at == std::string_view::npos) continue;
        const auto width = decimal(text.substr(0, at));
        const auto height = decimal(text.substr(at + separator.size()));
        if (!width || !height) return std::nullopt;
        return Size{*width, *height};
    }
    return std::nullopt;
}

}  // namespace

std::optional<ResolutionItem> itemFromIndex(std::string_view text) {
    const auto value = decimal(text);
    if (!value || *value >= static_cast<unsigned>(resolutionItemCount)) return std::nullopt;
    return static_cast<ResolutionItem>(*value);
}

std::optional<ResolutionItem> itemFromResolution(std::string_view text) {
    const auto wanted = sizeFrom(text);
    if (!wanted) return std::nullopt;
    for (ResolutionItem item = 0; item < resolutionItemCount; ++item) {
        if (sizeFrom(listText(item)) == wanted) return item;
    }
    return std::nullopt;
}

}  // namespace c3ws::cli
