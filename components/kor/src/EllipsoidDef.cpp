#include "kor/EllipsoidDef.h"

#include "NumberRules.h"
#include "kor/EpsgCodes.h"
#include "shr/NumberFormat.h"

#include <cmath>

namespace kor {

EllipsoidDef::EllipsoidDef(std::wstring name, double majorRadius, double flattening, int poscNumber)
    : m_name(std::move(name))
    , m_majorRadius(majorRadius)
    , m_flattening(flattening)
    , m_poscNumber(poscNumber) {}

wchar_t const* EllipsoidDef::GetName() const {
    return m_name.empty() ? nullptr : m_name.c_str();
}

void EllipsoidDef::SetName(std::wstring const& name) {
    m_name = name;
}

double EllipsoidDef::GetInverseFlattening() const {
    return m_flattening > 0.0 ? 1.0 / m_flattening : 0.0;
}

bool EllipsoidDef::GetParameter(int id, double& value) const {
    switch (id) {
    case MajorRadius:
        value = m_majorRadius;
        return true;
    case Flattening:
        value = m_flattening;
        return true;
    case MinorRadius:
        value = GetMinorRadius();
        return true;
    default:
        return false;
    }
}

bool EllipsoidDef::SetParameter(int id, double value) {
    switch (id) {
    case MajorRadius:
        m_majorRadius = value;
        return true;
    case Flattening:
        m_flattening = value;
        return true;
    default:
        return false;
    }
}

bool EllipsoidDef::CheckParameters() const {
    std::wstring reason;
    return CheckParameters(reason);
}

bool EllipsoidDef::CheckParameters(std::wstring& reason) const {
    // Every real body lies between a small asteroid and a large planet; a semimajor
    // axis outside that range is a typing error (kilometers for meters, or a lost digit).
    if (!std::isfinite(m_majorRadius) || m_majorRadius < 1.0 || m_majorRadius > 1e9) {
        reason = L"The semimajor axis of the ellipsoid must be a length between 1 m and "
                 L"1,000,000 km (it is " +
                 shr::FormatNumber(m_majorRadius) + L").";
        return false;
    }
    if (!std::isfinite(m_flattening) || m_flattening < 0.0 || m_flattening >= 1.0) {
        reason = L"The flattening of the ellipsoid must be at least 0 and less than 1 "
                 L"(it is " +
                 shr::FormatNumber(m_flattening) + L"); give 0 for a sphere.";
        return false;
    }
    return true;
}

bool EllipsoidDef::CompareParameters(EllipsoidDef const& other, std::wstring* difference) const {
    if (NearlyEqual(m_majorRadius, other.m_majorRadius) &&
        NearlyEqual(m_flattening, other.m_flattening)) {
        return true;
    }
    if (difference != nullptr) {
        *difference = L"ellipsoid: a = " + shr::FormatNumber(m_majorRadius) + L", f = " +
                      shr::FormatNumber(m_flattening) + L" against a = " +
                      shr::FormatNumber(other.m_majorRadius) + L", f = " +
                      shr::FormatNumber(other.m_flattening);
    }
    return false;
}

EllipsoidDef const& PredefinedEllipsoidClarke1866() {
    static EllipsoidDef const clarke(L"Clarke 1866", 6378206.4, 1.0 / 294.978698213898,
                                     CLARKE_1866);
    return clarke;
}

} // namespace kor
