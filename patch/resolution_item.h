// The entries of the resolution list, by 0-based index. Indices never change
// while the program runs (the window may change an entry's text, never its
// place), and everything keys on the index, never on the text.
#pragma once

#include <cstdint>
#include <string_view>

namespace c3ws {

using ResolutionItem = int;

inline constexpr ResolutionItem promptItem = 0;
inline constexpr int resolutionItemCount = 11;

// The list's text at start-up ("1280×768"; entry 0 is the prompt).
std::string_view listText(ResolutionItem item);

// The file name proposed for the build of an entry. Entries without a name of
// their own, and indices outside the list, get the generic "C3宽屏启动.exe".
std::string_view defaultFileName(ResolutionItem item);

}  // namespace c3ws
