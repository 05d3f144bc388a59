#include "ConvertWorksheet.h"

#include "CsvDialect.h"

#include <algorithm>
#include <vector>

namespace gridhost {

namespace {

std::wstring Swapped(std::wstring text, wchar_t from, wchar_t to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

/// While it lives, the numbers with a decimal comma in the given columns hold a point, as
/// the conversion reads them; it puts the commas back however the conversion ends.
class PointedCells {
public:
    PointedCells(Worksheet& sheet, std::pair<int, int> columns)
        : m_sheet(sheet) {
        for (std::size_t row = 0; row < sheet.RowCount(); ++row) {
            for (int const column : {columns.first, columns.second}) {
                auto const index = static_cast<unsigned>(column);
                std::wstring const& cell = sheet.Cell(row, index);
                if (cell.find(L',') != std::wstring::npos && IsNumberCell(cell, ',')) {
                    m_swapped.emplace_back(row, index);
                    sheet.SetCell(row, index, Swapped(cell, L',', L'.'));
                }
            }
        }
    }
    ~PointedCells() {
        for (auto const& [row, column] : m_swapped) {
            m_sheet.SetCell(row, column, Swapped(m_sheet.Cell(row, column), L'.', L','));
        }
    }
    PointedCells(PointedCells const&) = delete;
    PointedCells& operator=(PointedCells const&) = delete;

private:
    Worksheet& m_sheet;
    std::vector<std::pair<std::size_t, unsigned>> m_swapped;
};

} // namespace

WorksheetConversion::Report ConvertWorksheet(WorksheetConversion const& conversion,
                                             Worksheet& sheet, std::pair<int, int> source,
                                             std::pair<int, int> target,
                                             WorksheetConversion::Progress const& progress) {
    if (sheet.Dialect().decimalMark != ',') {
        return conversion.Run(sheet, source, target, progress);
    }
    PointedCells const pointed(sheet, source);
    // Only the rows the run reached have converted values; after a Cancel the others keep
    // what they had.
    std::size_t reached = 0;
    WorksheetConversion::Progress const counting = [&reached, &progress](std::size_t done,
                                                                         std::size_t total) {
        reached = done;
        return !progress || progress(done, total);
    };
    WorksheetConversion::Report report = conversion.Run(sheet, source, target, counting);
    if (!report.cancelled) {
        reached = sheet.RowCount();
    }
    for (std::size_t row = 0; row < reached; ++row) {
        for (int const column : {target.first, target.second}) {
            auto const index = static_cast<unsigned>(column);
            if (sheet.Cell(row, index).find(L'.') != std::wstring::npos) {
                sheet.SetCell(row, index, Swapped(sheet.Cell(row, index), L'.', L','));
            }
        }
    }
    return report;
}

} // namespace gridhost
