// The settings store as the browser uses it: a run of sets, deletions, flushes and
// reopenings of one file. After each reopening the store holds exactly what was set and
// not deleted; a value the store refuses leaves the entry as it was.
#include "FuzzSupport.h"

#include "platform/IniFileSettings.h"
#include "shr/Utf8.h"

#include <memory>

namespace {

using platform::IniFileSettings;

/// Reads the input front to back; past its end every byte is zero.
class Script {
public:
    explicit Script(std::string_view bytes)
        : m_bytes(bytes) {}

    bool Done() const { return m_bytes.empty(); }

    std::uint8_t Byte() {
        if (m_bytes.empty())
            return 0;
        auto const byte = static_cast<std::uint8_t>(m_bytes.front());
        m_bytes.remove_prefix(1);
        return byte;
    }

    /// A short text: mostly UTF-8, but 0xFF brings in any 32-bit character, so that
    /// values with no UTF-8 form reach the store too.
    std::wstring Text() {
        std::size_t const length = Byte() % 24;
        std::wstring text;
        std::string utf8;
        for (std::size_t i = 0; i < length && !Done(); ++i) {
            std::uint8_t const byte = Byte();
            if (byte != 0xFF) {
                utf8 += static_cast<char>(byte);
                continue;
            }
            text += shr::FromUtf8(utf8);
            utf8.clear();
            std::uint32_t raw = 0;
            for (int part = 0; part < 4; ++part)
                raw = raw << 8 | Byte();
            text += static_cast<wchar_t>(raw);
        }
        return text + shr::FromUtf8(utf8);
    }

private:
    std::string_view m_bytes;
};

IniFileSettings::Sections WithoutEmptySections(IniFileSettings::Sections sections) {
    std::erase_if(sections, [](auto const& section) { return section.second.empty(); });
    return sections;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    std::filesystem::path const path = fuzzsupport::ScratchFile("settings.ini", "");
    std::filesystem::remove(path);
    auto store = std::make_unique<IniFileSettings>(path);
    IniFileSettings::Sections expected;
    Script script(fuzzsupport::Bytes(data, size));
    auto const reopen = [&] {
        store->Flush();
        store = std::make_unique<IniFileSettings>(path);
        if (WithoutEmptySections(store->Contents()) != WithoutEmptySections(expected))
            fuzzsupport::Fail("the settings read back differ from those set");
    };
    while (!script.Done()) {
        switch (script.Byte() % 4) {
        case 0: {
            std::wstring const section = script.Text();
            std::wstring const entry = script.Text();
            std::wstring const value = script.Text();
            bool const had = store->HasEntry(section, entry);
            std::wstring const before = store->GetString(section, entry, L"");
            store->SetString(section, entry, value);
            if (store->GetString(section, entry, value + L"?") == value) {
                expected[section][entry] = value;
            } else if (store->HasEntry(section, entry) != had ||
                       store->GetString(section, entry, L"") != before) {
                fuzzsupport::Fail("a refused value changed the entry");
            }
            break;
        }
        case 1: {
            std::wstring const section = script.Text();
            std::wstring const entry = script.Text();
            store->DeleteEntry(section, entry);
            if (store->HasEntry(section, entry))
                fuzzsupport::Fail("a deleted entry is still there");
            if (auto const found = expected.find(section); found != expected.end())
                found->second.erase(entry);
            break;
        }
        case 2:
            store->Flush();
            break;
        default:
            reopen();
            break;
        }
    }
    reopen();
    return 0;
}
