// The engine host of the command line: no window to keep alive, so it never asks
// the engine to stop, and it converts offset texts the way the window does on the
// same system, so both front ends place every patch at the same offset.
#pragma once

#include <cstdint>
#include <string_view>

#include "patch/engine_host.h"

namespace c3ws::cli {

class CliHost final : public EngineHost {
public:
    bool processPendingEvents() override { return true; }
    bool takesTurns() const override { return false; }

    // Prints the one-line report to stderr and counts it: a command that sees a
    // count above 0 writes nothing, since a skipped entry leaves the build unfinished.
    void reportBadOffset() override;

    std::int32_t convertHexText(std::string_view prefixedText) override;

    int badOffsets() const { return badOffsets_; }

private:
    int badOffsets_ = 0;
};

}  // namespace c3ws::cli
