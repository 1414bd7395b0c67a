#include "patch/patch_table.h"

#include <algorithm>

namespace c3ws {
namespace {

// The farthest end of any entry with a valid offset.
std::size_t farthestEnd(PatchTable table) {
    QuietHost quiet;
    std::size_t end = 0;
    for (const PatchEntry& entry : table) {
        const std::int32_t offset = parseHexOffset(entry.offsetText, quiet);
        if (offset < 1) continue;
        end = std::max(end, static_cast<std::size_t>(offset) + patchByteCount(entry.bytesText));
    }
    return end;
}

}  // namespace

std::size_t requiredFileSize(ResolutionItem item) {
    return farthestEnd(patchTableFor(item));
}

TableResult applyPatchTable(ResolutionItem item, WritePosition& image, EngineHost& host) {
    const PatchTable table = patchTableFor(item);
    const auto length = static_cast<std::size_t>(image.imageEnd - image.imageStart);
    if (hexImageLength(farthestEnd(table)) > length) return TableResult::fileTooShort;
    for (const PatchEntry& entry : table) {
        if (applyPatch(entry, image, host) == PatchResult::cancelled) {
            return TableResult::cancelled;
        }
    }
    return TableResult::applied;
}

}  // namespace c3ws
