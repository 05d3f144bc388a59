#include "platform/IniFileSettings.h"

#include "shr/AtomicFile.h"
#include "shr/Exception.h"
#include "shr/Logger.h"
#include "shr/Utf8.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

namespace platform {
namespace {

/// Settings files hold a few hundred bytes; one far larger is not ours to read.
constexpr std::uintmax_t LargestFile = std::uintmax_t{4} << 20;

/// Characters written as a letter after "\".
constexpr std::array<std::pair<wchar_t, wchar_t>, 4> LetterEscapes = {
    {{L'\n', L'n'}, {L'\r', L'r'}, {L'\t', L't'}, {L'\0', L'0'}}};

/// Characters written with a "\" in front: they would end a name or a section, split a
/// section, or begin a comment.
constexpr std::wstring_view EscapedAsThemselves = L"\\=[]/#;";

std::string Escaped(std::wstring const& text) {
    std::wstring escaped;
    for (wchar_t const ch : text) {
        auto const letter = std::find_if(LetterEscapes.begin(), LetterEscapes.end(),
                                         [ch](auto const& pair) { return pair.first == ch; });
        if (letter != LetterEscapes.end()) {
            escaped += {L'\\', letter->second};
        } else if (EscapedAsThemselves.find(ch) != std::wstring_view::npos) {
            escaped += {L'\\', ch};
        } else {
            escaped += ch;
        }
    }
    return shr::ToUtf8(escaped);
}

/// The text an escaped one stands for; false when it ends in a lone "\".
bool Unescape(std::wstring_view text, std::wstring& plain) {
    plain.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\\') {
            plain += text[i];
            continue;
        }
        if (++i == text.size()) {
            return false;
        }
        auto const letter = std::find_if(LetterEscapes.begin(), LetterEscapes.end(),
                                         [&](auto const& pair) { return pair.second == text[i]; });
        plain += letter != LetterEscapes.end() ? letter->first : text[i];
    }
    return true;
}

/// Where `ch` first stands unescaped in `text`, or npos.
std::size_t FindUnescaped(std::wstring_view text, wchar_t ch) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\\') {
            ++i;
        } else if (text[i] == ch) {
            return i;
        }
    }
    return std::wstring_view::npos;
}

/// "Settings\CRSSearchHistory" is "Settings/CRSSearchHistory" in the file; each part is
/// escaped on its own.
std::string SectionLine(std::wstring const& section) {
    std::string line = "[";
    std::size_t start = 0;
    for (std::size_t end; (end = section.find(L'\\', start)) != std::wstring::npos;
         start = end + 1) {
        line += Escaped(section.substr(start, end - start)) + "/";
    }
    return line + Escaped(section.substr(start)) + "]";
}

bool ParseSection(std::wstring_view inner, std::wstring& section) {
    section.clear();
    std::wstring part;
    for (std::size_t slash; (slash = FindUnescaped(inner, L'/')) != std::wstring_view::npos;
         inner.remove_prefix(slash + 1)) {
        if (!Unescape(inner.substr(0, slash), part)) {
            return false;
        }
        section += part + L"\\";
    }
    if (!Unescape(inner, part)) {
        return false;
    }
    section += part;
    return true;
}

/// Whether UTF-8 holds every character of `text`: surrogates and values past U+10FFFF
/// would come back from the file as U+FFFD.
bool HasUtf8Form(std::wstring const& text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t ch) {
        auto const code = static_cast<char32_t>(ch);
        return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    });
}

} // namespace

IniFileSettings::IniFileSettings(std::filesystem::path path)
    : m_path(std::move(path)) {}

IniFileSettings::Sections IniFileSettings::Parse(std::string_view text, int& skipped) {
    Sections sections;
    std::wstring section;
    bool inReadableSection = true;
    skipped = 0;
    while (!text.empty()) {
        std::size_t const end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (line.find_first_not_of(" \t") == std::string_view::npos || line.starts_with('#') ||
            line.starts_with(';')) {
            continue;
        }
        if (!shr::IsValidUtf8(line)) {
            ++skipped;
            continue;
        }
        std::wstring const wide = shr::FromUtf8(line);
        std::wstring_view const view = wide;
        if (view.starts_with(L'[')) {
            std::size_t const close = FindUnescaped(view.substr(1), L']');
            inReadableSection =
                close == view.size() - 2 && ParseSection(view.substr(1, close), section);
            if (!inReadableSection) {
                ++skipped;
            }
            continue;
        }
        std::size_t const equals = FindUnescaped(view, L'=');
        std::wstring entry;
        std::wstring value;
        if (!inReadableSection || equals == std::wstring_view::npos ||
            !Unescape(view.substr(0, equals), entry) || entry.empty() ||
            !Unescape(view.substr(equals + 1), value)) {
            ++skipped;
            continue;
        }
        sections[section][entry] = value;
    }
    return sections;
}

std::string IniFileSettings::Format(Sections const& sections) {
    std::string text;
    for (auto const& [section, entries] : sections) {
        if (entries.empty()) {
            continue;
        }
        if (!text.empty()) {
            text += '\n';
        }
        text += SectionLine(section) + "\n";
        for (auto const& [entry, value] : entries) {
            text += Escaped(entry) + "=" + Escaped(value) + "\n";
        }
    }
    return text;
}

bool IniFileSettings::Accepts(std::wstring const& section, std::wstring const& entry,
                              std::wstring const& value) const {
    // Kept only what the file gives back as it was set: an entry needs a name.
    if (entry.empty() || !HasUtf8Form(section) || !HasUtf8Form(entry) || !HasUtf8Form(value)) {
        Warn(L"the setting '" + section + L"\\" + entry +
             L"' has no name or a character a settings file cannot hold; it is left out.");
        return false;
    }
    return true;
}

void IniFileSettings::Flush() {
    BeforeAccess();
    if (!m_dirty || !m_writable) {
        return;
    }
    try {
        std::filesystem::create_directories(m_path.parent_path());
        shr::ReplaceFileAtomically(m_path, Format(m_sections));
        m_dirty = false;
    } catch (shr::Exception const& error) {
        m_writable = false;
        Warn(error.message + L"; settings will not be kept.");
    } catch (std::exception const& error) {
        m_writable = false;
        Warn(L"'" + shr::FromUtf8(m_path.string()) + L"' cannot be written (" +
             shr::FromUtf8(error.what()) + L"); settings will not be kept.");
    }
}

void IniFileSettings::BeforeAccess() const {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    std::error_code error;
    auto const status = std::filesystem::status(m_path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return;
    }
    try {
        if (std::filesystem::is_regular_file(status) &&
            std::filesystem::file_size(m_path) > LargestFile) {
            throw std::runtime_error("it is too large to be a settings file");
        }
        int skipped = 0;
        m_sections = Parse(shr::ReadWholeFile(m_path), skipped);
        if (skipped > 0) {
            Warn(L"'" + shr::FromUtf8(m_path.string()) + L"': " + std::to_wstring(skipped) +
                 L" line" + (skipped == 1 ? L"" : L"s") +
                 L" could not be read and will be left out when the settings are next saved.");
        }
    } catch (shr::Exception const& failure) {
        Warn(failure.message + L"; the settings start empty.");
    } catch (std::exception const& failure) {
        Warn(L"'" + shr::FromUtf8(m_path.string()) + L"' cannot be read (" +
             shr::FromUtf8(failure.what()) + L"); the settings start empty.");
    }
}

void IniFileSettings::Warn(std::wstring const& problem) const {
    if (std::exchange(m_warned, true)) {
        return;
    }
    try {
        shr::ProcessLogger.Send(shr::LogWarning, L"Settings: %ls", problem.c_str());
    } catch (...) {
        // A log that cannot be written leaves the user with settings that are not kept;
        // nothing more can be done about it here.
    }
}

} // namespace platform
