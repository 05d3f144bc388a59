#include "kor/WarpDef.h"

#include "NumberRules.h"
#include "shr/NumberFormat.h"

#include <cmath>

namespace kor {

bool WarpDef::GetParameter(int id, double& value) const {
    if (id < A0 || id > B2) {
        return false;
    }
    value = m_coefficients[id - A0];
    return true;
}

bool WarpDef::SetParameter(int id, double value) {
    if (id < A0 || id > B2) {
        return false;
    }
    m_coefficients[id - A0] = value;
    return true;
}

bool WarpDef::IsIdentity() const {
    return Compare(WarpDef());
}

int WarpDef::CheckParameters(std::wstring& reason) const {
    for (int id = A0; id <= B2; ++id) {
        if (!std::isfinite(m_coefficients[id - A0])) {
            reason = std::wstring(L"The warp coefficient ") + ParameterName(id) +
                     L" must be a finite number.";
            return id;
        }
    }
    // A warp that folds the plane onto a line cannot be undone, so coordinates could
    // never be brought back into the system.
    double const determinant = m_coefficients[A1 - A0] * m_coefficients[B2 - A0] -
                               m_coefficients[A2 - A0] * m_coefficients[B1 - A0];
    if (std::fabs(determinant) < 1e-15) {
        reason = L"The warp cannot be inverted: A1·B2 − A2·B1 is zero.";
        return A1;
    }
    return 0;
}

bool WarpDef::Compare(WarpDef const& other, std::wstring* difference) const {
    for (int id = A0; id <= B2; ++id) {
        if (!NearlyEqual(m_coefficients[id - A0], other.m_coefficients[id - A0])) {
            if (difference != nullptr) {
                *difference = std::wstring(L"warp coefficient ") + ParameterName(id) + L": " +
                              shr::FormatNumber(m_coefficients[id - A0]) + L" against " +
                              shr::FormatNumber(other.m_coefficients[id - A0]);
            }
            return false;
        }
    }
    return true;
}

wchar_t const* WarpDef::ParameterName(int id) {
    static wchar_t const* const names[] = {L"A0", L"A1", L"A2", L"B0", L"B1", L"B2"};
    return id >= A0 && id <= B2 ? names[id - A0] : nullptr;
}

} // namespace kor
