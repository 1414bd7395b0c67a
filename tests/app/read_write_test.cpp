#include <filesystem>

#include "patch/resolution_item.h"
#include "tests/app/walk.h"

namespace c3ws::testing_walk {
namespace {

using scripted::click;
using scripted::pick;

const std::string pleaseWait = "系统生成代码需要30秒时间。确定后请稍等，并不是死机";

class ReadWrite : public GameFolder {
protected:
    // A user who selects the item, then does the rest. 1280×1024 can't be picked
    // (the guard refuses it); only a screen of that size selects it.
    Script selecting(int item, std::vector<scripted::Action> then) {
        if (item == 5) return scriptFor(std::move(then), {1280, 1024, 32, 60});
        then.insert(then.begin(), pick(item));
        return scriptFor(std::move(then));
    }

    // Read, then Write to out in the game folder.
    Script readThenWrite(int item, const std::string& out) {
        putGame();
        Script script = selecting(item, {click(Control::读入按钮), click(Control::写出按钮)});
        script.saveAnswers = {folder.file(out)};
        return script;
    }
};

TEST_F(ReadWrite, PromptSelectedEndsTheProgramWithoutReading) {
    putGame();
    const Record r = run(scriptFor({click(Control::读入按钮)}, {1024, 768, 32, 60}));
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], (Message{"请选择正确的分辨率再进行读取操作，谢谢", "信息：", ui::MessageStyle::plain}));
    EXPECT_TRUE(r.ended);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.cleanupRan);
    EXPECT_TRUE(r.filesRead.empty());
}

TEST_F(ReadWrite, EveryEntryBuildsExactlyItsTable) {
    for (const int item : {2, 3, 4, 5, 6, 7, 8, 9, 10}) {
        SCOPED_TRACE(testing::Message() << "item " << item);
        const Record r = run(readThenWrite(item, "out.exe"));
        ASSERT_EQ(r.messages.size(), 1u);
        EXPECT_EQ(r.messages[0], (Message{pleaseWait, "稍等一下", ui::MessageStyle::information}));
        EXPECT_EQ(r.editText.size(), 3 * standInGame().size() - 1);
        EXPECT_EQ(fixtures::readFile(folder.file("out.exe")), fixtures::expectedBuild(standInGame(), item));
        EXPECT_EQ(r.progressPositions, std::vector<int>{0});
        for (const Control c : {Control::读入按钮, Control::写出按钮, Control::编辑框1}) {
            EXPECT_TRUE(r.enabled.at(c));
        }
    }
}

TEST_F(ReadWrite, NothingIsDisabledBeforeTheWarningIsDismissed) {
    Script script = readThenWrite(10, "out.exe");
    bool readEnabledDuringWarning = false;
    script.onMessage = [&](const scripted::Message& m) {
        if (m.text == pleaseWait) readEnabledDuringWarning = scripted::current().enabled.at(Control::读入按钮);
    };
    run(script);
    EXPECT_TRUE(readEnabledDuringWarning);
}

TEST_F(ReadWrite, DuringTheBuildTheCommandsAreDisabledAndTheImageEmpty) {
    Script script = readThenWrite(7, "out.exe");
    std::map<Control, bool> enabled;
    std::size_t textLength = 99;
    script.duringEvents = {{1000, scripted::inspect([&] {
                                enabled = scripted::current().enabled;
                                textLength = scripted::current().editText.size();
                            })}};
    run(script);
    EXPECT_FALSE(enabled.at(Control::读入按钮));
    EXPECT_FALSE(enabled.at(Control::写出按钮));
    EXPECT_FALSE(enabled.at(Control::编辑框1));
    EXPECT_TRUE(enabled.at(Control::分辨率选择));
    EXPECT_EQ(textLength, 0u);
}

TEST_F(ReadWrite, DefaultNamesFollowTheSelectionAtTheTimeOfWriting) {
    putGame();
    for (int item = 0; item < resolutionItemCount; ++item) {
        SCOPED_TRACE(testing::Message() << "item " << item);
        // Read with 1920×1080, then select the entry whose name is wanted, then Write.
        Script script = item == 5 ? selecting(5, {click(Control::读入按钮), click(Control::写出按钮)})
                                  : scriptFor({click(Control::读入按钮), pick(item),
                                               click(Control::写出按钮)});
        const Record r = run(script);
        ASSERT_EQ(r.saveDialogs.size(), 1u);
        // After the guard has refused entry 1 the prompt is selected again.
        const int selected = item == 1 ? 0 : item;
        EXPECT_EQ(r.saveDialogs[0].initialName, defaultFileName(selected));
        EXPECT_EQ(r.saveDialogs[0].initialFolder, folder.path());
        EXPECT_EQ(r.saveDialogs[0].filter, "程序文件（*.exe）|*.exe");
    }
    EXPECT_EQ(defaultFileName(7), "1440x900.exe");
    EXPECT_EQ(defaultFileName(6), "1366X768.exe");
    EXPECT_EQ(defaultFileName(5), "1280X1024.exe");
    EXPECT_EQ(defaultFileName(1), "C3宽屏启动.exe");
    EXPECT_EQ(defaultFileName(0), "C3宽屏启动.exe");
}

TEST_F(ReadWrite, TheImageWrittenIsThatOfTheLastReadWhateverIsSelectedLater) {
    putGame();
    Script script = scriptFor({pick(8), click(Control::读入按钮), pick(3), click(Control::写出按钮),
                               click(Control::写出按钮)});
    script.saveAnswers = {folder.file("a.exe"), folder.file("b")};
    const Record r = run(script);
    const Bytes expected = fixtures::expectedBuild(standInGame(), 8);
    EXPECT_EQ(fixtures::readFile(folder.file("a.exe")), expected);
    EXPECT_EQ(fixtures::readFile(folder.file("b")), expected);  // no extension added
    EXPECT_EQ(r.filesWritten.size(), 2u);
}

TEST_F(ReadWrite, ReplacingTheGamesOwnExecutable) {
    const Record r = run(readThenWrite(10, "c3.exe"));
    EXPECT_EQ(fixtures::readFile(gameFile()), fixtures::expectedBuild(standInGame(), 10));
    EXPECT_TRUE(r.messages.size() == 1u);
}

TEST_F(ReadWrite, CancelledDialogWritesNothingAndReenablesTheCommands) {
    putGame();
    const Record r = run(scriptFor({click(Control::读入按钮), click(Control::写出按钮)}));
    EXPECT_EQ(r.saveDialogs.size(), 1u);
    EXPECT_TRUE(r.filesWritten.empty());
    EXPECT_TRUE(r.enabled.at(Control::读入按钮));
    EXPECT_TRUE(r.enabled.at(Control::写出按钮));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST_F(ReadWrite, ASecondReadReplacesTheFirstImage) {
    putGame();
    Script script = scriptFor({pick(2), click(Control::读入按钮), pick(10), click(Control::读入按钮),
                               click(Control::写出按钮)});
    script.saveAnswers = {folder.file("out.exe")};
    run(script);
    EXPECT_EQ(fixtures::readFile(folder.file("out.exe")), fixtures::expectedBuild(standInGame(), 10));
}

// A save into another folder moves the working directory there; the next Read
// still takes the game's c3.exe, not a file of that name in the other folder.
TEST_F(ReadWrite, ReadAfterAWriteElsewhereStillReadsTheRunDirectory) {
    putGame();
    fixtures::TemporaryFolder elsewhere;
    fixtures::writeFile(elsewhere.file("c3.exe"), fixtures::pseudoRandomBytes(standInGame().size(), 99));
    Script script = scriptFor({click(Control::读入按钮), click(Control::写出按钮), pick(7),
                               click(Control::读入按钮), click(Control::写出按钮)});
    script.saveAnswers = {elsewhere.file("first.exe"), folder.file("second.exe")};
    const Record r = run(script);
    EXPECT_EQ(r.filesRead, (std::vector<std::string>{gameFile(), gameFile()}));
    EXPECT_EQ(fixtures::readFile(folder.file("second.exe")), fixtures::expectedBuild(standInGame(), 7));
}

// c3.exe that cannot carry a build: the user is told why, no image is kept and
// 写出 stays disabled, so nothing empty or half-patched can be written.
TEST_F(ReadWrite, AGameFileThatCannotBeBuiltIsRefusedWithAMessage) {
    struct Case {
        const char* name;
        std::size_t size;
        std::optional<sys::FileError> failRead;
        int item;
        const char* says;
    };
    const std::size_t need10 = requiredFileSize(10);
    const Case cases[] = {
        {"unreadable", 1000, sys::FileError::accessDenied, 10, "没有读取 c3.exe 的权限"},
        {"in use", 1000, sys::FileError::inUse, 10, "正被其他程序占用"},
        {"empty, with a table", 0, std::nullopt, 10, "c3.exe 是空文件"},
        {"empty, without a table", 0, std::nullopt, 5, "c3.exe 是空文件"},
        {"one byte short", need10 - 1, std::nullopt, 10,
         "只有 675269 字节，1920×1080 的补丁需要至少 675270 字节"},
        {"far too short for 1366×768", 4096, std::nullopt, 6, "1366×768 的补丁需要至少 637797 字节"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        putGame(fixtures::pseudoRandomBytes(c.size));
        Script script = selecting(c.item, {click(Control::读入按钮), click(Control::写出按钮)});
        script.failRead = c.failRead;
        const Record r = run(script);
        ASSERT_EQ(r.messages.size(), 2u);
        expectErrorSaying(r.messages[1], "读入失败", c.says);
        EXPECT_EQ(r.editText, "");
        EXPECT_FALSE(r.enabled.at(Control::写出按钮));
        EXPECT_TRUE(r.enabled.at(Control::读入按钮));
        EXPECT_TRUE(r.saveDialogs.empty());
        EXPECT_EQ(r.clicksIgnored, 1);
    }
}

TEST_F(ReadWrite, AFailedReadDropsTheImageOfTheReadBefore) {
    putGame();
    Script script = scriptFor({click(Control::读入按钮), scripted::inspect([this] {
                                   fixtures::writeFile(gameFile(), fixtures::pseudoRandomBytes(10));
                               }),
                               click(Control::读入按钮), click(Control::写出按钮)});
    const Record r = run(script);
    EXPECT_EQ(r.editText, "");
    EXPECT_FALSE(r.enabled.at(Control::写出按钮));
    EXPECT_EQ(r.clicksIgnored, 1);
}

TEST_F(ReadWrite, AFailedWriteSaysWhyAndLeavesTheTargetAsItWas) {
    struct Case {
        const char* name;
        sys::FileError error;
        const char* says;
    };
    static constexpr Case cases[] = {
        {"protected folder", sys::FileError::accessDenied, "没有写入权限"},
        {"game running", sys::FileError::inUse, "游戏可能正在运行"},
        {"disk full", sys::FileError::diskFull, "磁盘空间不足"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Script script = readThenWrite(10, "old.exe");
        fixtures::writeFile(folder.file("old.exe"), {1, 2, 3});
        script.failWrite = c.error;
        const Record r = run(script);
        ASSERT_EQ(r.messages.size(), 2u);
        expectErrorSaying(r.messages[1], "写出失败", c.says);
        EXPECT_NE(r.messages[1].text.find(folder.file("old.exe")), std::string::npos);
        EXPECT_EQ(fixtures::readFile(folder.file("old.exe")), (Bytes{1, 2, 3}));
        EXPECT_TRUE(r.enabled.at(Control::写出按钮));
    }
}

TEST_F(ReadWrite, AWriteOntoAFolderIsRefusedForReal) {
    Script script = readThenWrite(10, "folder.exe");
    std::filesystem::create_directory(folder.file("folder.exe"));
    const Record r = run(script);
    ASSERT_EQ(r.messages.size(), 2u);
    EXPECT_NE(r.messages[1].text.find("文件夹"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("folder.exe")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

TEST_F(ReadWrite, ClosingTheWindowDuringTheReadEndsItAtOnce) {
    for (const long when : {1L, 5000L, static_cast<long>(standInGame().size()) + 30000}) {
        SCOPED_TRACE(when);
        Script script = readThenWrite(9, "out.exe");
        script.duringEvents = {{when, scripted::closeWindow()}};
        const Record r = run(script);
        EXPECT_EQ(r.eventTurns, when);
        EXPECT_EQ(r.controlCallsAfterClose, 0);
        EXPECT_TRUE(r.saveDialogs.empty());
        EXPECT_FALSE(std::filesystem::exists(folder.file("out.exe")));
        EXPECT_TRUE(r.cleanupRan);
        EXPECT_EQ(r.exitCode, 0);
    }
}

TEST_F(ReadWrite, APickDuringTheReadRunsTheGuardButTheImageKeepsItsEntry) {
    struct Case {
        long when;
        int pick;
        std::size_t messages;
    };
    const long pastRender = static_cast<long>(standInGame().size()) + 10;
    const Case cases[] = {{10, 1, 2}, {pastRender, 5, 2}, {pastRender, 3, 1}, {20, 10, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pick " << c.pick << " at " << c.when);
        Script script = readThenWrite(7, "out.exe");
        script.duringEvents = {{c.when, pick(c.pick)}};
        const Record r = run(script);
        EXPECT_EQ(r.messages.size(), c.messages);
        EXPECT_EQ(fixtures::readFile(folder.file("out.exe")), fixtures::expectedBuild(standInGame(), 7));
    }
}

TEST_F(ReadWrite, ClicksDuringTheReadAreIgnored) {
    Script script = readThenWrite(4, "out.exe");
    script.duringEvents = {{100, click(Control::读入按钮)}, {200, click(Control::写出按钮)}};
    const Record r = run(script);
    EXPECT_EQ(r.clicksIgnored, 2);
    EXPECT_EQ(r.messages.size(), 1u);
}

}  // namespace
}  // namespace c3ws::testing_walk
