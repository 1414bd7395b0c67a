#include "patch/hex_image.h"

namespace c3ws {

const std::array<std::uint8_t, 103> nibbleTable = [] {
    std::array<std::uint8_t, 103> table{};
    for (int c = '0'; c <= '9'; ++c) table[c] = static_cast<std::uint8_t>(c - '0');
    for (int c = 'A'; c <= 'F'; ++c) table[c] = static_cast<std::uint8_t>(c - 'A' + 10);
    for (int c = 'a'; c <= 'f'; ++c) table[c] = static_cast<std::uint8_t>(c - 'a' + 10);
    return table;
}();

HexPair byteToHexPair(std::uint8_t value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    return {digits[value >> 4], digits[value & 15]};
}

bool writePair(WritePosition& at, HexPair pair) {
    if (at.imageCursor < at.imageStart || at.imageEnd - at.imageCursor < 2) return false;
    at.imageCursor[0] = pair[0];
    at.imageCursor[1] = pair[1];
    at.imageCursor += 3;
    return true;
}

HexImage blankHexImage(std::size_t byteCount) {
    return HexImage(hexImageLength(byteCount), ' ');
}

Bytes hexImageToBytes(std::string_view text) {
    constexpr unsigned char space = 0x20;
    constexpr unsigned char fullWidthSpaceByte = 0xA1;  // A1 A1 in GBK

    Bytes bytes((text.size() + 1) / 2);
    std::size_t count = 0;
    int high = -1;  // the pending first digit of a pair, -1 for none
    const auto take = [&](unsigned char code) {
        const std::uint8_t nibble = nibbleOf(code);
        if (high < 0) {
            high = nibble;
        } else {
            bytes[count++] = static_cast<std::uint8_t>(high << 4 | nibble);
            high = -1;
        }
    };

    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = p + text.size();
    while (p != end) {
        const unsigned char c = *p++;
        if (c == space) continue;
        if (c < 0x80) {
            take(c);
            continue;
        }
        // A GBK lead byte: it and the byte after it are one character. A lead
        // byte with nothing after it is dropped.
        if (p == end) break;
        const unsigned char trail = *p++;
        if (c == fullWidthSpaceByte && trail == fullWidthSpaceByte) continue;
        take(c);
        take(trail);
    }
    // A pending digit is the last character of an odd count: ignored.
    bytes.resize(count);
    return bytes;
}

}  // namespace c3ws
