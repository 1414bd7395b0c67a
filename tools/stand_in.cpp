#include "tools/stand_in.h"

#include <random>
#include <string>

#include "patch/patch_table.h"

namespace c3ws::standin {

Bytes pseudoRandomBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 generator(seed);
    Bytes bytes(size);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(generator() >> 24);
    return bytes;
}

Bytes expectedBuild(const Bytes& file, ResolutionItem item) {
    Bytes out = file;
    for (const PatchEntry& entry : patchTableFor(item)) {
        std::size_t at = std::stoul(std::string(entry.offsetText), nullptr, 16);
        const std::string text(entry.bytesText);
        for (std::size_t i = 0; i < text.size(); i += 3) {
            out.at(at++) = static_cast<std::uint8_t>(std::stoul(text.substr(i, 2), nullptr, 16));
        }
    }
    return out;
}

}  // namespace c3ws::standin
