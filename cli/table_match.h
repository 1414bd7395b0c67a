// How far a file already carries the bytes of each patch table: what inspect
// reports. A table is compared by the bytes it leaves behind (entries in order,
// later ones winning), not entry by entry, since entries overwrite each other.
//
// Tables share most of their bytes, so a build for one resolution carries much
// of every other table too. Only a table whose every byte is present counts as
// the file's resolution; when several are (their bytes coincide), the one with
// the most bytes is named, since it is the stronger evidence.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "patch/engine_host.h"
#include "patch/resolution_item.h"

namespace c3ws::cli {

struct PlacedByte {
    std::size_t offset = 0;
    std::uint8_t value = 0;
};

// The bytes the item's table leaves in a file, one per offset, by offset.
// Entries with an offset below 1 are reported to the host and left out.
std::vector<PlacedByte> finalBytes(ResolutionItem item, EngineHost& host);

enum class MatchState {
    tooShort,  // the file ends before the table's farthest byte
    none,      // no byte of the table is present
    some,      // some are: a partial build, or bytes the original happens to share
    all,       // every byte is present
};

struct TableMatch {
    ResolutionItem item = 0;
    std::size_t requiredSize = 0;  // the smallest file the table fits in
    std::size_t total = 0;         // bytes the table leaves behind
    std::size_t present = 0;       // of those, bytes the file already holds
    MatchState state = MatchState::none;
};

// One match per entry of the list that has a table, in list order.
std::vector<TableMatch> matchTables(std::span<const std::uint8_t> file, EngineHost& host);

// The entry the file is a complete build for; nullopt when no table is complete.
std::optional<ResolutionItem> builtFor(std::span<const TableMatch> matches);

// The incomplete table with the most bytes present, for a file that is no
// complete build, by the share of its bytes present; nullopt when no table has
// a byte present.
std::optional<TableMatch> closestPartial(std::span<const TableMatch> matches);

}  // namespace c3ws::cli
