#include "shrgui/CHistoryCombo.h"
#include "../platform/headless/HeadlessTest.h"

#include "../platform/TestDialog.h"
#include "platform/Driver.h"
#include "platform/headless/HeadlessBackend.h"
#include "shr/Exception.h"

#include <gtest/gtest.h>

namespace {

class HistoryDialog final : public testdialog::TestDialog {
public:
    shrgui::CHistoryCombo history;

protected:
    void SafeDoDataExchange(platform::DataExchange& exchange) override {
        platform::DDX_Control(exchange, testdialog::Combo, history);
        if (!exchange.SaveAndValidate()) {
            history.SetMaxHistoryItems(3);
            history.LoadHistory(L"Settings\\History", L"Search", false, nullptr);
        } else {
            history.SaveHistory(true);
        }
    }
};

class HistoryCombo : public HeadlessTest {};

} // namespace

TEST_F(HistoryCombo, history_keeps_the_newest_entries_first_once_each_and_survives_the_dialog) {
    auto& store = m_backend.Settings();
    store.SetString(L"Settings\\History", L"Search0", L"4326");
    store.SetString(L"Settings\\History", L"Search1", L"UTM");
    HistoryDialog dialog;
    m_driver.OnDialog(testdialog::TemplateId, [&](platform::User& user) {
        EXPECT_EQ(dialog.history.GetHistory(), (std::vector<std::wstring>{L"4326", L"UTM"}));
        EXPECT_EQ(dialog.history.GetCount(), 2);
        user.Type(testdialog::Combo, L"UTM");
        dialog.history.StoreValue(true);
        user.Type(testdialog::Combo, L"  ");
        dialog.history.StoreValue(true);
        user.Type(testdialog::Combo, L"zone 33");
        dialog.history.StoreValue(true);
        user.Type(testdialog::Combo, L"WGS 84");
        dialog.history.StoreValue(true);
        EXPECT_EQ(dialog.history.GetHistory(),
                  (std::vector<std::wstring>{L"WGS 84", L"zone 33", L"UTM"}));
        EXPECT_EQ(dialog.history.GetWindowText(), L"WGS 84");
        user.Click(platform::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
    EXPECT_EQ(store.GetString(L"Settings\\History", L"Search0", L""), L"WGS 84");
    EXPECT_EQ(store.GetString(L"Settings\\History", L"Search2", L""), L"UTM");
    EXPECT_FALSE(store.HasEntry(L"Settings\\History", L"Search3"));
    EXPECT_EQ(store.GetString(L"Settings\\History", L"Search", L""), L"WGS 84");

    shrgui::CHistoryCombo unloaded;
    EXPECT_THROW(unloaded.SaveHistory(true), shr::Exception);
}
