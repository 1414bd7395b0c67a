#include "patch/engine_host.h"

#include "patch/patch_entry.h"

namespace c3ws {

std::int32_t EngineHost::convertHexText(std::string_view prefixedText) {
    return portableHexTextToInt(prefixedText);
}

}  // namespace c3ws
