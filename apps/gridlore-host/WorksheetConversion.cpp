#include "WorksheetConversion.h"

#include "CellPreview.h"

#include "kor/CoordinateTransform.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <charconv>
#include <optional>

namespace gridhost {

namespace {

// Decimals that keep a millimetre: of meters (or feet), and of degrees (1e-9 degree is
// about 0.1 mm on the ground).
constexpr int PlaneDecimals = 3;
constexpr int DegreeDecimals = 9;
// The message lists this many bad rows; the grid marks them all.
constexpr std::size_t RowsListed = 10;
// A cell quoted in the message is cut to this many characters, so the message stays a line.
constexpr std::size_t CellQuoted = 40;

/// A cell read as a number: its value, or what kept it from being one.
struct CellNumber {
    double value = 0.0;
    std::errc error = std::errc::invalid_argument;
};

// Cells are read the same whatever the user's locale: a point, no thousands separators.
CellNumber ParseNumber(std::wstring const& cell) {
    std::string text = shr::ToUtf8(shr::Trim(cell));
    if (text.starts_with('+')) {
        text.erase(0, 1);
    }
    CellNumber number;
    auto const [end, error] = std::from_chars(text.data(), text.data() + text.size(), number.value);
    if (end != text.data() + text.size() || text.empty()) {
        return {};
    }
    number.error = error;
    return number;
}

std::wstring FormatNumber(double value, int decimals) {
    char buffer[64];
    auto const [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return error == std::errc() ? shr::FromUtf8(std::string_view(buffer, end - buffer))
                                : std::wstring();
}

// Why a cell is not a coordinate; nothing when it is one.
std::optional<std::wstring> CellProblem(wchar_t const* axis, std::wstring const& cell) {
    if (shr::Trim(cell).empty()) {
        return std::wstring(axis) + L" is empty";
    }
    std::errc const error = ParseNumber(cell).error;
    // A number no double holds, such as 1e-400, is a number all the same.
    if (error == std::errc::result_out_of_range) {
        return std::wstring(axis) + L" \"" + CellPreview(cell, CellQuoted) +
               L"\" is out of range (too large or too close to zero)";
    }
    if (error != std::errc()) {
        return std::wstring(axis) + L" \"" + CellPreview(cell, CellQuoted) + L"\" is not a number";
    }
    return std::nullopt;
}

} // namespace

struct WorksheetConversion::Impl {
    Impl(Gridlore::CoordinateSystem const& source, Gridlore::CoordinateSystem const& target)
        : transform(*source.GetCSDef(), *target.GetCSDef())
        , targetName(target.GetLeafName()) {}

    kor::CoordinateTransform transform;
    std::wstring targetName;
};

WorksheetConversion::WorksheetConversion(Gridlore::CoordinateSystem const& source,
                                         Gridlore::CoordinateSystem const& target) {
    if (source.IsEmpty() || target.IsEmpty()) {
        throw std::invalid_argument("a worksheet conversion needs both systems");
    }
    m_impl = std::make_unique<Impl>(source, target);
}

WorksheetConversion::~WorksheetConversion() = default;

WorksheetConversion::Report WorksheetConversion::Run(Worksheet& sheet, std::pair<int, int> source,
                                                     std::pair<int, int> target,
                                                     Progress const& progress) const {
    auto const targetX = static_cast<unsigned>(target.first);
    auto const targetY = static_cast<unsigned>(target.second);
    for (auto const& [column, axis] : {std::pair{targetX, L"X"}, std::pair{targetY, L"Y"}}) {
        if (sheet.ColumnName(column).empty()) {
            sheet.SetColumnName(column, std::wstring(axis) + L" (" + m_impl->targetName + L")");
        }
    }

    int const decimals = m_impl->transform.TargetInDegrees() ? DegreeDecimals : PlaneDecimals;
    Report report;
    std::size_t const rows = sheet.RowCount();
    for (std::size_t row = 0; row < rows; ++row) {
        if (progress && row % ProgressStep == 0 && !progress(row, rows)) {
            report.cancelled = true;
            return report;
        }
        std::wstring const& xCell = sheet.Cell(row, static_cast<unsigned>(source.first));
        std::wstring const& yCell = sheet.Cell(row, static_cast<unsigned>(source.second));
        std::optional<std::wstring> problem = CellProblem(L"X", xCell);
        if (!problem) {
            problem = CellProblem(L"Y", yCell);
        }
        if (!problem) {
            kor::CoordinateTransform::Result const result =
                m_impl->transform.Convert(ParseNumber(xCell).value, ParseNumber(yCell).value);
            if (result.status == kor::CoordinateTransform::Status::Converted) {
                sheet.SetCell(row, targetX, FormatNumber(result.x, decimals));
                sheet.SetCell(row, targetY, FormatNumber(result.y, decimals));
                ++report.converted;
                continue;
            }
            problem = result.status == kor::CoordinateTransform::Status::OutsideArea
                          ? L"the point lies outside the area the systems are meant for"
                          : L"the point has no converted position";
        }
        // A stale value from an earlier run would pass for a converted one.
        sheet.SetCell(row, targetX, std::wstring());
        sheet.SetCell(row, targetY, std::wstring());
        report.bad.push_back({row, *problem});
    }
    if (progress) {
        progress(rows, rows);
    }
    return report;
}

std::wstring Describe(WorksheetConversion::Report const& report, std::size_t rows) {
    std::wstring text = L"Converted " + std::to_wstring(report.converted) + L" of " +
                        std::to_wstring(rows) + L" rows.";
    if (report.cancelled) {
        text += L" The conversion was stopped; the rows after those are unchanged.";
    }
    if (report.bad.empty()) {
        return text;
    }
    text += L" " + std::to_wstring(report.bad.size()) +
            (report.bad.size() == 1 ? L" row was" : L" rows were") +
            L" not converted; their target cells are empty and the rows are marked:";
    for (std::size_t index = 0; index < report.bad.size() && index < RowsListed; ++index) {
        text += L"\nrow " + std::to_wstring(report.bad[index].row + 1) + L": " +
                report.bad[index].reason;
    }
    if (report.bad.size() > RowsListed) {
        text += L"\nand " + std::to_wstring(report.bad.size() - RowsListed) + L" more.";
    }
    return text;
}

} // namespace gridhost
