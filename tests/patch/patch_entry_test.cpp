#include "patch/patch_entry.h"

#include <gtest/gtest.h>

#include <vector>

#include "patch/build_image.h"
#include "tests/fixtures/fixtures.h"

namespace c3ws {
namespace {

// Counts the host's turns and can stop the engine after a given number.
class CountingHost final : public EngineHost {
public:
    bool processPendingEvents() override { return ++pumps != stopAt; }
    void reportBadOffset() override { ++badOffsets; }
    long pumps = 0;
    long stopAt = -1;
    int badOffsets = 0;
};

struct Image {
    explicit Image(std::size_t bytes) : text(render(bytes)) {}
    static std::string render(std::size_t bytes) {
        QuietHost quiet;
        return buildHexImage(std::vector<std::uint8_t>(bytes, 0x11), promptItem, quiet).image;
    }
    WritePosition at() { return {text.data(), text.data(), text.data() + text.size()}; }
    std::string text;
};

TEST(ParseHexOffset, Texts) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    static constexpr Case cases[] = {
        {"9BAFE", 0x9BAFE},   {"0x9BAFE", 0x9BAFE}, {"5600", 0x5600},
        {"a4d7f", 0xA4D7F},   {"0X5600", 0},        {"", 0},
        {"XYZ", 0},           {"12G4", 0x12},       {" 5600", 0},
        {"7FFFFFFF", 0x7FFFFFFF}, {"FFFFFFFF", -1}, {"100000005", 5},
    };
    QuietHost quiet;
    for (const Case& c : cases) {
        EXPECT_EQ(parseHexOffset(c.text, quiet), c.value) << '"' << c.text << '"';
    }
}

TEST(ParseHexOffset, GoesThroughTheHostsConversionWithThePrefix) {
    struct RecordingHost final : EngineHost {
        bool processPendingEvents() override { return true; }
        void reportBadOffset() override {}
        std::int32_t convertHexText(std::string_view text) override {
            seen.emplace_back(text);
            return 7;
        }
        std::vector<std::string> seen;
    } host;
    EXPECT_EQ(parseHexOffset("5600", host), 7);
    EXPECT_EQ(parseHexOffset("0x5600", host), 7);
    EXPECT_EQ(parseHexOffset("0X5600", host), 7);
    EXPECT_EQ(host.seen, (std::vector<std::string>{"0x5600", "0x5600", "0x0X5600"}));
}

TEST(OffsetToTextPosition, CountsThreeCharactersAByte) {
    CountingHost host;
    struct Case {
        std::int32_t offset;
        std::int64_t position;
        long pumps;
    };
    static constexpr Case cases[] = {
        {1, 1, 0}, {2, 4, 2}, {3, 7, 3}, {0x5600, 3 * 0x5600 - 2, 0x5600},
        {0x7FFFFFFF / 4096, 3ll * (0x7FFFFFFF / 4096) - 2, 0x7FFFFFFF / 4096},
    };
    for (const Case& c : cases) {
        host.pumps = 0;
        EXPECT_EQ(offsetToTextPosition(c.offset, host), c.position) << c.offset;
        EXPECT_EQ(host.pumps, c.pumps) << c.offset;
    }
    EXPECT_EQ(host.badOffsets, 0);
}

TEST(OffsetToTextPosition, OffsetsBelowOneAreReportedAndGivenBack) {
    for (const std::int32_t offset : {0, -1, -5}) {
        CountingHost host;
        EXPECT_EQ(offsetToTextPosition(offset, host), offset);
        EXPECT_EQ(host.badOffsets, 1) << offset;
    }
}

TEST(OffsetToTextPosition, StopsWhenTheHostSaysSo) {
    CountingHost host;
    host.stopAt = 10;
    EXPECT_EQ(offsetToTextPosition(1000, host), std::nullopt);
    EXPECT_EQ(host.pumps, 10);
}

TEST(ApplyPatch, WritesDigitsAtThreeTimesTheOffsetAndNoSpace) {
    struct Case {
        const char* name;
        PatchEntry entry;
        std::size_t fileSize;
        std::size_t firstIndex;
        std::string written;  // the characters from firstIndex on afterwards
    };
    const Case cases[] = {
        {"offset 1", {"1", "AB"}, 4, 3, "AB"},
        {"offset 2", {"2", "AB"}, 4, 6, "AB"},
        {"5600 EB", {"5600", "EB"}, 0x5602, 66048, "EB"},
        {"run of three", {"2", "01 02 03"}, 6, 6, "01 02 03"},
        {"last byte of the file", {"3", "CD"}, 4, 9, "CD"},
        {"lower-case item comes out upper case", {"1", "eb"}, 3, 3, "EB"},
        {"long item gives its first two", {"1", "ABC"}, 3, 3, "AB"},
        {"one-character item is a low digit", {"1", "7"}, 3, 3, "07"},
        {"non-digit decodes as the reader would", {"1", "G1"}, 3, 3, "01"},
        {"doubled, leading and trailing spaces write nothing", {"1", " 01  02 "}, 4, 3, "01 02"},
    };
    for (const Case& c : cases) {
        Image image(c.fileSize);
        std::string expected = image.text;
        expected.replace(c.firstIndex, c.written.size(), c.written);
        WritePosition at = image.at();
        QuietHost quiet;
        EXPECT_EQ(applyPatch(c.entry, at, quiet), PatchResult::written) << c.name;
        EXPECT_EQ(image.text, expected) << c.name;
        EXPECT_EQ(quiet.badOffsets, 0) << c.name;
    }
}

TEST(ApplyPatch, RefusesEntriesOutsideTheImageWithoutWritingAnything) {
    struct Case {
        const char* name;
        PatchEntry entry;
        std::size_t fileSize;
        PatchResult result;
        int badOffsets;
    };
    static constexpr Case cases[] = {
        {"one past the last byte", {"4", "AA"}, 4, PatchResult::outsideImage, 0},
        {"run reaching one past the end", {"3", "AA BB"}, 4, PatchResult::outsideImage, 0},
        {"empty image", {"1", "AA"}, 0, PatchResult::outsideImage, 0},
        {"offset 0", {"0", "AA"}, 4, PatchResult::badOffset, 1},
        {"no number at all", {"XYZ", "AA"}, 4, PatchResult::badOffset, 1},
        {"0X prefix is no prefix", {"0X1", "AA"}, 4, PatchResult::badOffset, 1},
        {"negative", {"FFFFFFFF", "AA"}, 4, PatchResult::badOffset, 1},
        {"huge", {"7FFFFFFF", "AA"}, 4, PatchResult::outsideImage, 0},
    };
    for (const Case& c : cases) {
        Image image(c.fileSize);
        const std::string before = image.text;
        WritePosition at = image.at();
        QuietHost quiet;
        EXPECT_EQ(applyPatch(c.entry, at, quiet), c.result) << c.name;
        EXPECT_EQ(image.text, before) << c.name;
        EXPECT_EQ(quiet.badOffsets, c.badOffsets) << c.name;
    }
}

TEST(ApplyPatch, LaterEntryWinsWhereTwoOverlap) {
    Image image(8);
    WritePosition at = image.at();
    QuietHost quiet;
    applyPatch({"2", "AA BB"}, at, quiet);
    applyPatch({"2", "CC DD EE"}, at, quiet);
    EXPECT_EQ(image.text, "11 11 CC DD EE 11 11 11");
}

TEST(ApplyPatch, GivesTheHostATurnPerCountingStepAndPerByte) {
    Image image(16);
    WritePosition at = image.at();
    CountingHost host;
    EXPECT_EQ(applyPatch({"A", "01 02 03"}, at, host), PatchResult::written);
    EXPECT_EQ(host.pumps, 10 + 3);

    host.pumps = 0;
    host.stopAt = 11;  // the first byte's turn
    EXPECT_EQ(applyPatch({"A", "04 05 06"}, at, host), PatchResult::cancelled);
}

TEST(PatchBytes, NonEmptyItemsAndTheirValues) {
    struct Case {
        const char* text;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"", {}},
        {"EB", {0xEB}},
        {"00 05 00", {0x00, 0x05, 0x00}},
        {"  00  05 ", {0x00, 0x05}},
        {"eb 7 ABC G1", {0xEB, 0x07, 0xAB, 0x01}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(patchBytes(c.text), c.bytes) << '"' << c.text << '"';
        EXPECT_EQ(patchByteCount(c.text), c.bytes.size()) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace c3ws
