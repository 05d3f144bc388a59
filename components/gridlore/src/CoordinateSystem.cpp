#include "gridlore/CoordinateSystem.h"

#include "kor/DatumList.h"
#include "kor/Definitions.h"
#include "kor/EpsgCodes.h"
#include "kor/KORDef.h"
#include "kor/KORException.h"
#include "kor/SystemList.h"
#include "kor/UCSDef.h"

#include <string_view>

namespace Gridlore {

namespace {

/// The geographic system on a known datum: the registry's own system on it when the
/// known list has one, otherwise one made from the datum.
std::unique_ptr<kor::CSDef> GeographicOnDatum(std::wstring_view datumToken) {
    int const position = kor::KORKnownDatumsList.FindByToken(datumToken);
    kor::DatumDef const* datum = kor::KORKnownDatumsList.Enum(position);
    if (datum == nullptr) {
        return nullptr;
    }
    int const known = kor::KORKnownSystemsList.FindByPOSC(datum->GetGeographicCRSCodeNumber());
    if (auto const* definition = kor::KORKnownSystemsList.Enum(known)) {
        return definition->Clone();
    }
    kor::ProjectionDef projection(kor::ProjectionDef::GeographicMethod);
    if (auto const* ellipsoid = datum->GetEllipsoid()) {
        projection.SetParameter(kor::ProjectionDef::Ellipsoid, *ellipsoid);
    }
    auto geographic = std::make_unique<kor::KORDef>(datum, &projection, nullptr);
    geographic->SetName(datum->GetName());
    return geographic;
}

} // namespace

CoordinateSystem::CoordinateSystem(kor::CSDef const& definition)
    : m_definition(definition.Clone()) {}

CoordinateSystem::CoordinateSystem(wchar_t const* token, bool failIfUnknown) {
    std::wstring_view const text = token != nullptr ? token : L"";
    std::wstring_view constexpr GeographicPrefix = L"GEOGCS_";
    try {
        if (text.substr(0, GeographicPrefix.size()) == GeographicPrefix) {
            m_definition = GeographicOnDatum(text.substr(GeographicPrefix.size()));
        } else {
            m_definition = kor::CreateCSDefByDefinition(text);
        }
    } catch (kor::KORException const&) {
        if (failIfUnknown) {
            throw;
        }
    }
    if (!m_definition && failIfUnknown) {
        throw kor::KORException(L"No coordinate system is known as '" + std::wstring(text) + L"'.");
    }
}

CoordinateSystem::CoordinateSystem(CoordinateSystem const& other)
    : m_definition(other.m_definition ? other.m_definition->Clone() : nullptr) {}

CoordinateSystem& CoordinateSystem::operator=(CoordinateSystem const& other) {
    if (this != &other) {
        m_definition = other.m_definition ? other.m_definition->Clone() : nullptr;
    }
    return *this;
}

kor::DatumDef const* CoordinateSystem::GetDatum() const {
    auto const* referenced = dynamic_cast<kor::KORDef const*>(m_definition.get());
    return referenced != nullptr ? referenced->GetDatum() : nullptr;
}

kor::ProjectionDef const* CoordinateSystem::GetProjection() const {
    auto const* referenced = dynamic_cast<kor::KORDef const*>(m_definition.get());
    return referenced != nullptr ? referenced->GetProjection() : nullptr;
}

kor::WarpDef const* CoordinateSystem::GetWarp() const {
    return m_definition ? m_definition->GetWarp() : nullptr;
}

std::wstring CoordinateSystem::GetName() const {
    return m_definition ? m_definition->GetName() : std::wstring();
}

std::wstring CoordinateSystem::GetLeafName() const {
    std::wstring const name = GetName();
    auto const bar = name.rfind(L'|');
    return bar == std::wstring::npos ? name : name.substr(bar + 1);
}

bool CoordinateSystem::IsUnreferenced() const {
    return dynamic_cast<kor::UCSDef const*>(m_definition.get()) != nullptr;
}

void CoordinateSystem::SetWarp(kor::WarpDef const* warp) {
    if (m_definition) {
        m_definition->SetWarp(warp);
    }
}

void CoordinateSystem::SetCategorizedName(std::wstring const& name) {
    if (m_definition) {
        m_definition->SetName(name);
    }
}

bool CoordinateSystem::Dereference() {
    auto const* referenced = dynamic_cast<kor::KORDef const*>(m_definition.get());
    if ((referenced == nullptr) || referenced->GetPOSC() <= 0 ||
        (referenced->GetDatum() != nullptr)) {
        return false;
    }
    auto full = kor::CreateCSDefByDefinition(kor::EpsgDefinition(referenced->GetPOSC()));
    if (!full) {
        return false;
    }
    full->SetName(referenced->GetName());
    full->SetWarp(referenced->GetWarp());
    full->SetHint(referenced->GetHints(), true);
    m_definition = std::move(full);
    return true;
}

void CoordinateSystem::Reconcile(bool thorough) {
    auto* referenced = dynamic_cast<kor::KORDef*>(m_definition.get());
    if ((referenced == nullptr) || (referenced->GetDatum() == nullptr)) {
        return;
    }
    kor::DatumDef datum = *referenced->GetDatum();
    int const known = kor::KORKnownDatumsList.FindByPOSCNumber(datum.GetPOSCNumber());
    kor::DatumDef const* knownDatum = kor::KORKnownDatumsList.Enum(known);
    if ((knownDatum != nullptr) && !knownDatum->CompareParameters(datum)) {
        // The datum was changed since it was taken from the list: its codes no longer
        // name what it holds.
        datum.SetPOSCNumber(0);
        datum.SetToken(L"");
        datum.SetAuthorityGivenName(L"");
        datum.SetGeographicCRSCodeNumber(0);
        referenced->SetDatum(&datum);
    }
    if (auto const* projection = referenced->GetProjection();
        (projection != nullptr) && (datum.GetEllipsoid() != nullptr)) {
        kor::ProjectionDef aligned = *projection;
        aligned.SetParameter(kor::ProjectionDef::Ellipsoid, *datum.GetEllipsoid());
        referenced->SetProjection(&aligned);
    }
    if (!thorough || referenced->GetPOSC() <= 0) {
        return;
    }
    try {
        auto const registry =
            kor::CreateCSDefByDefinition(kor::EpsgDefinition(referenced->GetPOSC()));
        if (!registry || !registry->Compare(*referenced, true)) {
            referenced->SetPOSC(0);
        }
    } catch (kor::KORException const&) {
        referenced->SetPOSC(0);
    }
}

void CoordinateSystem::StripAuthorityTagSuffixFromName(std::wstring& name) {
    kor::StripAuthorityTag(name);
}

} // namespace Gridlore
