#include "patch/patch_table.h"

#include <algorithm>

namespace c3ws {
namespace {

// The farthest end of any entry with a valid offset, read with the same
// conversion the entries are written with, so the check and the writes agree.
std::size_t farthestEnd(PatchTable table, EngineHost& host) {
    std::size_t end = 0;
    for (const PatchEntry& entry : table) {
        const std::int32_t offset = parseHexOffset(entry.offsetText, host);
        if (offset < 1) continue;
        end = std::max(end, static_cast<std::size_t>(offset) + patchByteCount(entry.bytesText));
    }
    return end;
}

}  // namespace

std::size_t requiredFileSize(ResolutionItem item) {
    QuietHost quiet;
    return farthestEnd(patchTableFor(item), quiet);
}

TableResult applyPatchTable(ResolutionItem item, WritePosition& image, EngineHost& host) {
    const PatchTable table = patchTableFor(item);
    const auto length = static_cast<std::size_t>(image.imageEnd - image.imageStart);
    if (hexImageLength(farthestEnd(table, host)) > length) return TableResult::fileTooShort;
    for (const PatchEntry& entry : table) {
        if (applyPatch(entry, image, host) == PatchResult::cancelled) {
            return TableResult::cancelled;
        }
    }
    return TableResult::applied;
}

}  // namespace c3ws
