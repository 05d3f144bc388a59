// Formatting and trimming costs: both run for every description line and search text.
#include "shr/StringUtil.h"

#include <benchmark/benchmark.h>

namespace {

void BmToStringShort(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(shr::ToString(L"%u of %u items shown", 12U, 6234U));
    }
}
BENCHMARK(BmToStringShort);

void BmAppendFormatStringDescription(benchmark::State& state) {
    for (auto _ : state) {
        std::wstring text;
        for (int i = 0; i < 20; ++i) {
            shr::AppendFormatString(text, L"Parameter %d: %.14lg\n", i, 0.9996 * i);
        }
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BmAppendFormatStringDescription);

void BmTrim(benchmark::State& state) {
    std::wstring const text = L" \t\u3000  UTM zone 33N  \u00A0\n";
    for (auto _ : state) {
        benchmark::DoNotOptimize(shr::Trim(text));
    }
}
BENCHMARK(BmTrim);

} // namespace
