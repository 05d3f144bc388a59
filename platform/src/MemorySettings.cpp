#include "platform/MemorySettings.h"

namespace platform {

std::wstring MemorySettings::GetString(std::wstring const& section, std::wstring const& entry,
                                       std::wstring const& fallback) const {
    BeforeAccess();
    auto const found = m_sections.find(section);
    if (found == m_sections.end()) {
        return fallback;
    }
    auto const value = found->second.find(entry);
    return value == found->second.end() ? fallback : value->second;
}

void MemorySettings::SetString(std::wstring const& section, std::wstring const& entry,
                               std::wstring const& value) {
    BeforeAccess();
    if (!Accepts(section, entry, value)) {
        return;
    }
    m_sections[section][entry] = value;
    Changed();
}

bool MemorySettings::HasEntry(std::wstring const& section, std::wstring const& entry) const {
    BeforeAccess();
    auto const found = m_sections.find(section);
    return found != m_sections.end() && found->second.contains(entry);
}

void MemorySettings::DeleteEntry(std::wstring const& section, std::wstring const& entry) {
    BeforeAccess();
    auto const found = m_sections.find(section);
    if (found != m_sections.end() && found->second.erase(entry) > 0) {
        Changed();
    }
}

MemorySettings::Sections const& MemorySettings::Contents() const {
    BeforeAccess();
    return m_sections;
}

bool MemorySettings::Accepts(std::wstring const&, std::wstring const&, std::wstring const&) const {
    return true;
}

} // namespace platform
