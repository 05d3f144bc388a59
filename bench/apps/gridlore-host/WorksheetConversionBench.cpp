// Converting a long worksheet: the goal is 100,000 rows in under a second.
#include "Worksheet.h"
#include "WorksheetConversion.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

// Points spread over UTM zone 33's area (12 to 18 degrees east) and as far again beyond
// it, so half the rows are also measured against the area and flagged.
gridhost::Worksheet LongSheet(std::size_t rows) {
    std::string text = "point,longitude,latitude,easting,northing\n";
    char line[96];
    for (std::size_t row = 0; row < rows; ++row) {
        double const longitude = 9.0 + 12.0 * static_cast<double>(row % 997) / 997.0;
        double const latitude = 45.0 + 10.0 * static_cast<double>(row % 1009) / 1009.0;
        std::snprintf(line, sizeof line, "P%zu,%.7f,%.7f,,\n", row, longitude, latitude);
        text += line;
    }
    return gridhost::Worksheet::Parse(text, "bench.csv");
}

void ConvertWorksheet(benchmark::State& state) {
    gridhost::Worksheet sheet = LongSheet(static_cast<std::size_t>(state.range(0)));
    gridhost::WorksheetConversion const conversion(Gridlore::CoordinateSystem(L"EPSG:4326", true),
                                                   Gridlore::CoordinateSystem(L"EPSG:32633", true));
    for (auto _ : state) {
        gridhost::WorksheetConversion::Report const report = conversion.Run(sheet, {1, 2}, {3, 4});
        if (report.converted != sheet.RowCount() || report.flagged.size() < sheet.RowCount() / 3) {
            state.SkipWithError("rows were left unconverted, or too few were flagged");
        }
        benchmark::DoNotOptimize(report.converted);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ConvertWorksheet)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
