#include "patch/patch_table.h"

#include <gtest/gtest.h>

#include <map>

#include "patch/build_image.h"
#include "tests/fixtures/fixtures.h"

namespace c3ws {
namespace {

constexpr ResolutionItem itemsWithTables[] = {2, 3, 4, 6, 7, 8, 9, 10};

// Where each item's table leaves which byte, entry by entry.
std::map<std::size_t, std::uint8_t> finalBytes(ResolutionItem item) {
    std::map<std::size_t, std::uint8_t> bytes;
    for (const PatchEntry& entry : patchTableFor(item)) {
        std::size_t at = std::stoul(std::string(entry.offsetText), nullptr, 16);
        const std::string text(entry.bytesText);
        for (std::size_t i = 0; i < text.size(); i += 3) {
            bytes[at++] = static_cast<std::uint8_t>(std::stoul(text.substr(i, 2), nullptr, 16));
        }
    }
    return bytes;
}

std::uint16_t little16(const std::map<std::size_t, std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes.at(at) | bytes.at(at + 1) << 8);
}

TEST(PatchTables, ShapeOfEveryTable) {
    struct Case {
        ResolutionItem item;
        std::size_t entries;
        std::size_t requiredSize;  // one past the farthest byte
    };
    static constexpr Case cases[] = {
        {0, 0, 0},           {1, 0, 0},           {2, 20, 0xA4D7F + 40}, {3, 20, 0xA4D7F + 40},
        {4, 20, 0xA4D7F + 41}, {5, 0, 0},         {6, 18, 0x9BB40 + 37}, {7, 20, 0xA4D7F + 41},
        {8, 20, 0xA4D7F + 41}, {9, 20, 0xA4D7F + 71}, {10, 20, 0xA4D7F + 71}, {11, 0, 0},
        {-1, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(patchTableFor(c.item).size(), c.entries) << "item " << c.item;
        EXPECT_EQ(requiredFileSize(c.item), c.requiredSize) << "item " << c.item;
    }
}

TEST(PatchTables, EveryTextIsWellFormed) {
    for (const ResolutionItem item : itemsWithTables) {
        for (const PatchEntry& entry : patchTableFor(item)) {
            SCOPED_TRACE(testing::Message() << "item " << item << " at " << entry.offsetText);
            EXPECT_GE(entry.offsetText.size(), 4u);
            EXPECT_LE(entry.offsetText.size(), 5u);
            EXPECT_EQ(entry.offsetText.find_first_not_of("0123456789ABCDEF"), std::string_view::npos);
            EXPECT_GE(std::stoul(std::string(entry.offsetText), nullptr, 16), 0x5600u);
            // "XX XX ... XX": upper-case pairs, single spaces.
            ASSERT_EQ(entry.bytesText.size() % 3, 2u);
            for (std::size_t i = 0; i < entry.bytesText.size(); ++i) {
                const char c = entry.bytesText[i];
                if (i % 3 == 2) {
                    EXPECT_EQ(c, ' ');
                } else {
                    EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) << c;
                }
            }
        }
    }
}

// The tables carry the resolution in little-endian pairs at fixed places; a typo
// in any of them shows up here.
TEST(PatchTables, WidthAndHeightStandWhereTheGameReadsThem) {
    struct Case {
        ResolutionItem item;
        std::uint16_t width, height, widthAt9BAFE;
    };
    static constexpr Case cases[] = {
        {2, 1280, 768, 1280},  {3, 1280, 800, 1280}, {4, 1280, 960, 1280}, {6, 1360, 768, 1366},
        {7, 1440, 900, 1440},  {8, 1600, 900, 1600}, {9, 1680, 1050, 1680}, {10, 1920, 1080, 1920},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "item " << c.item);
        const auto bytes = finalBytes(c.item);
        for (const std::size_t at : {0x65415u, 0x65620u}) {
            EXPECT_EQ(little16(bytes, at), c.width);
            EXPECT_EQ(little16(bytes, at + 5), c.height);
        }
        for (const std::size_t at : {0x6955Eu, 0x81A6Eu, 0x81B6Du, 0x826C2u}) {
            EXPECT_EQ(little16(bytes, at), c.width) << std::hex << at;
        }
        EXPECT_EQ(little16(bytes, 0x9BAFE), c.widthAt9BAFE);
        EXPECT_EQ(little16(bytes, 0x9BB40), c.widthAt9BAFE);
        for (const std::size_t at : {0x5600u, 0x5632u, 0x2C5BAu}) EXPECT_EQ(bytes.at(at), 0xEB);
    }
}

TEST(PatchTables, TablesOf1280x768And1280x800DifferOnlyInTheirFirstSizeRows) {
    const auto a = finalBytes(2);
    const auto b = finalBytes(3);
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [at, value] : a) {
        const bool sizeRow = (at >= 0x65415 && at < 0x65415 + 7) ||
                             (at >= 0x65620 && at < 0x65620 + 7) ||
                             (at >= 0x6955E && at < 0x6955E + 14);
        if (!sizeRow) {
            EXPECT_EQ(b.at(at), value) << std::hex << at;
        }
    }
    EXPECT_NE(a, b);
}

TEST(ApplyPatchTable, ChangesExactlyTheTablesBytes) {
    const Bytes file = fixtures::pseudoRandomBytes(0xA4D7F + 100);
    for (const ResolutionItem item : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}) {
        SCOPED_TRACE(testing::Message() << "item " << item);
        QuietHost quiet;
        const BuiltImage built = buildHexImage(file, item, quiet);
        ASSERT_EQ(built.result, TableResult::applied);
        const Bytes decoded = hexImageToBytes(built.image);
        EXPECT_EQ(decoded, fixtures::expectedBuild(file, item));
        std::size_t changedOrWritten = 0;
        for (std::size_t k = 0; k < file.size(); ++k) changedOrWritten += decoded[k] != file[k];
        EXPECT_LE(changedOrWritten, finalBytes(item).size());
        EXPECT_EQ(quiet.badOffsets, 0);
    }
}

TEST(ApplyPatchTable, Item6EndsWithTheRunAt9BAFEAndTouchesNothingBehind9BB40) {
    const Bytes file = fixtures::pseudoRandomBytes(0x9BB40 + 37 + 8);
    QuietHost quiet;
    const Bytes decoded = hexImageToBytes(buildHexImage(file, 6, quiet).image);
    EXPECT_EQ(decoded[0x9BAFE], 0x56);
    EXPECT_EQ(decoded[0x9BAFF], 0x05);
    EXPECT_EQ(decoded[0x9BB40 + 36], 0x90);
    for (std::size_t k = 0x9BB40 + 37; k < file.size(); ++k) EXPECT_EQ(decoded[k], file[k]);
}

TEST(ApplyPatchTable, ALongEnoughFileAndOneByteShort) {
    for (const ResolutionItem item : itemsWithTables) {
        SCOPED_TRACE(testing::Message() << "item " << item);
        const std::size_t need = requiredFileSize(item);
        QuietHost quiet;
        const Bytes exact = fixtures::pseudoRandomBytes(need);
        const BuiltImage fits = buildHexImage(exact, item, quiet);
        ASSERT_EQ(fits.result, TableResult::applied);
        EXPECT_EQ(hexImageToBytes(fits.image), fixtures::expectedBuild(exact, item));

        const Bytes shorter(exact.begin(), exact.end() - 1);
        const BuiltImage refused = buildHexImage(shorter, item, quiet);
        EXPECT_EQ(refused.result, TableResult::fileTooShort);
        EXPECT_TRUE(refused.image.empty());
    }
}

TEST(ApplyPatchTable, ATooShortImageIsLeftUntouched) {
    // Called on its own on a rendered image: the whole table is refused up front,
    // so not even the entries that would fit are written.
    const Bytes file = fixtures::pseudoRandomBytes(0x70000);
    QuietHost quiet;
    std::string image = buildHexImage(file, promptItem, quiet).image;
    const std::string before = image;
    WritePosition at{image.data(), image.data(), image.data() + image.size()};
    EXPECT_EQ(applyPatchTable(10, at, quiet), TableResult::fileTooShort);
    EXPECT_EQ(image, before);
}

TEST(ApplyPatchTable, ApplyingTwiceChangesNothingMore) {
    const Bytes file = fixtures::pseudoRandomBytes(requiredFileSize(9));
    QuietHost quiet;
    std::string image = buildHexImage(file, 9, quiet).image;
    const std::string once = image;
    WritePosition at{image.data(), image.data(), image.data() + image.size()};
    EXPECT_EQ(applyPatchTable(9, at, quiet), TableResult::applied);
    EXPECT_EQ(image, once);
}

}  // namespace
}  // namespace c3ws
