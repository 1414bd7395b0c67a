// The operating-system layer on Windows. Paths arrive as UTF-8 and go to the wide
// API, so a game folder under any name works whatever the system's code page.
#include "platform/system.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>

#include "patch/patch_entry.h"
#include "platform/win32/system/wide_text.h"

namespace c3ws::sys {
namespace {

using win32::narrow;
using win32::widen;

// Larger files are not executables of this game; reading one whole would only
// exhaust memory three times over once it is rendered.
constexpr LONGLONG largestFile = LONGLONG{1} << 30;

// Codes the MinGW headers lack.
constexpr DWORD errorElevationRequired = 740;
constexpr DWORD errorVirusInfected = 225;
constexpr DWORD errorVirusDeleted = 226;
constexpr DWORD errorDiskQuotaExceeded = 1295;

// ReadFile and WriteFile move at most a DWORD at a time; smaller pieces keep a
// write to a slow network drive from looking hung to the system.
constexpr std::size_t ioPiece = std::size_t{1} << 24;

FileError errorFrom(DWORD code) {
    switch (code) {
        case ERROR_SUCCESS: return FileError::none;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_DIRECTORY:
        case ERROR_NOT_READY: return FileError::notFound;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
        case ERROR_NETWORK_ACCESS_DENIED:
        case ERROR_PRIVILEGE_NOT_HELD:
        case errorElevationRequired:
        case errorVirusInfected:
        case errorVirusDeleted: return FileError::accessDenied;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE:
        case ERROR_BUSY:
        case ERROR_DRIVE_LOCKED: return FileError::inUse;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
        case errorDiskQuotaExceeded: return FileError::diskFull;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
        case ERROR_FILE_TOO_LARGE: return FileError::tooLarge;
        default: return FileError::other;
    }
}

// Closes a file handle when it goes out of scope.
class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }
    bool close() {
        if (!valid()) return true;
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }
bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool isFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool writeAll(HANDLE file, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const DWORD piece = static_cast<DWORD>(std::min(bytes.size(), ioPiece));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), piece, &written, nullptr)) return false;
        if (written == 0) {
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
        bytes = bytes.subspan(written);
    }
    return true;
}

// The name a write replaces: the file a symbolic link points to, or the path.
std::wstring replacementTarget(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        return path;
    }
    Handle link(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!link.valid()) return path;
    std::wstring resolved(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFinalPathNameByHandleW(
            link.get(), resolved.data(), static_cast<DWORD>(resolved.size()), FILE_NAME_NORMALIZED);
        if (length == 0) return path;
        if (length < resolved.size()) {
            resolved.resize(length);
            return resolved;
        }
        resolved.resize(length + 1);
    }
}

// A name in the target's folder that nothing else uses: the rename over the
// target then stays on one volume, where it cannot leave half a file behind.
Handle createTemporaryBeside(const std::wstring& target, std::wstring& temporaryName) {
    static std::atomic<unsigned> serial{0};
    const std::wstring folder = widen(folderOf(narrow(target)));
    for (int attempt = 0; attempt < 100; ++attempt) {
        wchar_t name[64];
        std::swprintf(name, 64, L".c3widescreen-%lu-%u.tmp", GetCurrentProcessId(), serial++);
        temporaryName = folder;
        if (!temporaryName.empty() && !isSeparator(temporaryName.back())) temporaryName += L'\\';
        temporaryName += name;
        HANDLE file = CreateFileW(temporaryName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return Handle(file);
    }
    return Handle(INVALID_HANDLE_VALUE);
}

// Replacing a file is refused with "access denied" both for a protected file and
// for one that a running program holds (an executable while it runs). Opening it
// for writing, without changing it, tells the two apart: a holder shows up as a
// sharing violation.
FileError whyNotReplaceable(const std::wstring& target, FileError reported) {
    if (reported != FileError::accessDenied) return reported;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return reported;
    }
    Handle probe(CreateFileW(target.c_str(), GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (probe.valid()) return reported;
    const FileError probed = errorFrom(GetLastError());
    return probed == FileError::inUse ? probed : reported;
}

}  // namespace

FileRead readWholeFile(const std::string& path) {
    const std::wstring wide = widen(path);
    // Share mode read only: a program that is writing the file keeps us out, and
    // nobody can start writing it while we read.
    Handle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) {
        const DWORD code = GetLastError();
        // A folder cannot be opened as a file; Windows says "access denied".
        if (code == ERROR_ACCESS_DENIED && isFolder(wide)) return {{}, FileError::isFolder};
        return {{}, errorFrom(code)};
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return {{}, errorFrom(GetLastError())};
    if (size.QuadPart > largestFile) return {{}, FileError::tooLarge};

    FileRead result;
    result.bytes.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < result.bytes.size()) {
        const DWORD piece = static_cast<DWORD>(std::min(result.bytes.size() - done, ioPiece));
        DWORD read = 0;
        if (!ReadFile(file.get(), result.bytes.data() + done, piece, &read, nullptr)) {
            return {{}, errorFrom(GetLastError())};
        }
        if (read == 0) break;  // the file shrank while it was read
        done += read;
    }
    result.bytes.resize(done);
    return result;
}

FileError replaceWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::wstring target = replacementTarget(widen(path));
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return FileError::isFolder;
    // Windows refuses to rename over a read-only file; Wine does not. Refuse it
    // here so both keep the file.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY) != 0) return FileError::accessDenied;

    std::wstring temporary;
    Handle file = createTemporaryBeside(target, temporary);
    if (!file.valid()) return errorFrom(GetLastError());

    DWORD failure = ERROR_SUCCESS;
    if (!writeAll(file.get(), bytes) || !FlushFileBuffers(file.get())) failure = GetLastError();
    if (!file.close() && failure == ERROR_SUCCESS) failure = GetLastError();
    if (failure == ERROR_SUCCESS &&
        !MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        failure = GetLastError();
    }
    if (failure == ERROR_SUCCESS) return FileError::none;
    DeleteFileW(temporary.c_str());
    const FileError error = errorFrom(failure);
    return exists ? whyNotReplaceable(target, error) : error;
}

bool fileExists(const std::string& path) {
    return GetFileAttributesW(widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string executableDirectory() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return ".";
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.resize(buffer.size() * 2);  // cut short: a path longer than MAX_PATH
    }
    const std::size_t separator = buffer.find_last_of(L"\\/");
    if (separator == std::wstring::npos) return ".";
    return narrow(std::wstring_view(buffer).substr(0, separator));
}

bool setWorkingDirectory(const std::string& path) {
    std::wstring wide = widen(path);
    // "C:" alone names the drive's own current folder, not its root.
    if (wide.size() == 2 && wide[1] == L':') wide += L'\\';
    return SetCurrentDirectoryW(wide.c_str()) != 0;
}

char pathSeparator() { return '\\'; }

std::string folderOf(const std::string& path) {
    std::size_t separator = std::string::npos;
    for (std::size_t i = path.size(); i-- > 0;) {
        if (isSeparator(path[i])) {
            separator = i;
            break;
        }
    }
    if (separator == std::string::npos) {
        // "C:name" lies in the drive's current folder.
        if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
        return ".";
    }
    // A root keeps its separator: "\", "C:\".
    if (separator == 0) return path.substr(0, 1);
    if (separator == 2 && path[1] == ':') return path.substr(0, 3);
    return path.substr(0, separator);
}

std::vector<std::string> utf8Arguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return {argv, argv + argc};
    std::vector<std::string> arguments;
    arguments.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) arguments.push_back(narrow(wide[i]));
    LocalFree(wide);
    return arguments;
}

void useUtf8Console() { SetConsoleOutputCP(CP_UTF8); }

std::int32_t hexTextToInt(std::string_view prefixedText) {
    using StrToIntExA = BOOL(WINAPI*)(LPCSTR, DWORD, int*);
    // Looked up at every call and never released: after the first call the loader
    // only counts a reference, and a system without the DLL still converts.
    HMODULE shell = LoadLibraryA("shlwapi.dll");
    FARPROC found = shell != nullptr ? GetProcAddress(shell, "StrToIntExA") : nullptr;
    if (found == nullptr) return portableHexTextToInt(prefixedText);
    const auto convert = reinterpret_cast<StrToIntExA>(reinterpret_cast<void (*)()>(found));
    const std::string text(prefixedText);
    int value = 0;
    convert(text.c_str(), 1 /* STIF_SUPPORT_HEX */, &value);
    return value;
}

}  // namespace c3ws::sys
