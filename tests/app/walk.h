// Shared by the window-logic tests: a game folder with a stand-in c3.exe, and
// the script of a user in front of the window.
#pragma once

#include <gtest/gtest.h>

#include "app/start_up.h"
#include "patch/patch_table.h"
#include "platform/scripted/scripted.h"
#include "tests/fixtures/fixtures.h"

namespace c3ws::testing_walk {

using scripted::Record;
using scripted::Script;
using ui::Control;

// A stand-in c3.exe long enough for every table.
inline const Bytes& standInGame() {
    static const Bytes bytes = fixtures::pseudoRandomBytes(requiredFileSize(9) + 1234, 0x5EED);
    return bytes;
}

class GameFolder : public ::testing::Test {
protected:
    fixtures::TemporaryFolder folder;

    std::string gameFile() const { return folder.file("c3.exe"); }
    void putGame(const Bytes& bytes = standInGame()) { fixtures::writeFile(gameFile(), bytes); }

    // A 1920 × 1080 screen: entry 10 is pre-selected.
    Script scriptFor(std::vector<scripted::Action> actions, ui::DisplayMode mode = {1920, 1080, 32, 60}) {
        Script script;
        script.runDirectory = folder.path();
        script.displayMode = mode;
        script.userActions = std::move(actions);
        return script;
    }

    static Record run(const Script& script) { return scripted::run(script, &app::runProgram); }
};

using scripted::Message;

// A refusal in an error box with this title whose text says the given words.
inline void expectErrorSaying(const Message& m, const std::string& title, const std::string& says) {
    EXPECT_EQ(m.title, title);
    EXPECT_EQ(m.style, ui::MessageStyle::error);
    EXPECT_NE(m.text.find(says), std::string::npos) << m.text;
}

}  // namespace c3ws::testing_walk
