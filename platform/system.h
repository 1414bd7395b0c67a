// What the program asks of the operating system, with no window: its arguments,
// whole-file reads and safe whole-file writes, and the conversion of offset texts.
// One implementation per operating system (posix/, win32/). The command line uses
// it directly; every window backend forwards its file services to it.
//
// Paths and texts are UTF-8 on every system; the Windows implementation converts
// them to UTF-16 at the edge, so any character works in a path.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace c3ws::sys {

using Bytes = std::vector<std::uint8_t>;

enum class FileError {
    none,
    notFound,      // the file, or the folder it should be in, does not exist
    isFolder,      // the name is that of a folder
    accessDenied,  // no permission: a protected folder, a read-only file
    inUse,         // another program holds the file (the game is running)
    diskFull,      // no space left on the drive
    tooLarge,      // too large to hold in memory here
    other,         // anything else
};

struct FileRead {
    Bytes bytes;
    FileError error = FileError::none;
};

// The whole file, read-only, refusing other writers while it is read (on Windows
// by the share mode; elsewhere writers are not locked out). A relative path
// resolves against the working directory. An empty file is not an error here.
FileRead readWholeFile(const std::string& path);

// Writes the bytes whole or not at all: a temporary file in the target's folder,
// flushed, then renamed over the target. On failure the target is as it was and
// no temporary file is left. An existing target that is a symbolic link has the
// file it points to replaced, not the link.
FileError replaceWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

// True if an entry of that name exists; a folder counts.
bool fileExists(const std::string& path);

// The folder of the running executable, without a trailing separator.
std::string executableDirectory();

bool setWorkingDirectory(const std::string& path);

// The separator the system writes between folder and name.
char pathSeparator();

// The folder part of a path ("." for a bare name).
std::string folderOf(const std::string& path);

// The program's arguments as UTF-8 (on Windows from the wide command line).
std::vector<std::string> utf8Arguments(int argc, char** argv);

// Makes the console show UTF-8 output as text (Windows); nothing elsewhere.
void useUtf8Console();

// Converts a text that starts with "0x" as a hexadecimal number: on Windows
// through the shell's StrToIntExA, elsewhere the portable conversion.
std::int32_t hexTextToInt(std::string_view prefixedText);

}  // namespace c3ws::sys
