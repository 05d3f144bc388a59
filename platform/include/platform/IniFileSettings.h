// platform::IniFileSettings: a settings store kept in a text file of [sections] and entries.
#pragma once

#include "platform/Export.h"
#include "platform/MemorySettings.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

/// Settings are a convenience: a store that cannot read or write its file goes on in
/// memory. What it could not read or write is written to the log once, as a warning; it
/// never shows anything and never throws. A setting the file could not give back as it
/// was set (an entry without a name, a character with no UTF-8 form) is refused the same
/// way and left out. Sections are written with "/" between their
/// parts ("[Settings/CRSSearchHistory]"), entries as "name=value" with "\" escapes.
class PLATFORM_EXPORT IniFileSettings final : public MemorySettings {
public:
    explicit IniFileSettings(std::filesystem::path path);

    /// Replaces the file atomically when something changed; after a failed write the
    /// store stops writing, so one fault is reported once, not at every change.
    void Flush() override;

    /// What the file's text holds, skipping what cannot be read; `skipped` counts the
    /// lines left out.
    static Sections Parse(std::string_view text, int& skipped);
    /// The file's text for `sections`; Parse reads it back as it was.
    static std::string Format(Sections const& sections);

private:
    /// Reads the file in, once.
    void BeforeAccess() const override;
    bool Accepts(std::wstring const& section, std::wstring const& entry,
                 std::wstring const& value) const override;
    void Changed() override { m_dirty = true; }
    void Warn(std::wstring const& problem) const;

    std::filesystem::path m_path;
    mutable bool m_loaded = false;
    mutable bool m_warned = false;
    bool m_dirty = false;
    bool m_writable = true;
};

} // namespace platform
