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

#include <chrono>
#include <functional>

namespace {

namespace res = gridui::res;
using wxbrowser::WxBrowserTest;

/// Lets the toolkit run until `done` holds; false when it still does not after 5 s.
bool RunUntil(std::function<bool()> const& done) {
    auto const deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        wxYield();
        wxMilliSleep(5);
    }
    return true;
}

TEST_F(WxBrowserTest, typed_keys_search_when_they_pause_with_the_caret_kept_in_the_box) {
    gridui::CRSDialog dialog(wxbrowser::Registry(L"EPSG:4326"), m_favoritesPath, m_sink, nullptr,
                             {});
    dialog.SetOptions(gridui::BrowserOptions::AllOn(50));
    m_driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
        platform::TreeCtrl& tree = wxbrowser::Tree(user);
        auto& box = dynamic_cast<platform::ComboBox&>(user.GetDialog().GetDlgItem(res::SearchBox));
        box.SetFocus();
        wxbrowser::Settle();
        std::size_t const everything = tree.GetCount();
        wxUIActionSimulator().Text("4326");
        ASSERT_TRUE(RunUntil([&] { return tree.GetCount() < everything; })) << "no search ran";
        user.Idle();
        EXPECT_TRUE(
            wxbrowser::FindBelow(tree, wxbrowser::FindRoot(tree, L"Predefined"), L"WGS 84"));
        EXPECT_TRUE(box.HasFocus());
        auto const* native = wxbrowser::NativeOf<wxComboBox>(user, res::SearchBox);
        ASSERT_NE(native, nullptr);
        EXPECT_EQ(native->GetInsertionPoint(), 4);

        // The next key goes on from the caret: nothing was selected under it.
        wxUIActionSimulator().Char('9');
        ASSERT_TRUE(RunUntil([&] {
            return tree.GetItemText(tree.GetRootItem()) ==
                   L"No system matches \"43269\". Try a code, part of a name, or a place.";
        }));
        user.Idle();
        EXPECT_TRUE(box.HasFocus());
        user.Close();
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
}

} // namespace
