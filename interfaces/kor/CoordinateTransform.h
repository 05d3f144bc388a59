// kor::CoordinateTransform: converts points from one referenced system to another.
#pragma once

#include "kor/CSDef.h"

#include <memory>

namespace kor {

/// Coordinates are in each system's own order for people: longitude then latitude in
/// degrees for a geographic system, easting then northing for a projected one. Not
/// copyable; one instance converts many points.
class CoordinateTransform final {
public:
    enum class Status {
        Converted,
        /// The point lies outside the area either system is meant for.
        OutsideArea,
        /// The input is not a number, or the conversion has no answer for it.
        Failed,
    };
    struct Result {
        Status status = Status::Failed;
        double x = 0.0;
        double y = 0.0;
    };

    /// Throws KORException naming the system when either cannot be converted (a local
    /// system, or one the conversion library cannot build).
    CoordinateTransform(CSDef const& source, CSDef const& target);
    ~CoordinateTransform();
    CoordinateTransform(CoordinateTransform const&) = delete;
    CoordinateTransform& operator=(CoordinateTransform const&) = delete;

    Result Convert(double x, double y) const;
    /// Whether the target's coordinates are longitude and latitude in degrees.
    bool TargetInDegrees() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace kor
