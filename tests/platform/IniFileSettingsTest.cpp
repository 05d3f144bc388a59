#include "platform/IniFileSettings.h"

#include "shr/AtomicFile.h"
#include "shr/AtomicFileCalls.h"

#include "CapturedLog.h"
#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <fstream>

namespace {

std::wstring const HistorySection = L"Settings\\CRSSearchHistory";

class IniFileSettingsTest : public ::testing::Test {
protected:
    std::vector<std::wstring> Warnings() const { return m_log.At(shr::LogWarning); }
    void Write(std::filesystem::path const& path, std::string const& text) const {
        std::ofstream(path, std::ios::binary) << text;
    }
    std::size_t FilesIn(std::filesystem::path const& folder) const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                      std::filesystem::directory_iterator()));
    }

    ScratchDirectory m_scratch;
    std::filesystem::path const m_file = m_scratch / "app" / "settings.ini";
    CapturedLog m_log;
};

} // namespace

TEST_F(IniFileSettingsTest, every_character_of_names_and_values_survives_a_save) {
    std::wstring const odd = std::wstring(L"a=b [c] \\ d/e\nf\rg\th ") + L'\0' + L"\x00e9\x4e2d";
    {
        platform::IniFileSettings store(m_file);
        store.SetString(HistorySection, L"Search0", L"UTM zone 33");
        store.SetString(odd, odd, odd);
        store.SetString(L"Empty", L"value", L"");
        store.Flush();
    }
    EXPECT_NE(shr::ReadWholeFile(m_file).find("[Settings/CRSSearchHistory]\nSearch0=UTM zone 33\n"),
              std::string::npos)
        << shr::ReadWholeFile(m_file);
    platform::IniFileSettings again(m_file);
    EXPECT_EQ(again.GetString(HistorySection, L"Search0", L"-"), L"UTM zone 33");
    EXPECT_EQ(again.GetString(odd, odd, L"-"), odd);
    EXPECT_TRUE(again.HasEntry(L"Empty", L"value"));
    again.DeleteEntry(HistorySection, L"Search0");
    again.Flush();
    EXPECT_FALSE(platform::IniFileSettings(m_file).HasEntry(HistorySection, L"Search0"));
    EXPECT_TRUE(Warnings().empty());
}

TEST_F(IniFileSettingsTest, a_damaged_file_gives_what_can_be_read_and_one_warning) {
    std::filesystem::create_directories(m_file.parent_path());
    Write(m_file, "\x89PNG\r\n\x1a\n\xff\xfe garbage\n"
                  "[Settings/CRSSearchHistory]\r\nSearch0=4326\r\nno equals sign\n=no name\n"
                  "Search1=lone backslash\\\n[unclosed\nLost=in a bad section\n"
                  "[Settings/CRSSearchHistory]\nSearch2=UTM zone 33\n");
    platform::IniFileSettings store(m_file);
    EXPECT_EQ(store.GetString(HistorySection, L"Search0", L"-"), L"4326");
    EXPECT_EQ(store.GetString(HistorySection, L"Search2", L"-"), L"UTM zone 33");
    EXPECT_FALSE(store.HasEntry(HistorySection, L"Search1"));
    EXPECT_FALSE(store.HasEntry(L"unclosed", L"Lost"));
    store.SetString(HistorySection, L"Search3", L"France");
    store.Flush();
    ASSERT_EQ(Warnings().size(), 1U);
    EXPECT_NE(Warnings()[0].find(L"8 lines could not be read"), std::wstring::npos)
        << Warnings()[0];
    EXPECT_EQ(platform::IniFileSettings(m_file).GetString(HistorySection, L"Search3", L"-"),
              L"France");
}

TEST_F(IniFileSettingsTest, a_store_that_cannot_read_or_write_goes_on_in_memory_and_warns_once) {
    // The file is a folder; the config folder is a file; the disk fails while saving.
    std::filesystem::create_directories(m_file);
    std::filesystem::path const blocked = m_scratch / "plain-file" / "settings.ini";
    Write(m_scratch / "plain-file", "not a folder");
    std::filesystem::path const failing = m_scratch / "failing" / "settings.ini";
    std::filesystem::create_directories(failing.parent_path());
    Write(failing, "[Settings/CRSSearchHistory]\nSearch0=4326\n");
    // A named pipe would hold the program until something wrote to it.
    std::filesystem::path const pipe = m_scratch / "pipe" / "settings.ini";
    std::filesystem::create_directories(pipe.parent_path());
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

    for (std::filesystem::path const& path : {m_file, blocked, failing, pipe}) {
        m_log.lines.clear();
        shr::AtomicFileCalls calls = shr::CurrentAtomicFileCalls();
        calls.fsync = [](int) { return errno = EIO, -1; };
        shr::ScopedAtomicFileCalls const disk(calls);
        platform::IniFileSettings store(path);
        for (int search = 0; search < 3; ++search) {
            store.SetString(HistorySection, L"Search0", L"UTM zone " + std::to_wstring(search));
            store.Flush();
        }
        EXPECT_EQ(store.GetString(HistorySection, L"Search0", L"-"), L"UTM zone 2") << path;
        ASSERT_EQ(Warnings().size(), 1U) << path;
        EXPECT_NE(Warnings()[0].find(L"settings.ini"), std::wstring::npos) << Warnings()[0];
    }
    EXPECT_EQ(shr::ReadWholeFile(failing), "[Settings/CRSSearchHistory]\nSearch0=4326\n");
    EXPECT_EQ(FilesIn(failing.parent_path()), 1U) << "a temporary file was left behind";
    EXPECT_TRUE(std::filesystem::is_directory(m_file));
}

TEST_F(IniFileSettingsTest, a_setting_the_file_could_not_give_back_is_refused_and_the_old_kept) {
    platform::IniFileSettings store(m_file);
    store.SetString(HistorySection, L"Search0", L"4326");
    std::wstring const surrogate(1, static_cast<wchar_t>(0xD800));
    std::wstring const beyondUnicode(1, static_cast<wchar_t>(0x110000));
    store.SetString(HistorySection, L"", L"unnamed");
    store.SetString(HistorySection, L"Search0", L"a" + surrogate);
    store.SetString(beyondUnicode, L"Search0", L"x");
    store.Flush();
    platform::IniFileSettings const again(m_file);
    EXPECT_EQ(again.Contents(), store.Contents());
    EXPECT_EQ(again.Contents(),
              (platform::IniFileSettings::Sections{{HistorySection, {{L"Search0", L"4326"}}}}));
    ASSERT_EQ(Warnings().size(), 1U);
    EXPECT_NE(Warnings()[0].find(L"it is left out"), std::wstring::npos) << Warnings()[0];
}
