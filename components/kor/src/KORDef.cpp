#include "kor/KORDef.h"

namespace kor {

KORDef::KORDef(DatumDef const* datum, ProjectionDef const* projection, WarpDef const* warp) {
    SetDatum(datum);
    SetProjection(projection);
    SetWarp(warp);
}

std::unique_ptr<CSDef> KORDef::Clone() const {
    return std::make_unique<KORDef>(*this);
}

void KORDef::SetDatum(DatumDef const* datum) {
    if (datum != nullptr) {
        m_datum = *datum;
    } else {
        m_datum.reset();
    }
}

void KORDef::SetProjection(ProjectionDef const* projection) {
    if (projection != nullptr) {
        m_projection = *projection;
    } else {
        m_projection.reset();
    }
}

bool KORDef::IsGeographic() const {
    return !m_projection || m_projection->GetMethod() <= ProjectionDef::GeographicMethod;
}

EllipsoidDef const* KORDef::GetEllipsoid() const {
    if (m_datum && (m_datum->GetEllipsoid() != nullptr)) {
        return m_datum->GetEllipsoid();
    }
    return m_projection ? m_projection->GetEllipsoid() : nullptr;
}

bool KORDef::Check(std::wstring& reason) const {
    if (!m_datum) {
        reason = L"The coordinate system has no datum.";
        return false;
    }
    if (m_datum->CheckParameters(reason) != 0) {
        return false;
    }
    if (m_projection && m_projection->GetMethod() != methods::NotSet &&
        m_projection->CheckParameters(reason) != 0) {
        return false;
    }
    if (auto const* warp = GetWarp(); (warp != nullptr) && warp->CheckParameters(reason) != 0) {
        return false;
    }
    return true;
}

double KORDef::GetLinearScale() const {
    double unitsPerMeter = 0.0;
    if (IsGeographic() || !m_projection->GetParameter(ProjectionDef::LinearUnit, unitsPerMeter)) {
        return 0.0;
    }
    return unitsPerMeter;
}

bool KORDef::CompareContents(CSDef const& other, std::wstring* difference) const {
    auto const& that = static_cast<KORDef const&>(other);
    if (m_datum.has_value() != that.m_datum.has_value()) {
        if (difference != nullptr) {
            *difference = L"only one system has a datum";
        }
        return false;
    }
    if (m_datum && !m_datum->CompareParameters(*that.m_datum, difference)) {
        return false;
    }
    ProjectionDef const geographic(ProjectionDef::GeographicMethod);
    ProjectionDef const& mine = m_projection ? *m_projection : geographic;
    ProjectionDef const& theirs = that.m_projection ? *that.m_projection : geographic;
    return mine.Compare(theirs, difference);
}

} // namespace kor
