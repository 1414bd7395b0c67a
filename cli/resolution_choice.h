// Which list entry the user means: by its index ("--item 6") or by its
// resolution ("--resolution 1366x768"). The resolution is matched on its two
// numbers, so the letter x, X and the sign × of the list texts all do.
#pragma once

#include <optional>
#include <string_view>

#include "patch/resolution_item.h"

namespace c3ws::cli {

// A decimal index of the list, 0 to resolutionItemCount - 1; nothing else.
std::optional<ResolutionItem> itemFromIndex(std::string_view text);

// "WxH", "WXH" or "W×H" naming one of the list's resolutions.
std::optional<ResolutionItem> itemFromResolution(std::string_view text);

}  // namespace c3ws::cli
