#include "../BackendUnderTest.h"

#include "platform/SettingsStore.h"
#include "platform/wx/WxBackend.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

TEST(WxSettings, settings_persist_in_a_file_under_the_user_config_directory) {
    BackendUnderTest();
    std::filesystem::path const config =
        std::filesystem::temp_directory_path() / "gridlore-wx-settings-test";
    std::filesystem::remove_all(config);
    char const* saved = std::getenv("XDG_CONFIG_HOME");
    std::string const previous = saved != nullptr ? saved : "";
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);

    {
        platform::wx::WxBackend backend(L"SettingsTest");
        platform::SettingsStore& store = backend.Settings();
        store.SetString(L"Settings\\CRSSearchHistory", L"Search0", L"UTM zone 33");
        store.SetString(L"Settings\\CRSSearchHistory", L"Search1", L"4326");
        store.Flush();
    }
    std::filesystem::path const file = config / "SettingsTest" / "settings.ini";
    ASSERT_TRUE(std::filesystem::exists(file));
    std::stringstream text;
    text << std::ifstream(file).rdbuf();
    EXPECT_NE(text.str().find("[Settings/CRSSearchHistory]"), std::string::npos);

    {
        platform::wx::WxBackend again(L"SettingsTest");
        platform::SettingsStore& store = again.Settings();
        EXPECT_EQ(store.GetString(L"Settings\\CRSSearchHistory", L"Search0", L""), L"UTM zone 33");
        EXPECT_TRUE(store.HasEntry(L"Settings\\CRSSearchHistory", L"Search1"));
        store.DeleteEntry(L"Settings\\CRSSearchHistory", L"Search1");
        EXPECT_FALSE(store.HasEntry(L"Settings\\CRSSearchHistory", L"Search1"));
        EXPECT_EQ(store.GetString(L"Settings\\Other", L"Missing", L"fallback"), L"fallback");
    }

    if (previous.empty()) {
        unsetenv("XDG_CONFIG_HOME");
    } else {
        setenv("XDG_CONFIG_HOME", previous.c_str(), 1);
    }
    std::filesystem::remove_all(config);
}
