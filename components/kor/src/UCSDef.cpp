#include "kor/UCSDef.h"

#include "NumberRules.h"
#include "shr/NumberFormat.h"

#include <cmath>

namespace kor {

UCSDef::UCSDef(double linearScale, double originX, double originY, WarpDef const* warp)
    : m_linearScale(linearScale)
    , m_origin(originX, originY) {
    SetWarp(warp);
}

std::unique_ptr<CSDef> UCSDef::Clone() const {
    return std::make_unique<UCSDef>(*this);
}

bool UCSDef::Check(std::wstring& reason) const {
    if (!std::isfinite(m_linearScale) || m_linearScale < 0.0) {
        reason = L"The units per meter of a local system must be 0 (unknown) or a positive "
                 L"number (it is " +
                 shr::FormatNumber(m_linearScale) + L").";
        return false;
    }
    if (!std::isfinite(m_origin.x) || !std::isfinite(m_origin.y)) {
        reason = L"The origin offset of a local system must be finite.";
        return false;
    }
    auto const* warp = GetWarp();
    return warp == nullptr || warp->CheckParameters(reason) == 0;
}

bool UCSDef::CompareContents(CSDef const& other, std::wstring* difference) const {
    auto const& that = static_cast<UCSDef const&>(other);
    if (NearlyEqual(m_linearScale, that.m_linearScale) &&
        NearlyEqual(m_origin.x, that.m_origin.x) && NearlyEqual(m_origin.y, that.m_origin.y)) {
        return true;
    }
    if (difference != nullptr) {
        *difference = L"local scale or origin differs";
    }
    return false;
}

} // namespace kor
