#include "kor/MeridianInfo.h"

#include "NumberRules.h"
#include "shr/NumberFormat.h"

#include <cmath>

namespace kor {

MeridianInfo::MeridianInfo(std::wstring name, double longitude, int poscNumber)
    : m_name(std::move(name))
    , m_longitude(longitude)
    , m_poscNumber(poscNumber) {}

bool MeridianInfo::GetParameter(int id, double& value) const {
    if (id != Longitude) {
        return false;
    }
    value = m_longitude;
    return true;
}

bool MeridianInfo::SetParameter(int id, double value) {
    if (id != Longitude) {
        return false;
    }
    m_longitude = value;
    return true;
}

int MeridianInfo::CheckParameters(std::wstring& reason) const {
    if (std::isfinite(m_longitude) && std::fabs(m_longitude) <= 180.0) {
        return 0;
    }
    reason = L"The longitude of the prime meridian must lie between -180° and 180° (it is " +
             shr::FormatNumber(m_longitude) + L").";
    return Longitude;
}

} // namespace kor
