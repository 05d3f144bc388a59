#include "kor/KnownCatalogue.h"

#include "kor/KORDef.h"
#include "kor/KORException.h"
#include "shr/Utf8.h"

namespace kor {

void FixedCatalogue::AddSystem(CSDef const& definition, std::wstring const& areaName,
                               std::vector<std::wstring> const& aliases) {
    KnownSystem entry;
    entry.name = shr::ToUtf8(definition.GetName());
    entry.type = definition.Type();
    if (auto const* referenced = dynamic_cast<KORDef const*>(&definition)) {
        entry.code = referenced->GetPOSC();
    }
    entry.areaName = shr::ToUtf8(areaName);
    for (std::wstring const& alias : aliases) {
        entry.aliases.push_back(shr::ToUtf8(alias));
    }
    m_systems.push_back(std::move(entry));
    m_definitions.push_back(definition.Clone());
}

std::unique_ptr<CSDef> FixedCatalogue::BuildSystem(std::size_t index) {
    if (index >= m_definitions.size()) {
        throw KORException(L"No known system at position " + std::to_wstring(index) + L".");
    }
    return m_definitions[index]->Clone();
}

void FixedCatalogue::AddDatum(DatumDef const& datum) {
    m_datumEntries.push_back({datum.GetName(), datum.GetPOSCNumber()});
    m_datums.push_back(datum);
}

DatumDef FixedCatalogue::BuildDatum(std::size_t index) {
    if (index >= m_datums.size()) {
        throw KORException(L"No known datum at position " + std::to_wstring(index) + L".");
    }
    return m_datums[index];
}

} // namespace kor
