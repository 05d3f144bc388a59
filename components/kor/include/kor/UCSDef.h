// kor::UCSDef: an unreferenced local system: a linear unit and an origin offset.
#pragma once

#include "kor/CSDef.h"
#include "kor/Export.h"

#include "shr/Vec2d.h"

namespace kor {

/// Type 2. Coordinates are plane, in a unit given as units per meter, shifted by an
/// origin given in meters.
class KOR_EXPORT UCSDef final : public CSDef {
public:
    UCSDef() = default;
    UCSDef(double linearScale, double originX, double originY, WarpDef const* warp);
    UCSDef(UCSDef const&) = default;
    UCSDef& operator=(UCSDef const&) = default;

    std::unique_ptr<CSDef> Clone() const override;
    int Type() const override { return TypeLocal; }

    /// Units per meter; 0 means the unit is unknown.
    double GetLinearScale() const override { return m_linearScale; }
    void SetLinearScale(double unitsPerMeter) { m_linearScale = unitsPerMeter; }
    /// The origin offset in meters.
    shr::Vec2d GetOrigin() const { return m_origin; }
    void SetOrigin(shr::Vec2d origin) { m_origin = origin; }

    /// Fails for a negative or non-finite scale, a non-finite origin or a bad warp.
    bool Check(std::wstring& reason) const override;

protected:
    bool CompareContents(CSDef const& other, std::wstring* difference) const override;

private:
    double m_linearScale = 1.0;
    shr::Vec2d m_origin;
};

} // namespace kor
