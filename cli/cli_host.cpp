#include "cli/cli_host.h"

#include <cstdio>

#include "cli/messages.h"
#include "platform/system.h"

namespace c3ws::cli {

void CliHost::reportBadOffset() {
    ++badOffsets_;
    printError(messages::badOffset);
}

std::int32_t CliHost::convertHexText(std::string_view prefixedText) {
    return sys::hexTextToInt(prefixedText);
}

}  // namespace c3ws::cli
