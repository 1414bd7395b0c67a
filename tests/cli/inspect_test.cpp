// inspect must tell the original from a build, a build from a half-finished
// one, and name the resolution of a build, although tables share most bytes.
#include <gtest/gtest.h>

#include "patch/patch_table.h"
#include "tests/cli/run_cli.h"
#include "tests/fixtures/fixtures.h"

namespace c3ws::testing {
namespace {

using fixtures::TemporaryFolder;

constexpr ResolutionItem tableItems[] = {2, 3, 4, 6, 7, 8, 9, 10};

struct Report {
    std::map<ResolutionItem, std::string> states;  // by item, the state column
    std::string verdict;                           // the last line
};

Report inspect(const Bytes& file) {
    const TemporaryFolder folder;
    fixtures::writeFile(folder.file("game.exe"), file);
    const CliRun run = runCli({"inspect", "--input", "game.exe"}, folder.path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    Report report;
    const std::vector<std::string> lines = linesOf(run.out);
    EXPECT_FALSE(lines.empty());
    if (lines.empty()) return report;
    EXPECT_NE(lines.front().find(std::to_string(file.size()) + " 字节"), std::string::npos) << lines.front();
    for (const std::string& line : lines) {
        // Table lines: index, resolution, state, present/total, needed size.
        std::vector<std::string> fields;
        for (std::size_t start = 0;;) {
            const std::size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        if (fields.size() != 5 || fields[0].find_first_not_of("0123456789") != std::string::npos) continue;
        report.states[std::stoi(fields[0])] = fields[2];
    }
    report.verdict = lines.back();
    return report;
}

TEST(InspectCommand, OriginalIsNoBuild) {
    const Report report = inspect(standIn());
    EXPECT_EQ(report.states.size(), std::size(tableItems));
    for (const auto& [item, state] : report.states) EXPECT_NE(state, "全部相符") << item;
    EXPECT_NE(report.verdict.find("不是"), std::string::npos) << report.verdict;
}

TEST(InspectCommand, NamesTheResolutionOfEveryBuild) {
    for (const ResolutionItem item : tableItems) {
        SCOPED_TRACE(item);
        const Report report = inspect(fixtures::expectedBuild(standIn(), item));
        for (const auto& [other, state] : report.states) {
            EXPECT_EQ(state == "全部相符", other == item) << other << ": " << state;
        }
        EXPECT_NE(report.verdict.find("这是 " + std::string(listText(item))), std::string::npos)
            << report.verdict;
    }
}

// The first half of the bytes the table changes are written, the rest not.
TEST(InspectCommand, HalfBuildIsNoBuildButPointsToItsTable) {
    const Bytes full = fixtures::expectedBuild(standIn(), 6);
    Bytes half = standIn();
    std::size_t changed = 0;
    for (std::size_t i = 0; i < half.size(); ++i) changed += half[i] != full[i];
    for (std::size_t i = 0, copied = 0; i < half.size() && copied < changed / 2; ++i) {
        if (half[i] != full[i]) {
            half[i] = full[i];
            ++copied;
        }
    }
    const Report report = inspect(half);
    EXPECT_EQ(report.states.at(6), "部分相符");
    for (const auto& [item, state] : report.states) EXPECT_NE(state, "全部相符") << item;
    EXPECT_NE(report.verdict.find("不是完整"), std::string::npos) << report.verdict;
    EXPECT_NE(report.verdict.find(std::string(listText(6))), std::string::npos) << report.verdict;
}

// The shortest file a table fits in, and one byte less.
TEST(InspectCommand, ShortFileFitsNoTable) {
    Bytes file = fixtures::expectedBuild(standIn(), 6);
    file.resize(requiredFileSize(6));
    Report report = inspect(file);
    EXPECT_EQ(report.states.at(6), "全部相符");
    EXPECT_EQ(report.states.at(2), "文件太短");
    EXPECT_NE(report.verdict.find("这是 1366×768"), std::string::npos) << report.verdict;

    file.pop_back();
    report = inspect(file);
    for (const auto& [item, state] : report.states) EXPECT_EQ(state, "文件太短") << item;
    EXPECT_NE(report.verdict.find("短"), std::string::npos) << report.verdict;
}

}  // namespace
}  // namespace c3ws::testing
