// The define dialog on real windows, over the whole registry.
#include "CRSDefineDlgImpl.h"
#include "WxBrowserTest.h"

#include "gridui/CRSDefineDlg.h"
#include "gridui/ResourceIds.h"
#include "platform/ComboBox.h"
#include "platform/Dialog.h"
#include "shrgui/CPropertyList.h"

#include <wx/app.h>
#include <wx/combo.h>

namespace {

namespace res = gridui::res;
using dialoglayout::Inside;
using platform::Rect;
using wxbrowser::ClientRect;
using wxbrowser::WxBrowserTest;

// The headless scenes prove what the dialog does, and the platform's own suite the grids'
// editing, refills and resizing; here, what only the real toolkit decides: where its
// combo box of natural height leaves the lists, and the registry's datums in the real
// drop-down list.
TEST_F(WxBrowserTest, define_dialog_fits_its_real_controls_and_drops_down_a_registry_datum) {
    gridui::CRSDefineDlg dialog(wxbrowser::Registry(L"EPSG:32633"), m_sink, nullptr);
    std::wstring const osgb = L"Ordnance Survey of Great Britain 1936";
    m_driver.OnDialog(res::DefineDialog, [&](platform::User& user) {
        Rect const datumGroup = ClientRect(user, res::DefineDatumGroup);
        Rect const datumCombo = ClientRect(user, res::DefineDatumCombo);
        EXPECT_TRUE(Inside(ClientRect(user, res::DefineProjectionList),
                           ClientRect(user, res::DefineProjectionGroup)));
        EXPECT_TRUE(Inside(ClientRect(user, res::DefineDatumList), datumGroup));
        EXPECT_TRUE(Inside(datumCombo, datumGroup));
        EXPECT_LE(datumCombo.bottom, ClientRect(user, res::DefineDatumList).top);
        wxbrowser::SaveScreenshot(user, "define-utm33-open.png");

        // The datum list holds every datum of the registry: typing finds one, and dropped
        // down it shows a dozen rows, not a screenful.
        user.Type(res::DefineDatumCombo, osgb);
        auto const& datums =
            dynamic_cast<shrgui::CPropertyList&>(user.GetDialog().GetDlgItem(res::DefineDatumList));
        EXPECT_EQ(
            datums.FindItemByData(gridui::CRSDefineDlgImpl::EllipsoidNameData, true)->FormatValue(),
            L"Airy 1830");
        auto* list = dynamic_cast<wxComboCtrl*>(wxWindow::FindFocus());
        ASSERT_NE(list, nullptr) << "the datum list is not a drop-down list";
        list->Popup();
        wxYield();
        ASSERT_TRUE(list->IsPopupShown());
        EXPECT_LE(list->GetPopupWindow()->GetSize().y, 16 * list->GetCharHeight());
        wxbrowser::SaveScreenshot(user, "define-datum-list-dropped-down.png");
        list->Dismiss();
        user.Click(platform::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
    std::shared_ptr<Gridlore::CoordinateSystem> const result = dialog.CurrentCoordinateSystem();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->GetDatum()->GetName(), osgb);
}

} // namespace
