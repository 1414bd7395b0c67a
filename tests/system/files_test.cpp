// Whole-file reads and writes on a real file system. The write is the one that
// must never leave a half-written executable or a stray temporary file behind.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/system.h"
#include "tests/fixtures/fixtures.h"

namespace c3ws::sys {
namespace {

using fixtures::TemporaryFolder;
namespace fs = std::filesystem;

// The temporary files of replaceWholeFile left in a folder.
std::vector<std::string> leftovers(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(".c3widescreen-")) names.push_back(name);
    }
    return names;
}

mode_t permissionsOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

TEST(ReadWholeFile, Cases) {
    const TemporaryFolder folder;
    const Bytes content = fixtures::pseudoRandomBytes(1'200'000);
    fixtures::writeFile(folder.file("c3.exe"), content);
    fixtures::writeFile(folder.file("empty.exe"), {});
    fs::create_directory(folder.file("folder"));

    struct Case {
        const char* name;
        const char* file;
        FileError error;
        std::size_t size;
    };
    static constexpr Case cases[] = {
        {"whole file", "c3.exe", FileError::none, 1'200'000},
        {"empty file is no error", "empty.exe", FileError::none, 0},
        {"missing", "missing.exe", FileError::notFound, 0},
        {"folder missing", "nowhere/c3.exe", FileError::notFound, 0},
        {"a file taken for a folder", "c3.exe/c3.exe", FileError::notFound, 0},
        {"folder", "folder", FileError::isFolder, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FileRead read = readWholeFile(folder.file(c.file));
        EXPECT_EQ(read.error, c.error);
        EXPECT_EQ(read.bytes.size(), c.size);
    }
    EXPECT_EQ(readWholeFile(folder.file("c3.exe")).bytes, content);
}

// A relative path is taken from the working folder.
TEST(ReadWholeFile, RelativePath) {
    const TemporaryFolder folder;
    fixtures::writeFile(folder.file("c3.exe"), {1, 2, 3});
    const fs::path previous = fs::current_path();
    fs::current_path(folder.path());
    const FileRead read = readWholeFile("c3.exe");
    fs::current_path(previous);
    EXPECT_EQ(read.error, FileError::none);
    EXPECT_EQ(read.bytes, (Bytes{1, 2, 3}));
}

TEST(ReplaceWholeFile, NewFileGetsTheUsualPermissions) {
    const TemporaryFolder folder;
    const Bytes content = fixtures::pseudoRandomBytes(1'200'000);
    const mode_t previousMask = ::umask(027);
    const FileError error = replaceWholeFile(folder.file("new.exe"), content);
    ::umask(previousMask);
    ASSERT_EQ(error, FileError::none);
    EXPECT_EQ(fixtures::readFile(folder.file("new.exe")), content);
    EXPECT_EQ(permissionsOf(folder.file("new.exe")), 0640u);
    EXPECT_TRUE(leftovers(folder.path()).empty());
}

TEST(ReplaceWholeFile, ReplacedFileKeepsItsPermissions) {
    const TemporaryFolder folder;
    for (const mode_t mode : {0755u, 0600u, 0444u}) {
        SCOPED_TRACE(mode);
        const std::string path = folder.file("c3.exe");
        fixtures::writeFile(path, Bytes(5000, 0xAA));
        fs::permissions(path, static_cast<fs::perms>(mode));
        const Bytes content = fixtures::pseudoRandomBytes(100, mode);
        ASSERT_EQ(replaceWholeFile(path, content), FileError::none);
        EXPECT_EQ(fixtures::readFile(path), content) << "a shorter content must not keep the old tail";
        EXPECT_EQ(permissionsOf(path), mode);
        EXPECT_TRUE(leftovers(folder.path()).empty());
        fs::remove(path);
    }
}

// The link stays a link to the same file; the file it points to gets the bytes,
// even when it lies in another folder.
TEST(ReplaceWholeFile, SymbolicLinkKeepsPointingAtTheReplacedFile) {
    struct Case {
        const char* name;
        const char* target;  // relative to the folder
        const char* linkText;
    };
    static constexpr Case cases[] = {
        {"relative link", "c3.exe", "c3.exe"},
        {"link into another folder", "game/c3.exe", "game/c3.exe"},
        {"link by absolute path", "game/c3.exe", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TemporaryFolder folder;
        fs::create_directory(folder.file("game"));
        fixtures::writeFile(folder.file(c.target), Bytes(10, 1));
        const std::string link = folder.file("link.exe");
        const fs::path linkText = c.linkText != nullptr ? fs::path(c.linkText) : fs::path(folder.file(c.target));
        fs::create_symlink(linkText, link);

        const Bytes content = fixtures::pseudoRandomBytes(300);
        ASSERT_EQ(replaceWholeFile(link, content), FileError::none);
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(fs::read_symlink(link), linkText);
        EXPECT_EQ(fixtures::readFile(folder.file(c.target)), content);
        EXPECT_TRUE(leftovers(folder.path()).empty());
        EXPECT_TRUE(leftovers(folder.file("game")).empty());
    }
}

TEST(ReplaceWholeFile, FailureLeavesTargetAndFolderAsTheyWere) {
    struct Case {
        const char* name;
        const char* target;
        FileError error;
    };
    static constexpr Case cases[] = {
        {"folder missing", "nowhere/out.exe", FileError::notFound},
        {"a file taken for a folder", "c3.exe/out.exe", FileError::notFound},
        {"target is a folder", "folder", FileError::isFolder},
        {"link to a folder", "folder-link", FileError::isFolder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TemporaryFolder folder;
        fixtures::writeFile(folder.file("c3.exe"), Bytes(10, 1));
        fs::create_directory(folder.file("folder"));
        fixtures::writeFile(folder.file("folder/inside"), Bytes(3, 2));
        fs::create_directory_symlink("folder", folder.file("folder-link"));

        EXPECT_EQ(replaceWholeFile(folder.file(c.target), fixtures::pseudoRandomBytes(100)), c.error);
        EXPECT_EQ(fixtures::readFile(folder.file("c3.exe")), Bytes(10, 1));
        EXPECT_TRUE(fs::is_directory(folder.file("folder")));
        EXPECT_EQ(fixtures::readFile(folder.file("folder/inside")), Bytes(3, 2));
        EXPECT_TRUE(fs::is_symlink(folder.file("folder-link")));
        EXPECT_TRUE(leftovers(folder.path()).empty());
        EXPECT_TRUE(leftovers(folder.file("folder")).empty());
    }
}

TEST(FileExists, Cases) {
    const TemporaryFolder folder;
    fixtures::writeFile(folder.file("c3.exe"), {});
    fs::create_directory(folder.file("folder"));
    fs::create_symlink("missing.exe", folder.file("dangling"));

    struct Case {
        const char* name;
        const char* path;
        bool exists;
    };
    static constexpr Case cases[] = {
        {"empty file", "c3.exe", true},
        {"folder counts", "folder", true},
        {"a link to nothing is still an entry", "dangling", true},
        {"missing", "missing.exe", false},
        {"inside a missing folder", "nowhere/c3.exe", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fileExists(folder.file(c.path)), c.exists) << c.name;
    }
}

}  // namespace
}  // namespace c3ws::sys
