// The Windows system layer on a real (Wine) file system: the failures the window
// names to the user (in use, access denied, disk full aside), the all-or-nothing
// write, wide paths, and the shell's hexadecimal conversion.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "patch/patch_entry.h"
#include "platform/system.h"
#include "platform/win32/system/wide_text.h"

namespace {

using namespace c3ws;
using sys::FileError;
using win32::widen;

int passed = 0, failed = 0;

void check(bool ok, const std::string& what) {
    ok ? ++passed : ++failed;
    if (!ok) std::printf("FAILED: %s\n", what.c_str());
}

const char* nameOf(FileError e) {
    static const char* names[] = {"none", "notFound", "isFolder", "accessDenied",
                                  "inUse", "diskFull", "tooLarge", "other"};
    return names[static_cast<int>(e)];
}

void expectError(FileError got, FileError wanted, const std::string& what) {
    check(got == wanted, what + ": " + nameOf(got) + ", wanted " + nameOf(wanted));
}

std::vector<std::uint8_t> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

std::string contentOf(const std::string& path) {
    const sys::FileRead read = sys::readWholeFile(path);
    return {read.bytes.begin(), read.bytes.end()};
}

int filesIn(const std::string& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(widen(folder + "\\*").c_str(), &found);
    int count = 0;
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
        if (std::wstring(found.cFileName) != L"." && std::wstring(found.cFileName) != L"..") ++count;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return count;
}

HANDLE openWide(const std::string& path, DWORD access, DWORD share) {
    return CreateFileW(widen(path).c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr);
}

void hexConversion() {
    // The shell's conversion and the portable one agree where the tables need them.
    static const char* cases[] = {"0x9BAFE", "0x5600", "0xA4D7F", "0xa4d7f", "0x0X5600",
                                  "0x",      "0xZZ",   "0x1",     "0x7FFFFFFF"};
    for (const char* text : cases) {
        check(sys::hexTextToInt(text) == portableHexTextToInt(text),
              std::string("hexTextToInt(\"") + text + "\") = " + std::to_string(sys::hexTextToInt(text)));
    }
}

void writes(const std::string& folder) {
    const std::string target = folder + "\\目标 target.exe";
    check(sys::replaceWholeFile(target, bytesOf("first")) == FileError::none, "new file written");
    check(contentOf(target) == "first", "new file holds its bytes");
    check(sys::replaceWholeFile(target, bytesOf("second!")) == FileError::none, "existing file replaced");
    check(contentOf(target) == "second!", "replaced file holds the new bytes");

    // Held by another program (the game running): refused, left as it was.
    HANDLE holder = openWide(target, GENERIC_READ, 0);
    expectError(sys::replaceWholeFile(target, bytesOf("third")), FileError::inUse, "held target");
    CloseHandle(holder);
    check(contentOf(target) == "second!", "held target unchanged");

    // Read-only: access denied.
    SetFileAttributesW(widen(target).c_str(), FILE_ATTRIBUTE_READONLY);
    expectError(sys::replaceWholeFile(target, bytesOf("third")), FileError::accessDenied, "read-only target");
    SetFileAttributesW(widen(target).c_str(), FILE_ATTRIBUTE_NORMAL);
    check(contentOf(target) == "second!", "read-only target unchanged");

    expectError(sys::replaceWholeFile(folder, bytesOf("x")), FileError::isFolder, "folder as target");
    expectError(sys::replaceWholeFile(folder + "\\missing\\out.exe", bytesOf("x")), FileError::notFound,
                "target in a missing folder");
    check(sys::replaceWholeFile(folder + "\\empty.exe", {}) == FileError::none, "empty file written");
    check(filesIn(folder) == 2, "no temporary file left, " + std::to_string(filesIn(folder)) + " entries");
}

void reads(const std::string& folder) {
    const std::string path = folder + "\\c3 凯撒.exe";
    sys::replaceWholeFile(path, bytesOf("game"));
    check(contentOf(path) == "game", "wide path read");
    expectError(sys::readWholeFile(folder + "\\missing.exe").error, FileError::notFound, "missing file");
    expectError(sys::readWholeFile(folder).error, FileError::isFolder, "folder read");

    // A program writing the file keeps the reader out.
    HANDLE writer = openWide(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    expectError(sys::readWholeFile(path).error, FileError::inUse, "file open for writing");
    CloseHandle(writer);
    HANDLE reader = openWide(path, GENERIC_READ, FILE_SHARE_READ);
    check(sys::readWholeFile(path).error == FileError::none, "another reader does not block");
    CloseHandle(reader);
}

void paths(const std::string& folder) {
    struct Case {
        const char *path, *folder;
    };
    static const Case cases[] = {{"c3.exe", "."},           {"C:\\c3.exe", "C:\\"},
                                 {"C:\\游戏\\c3.exe", "C:\\游戏"}, {"C:/games/c3.exe", "C:/games"},
                                 {"a\\b/c.exe", "a\\b"},    {"\\c3.exe", "\\"}};
    for (const Case& c : cases) {
        check(sys::folderOf(c.path) == c.folder, std::string("folderOf(") + c.path + ") = " + sys::folderOf(c.path));
    }
    const std::string run = sys::executableDirectory();
    check(!run.empty() && run.back() != '\\' && run.back() != '/', "run directory without separator: " + run);
    check(sys::fileExists(run), "run directory exists");
    check(sys::fileExists(folder), "a folder counts as existing");
    check(!sys::fileExists(folder + "\\nothing"), "a missing name does not exist");
    check(sys::pathSeparator() == '\\', "separator");
}

}  // namespace

int main() {
    // A fresh folder under the working folder, with a name no code page holds whole.
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    const std::string work = win32::narrow(current) + "\\系统 system " +
                             std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(GetTickCount64());
    CreateDirectoryW(widen(work).c_str(), nullptr);
    const std::string writeFolder = work + "\\writes", readFolder = work + "\\reads";
    CreateDirectoryW(widen(writeFolder).c_str(), nullptr);
    CreateDirectoryW(widen(readFolder).c_str(), nullptr);
    hexConversion();
    writes(writeFolder);
    reads(readFolder);
    paths(work);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
