#include "patch/build_image.h"

namespace c3ws {

BuiltImage buildHexImage(std::span<const std::uint8_t> bytes, ResolutionItem item,
                         EngineHost& host) {
    if (bytes.size() < requiredFileSize(item)) return {TableResult::fileTooShort, {}};

    HexImage image = blankHexImage(bytes.size());
    WritePosition at{image.data(), image.data(), image.data() + image.size()};
    const bool turns = host.takesTurns();
    for (const std::uint8_t byte : bytes) {
        writePair(at, byteToHexPair(byte));
        if (turns && !host.processPendingEvents()) return {TableResult::cancelled, {}};
    }

    const TableResult result = applyPatchTable(item, at, host);
    if (result != TableResult::applied) return {result, {}};
    return {TableResult::applied, std::move(image)};
}

}  // namespace c3ws
