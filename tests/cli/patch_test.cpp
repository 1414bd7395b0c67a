// patch as a whole process: what lands on disk, under which name, for every
// way of choosing the entry.
#include <gtest/gtest.h>

#include <filesystem>

#include "patch/patch_table.h"
#include "tests/cli/run_cli.h"
#include "tests/fixtures/fixtures.h"

namespace c3ws::testing {
namespace {

using fixtures::TemporaryFolder;

constexpr ResolutionItem tableItems[] = {2, 3, 4, 6, 7, 8, 9, 10};

// A success prints one line naming the file, and nothing else.
void expectWritten(const CliRun& run, const std::string& outputName) {
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(linesOf(run.out).size(), 1u) << run.out;
    EXPECT_NE(run.out.find(outputName), std::string::npos) << run.out;
}

TEST(PatchCommand, EveryTableGivesTheExpectedBuild) {
    const TemporaryFolder folder;
    fixtures::writeFile(folder.file("c3.exe"), standIn());
    for (const ResolutionItem item : tableItems) {
        SCOPED_TRACE(item);
        const std::string output = "out-" + std::to_string(item) + ".exe";
        expectWritten(runCli({"patch", "--item", std::to_string(item), "--output", output}, folder.path()),
                      output);
        EXPECT_EQ(fixtures::readFile(folder.file(output)), fixtures::expectedBuild(standIn(), item));
    }
}

TEST(PatchCommand, ChoiceByResolutionInEverySpelling) {
    struct Case {
        std::vector<std::string> choice;
        ResolutionItem item;
    };
    const Case cases[] = {
        {{"--resolution", "1366x768"}, 6},  {{"--resolution", "1366X768"}, 6},
        {{"--resolution", "1366×768"}, 6},  {{"--resolution", "1280x800"}, 3},
        {{"--resolution", "1920X1080"}, 10}, {{"--resolution=1440×900"}, 7},
        {{"--item=8"}, 8},
    };
    const TemporaryFolder folder;
    fixtures::writeFile(folder.file("c3.exe"), standIn());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice.back());
        std::vector<std::string> arguments{"patch", "--output", "out.exe", "--force"};
        arguments.insert(arguments.end(), c.choice.begin(), c.choice.end());
        expectWritten(runCli(arguments, folder.path()), "out.exe");
        EXPECT_EQ(fixtures::readFile(folder.file("out.exe")), fixtures::expectedBuild(standIn(), c.item));
    }
}

// Without --output the build goes next to the input, under the entry's own name;
// without --input the input is c3.exe in the working folder.
TEST(PatchCommand, DefaultInputAndOutput) {
    struct Case {
        const char* name;
        const char* input;      // where the stand-in is put, relative to the working folder
        bool inputAbsolute;     // pass --input as an absolute path
        bool passInput;         // pass --input at all
        ResolutionItem item;
        const char* expected;   // where the build must land
    };
    static constexpr Case cases[] = {
        {"c3.exe in the working folder", "c3.exe", false, false, 7, "1440x900.exe"},
        {"relative input in a subfolder", "game/c3.exe", false, true, 6, "game/1366X768.exe"},
        {"input of another name", "game/caesar3.exe", false, true, 9, "game/1680X1050.exe"},
        {"absolute input", "game/c3.exe", true, true, 2, "game/1280X768.exe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TemporaryFolder folder;
        std::filesystem::create_directory(folder.file("game"));
        fixtures::writeFile(folder.file(c.input), standIn());
        std::vector<std::string> arguments{"patch", "--item", std::to_string(c.item)};
        if (c.passInput) {
            arguments.push_back("--input");
            arguments.push_back(c.inputAbsolute ? folder.file(c.input) : c.input);
        }
        const FolderSnapshot before = snapshot(folder.path());
        expectWritten(runCli(arguments, folder.path()), std::filesystem::path(c.expected).filename());

        FolderSnapshot after = snapshot(folder.path());
        ASSERT_EQ(after.count(c.expected), 1u);
        EXPECT_EQ(after[c.expected], fixtures::expectedBuild(standIn(), c.item));
        after.erase(c.expected);
        EXPECT_EQ(after, before) << "something besides the build changed";
    }
}

// The table's farthest byte is the file's last byte: the build must still be whole.
TEST(PatchCommand, ShortestFileThatFits) {
    const TemporaryFolder folder;
    for (const ResolutionItem item : {6, 9}) {
        SCOPED_TRACE(item);
        const Bytes input = fixtures::pseudoRandomBytes(requiredFileSize(item), 7);
        fixtures::writeFile(folder.file("c3.exe"), input);
        expectWritten(runCli({"patch", "--item", std::to_string(item), "--output", "out.exe", "--force"},
                             folder.path()),
                      "out.exe");
        const Bytes written = fixtures::readFile(folder.file("out.exe"));
        const Bytes expected = fixtures::expectedBuild(input, item);
        ASSERT_EQ(written.size(), input.size());
        EXPECT_NE(expected.back(), input.back()) << "the stand-in hides a missing last byte";
        EXPECT_EQ(written, expected);
    }
}

TEST(PatchCommand, ForceReplacesAnExistingOutput) {
    struct Case {
        const char* name;
        const char* output;
    };
    static constexpr Case cases[] = {
        {"another build", "1366X768.exe"},
        // The game's own executable, as the window allows after its confirmation.
        {"the input itself", "c3.exe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TemporaryFolder folder;
        fixtures::writeFile(folder.file("c3.exe"), standIn());
        if (std::string(c.output) != "c3.exe") fixtures::writeFile(folder.file(c.output), Bytes(10, 0x55));
        expectWritten(runCli({"patch", "--item", "6", "--output", c.output, "--force"}, folder.path()),
                      c.output);
        EXPECT_EQ(fixtures::readFile(folder.file(c.output)), fixtures::expectedBuild(standIn(), 6));
        EXPECT_EQ(snapshot(folder.path()).size(), std::string(c.output) == "c3.exe" ? 1u : 2u)
            << "a temporary file was left behind";
    }
}

}  // namespace
}  // namespace c3ws::testing
