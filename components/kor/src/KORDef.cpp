#include "kor/KORDef.h"

#include "RegistrySystemParts.h"

#include <utility>

namespace kor {

KORDef::KORDef(DatumDef const* datum, ProjectionDef const* projection, WarpDef const* warp) {
    SetDatum(datum);
    SetProjection(projection);
    SetWarp(warp);
}

KORDef::KORDef(int code, std::shared_ptr<RegistrySystemParts const> parts)
    : m_posc(code)
    , m_registryParts(std::move(parts)) {}

std::unique_ptr<CSDef> KORDef::Clone() const {
    return std::make_unique<KORDef>(*this);
}

DatumDef const* KORDef::GetDatum() const {
    if (m_registryParts) {
        return m_registryParts->Datum();
    }
    return m_datum ? &*m_datum : nullptr;
}

ProjectionDef const* KORDef::GetProjection() const {
    if (m_registryParts) {
        return m_registryParts->Projection();
    }
    return m_projection ? &*m_projection : nullptr;
}

int KORDef::GetRegistryPartsCode() const {
    return m_registryParts ? m_registryParts->Code() : 0;
}

void KORDef::TakeRegistryParts() {
    if (!m_registryParts) {
        return;
    }
    auto const parts = std::exchange(m_registryParts, nullptr);
    SetDatum(parts->Datum());
    SetProjection(parts->Projection());
}

void KORDef::SetDatum(DatumDef const* datum) {
    // `datum` may be one of the registry's parts, which must outlive its copying.
    auto const registryParts = m_registryParts;
    TakeRegistryParts();
    if (datum != nullptr) {
        m_datum = *datum;
    } else {
        m_datum.reset();
    }
}

void KORDef::SetProjection(ProjectionDef const* projection) {
    // `projection` may be one of the registry's parts, which must outlive its copying.
    auto const registryParts = m_registryParts;
    TakeRegistryParts();
    if (projection != nullptr) {
        m_projection = *projection;
    } else {
        m_projection.reset();
    }
}

bool KORDef::IsGeographic() const {
    ProjectionDef const* projection = GetProjection();
    return projection == nullptr || projection->GetMethod() <= ProjectionDef::GeographicMethod;
}

EllipsoidDef const* KORDef::GetEllipsoid() const {
    if (DatumDef const* datum = GetDatum(); datum != nullptr && datum->GetEllipsoid() != nullptr) {
        return datum->GetEllipsoid();
    }
    ProjectionDef const* projection = GetProjection();
    return projection != nullptr ? projection->GetEllipsoid() : nullptr;
}

bool KORDef::Check(std::wstring& reason) const {
    DatumDef const* datum = GetDatum();
    if (datum == nullptr) {
        reason = L"The coordinate system has no datum.";
        return false;
    }
    if (datum->CheckParameters(reason) != 0) {
        return false;
    }
    if (ProjectionDef const* projection = GetProjection();
        projection != nullptr && projection->GetMethod() != methods::NotSet &&
        projection->CheckParameters(reason) != 0) {
        return false;
    }
    if (auto const* warp = GetWarp(); (warp != nullptr) && warp->CheckParameters(reason) != 0) {
        return false;
    }
    return true;
}

double KORDef::GetLinearScale() const {
    double unitsPerMeter = 0.0;
    if (IsGeographic() ||
        !GetProjection()->GetParameter(ProjectionDef::LinearUnit, unitsPerMeter)) {
        return 0.0;
    }
    return unitsPerMeter;
}

bool KORDef::CompareContents(CSDef const& other, std::wstring* difference) const {
    auto const& that = static_cast<KORDef const&>(other);
    // Both hold the registry's parts of one system unchanged: the same, without reading them.
    if (GetRegistryPartsCode() != 0 && GetRegistryPartsCode() == that.GetRegistryPartsCode()) {
        return true;
    }
    DatumDef const* mineDatum = GetDatum();
    DatumDef const* theirDatum = that.GetDatum();
    if ((mineDatum != nullptr) != (theirDatum != nullptr)) {
        if (difference != nullptr) {
            *difference = L"only one system has a datum";
        }
        return false;
    }
    if (mineDatum != nullptr && !mineDatum->CompareParameters(*theirDatum, difference)) {
        return false;
    }
    ProjectionDef const geographic(ProjectionDef::GeographicMethod);
    ProjectionDef const* mine = GetProjection();
    ProjectionDef const* theirs = that.GetProjection();
    return (mine != nullptr ? *mine : geographic)
        .Compare(theirs != nullptr ? *theirs : geographic, difference);
}

} // namespace kor
