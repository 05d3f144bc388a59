// A long semicolon file with decimal commas: reading it, converting it in its own decimal
// mark and saving it should cost little beside the conversion itself.
#include "Worksheet.h"
#include "WorksheetConversion.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

std::string DecimalCommaText(std::size_t rows) {
    std::string text = "Punkt;Lon;Lat;Ost;Nord\r\n";
    char line[96];
    for (std::size_t row = 0; row < rows; ++row) {
        // A grid of points within UTM zone 33's area, so every row takes the full road.
        double const east = 12.5 + 0.001 * static_cast<double>(row % 5000);
        std::size_t const band = row / 5000;
        double const north = 46.0 + 0.01 * static_cast<double>(band);
        int const length =
            std::snprintf(line, sizeof line, "P%zu;%.7f;%.7f;;\r\n", row, east, north);
        std::replace(line, line + length, '.', ',');
        text.append(line, static_cast<std::size_t>(length));
    }
    return text;
}

void ReadDecimalCommaFile(benchmark::State& state) {
    std::string const text = DecimalCommaText(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        gridhost::Worksheet const sheet = gridhost::Worksheet::Parse(text, "bench.csv");
        benchmark::DoNotOptimize(sheet.RowCount());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReadDecimalCommaFile)->Arg(100000)->Unit(benchmark::kMillisecond);

void ConvertAndSaveDecimalCommaFile(benchmark::State& state) {
    gridhost::Worksheet sheet = gridhost::Worksheet::Parse(
        DecimalCommaText(static_cast<std::size_t>(state.range(0))), "bench.csv");
    gridhost::WorksheetConversion const conversion(Gridlore::CoordinateSystem(L"EPSG:4326", true),
                                                   Gridlore::CoordinateSystem(L"EPSG:32633", true));
    for (auto _ : state) {
        auto const report = conversion.Run(sheet, {1, 2}, {3, 4});
        if (report.converted != sheet.RowCount()) {
            state.SkipWithError("rows were left unconverted");
        }
        benchmark::DoNotOptimize(sheet.Format().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ConvertAndSaveDecimalCommaFile)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
