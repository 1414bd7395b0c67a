// list, --help and --version: what scripts read from stdout.
#include <gtest/gtest.h>

#include "patch/patch_table.h"
#include "tests/cli/run_cli.h"
#include "tests/fixtures/fixtures.h"

#ifndef C3WS_VERSION
#error "C3WS_VERSION comes from the build: the project's version"
#endif

namespace c3ws::testing {
namespace {

using fixtures::TemporaryFolder;

TEST(ListCommand, OneTabSeparatedLinePerEntry) {
    const TemporaryFolder folder;
    const CliRun run = runCli({"list"}, folder.path());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(resolutionItemCount));
    for (ResolutionItem item = 0; item < resolutionItemCount; ++item) {
        const std::string expected = std::to_string(item) + "\t" + std::string(listText(item)) + "\t" +
                                     std::string(defaultFileName(item)) + "\t" +
                                     std::to_string(patchTableFor(item).size()) + "\t" +
                                     std::to_string(requiredFileSize(item));
        EXPECT_EQ(lines[static_cast<std::size_t>(item)], expected);
    }
}

// --help and --version work wherever they stand, even in a call that is wrong otherwise.
TEST(ListCommand, HelpAndVersionWinOverEverythingElse) {
    struct Case {
        std::vector<std::string> arguments;
        std::string mentions;
    };
    const Case cases[] = {
        {{"--help"}, "退出码"},
        {{"patch", "--bogus", "-h"}, "退出码"},
        {{"--version"}, C3WS_VERSION},
        {{"inspect", "--item", "99", "--version"}, C3WS_VERSION},
    };
    const TemporaryFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.back());
        const CliRun run = runCli(c.arguments, folder.path());
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_NE(run.out.find(c.mentions), std::string::npos) << run.out;
    }
}

// Every exit status the program uses is documented in its help.
TEST(ListCommand, HelpListsTheExitStatuses) {
    const TemporaryFolder folder;
    const std::string help = runCli({"--help"}, folder.path()).out;
    for (const char* status : {"  0  ", "  1  ", "  2  ", "  3  ", "  4  "}) {
        EXPECT_NE(help.find(status), std::string::npos) << status;
    }
}

}  // namespace
}  // namespace c3ws::testing
