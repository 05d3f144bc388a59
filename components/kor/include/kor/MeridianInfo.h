// kor::MeridianInfo: a prime meridian, its longitude from Greenwich and its code.
#pragma once

#include "kor/Export.h"

#include <string>

namespace kor {

/// A copyable value.
class KOR_EXPORT MeridianInfo {
public:
    enum Parameter : int { Longitude = 1 };

    MeridianInfo() = default;
    MeridianInfo(std::wstring name, double longitude, int poscNumber = 0);

    std::wstring const& GetName() const { return m_name; }
    void SetName(std::wstring const& name) { m_name = name; }
    /// Degrees east of Greenwich.
    double GetLongitude() const { return m_longitude; }
    void SetLongitude(double degrees) { m_longitude = degrees; }
    int GetPOSCNumber() const { return m_poscNumber; }
    void SetPOSCNumber(int code) { m_poscNumber = code; }

    bool GetParameter(int id, double& value) const;
    bool SetParameter(int id, double value);

    /// 0 when the longitude is a finite angle in [-180, 180], else Longitude with a reason.
    int CheckParameters(std::wstring& reason) const;

private:
    std::wstring m_name;
    double m_longitude = 0.0;
    int m_poscNumber = 0;
};

} // namespace kor
