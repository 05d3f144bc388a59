// kor::CoordinateTransform: converts points from one referenced system to another.
#pragma once

#include "kor/CSDef.h"
#include "kor/Export.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kor {

/// Coordinates are in each system's own order for people: longitude then latitude in
/// degrees for a geographic system, easting then northing for a projected one. Not
/// copyable; one instance converts many points.
class KOR_EXPORT CoordinateTransform final {
public:
    enum class Status {
        Converted,
        /// Converted, but the point lies outside the area of use of a system; `outside`
        /// says which and how far.
        OutsideArea,
        /// The input is not a number, or the conversion has no answer for it.
        Failed,
    };
    /// Where a point lies beyond an area of use.
    struct Outside {
        /// Index into `Areas()`.
        std::size_t area = 0;
        /// Meters on the ellipsoid to the nearest edge of the area.
        double meters = 0.0;
        /// "east", "north-west", ...: where the point lies seen from the area.
        wchar_t const* direction = L"";
    };
    struct Result {
        Status status = Status::Failed;
        double x = 0.0;
        double y = 0.0;
        Outside outside;
    };
    /// The area where a registry system is meant to be used, in degrees.
    struct AreaOfUse {
        std::wstring system;
        std::wstring name;
        double west = 0.0;
        double south = 0.0;
        double east = 0.0;
        double north = 0.0;
    };
    /// One way between the two systems that the conversion library knows.
    struct Operation {
        std::wstring name;
        /// Meters; 0 for a change of projection alone, negative when the library does
        /// not know it.
        double accuracy = -1.0;
        std::wstring area;
        /// False when a grid it needs is not installed.
        bool usable = true;
        /// The grids it uses, by file name, and those of them not installed.
        std::vector<std::wstring> grids;
        std::vector<std::wstring> missingGrids;
    };
    /// A rectangle in the source system's coordinates.
    struct Extent {
        double xMin;
        double yMin;
        double xMax;
        double yMax;
    };

    /// Throws KORException naming the system when either cannot be converted (a local
    /// system, or one the conversion library cannot build). Uses the best operation for
    /// the two systems' areas until `ChooseOperation` says otherwise.
    CoordinateTransform(CSDef const& source, CSDef const& target);
    ~CoordinateTransform();
    CoordinateTransform(CoordinateTransform const&) = delete;
    CoordinateTransform& operator=(CoordinateTransform const&) = delete;

    /// Lists the operations for points within `extent` (the systems' areas when none),
    /// best first, and uses the first usable one, or the one named `preferred` when it is
    /// listed and usable. False when `preferred` was given but could not be used. Throws
    /// KORException naming the systems when no operation can be used.
    bool ChooseOperation(std::optional<Extent> const& extent, std::wstring const& preferred = {});
    std::vector<Operation> const& Operations() const;
    /// Index into `Operations()` of the one in use.
    std::size_t OperationUsed() const;
    /// The areas of use of the registry systems among the two, source first.
    std::vector<AreaOfUse> const& Areas() const;

    Result Convert(double x, double y) const;
    /// Whether the target's coordinates are longitude and latitude in degrees.
    bool TargetInDegrees() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace kor
