// The byte patches that turn c3.exe into the build for one resolution, and their
// application to an image. Eight entries of the list have a table (2, 3, 4 and
// 6 to 10); the others have none and leave the image as rendered.
//
// A table is applied whole or not at all: when the file ends before the table's
// farthest byte, nothing of it is written.
#pragma once

#include <cstddef>
#include <span>

#include "patch/engine_host.h"
#include "patch/hex_image.h"
#include "patch/patch_entry.h"
#include "patch/resolution_item.h"

namespace c3ws {

using PatchTable = std::span<const PatchEntry>;

// Empty for entries without a table and for indices outside the list.
PatchTable patchTableFor(ResolutionItem item);

// The smallest file the table fits in: one past its farthest byte. 0 without a table.
std::size_t requiredFileSize(ResolutionItem item);

enum class TableResult {
    applied,       // every entry with a valid offset is written (or there is no table)
    fileTooShort,  // the file ends before the table's farthest byte: nothing written
    cancelled,     // the host asked to stop: the image is incomplete
};

// Applies the item's table entry by entry, in table order; later entries win
// where they overlap. Entries with an offset below 1 are reported and skipped.
TableResult applyPatchTable(ResolutionItem item, WritePosition& image, EngineHost& host);

}  // namespace c3ws
