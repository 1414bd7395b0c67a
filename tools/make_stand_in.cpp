// Writes a stand-in for c3.exe: deterministic pseudo-random bytes, so the demo
// folder and the end-to-end tests can run the whole flow without the game. It is
// not an executable of any kind and never pretends to be one.
#include <cstdio>
#include <cstdlib>

#include "tools/stand_in.h"

int main(int argc, char** argv) {
    using namespace c3ws::standin;
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: %s PATH [SIZE=%zu] [SEED=%u]\n", argv[0], defaultSize,
                     static_cast<unsigned>(defaultSeed));
        return 1;
    }
    const std::size_t size = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : defaultSize;
    const auto seed = static_cast<std::uint32_t>(argc > 3 ? std::strtoul(argv[3], nullptr, 10) : defaultSeed);
    const Bytes bytes = pseudoRandomBytes(size, seed);

    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() ||
        std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
