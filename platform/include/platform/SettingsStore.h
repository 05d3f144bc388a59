// platform::SettingsStore: the application's settings, in sections of named entries.
#pragma once

#include "platform/Export.h"

#include <string>

namespace platform {

/// Sections are paths with "\" between their parts ("Settings\CRSSearchHistory").
class PLATFORM_EXPORT SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::wstring GetString(std::wstring const& section, std::wstring const& entry,
                                   std::wstring const& fallback) const = 0;
    virtual void SetString(std::wstring const& section, std::wstring const& entry,
                           std::wstring const& value) = 0;
    virtual bool HasEntry(std::wstring const& section, std::wstring const& entry) const = 0;
    virtual void DeleteEntry(std::wstring const& section, std::wstring const& entry) = 0;
    /// Writes pending changes to where the store keeps them.
    virtual void Flush() = 0;

protected:
    SettingsStore() = default;
    SettingsStore(SettingsStore const&) = default;
    SettingsStore& operator=(SettingsStore const&) = default;
};

/// The installed backend's store.
PLATFORM_EXPORT SettingsStore& Settings();

} // namespace platform
