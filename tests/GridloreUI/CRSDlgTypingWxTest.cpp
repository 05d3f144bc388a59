// Search as the user types, on real windows: keys through the window system, the
// toolkit's own timer.
#include "WxBrowserTest.h"

#include "gridui/BrowserOptions.h"
#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "platform/ComboBox.h"
#include "platform/Dialog.h"

#include <wx/combobox.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace res = gridui::res;
using wxbrowser::WxBrowserTest;

/// Lets the toolkit run until `done` holds; false when it still does not after `limit`.
bool RunUntil(std::function<bool()> const& done,
              std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    auto const deadline = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        wxYield();
        wxMilliSleep(5);
    }
    return true;
}

std::vector<std::wstring> Listed(platform::ComboBox const& box) {
    std::vector<std::wstring> entries;
    for (int i = 0; i < box.GetCount(); ++i) {
        entries.push_back(box.GetLBText(i));
    }
    return entries;
}

std::wstring RootTexts(platform::TreeCtrl const& tree) {
    std::wstring texts;
    for (platform::TreeItem root = tree.GetRootItem(); root; root = tree.GetNextSiblingItem(root)) {
        texts += tree.GetItemText(root) + L";";
    }
    return texts;
}

TEST_F(WxBrowserTest, typed_keys_search_when_they_pause_and_the_caret_stays_in_the_search_box) {
    gridui::CRSDialog dialog(wxbrowser::Registry(L"EPSG:4326"), m_favoritesPath, m_sink, nullptr,
                             {});
    dialog.SetOptions(gridui::BrowserOptions::AllOn(50));
    m_driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
        platform::TreeCtrl& tree = wxbrowser::Tree(user);
        auto& box = dynamic_cast<platform::ComboBox&>(user.GetDialog().GetDlgItem(res::SearchBox));
        auto* entry = dynamic_cast<wxTextEntry*>(wxbrowser::NativeWindowOf(user, res::SearchBox));
        ASSERT_NE(entry, nullptr);
        box.SetFocus();
        wxbrowser::Settle();
        std::size_t const everything = tree.GetCount();
        // Other runs may have left searches in the history.
        std::vector<std::wstring> const loaded = Listed(box);

        wxUIActionSimulator().Text("4326");
        ASSERT_TRUE(RunUntil([&] { return tree.GetCount() < everything; }))
            << "the pause never ran out";
        user.Idle();
        EXPECT_TRUE(
            wxbrowser::FindBelow(tree, wxbrowser::FindRoot(tree, L"Predefined"), L"WGS 84"));
        EXPECT_TRUE(box.HasFocus());
        EXPECT_EQ(entry->GetValue(), "4326");
        EXPECT_EQ(entry->GetInsertionPoint(), 4);
        EXPECT_EQ(Listed(box), loaded) << "typing alone stores nothing";
        wxbrowser::SaveScreenshot(user, "browser-typed-4326.png");

        // The next key goes on from the caret: nothing was selected under it.
        wxUIActionSimulator().Char('9');
        std::wstring const nothing =
            L"No system matches \"43269\". Try a code, part of a name, or a place.;";
        ASSERT_TRUE(RunUntil([&] { return RootTexts(tree) == nothing; })) << RootTexts(tree);
        user.Idle();
        EXPECT_TRUE(box.HasFocus());
        wxbrowser::SaveScreenshot(user, "browser-typed-nothing-found.png");
        user.Select(res::Tree, tree.GetRootItem());
        EXPECT_FALSE(user.GetDialog().GetDlgItem(platform::IDOK).IsWindowEnabled());

        // Enter while a pause runs searches at once, and only once.
        wxUIActionSimulator().Char(WXK_BACK);
        ASSERT_TRUE(RunUntil([&] { return entry->GetValue() == "4326"; }));
        user.PressKey(res::SearchBox, platform::KeyReturn);
        EXPECT_EQ(user.RunTimers(), 0);
        EXPECT_EQ(entry->GetValue(), "4326");
        std::vector<std::wstring> const stored = Listed(box);
        EXPECT_EQ(stored.front(), L"4326");
        for (wchar_t const* prefix : {L"4", L"43", L"432", L"43269"}) {
            EXPECT_EQ(std::count(stored.begin(), stored.end(), prefix),
                      std::count(loaded.begin(), loaded.end(), prefix))
                << "stored while typed: " << prefix;
        }
        user.Close();
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
}

} // namespace
