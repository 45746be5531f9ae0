// The cost of one path and one whole calculation run, beside a floor: the same maths-library
// calls on the same arguments with nothing else around them.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

#include "bench/random_locators.h"
#include "core/field_store.h"
#include "core/locator.h"
#include "core/path.h"

namespace velmoro {
namespace {

constexpr std::size_t PAIR_COUNT = 4096;  // enough to defeat branch prediction, fits in cache

struct Positions {
    double lat1, lon1, lat2, lon2;
};

std::vector<Positions> decodedPairs() {
    std::vector<Positions> positions;
    for (const auto& [from, to] : bench::randomLocatorPairs(PAIR_COUNT)) {
        const auto a = decodeLocator(asciiText(from));
        const auto b = decodeLocator(asciiText(to));
        positions.push_back({a.latitude, a.longitude, b.latitude, b.longitude});
    }
    return positions;
}

/// The arguments of the maths-library calls that one path makes, in its order.
struct LibmArguments {
    double phi1, phi2, delta, sineSquared, tangent, d, courseSineSquared, courseTangent;
};

std::vector<LibmArguments> libmArguments() {
    std::vector<LibmArguments> arguments;
    for (const Positions& p : decodedPairs()) {
        const PathResult path = computePath(p.lat1, p.lon1, p.lat2, p.lon2);
        const double phi1 = p.lat1 * DEG;
        const double phi2 = p.lat2 * DEG;
        const double c = std::cos(path.d);
        const double courseCosine = std::cos(path.a);
        arguments.push_back({phi1, phi2, (p.lon2 - p.lon1) * DEG, 1 - c * c,
                             std::sqrt(1 - c * c) / c, path.d, 1 - courseCosine * courseCosine,
                             std::sqrt(1 - courseCosine * courseCosine) / courseCosine});
    }
    return arguments;
}

void BM_LibmFloor(benchmark::State& state) {
    const auto arguments = libmArguments();
    std::size_t i = 0;
    for (auto _ : state) {
        const LibmArguments& x = arguments[i++ % arguments.size()];
        double sum = std::sin(x.phi1) + std::sin(x.phi2) + std::cos(x.phi1) + std::cos(x.phi2) +
                     std::cos(x.delta) + std::sqrt(x.sineSquared) + std::atan(x.tangent) +
                     std::sin(x.d) + std::sqrt(x.courseSineSquared) + std::atan(x.courseTangent);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_LibmFloor);

void BM_ComputePath(benchmark::State& state) {
    const auto positions = decodedPairs();
    std::size_t i = 0;
    for (auto _ : state) {
        const Positions& p = positions[i++ % positions.size()];
        benchmark::DoNotOptimize(computePath(p.lat1, p.lon1, p.lat2, p.lon2));
    }
}
BENCHMARK(BM_ComputePath);

void BM_RunCalculation(benchmark::State& state) {
    std::vector<std::pair<Text, Text>> pairs;
    for (const auto& [from, to] : bench::randomLocatorPairs(PAIR_COUNT)) {
        pairs.emplace_back(asciiText(from), asciiText(to));
    }
    FieldStore store;
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [from, to] = pairs[i++ % pairs.size()];
        store.writeText(Field::Text3, from);
        store.writeText(Field::Text5, to);
        runCalculation(store);
        benchmark::DoNotOptimize(store.text(Field::Text6).data());
    }
}
BENCHMARK(BM_RunCalculation);

}  // namespace
}  // namespace velmoro
