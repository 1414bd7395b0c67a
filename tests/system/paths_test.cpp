// Splitting a path into folder and name: the command line puts its build next
// to its input with folderOf and pathSeparator.
#include <gtest/gtest.h>

#include "platform/system.h"

namespace c3ws::sys {
namespace {

TEST(FolderOf, Cases) {
    struct Case {
        const char* path;
        const char* folder;
    };
    static constexpr Case cases[] = {
        {"c3.exe", "."},
        {"", "."},
        {"./c3.exe", "."},
        {"game/c3.exe", "game"},
        {"/games/caesar3/c3.exe", "/games/caesar3"},
        {"/c3.exe", "/"},
        {"../c3.exe", ".."},
        {"game/", "game"},
        {"凯撒大帝3/c3.exe", "凯撒大帝3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(folderOf(c.path), c.folder) << c.path;
    }
}

// A name joined to the folder of a path lands beside that path.
TEST(FolderOf, JoinedWithTheSeparatorGivesASibling) {
    for (const char* path : {"c3.exe", "game/c3.exe", "/c3.exe", "/games/c3.exe"}) {
        const std::string sibling = folderOf(path) + pathSeparator() + "1366X768.exe";
        EXPECT_EQ(folderOf(sibling), folderOf(path)) << path;
    }
}

}  // namespace
}  // namespace c3ws::sys
