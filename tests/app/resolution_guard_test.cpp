#include "tests/app/walk.h"

namespace c3ws::testing_walk {
namespace {

using Guard = GameFolder;

const std::string refusal1 =
    "不是吧？你在耍我吗？这种分辨率你也有。。\r\n\r\n趁早把电脑淘汰了吧。这个分辨率我真的懒得写了！";
const std::string refusal5 =
    "哦。SORRY。。。这个分辨率我还没来得急写。哈啊哈哈。\r\n\r\n不过你放心。就这几天就写";

TEST_F(Guard, RefusedEntriesAnswerTheirMessageThenResetTheSelectionAndText) {
    struct Case {
        int item;
        const std::string& text;
        const char* title;
        const char* replacement;
    };
    const Case cases[] = {
        {1, refusal1, "你在耍我吗？", "不许再选这个分辨率了"},
        {5, refusal5, "信息：", "敬请期待"},
    };
    for (const Case& c : cases) {
        putGame();
        Script script = scriptFor({scripted::pick(c.item), scripted::pick(c.item)});
        std::vector<int> selectionWhileOpen;
        script.onMessage = [&](const scripted::Message&) {
            selectionWhileOpen.push_back(scripted::current().selection);
        };
        const Record r = run(script);
        ASSERT_EQ(r.messages.size(), 2u) << c.item;
        for (const Message& m : r.messages) {
            EXPECT_EQ(m, (Message{c.text, c.title, ui::MessageStyle::plain})) << c.item;
        }
        // The list still shows the pick while the message is open.
        EXPECT_EQ(selectionWhileOpen, (std::vector<int>{c.item, c.item}));
        EXPECT_EQ(r.selection, 0) << c.item;
        ASSERT_EQ(r.items.size(), 11u);
        EXPECT_EQ(r.items[static_cast<std::size_t>(c.item)], c.replacement);
        EXPECT_EQ(r.items[2], "1280×768");
    }
}

TEST_F(Guard, OtherPicksChangeNothingButTheSelection) {
    putGame();
    for (const int item : {0, 2, 3, 4, 6, 7, 8, 9, 10}) {
        const Record r = run(scriptFor({scripted::pick(item)}));
        EXPECT_TRUE(r.messages.empty()) << item;
        EXPECT_EQ(r.selection, item);
        EXPECT_EQ(r.items[1], "1024×600");
        EXPECT_EQ(r.items[5], "1280×1024");
    }
}

TEST_F(Guard, PreSelected1280x1024StaysWithoutAMessageUntilTheUserPicks) {
    putGame();
    const Record r = run(scriptFor({}, {1280, 1024, 32, 60}));
    EXPECT_EQ(r.selection, 5);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(r.items[5], "1280×1024");
}

TEST_F(Guard, AfterARefusalReadTakesThePromptPath) {
    putGame();
    const Record r = run(scriptFor({scripted::pick(1), scripted::click(Control::读入按钮)}));
    ASSERT_EQ(r.messages.size(), 2u);
    EXPECT_EQ(r.messages[1].text, "请选择正确的分辨率再进行读取操作，谢谢");
    EXPECT_TRUE(r.ended);
    EXPECT_EQ(r.exitCode, 0);
}

}  // namespace
}  // namespace c3ws::testing_walk
