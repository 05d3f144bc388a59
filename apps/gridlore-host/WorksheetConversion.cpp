#include "WorksheetConversion.h"

#include "CellNumber.h"
#include "CellPreview.h"

#include "kor/CoordinateTransform.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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

/// `number` as the sheet writes it, with its decimal mark.
std::wstring WithMark(std::wstring number, char decimalMark) {
    std::replace(number.begin(), number.end(), L'.', static_cast<wchar_t>(decimalMark));
    return number;
}

std::wstring FormatNumber(double value, int decimals) {
    char buffer[64];
    auto const [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return error == std::errc() ? shr::FromUtf8(std::string_view(buffer, end - buffer))
                                : std::wstring();
}

// Why a cell read as `number` is not a coordinate; nothing when it is one.
std::optional<std::wstring> CellProblem(wchar_t const* axis, std::wstring const& cell,
                                        CellNumber const& number) {
    if (number.error == std::errc()) {
        return std::nullopt;
    }
    if (shr::Trim(cell).empty()) {
        return std::wstring(axis) + L" is empty";
    }
    // A number no double holds, such as 1e-400, is a number all the same.
    if (number.error == std::errc::result_out_of_range) {
        return std::wstring(axis) + L" \"" + CellPreview(cell, CellQuoted) +
               L"\" is out of range (too large or too close to zero)";
    }
    return std::wstring(axis) + L" \"" + CellPreview(cell, CellQuoted) + L"\" is not a number";
}

/// The source cells of one row, read once for the extent and the conversion.
struct SourcePoint {
    CellNumber x;
    CellNumber y;

    bool IsPoint() const {
        return x.error == std::errc() && y.error == std::errc() && std::isfinite(x.value) &&
               std::isfinite(y.value);
    }
};

std::vector<SourcePoint> ReadPoints(Worksheet const& sheet, std::pair<int, int> source) {
    std::vector<SourcePoint> points;
    points.reserve(sheet.RowCount());
    char const mark = sheet.Dialect().decimalMark;
    for (std::size_t row = 0; row < sheet.RowCount(); ++row) {
        points.push_back(
            {ParseCellNumber(sheet.Cell(row, static_cast<unsigned>(source.first)), mark),
             ParseCellNumber(sheet.Cell(row, static_cast<unsigned>(source.second)), mark)});
    }
    return points;
}

// The shortest text that reads back as the same number: "1", "0.1", "2.5".
std::wstring Shortest(double value) {
    char buffer[32];
    auto const [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? shr::FromUtf8(std::string_view(buffer, end - buffer))
                                : std::wstring();
}

std::wstring Distance(double meters) {
    if (meters >= 1000.0) {
        return FormatNumber(meters / 1000.0, 1) + L" km";
    }
    return FormatNumber(meters, meters < 10.0 ? 1 : 0) + L" m";
}

std::wstring Accuracy(kor::CoordinateTransform::Operation const& operation) {
    if (operation.accuracy == 0.0) {
        return L"exact";
    }
    return operation.accuracy < 0.0 ? L"accuracy unknown"
                                    : L"accuracy " + Shortest(operation.accuracy) + L" m";
}

// "686 points lie outside ...; they were converted and marked."
std::wstring PointsOutside(std::size_t count, std::wstring const& where, bool converted) {
    bool const one = count == 1;
    return std::to_wstring(count) + (one ? L" point lies" : L" points lie") + L" outside " + where +
           (!converted ? L"."
            : one      ? L"; it was converted and marked."
                       : L"; they were converted and marked.");
}

// The registry's area names run on through every country; their first phrase says
// where: "Europe between 6°E and 12°E".
std::wstring AreaHeadline(std::wstring const& name) {
    return name.substr(0, std::min(name.find(L": "), name.find(L". ")));
}

// The extent of the rows whose cells are numbers, in the source system's coordinates;
// nothing when no row has a point.
std::optional<kor::CoordinateTransform::Extent>
PointsExtent(std::vector<SourcePoint> const& points) {
    std::optional<kor::CoordinateTransform::Extent> extent;
    for (SourcePoint const& point : points) {
        if (!point.IsPoint()) {
            continue;
        }
        double const x = point.x.value;
        double const y = point.y.value;
        if (!extent) {
            extent = kor::CoordinateTransform::Extent{x, y, x, y};
        }
        extent->xMin = std::min(extent->xMin, x);
        extent->yMin = std::min(extent->yMin, y);
        extent->xMax = std::max(extent->xMax, x);
        extent->yMax = std::max(extent->yMax, y);
    }
    return extent;
}

} // namespace

struct WorksheetConversion::Impl {
    Impl(Gridlore::CoordinateSystem const& source, Gridlore::CoordinateSystem const& target,
         Options chosen)
        : transform(*source.GetCSDef(), *target.GetCSDef())
        , targetName(target.GetLeafName())
        , options(std::move(chosen)) {}

    // "3.2 km east of the area of use of ETRS89 / UTM zone 32N"
    std::wstring Note(kor::CoordinateTransform::Outside const& outside) const {
        return Distance(outside.meters) + L" " + outside.direction + L" of the area of use of " +
               transform.Areas()[outside.area].system;
    }

    kor::CoordinateTransform transform;
    std::wstring targetName;
    Options options;
};

WorksheetConversion::WorksheetConversion(Gridlore::CoordinateSystem const& source,
                                         Gridlore::CoordinateSystem const& target,
                                         Options options) {
    if (source.IsEmpty() || target.IsEmpty()) {
        throw std::invalid_argument("a worksheet conversion needs both systems");
    }
    m_impl = std::make_unique<Impl>(source, target, std::move(options));
}

WorksheetConversion::~WorksheetConversion() = default;

std::vector<kor::CoordinateTransform::Operation>
WorksheetConversion::Operations(Worksheet const& sheet, std::pair<int, int> source) const {
    m_impl->transform.ChooseOperation(PointsExtent(ReadPoints(sheet, source)));
    return m_impl->transform.Operations();
}

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

    kor::CoordinateTransform& transform = m_impl->transform;
    Report report;
    std::vector<SourcePoint> const points = ReadPoints(sheet, source);
    if (!transform.ChooseOperation(PointsExtent(points), m_impl->options.operation)) {
        report.operationRefused = m_impl->options.operation;
    }
    report.candidates = transform.Operations();
    report.operation = report.candidates[transform.OperationUsed()];
    for (kor::CoordinateTransform::AreaOfUse const& area : transform.Areas()) {
        report.areas.push_back({area});
    }

    int const decimals = transform.TargetInDegrees() ? DegreeDecimals : PlaneDecimals;
    char const mark = sheet.Dialect().decimalMark;
    std::size_t const rows = sheet.RowCount();
    for (std::size_t row = 0; row < rows; ++row) {
        if (progress && row % ProgressStep == 0 && !progress(row, rows)) {
            report.cancelled = true;
            return report;
        }
        SourcePoint const& point = points[row];
        std::optional<std::wstring> problem =
            CellProblem(L"X", sheet.Cell(row, static_cast<unsigned>(source.first)), point.x);
        if (!problem) {
            problem =
                CellProblem(L"Y", sheet.Cell(row, static_cast<unsigned>(source.second)), point.y);
        }
        if (!problem) {
            using Status = kor::CoordinateTransform::Status;
            kor::CoordinateTransform::Result const result =
                transform.Convert(point.x.value, point.y.value);
            if (result.status == Status::OutsideArea) {
                ++report.areas[result.outside.area].rows;
                std::wstring note = m_impl->Note(result.outside);
                if (m_impl->options.strictAreas) {
                    problem = L"the point lies " + note;
                } else {
                    report.flagged.push_back({row, result.outside.area, std::move(note)});
                }
            }
            if (result.status == Status::Failed) {
                problem = L"the point has no converted position";
            }
            if (!problem) {
                sheet.SetCell(row, targetX, WithMark(FormatNumber(result.x, decimals), mark));
                sheet.SetCell(row, targetY, WithMark(FormatNumber(result.y, decimals), mark));
                ++report.converted;
                continue;
            }
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

namespace {

// The first rows of `listed`, one a line, and how many more there are.
template <typename Row, typename Reason>
std::wstring FirstRows(std::vector<Row> const& listed, Reason reason) {
    std::wstring text;
    for (std::size_t index = 0; index < listed.size() && index < RowsListed; ++index) {
        text += L"\nrow " + std::to_wstring(listed[index].row + 1) + L": " + reason(listed[index]);
    }
    if (listed.size() > RowsListed) {
        text += L"\nand " + std::to_wstring(listed.size() - RowsListed) + L" more.";
    }
    return text;
}

std::wstring DescribeOperation(WorksheetConversion::Report const& report) {
    if (report.operation.name.empty()) {
        return {};
    }
    std::wstring text =
        L"\nOperation: " + report.operation.name + L" (" + Accuracy(report.operation) + L").";
    if (!report.operationRefused.empty()) {
        text += L"\nThe operation chosen in the options, " + report.operationRefused +
                L", cannot be used between these systems for these points; the best one was "
                L"used instead.";
    }
    // The library lists the more fitting operations first, whether their grids are here.
    for (kor::CoordinateTransform::Operation const& better : report.candidates) {
        if (better.name == report.operation.name) {
            break;
        }
        if (!better.missingGrids.empty()) {
            text += L"\nA better operation, " + better.name + L" (" + Accuracy(better) +
                    L"), needs the grid " + better.missingGrids.front() +
                    L", which is not installed.";
            break;
        }
    }
    return text;
}

} // namespace

std::wstring Describe(WorksheetConversion::Report const& report, std::size_t rows) {
    std::wstring text = L"Converted " + std::to_wstring(report.converted) + L" of " +
                        std::to_wstring(rows) + L" rows.";
    if (report.cancelled) {
        text += L" The conversion was stopped; the rows after those are unchanged.";
    }
    text += DescribeOperation(report);
    for (WorksheetConversion::AreaCount const& area : report.areas) {
        if (area.rows == 0) {
            continue;
        }
        text += L"\n" + PointsOutside(area.rows,
                                      L"the area of use of " + area.area.system + L" (" +
                                          AreaHeadline(area.area.name) + L")",
                                      !report.flagged.empty());
    }
    text += FirstRows(report.flagged,
                      [](WorksheetConversion::FlaggedRow const& row) { return row.note; });
    if (!report.bad.empty()) {
        text += L"\n" + std::to_wstring(report.bad.size()) +
                (report.bad.size() == 1 ? L" row was" : L" rows were") +
                L" not converted; their target cells are empty and the rows are marked:";
        text += FirstRows(report.bad,
                          [](WorksheetConversion::BadRow const& row) { return row.reason; });
    }
    return text;
}

std::wstring Describe(kor::CoordinateTransform::Operation const& operation) {
    std::wstring text = operation.name + L" (" + Accuracy(operation);
    if (!operation.area.empty()) {
        text += L"; area: " + operation.area;
    }
    if (!operation.missingGrids.empty()) {
        text += L"; needs the grid " + operation.missingGrids.front() + L", which is not installed";
    }
    return text + L")";
}

} // namespace gridhost
