// The engine's share of a build, on a pseudo-random stand-in of c3.exe's size:
// the whole path of the command line (render, patch, decode) for every table, and
// its parts alone, to show where the time goes.
#include <benchmark/benchmark.h>

#include <random>

#include "patch/build_image.h"
#include "patch/hex_image.h"
#include "patch/patch_table.h"
#include "tools/stand_in.h"

namespace {

constexpr std::size_t standInSize = 1'200'000;

const c3ws::Bytes& standIn() {
    static const c3ws::Bytes bytes = c3ws::standin::pseudoRandomBytes(standInSize);
    return bytes;
}

void registerTableItems(benchmark::internal::Benchmark* b) {
    for (const c3ws::ResolutionItem item : {2, 3, 4, 6, 7, 8, 9, 10}) b->Arg(item);
}

// What `c3widescreen-cli patch` spends between reading and writing.
void wholePath(benchmark::State& state) {
    const auto item = static_cast<c3ws::ResolutionItem>(state.range(0));
    c3ws::QuietHost host;
    for (auto _ : state) {
        c3ws::BuiltImage built = c3ws::buildHexImage(standIn(), item, host);
        c3ws::Bytes bytes = c3ws::hexImageToBytes(built.image);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * standInSize));
}
BENCHMARK(wholePath)->Apply(registerTableItems)->Unit(benchmark::kMillisecond);

// Rendering alone: an entry without a table.
void renderOnly(benchmark::State& state) {
    c3ws::QuietHost host;
    for (auto _ : state) {
        c3ws::BuiltImage built = c3ws::buildHexImage(standIn(), c3ws::promptItem, host);
        benchmark::DoNotOptimize(built.image.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * standInSize));
}
BENCHMARK(renderOnly)->Unit(benchmark::kMillisecond);

// Applying a table alone, over an image already rendered; writing it again
// gives the same image, so one image serves every round.
void tableOnly(benchmark::State& state) {
    const auto item = static_cast<c3ws::ResolutionItem>(state.range(0));
    c3ws::QuietHost host;
    c3ws::HexImage image = c3ws::buildHexImage(standIn(), c3ws::promptItem, host).image;
    for (auto _ : state) {
        c3ws::WritePosition at{image.data(), image.data(), image.data() + image.size()};
        benchmark::DoNotOptimize(c3ws::applyPatchTable(item, at, host));
    }
}
BENCHMARK(tableOnly)->Apply(registerTableItems)->Unit(benchmark::kMillisecond);

void decodeOnly(benchmark::State& state) {
    c3ws::QuietHost host;
    const c3ws::HexImage image = c3ws::buildHexImage(standIn(), 6, host).image;
    for (auto _ : state) {
        c3ws::Bytes bytes = c3ws::hexImageToBytes(image);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * standInSize));
}
BENCHMARK(decodeOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
