// Writes a stand-in for c3.exe: deterministic pseudo-random bytes, so the demo
// folder and the end-to-end tests can run the whole flow without the game. It is
// not an executable of any kind and never pretends to be one.
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: %s PATH [SIZE=1200000] [SEED=195]\n", argv[0]);
        return 1;
    }
    const std::size_t size = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 1200000;
    const auto seed = static_cast<std::uint32_t>(argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 195);

    std::mt19937 generator(seed);
    std::vector<unsigned char> bytes(size);
    for (auto& b : bytes) b = static_cast<unsigned char>(generator() >> 24);

    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size() ||
        std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
