// From the bytes of c3.exe to its patched hex image: render every byte, apply
// the table of the chosen entry, hand the text over. The entry is taken once, by
// the caller, so a change of the list's selection during a build changes nothing.
#pragma once

#include <cstdint>
#include <span>

#include "patch/engine_host.h"
#include "patch/hex_image.h"
#include "patch/patch_table.h"
#include "patch/resolution_item.h"

namespace c3ws {

struct BuiltImage {
    TableResult result = TableResult::applied;
    HexImage image;  // empty unless result is applied
};

// The bytes are only read. The table is checked against the file's length before
// anything is rendered, so a file too short for it costs nothing.
BuiltImage buildHexImage(std::span<const std::uint8_t> bytes, ResolutionItem item,
                         EngineHost& host);

}  // namespace c3ws
