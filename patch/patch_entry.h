// One byte patch, kept as the two texts the tables hold, and its application to
// an image under construction.
//
// An entry of k bytes at offset n replaces bytes n .. n+k-1 of the file. It is
// written only when it lies wholly inside the image (n >= 1, n + k <= file size);
// otherwise nothing of it is written. Only digit characters are ever replaced:
// the separators stay where they are and the image stays a well-formed HexImage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "patch/engine_host.h"
#include "patch/hex_image.h"

namespace c3ws {

struct PatchEntry {
    std::string_view offsetText;  // hexadecimal, no prefix: "9BAFE"
    std::string_view bytesText;   // two-digit items, single spaces: "00 05"
};

enum class PatchResult {
    written,       // every byte of the entry is in the image
    badOffset,     // offset below 1: reported to the host, nothing written
    outsideImage,  // the entry reaches past the end of the file: nothing written
    cancelled,     // the host asked to stop: the image is incomplete
};

// "0x" is put in front unless the text already starts with exactly "0x" (so
// "0X5600" becomes "0x0X5600", which is 0); the host converts the result. A text
// that holds no hexadecimal number gives 0.
std::int32_t parseHexOffset(std::string_view offsetText, EngineHost& host);

// The portable conversion: "0x" then hex digits (either case) up to the first
// other character, taken modulo 2^32; 0 when there are none.
std::int32_t portableHexTextToInt(std::string_view prefixedText);

// Counts the text position of file offset n the long way, two or three
// characters a step, giving the host a turn after every step: 3n - 2 for n >= 1.
// A host that takes no turns gets the product at once.
// Offsets below 1 are reported to the host and given back unchanged. nullopt:
// the host asked to stop. Wide enough for every 32-bit offset.
std::optional<std::int64_t> offsetToTextPosition(std::int32_t offset, EngineHost& host);

// The number of bytes the entry writes: the items of its bytes text that are not
// empty (doubled, leading or trailing spaces make empty ones, which write nothing).
std::size_t patchByteCount(std::string_view bytesText);

// The value an item stands for. Its first two characters count (one-character
// items are a single low digit); each is read as the decoder reads the image, so
// the image gets upper-case digits whatever the item's case or content.
std::uint8_t patchItemValue(std::string_view item);

// The byte values the entry writes, in order: what patchItemValue makes of each
// of its non-empty items.
std::vector<std::uint8_t> patchBytes(std::string_view bytesText);

// Writes one entry into the image at its offset, checking first that it fits.
PatchResult applyPatch(const PatchEntry& entry, WritePosition& image, EngineHost& host);

}  // namespace c3ws
