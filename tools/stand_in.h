// The stand-in for c3.exe that the demo folder, the tests and the benchmarks
// share, and the build the tables should make of it. The expected build is
// computed straight from the table texts, without the hex image, so a test that
// compares it with the program's output compares two independent routes.
// Standard C++ only: the Windows tests use it as well.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "patch/resolution_item.h"

namespace c3ws::standin {

using Bytes = std::vector<std::uint8_t>;

inline constexpr std::size_t defaultSize = 1'200'000;
inline constexpr std::uint32_t defaultSeed = 0xC3;

// Deterministic pseudo-random bytes: the same seed gives the same bytes everywhere.
Bytes pseudoRandomBytes(std::size_t size = defaultSize, std::uint32_t seed = defaultSeed);

// The file as the item's table should leave it: entries in order, later ones
// winning. Throws std::out_of_range for a file too short for the table.
Bytes expectedBuild(const Bytes& file, ResolutionItem item);

}  // namespace c3ws::standin
