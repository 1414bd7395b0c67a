// Makes the files the Windows tests compare against, independently of the
// program's own route through the hex image:
//
//   c3ws-win32-fixture stand-in PATH [SIZE]      deterministic pseudo-random bytes:
//                                                a stand-in for c3.exe, not a game
//   c3ws-win32-fixture expected IN ITEM OUT      IN with the item's table written
//                                                straight into the bytes
#include <cstdio>
#include <cstdlib>
#include <string>

#include "patch/patch_table.h"
#include "platform/system.h"
#include "tools/stand_in.h"

namespace {

using namespace c3ws;

int writeOut(const std::string& path, const sys::Bytes& bytes) {
    if (sys::replaceWholeFile(path, bytes) != sys::FileError::none) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args = sys::utf8Arguments(argc, argv);
    if (args.size() >= 3 && args[1] == "stand-in") {
        const std::size_t size =
            args.size() > 3 ? std::strtoul(args[3].c_str(), nullptr, 10) : standin::defaultSize;
        return writeOut(args[2], standin::pseudoRandomBytes(size));
    }
    if (args.size() == 5 && args[1] == "expected") {
        sys::FileRead in = sys::readWholeFile(args[2]);
        if (in.error != sys::FileError::none) return 1;
        const auto item = static_cast<ResolutionItem>(std::strtol(args[3].c_str(), nullptr, 10));
        if (in.bytes.size() < requiredFileSize(item)) return 1;
        return writeOut(args[4], standin::expectedBuild(in.bytes, item));
    }
    std::fprintf(stderr, "usage: c3ws-win32-fixture stand-in PATH [SIZE] | expected IN ITEM OUT\n");
    return 2;
}
