// kor::EllipsoidDef: a reference ellipsoid given by its semimajor axis and flattening.
#pragma once

#include "kor/Export.h"

#include <string>

namespace kor {

/// A copyable value. An empty ellipsoid has no name, a = 0 and f = 0 and fails its check.
class KOR_EXPORT EllipsoidDef {
public:
    /// Parameter ids of GetParameter/SetParameter.
    enum Parameter : int { MajorRadius = 1, Flattening = 2, MinorRadius = 3 };

    EllipsoidDef() = default;
    EllipsoidDef(std::wstring name, double majorRadius, double flattening, int poscNumber = 0);

    /// Null when the ellipsoid has no name.
    wchar_t const* GetName() const;
    void SetName(std::wstring const& name);

    /// Semimajor axis in meters.
    double GetMajorRadius() const { return m_majorRadius; }
    void SetMajorRadius(double meters) { m_majorRadius = meters; }
    /// Semiminor axis, derived: a × (1 − f).
    double GetMinorRadius() const { return m_majorRadius * (1.0 - m_flattening); }
    /// Flattening f; 0 for a sphere.
    double GetFlattening() const { return m_flattening; }
    void SetFlattening(double flattening) { m_flattening = flattening; }
    /// 1/f, or 0 for a sphere.
    double GetInverseFlattening() const;

    /// EPSG code of the ellipsoid, 0 when it has none.
    int GetPOSCNumber() const { return m_poscNumber; }
    void SetPOSCNumber(int code) { m_poscNumber = code; }

    /// False for an unknown id; MinorRadius can only be read.
    bool GetParameter(int id, double& value) const;
    bool SetParameter(int id, double value);

    /// Whether a is a positive finite length and 0 <= f < 1.
    bool CheckParameters() const;
    bool CheckParameters(std::wstring& reason) const;

    /// Equal axes and flattening (relative tolerance 1e-12); names and codes are ignored.
    bool CompareParameters(EllipsoidDef const& other, std::wstring* difference = nullptr) const;

private:
    std::wstring m_name;
    double m_majorRadius = 0.0;
    double m_flattening = 0.0;
    int m_poscNumber = 0;
};

/// The Clarke 1866 ellipsoid (EPSG:7008), used where a definition has no valid one.
KOR_EXPORT EllipsoidDef const& PredefinedEllipsoidClarke1866();

} // namespace kor
