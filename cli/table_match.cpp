#include "cli/table_match.h"

#include <algorithm>
#include <map>

#include "patch/patch_entry.h"
#include "patch/patch_table.h"

namespace c3ws::cli {
namespace {

// The first match in the wanted state that no later one beats.
template <typename Better>
const TableMatch* best(std::span<const TableMatch> matches, MatchState wanted, Better better) {
    const TableMatch* found = nullptr;
    for (const TableMatch& match : matches) {
        if (match.state != wanted) continue;
        if (found == nullptr || better(match, *found)) found = &match;
    }
    return found;
}

}  // namespace

std::vector<PlacedByte> finalBytes(ResolutionItem item, EngineHost& host) {
    std::map<std::size_t, std::uint8_t> placed;
    for (const PatchEntry& entry : patchTableFor(item)) {
        const std::int32_t offset = parseHexOffset(entry.offsetText, host);
        if (offset < 1) {
            host.reportBadOffset();
            continue;
        }
        auto at = static_cast<std::size_t>(offset);
        for (const std::uint8_t value : patchBytes(entry.bytesText)) placed[at++] = value;
    }
    std::vector<PlacedByte> bytes;
    bytes.reserve(placed.size());
    for (const auto& [offset, value] : placed) bytes.push_back({offset, value});
    return bytes;
}

std::vector<TableMatch> matchTables(std::span<const std::uint8_t> file, EngineHost& host) {
    std::vector<TableMatch> matches;
    for (ResolutionItem item = 0; item < resolutionItemCount; ++item) {
        if (patchTableFor(item).empty()) continue;
        TableMatch match{item, requiredFileSize(item)};
        for (const PlacedByte& byte : finalBytes(item, host)) {
            ++match.total;
            if (byte.offset < file.size() && file[byte.offset] == byte.value) ++match.present;
        }
        if (file.size() < match.requiredSize) {
            match.state = MatchState::tooShort;
        } else if (match.present == match.total) {
            match.state = MatchState::all;
        } else {
            match.state = match.present == 0 ? MatchState::none : MatchState::some;
        }
        matches.push_back(match);
    }
    return matches;
}

std::optional<ResolutionItem> builtFor(std::span<const TableMatch> matches) {
    const TableMatch* found = best(matches, MatchState::all, [](const TableMatch& a, const TableMatch& b) {
        return a.total > b.total;
    });
    if (found == nullptr) return std::nullopt;
    return found->item;
}

std::optional<TableMatch> closestPartial(std::span<const TableMatch> matches) {
    // By share, not by count: tables differ in length.
    const TableMatch* found = best(matches, MatchState::some, [](const TableMatch& a, const TableMatch& b) {
        return a.present * b.total > b.present * a.total;
    });
    if (found == nullptr) return std::nullopt;
    return *found;
}

}  // namespace c3ws::cli
