#include <filesystem>

#include "app/display_mode.h"
#include "tests/app/walk.h"

namespace c3ws::testing_walk {
namespace {

using StartUp = GameFolder;

TEST_F(StartUp, WithoutC3ExeOnlyTheRefusalIsShownAndTheProgramEndsWithZero) {
    const Record r = run(scriptFor({scripted::click(Control::读入按钮)}));
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0], (Message{"请将软件放到游戏根目录下运行", "文件位置错误", ui::MessageStyle::error}));
    EXPECT_TRUE(r.ended);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_FALSE(r.windowShown);
    EXPECT_TRUE(r.cleanupRan);
    EXPECT_TRUE(r.filesRead.empty());
}

TEST_F(StartUp, AFolderNamedC3ExeCountsAsPresent) {
    std::filesystem::create_directory(gameFile());
    const Record r = run(scriptFor({}));
    EXPECT_TRUE(r.messages.empty());
    EXPECT_TRUE(r.windowShown);
}

TEST_F(StartUp, WindowIsPreparedBeforeItIsShown) {
    putGame();
    const Record r = run(scriptFor({}));
    EXPECT_TRUE(r.messages.empty());
    EXPECT_TRUE(r.windowShown);
    EXPECT_EQ(r.windowTitle, "Varnel全自动宽屏生成器_Tobrik");
    EXPECT_EQ(r.skinScheme, 3);
    EXPECT_FALSE(r.enabled.at(Control::写出按钮));
    EXPECT_TRUE(r.enabled.at(Control::读入按钮));
    EXPECT_TRUE(r.enabled.at(Control::分辨率选择));
    EXPECT_FALSE(r.visible.at(Control::编辑框1));
    EXPECT_EQ(r.items, (std::vector<std::string>{
                           "请选择相应游戏分辨率大小", "1024×600", "1280×768", "1280×800",
                           "1280×960", "1280×1024", "1366×768", "1440×900", "1600×900",
                           "1680×1050", "1920×1080"}));
    EXPECT_TRUE(r.cleanupRan);
    EXPECT_FALSE(app::detectedDisplayMode.has_value());
    EXPECT_EQ(r.exitCode, 0);
}

TEST_F(StartUp, PreSelectionFromTheDisplayMode) {
    putGame();
    struct Case {
        int width, height, selected;
    };
    static constexpr Case cases[] = {
        {1920, 1080, 10}, {1920, 1200, 10}, {1680, 1050, 9}, {1600, 900, 8}, {1440, 900, 7},
        {1440, 1050, 7},  {1366, 768, 6},   {1360, 768, 6},  {1360, 1024, 6}, {1280, 768, 2},
        {1280, 800, 3},   {1280, 960, 4},   {1280, 1024, 5}, {1280, 720, 0},  {1024, 768, 0},
        {1024, 600, 0},   {0, 0, 0},        {768, 1280, 0},
    };
    for (const Case& c : cases) {
        const Record r = run(scriptFor({}, {c.width, c.height, 32, 60}));
        EXPECT_EQ(r.selection, c.selected) << c.width << "x" << c.height;
        EXPECT_TRUE(r.messages.empty()) << c.width << "x" << c.height;
    }
}

}  // namespace
}  // namespace c3ws::testing_walk
