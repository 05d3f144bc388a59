// platform::MemorySettings: a settings store of sections of entries held in memory.
#pragma once

#include "platform/Export.h"
#include "platform/SettingsStore.h"

#include <map>
#include <string>

namespace platform {

/// Keeps every setting for the store's life. A store that keeps its settings elsewhere
/// too derives from it, reading them in before the first access and refusing what it
/// could not keep.
class PLATFORM_EXPORT MemorySettings : public SettingsStore {
public:
    using Sections = std::map<std::wstring, std::map<std::wstring, std::wstring>>;

    std::wstring GetString(std::wstring const& section, std::wstring const& entry,
                           std::wstring const& fallback) const final;
    void SetString(std::wstring const& section, std::wstring const& entry,
                   std::wstring const& value) final;
    bool HasEntry(std::wstring const& section, std::wstring const& entry) const final;
    void DeleteEntry(std::wstring const& section, std::wstring const& entry) final;
    void Flush() override {}

    /// Everything read or set, by section and entry.
    Sections const& Contents() const;

protected:
    /// Runs before every access: where the settings come from can be read in then.
    virtual void BeforeAccess() const {}
    /// Whether the store can keep a setting; one it refuses is left out.
    virtual bool Accepts(std::wstring const& section, std::wstring const& entry,
                         std::wstring const& value) const;
    /// A setting was set or deleted.
    virtual void Changed() {}

    /// Read in by BeforeAccess, hence mutable.
    mutable Sections m_sections;
};

} // namespace platform
