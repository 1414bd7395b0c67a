// Every refusal of the command line: its exit status, one line on stderr that
// says what is wrong, and not a byte written — no output, no temporary file, no
// existing file touched.
#include <gtest/gtest.h>

#include <filesystem>

#include "patch/patch_table.h"
#include "tests/cli/run_cli.h"
#include "tests/fixtures/fixtures.h"

namespace c3ws::testing {
namespace {

using fixtures::TemporaryFolder;

constexpr int usage = 1;
constexpr int input = 2;
constexpr int output = 3;

// What the working folder holds before the run.
enum class Setup {
    standIn,           // c3.exe, long enough for every table
    nothing,           // an empty folder
    emptyInput,        // c3.exe of 0 bytes
    shortInput,        // c3.exe one byte shorter than the table of item 6 needs
    inputIsFolder,     // c3.exe is a folder
    outputExists,      // c3.exe and 1366X768.exe
    outputIsFolder,    // c3.exe and a folder named out.exe
};

void prepare(const TemporaryFolder& folder, Setup setup) {
    const std::string c3 = folder.file("c3.exe");
    switch (setup) {
        case Setup::standIn: fixtures::writeFile(c3, standIn()); break;
        case Setup::nothing: break;
        case Setup::emptyInput: fixtures::writeFile(c3, {}); break;
        case Setup::shortInput: fixtures::writeFile(c3, Bytes(standIn().begin(), standIn().begin() + requiredFileSize(6) - 1)); break;
        case Setup::inputIsFolder: std::filesystem::create_directory(c3); break;
        case Setup::outputExists:
            fixtures::writeFile(c3, standIn());
            fixtures::writeFile(folder.file("1366X768.exe"), Bytes(10, 0x55));
            break;
        case Setup::outputIsFolder:
            fixtures::writeFile(c3, standIn());
            std::filesystem::create_directory(folder.file("out.exe"));
            fixtures::writeFile(folder.file("out.exe/inside"), Bytes(3, 1));
            break;
    }
}

struct ErrorCase {
    std::string name;
    Setup setup;
    std::vector<std::string> arguments;
    int status;
    std::vector<std::string> mentions;  // parts the message must hold
};

std::vector<ErrorCase> errorCases() {
    const std::string needed = std::to_string(requiredFileSize(6));
    const std::string has = std::to_string(requiredFileSize(6) - 1);
    return {
        {"no command", Setup::standIn, {}, usage, {"--help"}},
        {"unknown command", Setup::standIn, {"build"}, usage, {"build"}},
        {"unknown option", Setup::standIn, {"patch", "--item", "6", "--fast"}, usage, {"--fast"}},
        {"option of another command", Setup::standIn, {"inspect", "--force"}, usage, {"--force"}},
        {"stray word", Setup::standIn, {"patch", "--item", "6", "c3.exe"}, usage, {"c3.exe"}},
        {"list takes no option", Setup::standIn, {"list", "--item", "6"}, usage, {"--item"}},
        {"missing value at the end", Setup::standIn, {"patch", "--item"}, usage, {"--item"}},
        {"missing value before an option", Setup::standIn, {"patch", "--output", "--force", "--item", "6"}, usage, {"--output"}},
        {"empty value", Setup::standIn, {"patch", "--item="}, usage, {"--item"}},
        {"value for --force", Setup::standIn, {"patch", "--item", "6", "--force=yes"}, usage, {"--force"}},
        {"repeated option", Setup::standIn, {"patch", "--item", "6", "--item", "7"}, usage, {"--item"}},
        {"item and resolution", Setup::standIn, {"patch", "--item", "6", "--resolution", "1366x768"}, usage, {"--item", "--resolution"}},
        {"no choice", Setup::standIn, {"patch"}, usage, {"--item", "--resolution"}},
        {"item past the list", Setup::standIn, {"patch", "--item", "11"}, usage, {"11"}},
        {"negative item", Setup::standIn, {"patch", "--item=-1"}, usage, {"-1"}},
        {"item not a number", Setup::standIn, {"patch", "--item", "6a"}, usage, {"6a"}},
        {"resolution not in the list", Setup::standIn, {"patch", "--resolution", "800x600"}, usage, {"800x600"}},
        {"resolution with another sign", Setup::standIn, {"patch", "--resolution", "1366*768"}, usage, {"1366*768"}},
        {"resolution without height", Setup::standIn, {"patch", "--resolution", "1366x"}, usage, {"1366x"}},
        {"resolution with a trailing sign", Setup::standIn, {"patch", "--resolution", "1366x768x"}, usage, {"1366x768x"}},
        {"prompt entry", Setup::standIn, {"patch", "--item", "0"}, usage, {std::string(listText(0))}},
        {"entry 1 has no table", Setup::standIn, {"patch", "--item", "1"}, usage, {"1024×600"}},
        {"entry 5 has no table", Setup::standIn, {"patch", "--resolution", "1280x1024"}, usage, {"1280×1024"}},
        {"no c3.exe", Setup::nothing, {"patch", "--item", "6"}, input, {"c3.exe", "不存在"}},
        {"input named but missing", Setup::standIn, {"patch", "--item", "6", "--input", "game/c3.exe"}, input, {"game/c3.exe", "不存在"}},
        {"input is a folder", Setup::inputIsFolder, {"patch", "--item", "6"}, input, {"c3.exe", "文件夹"}},
        {"input is empty", Setup::emptyInput, {"patch", "--item", "6"}, input, {"c3.exe", "空"}},
        {"input one byte short", Setup::shortInput, {"patch", "--item", "6"}, input, {"c3.exe", has, needed}},
        {"inspect without input", Setup::nothing, {"inspect"}, input, {"c3.exe", "不存在"}},
        {"inspect of a folder", Setup::inputIsFolder, {"inspect"}, input, {"c3.exe", "文件夹"}},
        {"output exists", Setup::outputExists, {"patch", "--item", "6"}, output, {"1366X768.exe", "--force"}},
        {"output folder missing", Setup::standIn, {"patch", "--item", "6", "--output", "nowhere/out.exe"}, output, {"nowhere/out.exe", "不存在"}},
        {"output is a folder", Setup::outputIsFolder, {"patch", "--item", "6", "--output", "out.exe"}, output, {"out.exe", "--force"}},
        {"output is a folder, forced", Setup::outputIsFolder, {"patch", "--item", "6", "--output", "out.exe", "--force"}, output, {"out.exe", "文件夹"}},
    };
}

TEST(CliErrors, RefusesWithOneLineAndWritesNothing) {
    for (const ErrorCase& c : errorCases()) {
        SCOPED_TRACE(c.name);
        const TemporaryFolder folder;
        prepare(folder, c.setup);
        const FolderSnapshot before = snapshot(folder.path());

        const CliRun run = runCli(c.arguments, folder.path());

        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.out, "");
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "not one line: " << run.err;
        for (const std::string& part : c.mentions) {
            EXPECT_NE(run.err.find(part), std::string::npos) << "no \"" << part << "\" in: " << run.err;
        }
        EXPECT_EQ(snapshot(folder.path()), before) << "the folder changed";
    }
}

}  // namespace
}  // namespace c3ws::testing
