#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "store/numbers.h"

namespace {

// Texts as the store fields and board-row columns hold them.
constexpr std::array<std::string_view, 8> kTypicalTexts = {
    "12,5", "0.95", " 1 234,5", "  44.0", "0.0125", "5 mm", "1234567.89", "-3",
};

// Values as the calculation writes them: volumes, shares, prices.
constexpr std::array<double, 8> kTypicalValues = {
    0.0125, 1.0 / 3.0, 154.5, 0.087654321, 1234567.891, 0.1 + 0.2, 44.0, -2.5,
};

void BM_RegionCompVal(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lumbrix::RegionCompVal(kTypicalTexts[i++ % kTypicalTexts.size()]));
    }
}
BENCHMARK(BM_RegionCompVal);

void BM_RegionCompValOfNumber(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            lumbrix::RegionCompVal(kTypicalValues[i++ % kTypicalValues.size()]));
    }
}
BENCHMARK(BM_RegionCompValOfNumber);

void BM_Val(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lumbrix::Val(kTypicalTexts[i++ % kTypicalTexts.size()]));
    }
}
BENCHMARK(BM_Val);

void BM_NumberText(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lumbrix::NumberText(kTypicalValues[i++ % kTypicalValues.size()]));
    }
}
BENCHMARK(BM_NumberText);

void BM_FormatNumber(benchmark::State& state) {
    constexpr std::array<std::string_view, 4> patterns = {"0.000", "0.00", "0", "0.00%"};
    std::size_t i = 0;
    for (auto _ : state) {
        const double value = kTypicalValues[i % kTypicalValues.size()];
        benchmark::DoNotOptimize(lumbrix::FormatNumber(value, patterns[i % patterns.size()]));
        ++i;
    }
}
BENCHMARK(BM_FormatNumber);

void BM_Round(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lumbrix::Round(kTypicalValues[i++ % kTypicalValues.size()], 3));
    }
}
BENCHMARK(BM_Round);

}  // namespace
