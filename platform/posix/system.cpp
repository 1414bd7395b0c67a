// The operating-system layer on Linux and other POSIX systems.
#include "platform/system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>
#include <utility>

#include "patch/patch_entry.h"

namespace c3ws::sys {
namespace {

// Larger files are not executables of this game; reading one whole would only
// exhaust memory three times over once it is rendered.
constexpr off_t largestFile = off_t{1} << 30;

FileError errorFrom(int code) {
    switch (code) {
        case 0: return FileError::none;
        case ENOENT:
        case ENOTDIR: return FileError::notFound;
        case EISDIR: return FileError::isFolder;
        case EACCES:
        case EPERM:
        case EROFS: return FileError::accessDenied;
        case ETXTBSY:
        case EBUSY: return FileError::inUse;
        case ENOSPC:
        case EDQUOT: return FileError::diskFull;
        case EFBIG:
        case ENOMEM: return FileError::tooLarge;
        default: return FileError::other;
    }
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

// The name a write replaces: the file a symbolic link points to, or the path.
std::string replacementTarget(const std::string& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) return path;
    return resolved;
}

}  // namespace

FileRead readWholeFile(const std::string& path) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return {{}, errorFrom(errno)};
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return {{}, errorFrom(errno)};
    if (S_ISDIR(info.st_mode)) return {{}, FileError::isFolder};
    if (info.st_size > largestFile) return {{}, FileError::tooLarge};

    FileRead result;
    result.bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < result.bytes.size()) {
        const ssize_t n = ::read(fd.get(), result.bytes.data() + done, result.bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return {{}, errorFrom(errno)};
        if (n == 0) break;  // the file shrank while it was read
        done += static_cast<std::size_t>(n);
    }
    result.bytes.resize(done);
    return result;
}

FileError replaceWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string target = replacementTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return FileError::isFolder;

    std::string temporary = folderOf(target) + "/.c3widescreen-XXXXXX";
    Descriptor fd(::mkstemp(temporary.data()));
    if (fd.get() < 0) return errorFrom(errno);

    // A replaced file keeps its permissions; a new one gets the usual ones.
    mode_t mode = 0;
    if (exists) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    int failure = 0;
    if (!writeAll(fd.get(), bytes) || ::fchmod(fd.get(), mode) != 0 || ::fsync(fd.get()) != 0) {
        failure = errno;
    }
    if (::close(fd.release()) != 0 && failure == 0) failure = errno;
    if (failure == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) failure = errno;
    if (failure != 0) {
        ::unlink(temporary.c_str());
        return errorFrom(failure);
    }
    return FileError::none;
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

std::string executableDirectory() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return ".";
    return folderOf(std::string(buffer, static_cast<std::size_t>(n)));
}

bool setWorkingDirectory(const std::string& path) { return ::chdir(path.c_str()) == 0; }

char pathSeparator() { return '/'; }

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::vector<std::string> utf8Arguments(int argc, char** argv) {
    return {argv, argv + argc};
}

void useUtf8Console() {}

std::int32_t hexTextToInt(std::string_view prefixedText) {
    return portableHexTextToInt(prefixedText);
}

}  // namespace c3ws::sys
