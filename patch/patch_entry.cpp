#include "patch/patch_entry.h"

namespace c3ws {
namespace {

constexpr std::string_view hexPrefix = "0x";

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Calls f(item) for every non-empty item of a bytes text, in order; stops early
// when f returns false.
template <typename F>
bool forEachItem(std::string_view bytesText, F f) {
    std::size_t start = 0;
    while (start <= bytesText.size()) {
        std::size_t stop = bytesText.find(' ', start);
        if (stop == std::string_view::npos) stop = bytesText.size();
        if (stop > start && !f(bytesText.substr(start, stop - start))) return false;
        start = stop + 1;
    }
    return true;
}

// The number of bytes in the image of a buffer of this many characters.
std::size_t fileSizeOf(const WritePosition& image) {
    const auto length = static_cast<std::size_t>(image.imageEnd - image.imageStart);
    return length == 0 ? 0 : (length + 1) / 3;
}

}  // namespace

std::int32_t portableHexTextToInt(std::string_view prefixedText) {
    if (!prefixedText.starts_with(hexPrefix)) return 0;
    std::uint32_t value = 0;
    for (const char c : prefixedText.substr(hexPrefix.size())) {
        if (!isHexDigit(c)) break;
        value = value << 4 | nibbleOf(static_cast<unsigned char>(c));
    }
    return static_cast<std::int32_t>(value);
}

std::int32_t parseHexOffset(std::string_view offsetText, EngineHost& host) {
    if (offsetText.starts_with(hexPrefix)) return host.convertHexText(offsetText);
    std::string prefixed;
    prefixed.reserve(hexPrefix.size() + offsetText.size());
    prefixed.append(hexPrefix).append(offsetText);
    return host.convertHexText(prefixed);
}

std::optional<std::int64_t> offsetToTextPosition(std::int32_t offset, EngineHost& host) {
    if (offset < 1) host.reportBadOffset();
    if (offset <= 1) return offset;
    if (!host.takesTurns()) return 3 * std::int64_t{offset} - 2;
    // Two characters a step, one more whenever the total lands on a multiple of
    // three: 2, 4, 7, 10, ... The remainder is carried along instead of divided out.
    std::int64_t total = 0;
    int remainder = 0;
    for (std::int32_t step = 0; step < offset; ++step) {
        total += 2;
        remainder += 2;
        if (remainder >= 3) remainder -= 3;
        if (remainder == 0) {
            ++total;
            remainder = 1;
        }
        if (!host.processPendingEvents()) return std::nullopt;
    }
    return total;
}

std::size_t patchByteCount(std::string_view bytesText) {
    std::size_t count = 0;
    forEachItem(bytesText, [&](std::string_view) {
        ++count;
        return true;
    });
    return count;
}

std::uint8_t patchItemValue(std::string_view item) {
    if (item.empty()) return 0;
    const auto digit = [&](std::size_t i) { return nibbleOf(static_cast<unsigned char>(item[i])); };
    if (item.size() == 1) return digit(0);
    return static_cast<std::uint8_t>(digit(0) << 4 | digit(1));
}

std::vector<std::uint8_t> patchBytes(std::string_view bytesText) {
    std::vector<std::uint8_t> bytes;
    forEachItem(bytesText, [&](std::string_view item) {
        bytes.push_back(patchItemValue(item));
        return true;
    });
    return bytes;
}

PatchResult applyPatch(const PatchEntry& entry, WritePosition& image, EngineHost& host) {
    const std::int32_t offset = parseHexOffset(entry.offsetText, host);
    if (offset < 1) {
        offsetToTextPosition(offset, host);  // reports it
        return PatchResult::badOffset;
    }
    // Checked before the long count: an entry outside the file costs nothing.
    const auto first = static_cast<std::size_t>(offset);
    if (first + patchByteCount(entry.bytesText) > fileSizeOf(image)) {
        return PatchResult::outsideImage;
    }
    const std::optional<std::int64_t> position = offsetToTextPosition(offset, host);
    if (!position) return PatchResult::cancelled;

    image.imageCursor = image.imageStart + *position + 2;
    const bool turns = host.takesTurns();
    const bool finished = forEachItem(entry.bytesText, [&](std::string_view item) {
        writePair(image, byteToHexPair(patchItemValue(item)));
        return !turns || host.processPendingEvents();
    });
    return finished ? PatchResult::written : PatchResult::cancelled;
}

}  // namespace c3ws
