#include "../BackendUnderTest.h"

#include "platform/SettingsStore.h"
#include "platform/wx/WxBackend.h"

#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <cstdlib>

// What the store keeps and how it reads a damaged file are the settings file's own tests;
// here, where the real backend keeps it and that a second backend reads it back.
TEST(WxSettings, settings_persist_in_a_file_under_the_user_config_directory) {
    BackendUnderTest();
    ScratchDirectory const config;
    char const* saved = std::getenv("XDG_CONFIG_HOME");
    std::string const previous = saved != nullptr ? saved : "";
    setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
    {
        platform::wx::WxBackend backend(L"SettingsTest");
        backend.Settings().SetString(L"Settings\\CRSSearchHistory", L"Search0", L"UTM zone 33");
        backend.Settings().Flush();
    }
    EXPECT_TRUE(std::filesystem::exists(config / "SettingsTest" / "settings.ini"));
    platform::wx::WxBackend again(L"SettingsTest");
    EXPECT_EQ(again.Settings().GetString(L"Settings\\CRSSearchHistory", L"Search0", L""),
              L"UTM zone 33");
    if (previous.empty()) {
        unsetenv("XDG_CONFIG_HOME");
    } else {
        setenv("XDG_CONFIG_HOME", previous.c_str(), 1);
    }
}
