#include "patch/hex_image.h"

#include <gtest/gtest.h>

#include "patch/build_image.h"
#include "tests/fixtures/fixtures.h"

namespace c3ws {
namespace {

std::string render(const Bytes& bytes) {
    QuietHost quiet;
    return buildHexImage(bytes, promptItem, quiet).image;
}

TEST(HexImageRender, ByteToPairIsTwoUpperCaseDigitsHighNibbleFirst) {
    struct Case {
        std::uint8_t value;
        const char* pair;
    };
    static constexpr Case cases[] = {
        {0x00, "00"}, {0x0F, "0F"}, {0x10, "10"}, {0xAB, "AB"}, {0xFF, "FF"}, {0x4D, "4D"},
    };
    for (const Case& c : cases) {
        const HexPair pair = byteToHexPair(c.value);
        EXPECT_EQ(std::string(pair.begin(), pair.end()), c.pair) << int{c.value};
    }
}

TEST(HexImageRender, LayoutOfSmallImages) {
    EXPECT_EQ(render({}), "");
    EXPECT_EQ(render({0x0F}), "0F");
    EXPECT_EQ(render({0x0A, 0xFF, 0x00}), "0A FF 00");
}

TEST(HexImageRender, EveryThirdCharacterIsASpaceAndTheRestUpperCaseDigits) {
    const Bytes bytes = fixtures::pseudoRandomBytes(4099);
    const std::string image = render(bytes);
    ASSERT_EQ(image.size(), 3 * bytes.size() - 1);
    for (std::size_t p = 0; p < image.size(); ++p) {
        const char c = image[p];
        if (p % 3 == 2) {
            ASSERT_EQ(c, ' ') << "position " << p;
        } else {
            ASSERT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) << "position " << p;
        }
    }
}

TEST(HexImageRender, RoundTripsThroughTheDecoder) {
    for (const std::size_t size : {1u, 2u, 3u, 255u, 256u, 65537u}) {
        const Bytes bytes = fixtures::pseudoRandomBytes(size, static_cast<std::uint32_t>(size));
        EXPECT_EQ(hexImageToBytes(render(bytes)), bytes) << size << " bytes";
    }
}

TEST(HexImageWritePair, WritesTwoCharactersAndAdvancesByThree) {
    std::string image = "00 00 00";
    WritePosition at{image.data(), image.data() + 3, image.data() + image.size()};
    EXPECT_TRUE(writePair(at, {'A', 'B'}));
    EXPECT_EQ(image, "00 AB 00");
    EXPECT_EQ(at.imageCursor, image.data() + 6);
    EXPECT_TRUE(writePair(at, {'C', 'D'}));
    EXPECT_EQ(image, "00 AB CD");
}

TEST(HexImageWritePair, RefusesAPairThatWouldLeaveTheImage) {
    std::string image = "00 00";
    const std::string before = image;
    WritePosition past{image.data(), image.data() + 4, image.data() + image.size()};
    EXPECT_FALSE(writePair(past, {'F', 'F'}));
    WritePosition empty{};
    EXPECT_FALSE(writePair(empty, {'F', 'F'}));
    EXPECT_EQ(image, before);
}

TEST(HexImageDecode, Rules) {
    struct Case {
        const char* name;
        std::string text;
        Bytes bytes;
    };
    const std::string fullWidthSpace = "\xA1\xA1";
    const Case cases[] = {
        {"empty", "", {}},
        {"spaces only", "   ", {}},
        {"full-width spaces only", fullWidthSpace + fullWidthSpace, {}},
        {"plain image", "4D 5A 90", {0x4D, 0x5A, 0x90}},
        {"no spaces", "4D5A", {0x4D, 0x5A}},
        {"space inside a pair", "4 D5A", {0x4D, 0x5A}},
        {"runs, leading and trailing spaces", "  4D   5A  ", {0x4D, 0x5A}},
        {"full-width spaces between and inside", "4" + fullWidthSpace + "D" + fullWidthSpace + "5A",
         {0x4D, 0x5A}},
        {"lower case", "ab", {0xAB}},
        {"mixed case", "aB Ab", {0xAB, 0xAB}},
        {"odd final character ignored", "4D5", {0x4D}},
        {"single character gives nothing", "7", {}},
        {"single character among spaces", "  7 ", {}},
        {"non-digit within the table is 0", "4G", {0x40}},
        {"CR LF forms a pair of its own", "4D\r\n5A", {0x4D, 0x00, 0x5A}},
        {"tab counts as a character", "\t1", {0x01}},
        {"codes past the table are 0", "z1~F", {0x01, 0x0F}},
        {"DEL is 0", "\x7F" "1", {0x01}},
        {"GBK character is two characters of value 0", "\xB0\xA1" "12", {0x00, 0x12}},
        {"GBK lead byte swallows a space after it", "\x81 1", {0x00}},
        {"lone high byte at the end is dropped", "12\xB0", {0x12}},
        {"A1 followed by another byte stays", "\xA1\xA2", {0x00}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hexImageToBytes(c.text), c.bytes) << c.name;
    }
}

TEST(HexImageDecode, NibbleTableCoversExactlyTheHexDigits) {
    for (int code = 0; code < 256; ++code) {
        const bool digit = code >= '0' && code <= '9';
        const bool upper = code >= 'A' && code <= 'F';
        const bool lower = code >= 'a' && code <= 'f';
        const int expected = digit ? code - '0' : upper ? code - 'A' + 10 : lower ? code - 'a' + 10 : 0;
        EXPECT_EQ(nibbleOf(static_cast<unsigned char>(code)), expected) << "code " << code;
    }
}

}  // namespace
}  // namespace c3ws
