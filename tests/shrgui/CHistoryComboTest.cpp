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
        // The list shows the history after every search, and the search stays typed.
        auto const search = [&](std::wstring const& typed) {
            user.Type(testdialog::Combo, typed);
            dialog.history.StoreValue(true);
            std::vector<std::wstring> rows;
            rows.reserve(static_cast<std::size_t>(dialog.history.GetCount()));
            for (int row = 0; row < dialog.history.GetCount(); ++row) {
                rows.push_back(dialog.history.GetLBText(row));
            }
            EXPECT_EQ(rows, dialog.history.GetHistory()) << typed;
            EXPECT_EQ(dialog.history.GetWindowText(), typed);
        };
        search(L"UTM");
        search(L"  ");
        search(L"zone 33");
        search(L"utm");
        search(L"zone 33");
        search(L"WGS 84");
        EXPECT_EQ(dialog.history.GetHistory(),
                  (std::vector<std::wstring>{L"WGS 84", L"zone 33", L"utm"}));
        search(L"4326");
        search(L"zone 33");
        search(L"WGS 84");
        EXPECT_EQ(dialog.history.GetHistory(),
                  (std::vector<std::wstring>{L"WGS 84", L"zone 33", L"4326"}));
        user.Click(platform::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
    EXPECT_EQ(store.GetString(L"Settings\\History", L"Search0", L""), L"WGS 84");
    EXPECT_EQ(store.GetString(L"Settings\\History", L"Search2", L""), L"4326");
    EXPECT_FALSE(store.HasEntry(L"Settings\\History", L"Search3"));
    EXPECT_EQ(store.GetString(L"Settings\\History", L"Search", L""), L"WGS 84");

    shrgui::CHistoryCombo unloaded;
    EXPECT_THROW(unloaded.SaveHistory(true), shr::Exception);
}

TEST_F(HistoryCombo, loading_restores_the_current_text_and_a_smaller_limit_drops_the_oldest) {
    auto& store = m_backend.Settings();
    for (int i = 0; i < 5; ++i) {
        store.SetString(L"S", L"E" + std::to_wstring(i), L"entry " + std::to_wstring(i));
    }
    store.SetString(L"S", L"E2", L"entry 0");
    HistoryDialog dialog;
    m_driver.OnDialog(testdialog::TemplateId, [&](platform::User& user) {
        auto& history = dialog.history;
        history.SetMaxHistoryItems(0);
        EXPECT_EQ(history.LoadHistory(L"S", L"E", true, L"fallback"), L"fallback");
        EXPECT_EQ(history.GetWindowText(), L"fallback");
        // A repeated entry is kept once, where it came first.
        EXPECT_EQ(history.GetHistory(),
                  (std::vector<std::wstring>{L"entry 0", L"entry 1", L"entry 3", L"entry 4"}));
        history.SetMaxHistoryItems(2);
        EXPECT_EQ(history.GetHistory(), (std::vector<std::wstring>{L"entry 0", L"entry 1"}));
        history.ClearHistory();
        EXPECT_EQ(history.GetCount(), 0);
        EXPECT_EQ(history.GetWindowText(), L"fallback");
        user.Close();
    });
    dialog.DoModal();
}
