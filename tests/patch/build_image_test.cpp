#include "patch/build_image.h"

#include <gtest/gtest.h>

#include "tests/fixtures/fixtures.h"

namespace c3ws {
namespace {

class StoppingHost final : public EngineHost {
public:
    explicit StoppingHost(long stopAt) : stopAt_(stopAt) {}
    bool processPendingEvents() override { return ++pumps_ < stopAt_; }
    void reportBadOffset() override {}
    long pumps() const { return pumps_; }

private:
    long stopAt_;
    long pumps_ = 0;
};

TEST(BuildHexImage, HostGetsATurnAfterEveryByteAndEveryStep) {
    const Bytes file = fixtures::pseudoRandomBytes(requiredFileSize(6));
    StoppingHost host(1L << 40);
    ASSERT_EQ(buildHexImage(file, 6, host).result, TableResult::applied);
    long steps = 0;
    for (const PatchEntry& entry : patchTableFor(6)) {
        steps += std::stol(std::string(entry.offsetText), nullptr, 16);
        steps += static_cast<long>(patchByteCount(entry.bytesText));
    }
    EXPECT_EQ(host.pumps(), static_cast<long>(file.size()) + steps);
}

TEST(BuildHexImage, StopsAndGivesNoImageWhenTheHostSaysSo) {
    const Bytes file = fixtures::pseudoRandomBytes(requiredFileSize(2));
    for (const long stopAt : {1L, 1000L, static_cast<long>(file.size()) + 5}) {
        StoppingHost host(stopAt);
        const BuiltImage built = buildHexImage(file, 2, host);
        EXPECT_EQ(built.result, TableResult::cancelled) << stopAt;
        EXPECT_TRUE(built.image.empty()) << stopAt;
        EXPECT_EQ(host.pumps(), stopAt);
    }
}

// The window's hosts take turns, the command line's doesn't: both must get the
// same image from every table.
TEST(BuildHexImage, HostsWithAndWithoutTurnsGetTheSameImage) {
    const Bytes file = fixtures::pseudoRandomBytes(requiredFileSize(9) + 3);
    for (const ResolutionItem item : {0, 2, 3, 4, 6, 7, 8, 9, 10}) {
        StoppingHost withTurns(1L << 40);
        QuietHost withoutTurns;
        EXPECT_EQ(buildHexImage(file, item, withTurns).image, buildHexImage(file, item, withoutTurns).image)
            << "item " << item;
    }
}

TEST(OffsetToTextPosition, HostWithoutTurnsGetsTheSamePositions) {
    QuietHost quiet;
    for (const std::int32_t offset : {-3, 0, 1, 2, 3, 0x5600, 0xA4D7F, 0x7FFFFFFF}) {
        const std::int64_t expected = offset <= 1 ? offset : 3 * std::int64_t{offset} - 2;
        EXPECT_EQ(offsetToTextPosition(offset, quiet), expected) << offset;
    }
    EXPECT_EQ(quiet.badOffsets, 2);
}

TEST(BuildHexImage, EmptyFile) {
    QuietHost quiet;
    for (const ResolutionItem item : {0, 1, 5}) {
        const BuiltImage built = buildHexImage({}, item, quiet);
        EXPECT_EQ(built.result, TableResult::applied) << item;
        EXPECT_EQ(built.image, "") << item;
    }
    EXPECT_EQ(buildHexImage({}, 2, quiet).result, TableResult::fileTooShort);
}

TEST(BuildHexImage, TooShortFileIsRefusedBeforeAnythingIsRendered) {
    StoppingHost host(1L << 40);
    const Bytes file = fixtures::pseudoRandomBytes(1000);
    EXPECT_EQ(buildHexImage(file, 7, host).result, TableResult::fileTooShort);
    EXPECT_EQ(host.pumps(), 0);
}

}  // namespace
}  // namespace c3ws
