// Writes the build that a Read and a Write of the window should produce from a
// stand-in c3.exe, computed straight from the patch table by the test fixtures,
// not through the hex image the program uses.
//
//   expected_build ITEM INPUT OUTPUT
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "tests/fixtures/fixtures.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ITEM INPUT OUTPUT\n", argv[0]);
        return 2;
    }
    try {
        const c3ws::ResolutionItem item = std::atoi(argv[1]);
        c3ws::fixtures::writeFile(argv[3],
                                  c3ws::fixtures::expectedBuild(c3ws::fixtures::readFile(argv[2]), item));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "expected_build: %s\n", e.what());
        return 1;
    }
    return 0;
}
