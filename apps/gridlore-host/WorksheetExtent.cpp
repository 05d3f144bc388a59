#include "WorksheetExtent.h"

#include "CellNumber.h"

#include "kor/CoordinateTransform.h"
#include "kor/EpsgCodes.h"
#include "kor/KORException.h"

#include <algorithm>

namespace gridhost {
namespace {

std::optional<double> CellValue(std::wstring const& cell, char decimalMark) {
    CellNumber const number = ParseCellNumber(cell, decimalMark);
    return number.error == std::errc() ? std::optional(number.value) : std::nullopt;
}

} // namespace

std::optional<gridui::GeoArea> WorksheetExtent(Worksheet const& sheet, std::pair<int, int> source,
                                               Gridlore::CoordinateSystem const& system) {
    if (system.IsEmpty() || source.first < 0 || source.second < 0) {
        return std::nullopt;
    }
    std::unique_ptr<kor::CoordinateTransform> toDegrees;
    try {
        Gridlore::CoordinateSystem const wgs84(kor::EpsgDefinition(kor::EPSG_4326).c_str(), true);
        toDegrees =
            std::make_unique<kor::CoordinateTransform>(*system.GetCSDef(), *wgs84.GetCSDef());
    } catch (kor::KORException const&) {
        // A system with no place on the earth gives the data no area.
        return std::nullopt;
    }
    char const mark = sheet.Dialect().decimalMark;
    std::optional<gridui::GeoArea> extent;
    for (std::size_t row = 0; row < sheet.RowCount(); ++row) {
        std::optional<double> const x =
            CellValue(sheet.Cell(row, static_cast<unsigned>(source.first)), mark);
        std::optional<double> const y =
            CellValue(sheet.Cell(row, static_cast<unsigned>(source.second)), mark);
        if (!x || !y) {
            continue;
        }
        kor::CoordinateTransform::Result const point = toDegrees->Convert(*x, *y);
        // A point beyond the system's area is still where the data lies.
        if (point.status == kor::CoordinateTransform::Status::Failed) {
            continue;
        }
        if (!extent) {
            extent = gridui::GeoArea{point.x, point.y, point.x, point.y};
            continue;
        }
        extent->west = std::min(extent->west, point.x);
        extent->south = std::min(extent->south, point.y);
        extent->east = std::max(extent->east, point.x);
        extent->north = std::max(extent->north, point.y);
    }
    return extent;
}

} // namespace gridhost
