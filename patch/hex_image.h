// The hex text image of an executable: every byte as two upper-case hex digits,
// one space between bytes, no line break. File offset k is text position 3k.
//
// The image is built in place: the working buffer is allocated once at its final
// size, already holding its separators, and pairs are written into it through a
// WritePosition. Nothing here writes outside the buffer it was given.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace c3ws {

using HexImage = std::string;
using Bytes = std::vector<std::uint8_t>;

// Exactly two characters: the digits of one byte, high nibble first.
using HexPair = std::array<char, 2>;

HexPair byteToHexPair(std::uint8_t value);

// Digit values by character code 0..102 ('f'); every other code there is 0.
// Codes above 102 are outside the table and decode as 0 as well.
extern const std::array<std::uint8_t, 103> nibbleTable;

inline std::uint8_t nibbleOf(unsigned char code) {
    return code < nibbleTable.size() ? nibbleTable[code] : 0;
}

// Where the next pair of an image under construction goes. imageStart is the first
// character of the working buffer, imageEnd one past its last.
struct WritePosition {
    char* imageStart = nullptr;
    char* imageCursor = nullptr;
    char* imageEnd = nullptr;
};

// Copies the pair to imageCursor and the character after it, then advances the
// cursor by 3 to the next byte's digits. A pair that would not fit wholly inside
// the image is not written (false).
bool writePair(WritePosition& at, HexPair pair);

// Spaces only: 3n - 1 of them for n bytes, none for n = 0.
HexImage blankHexImage(std::size_t byteCount);

// Length of the image of byteCount bytes.
constexpr std::size_t hexImageLength(std::size_t byteCount) {
    return byteCount == 0 ? 0 : 3 * byteCount - 1;
}

// Decodes a text back to bytes. ASCII spaces and GBK full-width spaces (A1 A1)
// are dropped wherever they stand; the rest is paired from the start, high
// nibble first. A final unpaired character is ignored. Never fails.
Bytes hexImageToBytes(std::string_view text);

}  // namespace c3ws
