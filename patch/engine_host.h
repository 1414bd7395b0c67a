// What the patch engine asks of whoever runs it. The window passes its event pump
// and its message box; the command line and the tests pass a quiet host. One code
// path therefore serves every front end.
//
// The engine calls processPendingEvents after every rendered byte, every step of
// an offset count and every patch byte written, so an implementation must cost
// next to nothing when there is nothing to do. A host without a window says so
// (takesTurns), and the engine then spares it those calls.
#pragma once

#include <cstdint>
#include <string_view>

namespace c3ws {

class EngineHost {
public:
    // Lets the window repaint and answer. false: the window has gone, stop now.
    virtual bool processPendingEvents() = 0;

    // false: nothing to dispatch and never a reason to stop. The engine then
    // gives no turns, and finds an offset's text position by multiplying instead
    // of counting, since the count exists only to give the window its turns.
    // The image comes out the same.
    virtual bool takesTurns() const { return true; }

    // An entry's offset is below 1. The engine skips that entry after this call.
    virtual void reportBadOffset() = 0;

    // Converts a text that starts with "0x" as a hexadecimal number. The default
    // is the portable conversion; a host may use the system's own.
    virtual std::int32_t convertHexText(std::string_view prefixedText);

protected:
    ~EngineHost() = default;
};

// Dispatches nothing, reports nothing: for the command line, tools and tests.
class QuietHost final : public EngineHost {
public:
    bool processPendingEvents() override { return true; }
    bool takesTurns() const override { return false; }
    void reportBadOffset() override { ++badOffsets; }
    int badOffsets = 0;
};

}  // namespace c3ws
