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
using D = kor::DatumDef;
using platform::Rect;
using wxbrowser::ClientRect;
using wxbrowser::WxBrowserTest;

shrgui::CPropertyList& List(platform::User& user, platform::ControlId id) {
    return dynamic_cast<shrgui::CPropertyList&>(user.GetDialog().GetDlgItem(id));
}

std::wstring Shown(platform::User& user, platform::ControlId list, std::uint64_t data) {
    shrgui::CProperty const* property = List(user, list).FindItemByData(data, true);
    return property != nullptr ? property->FormatValue() : L"(missing)";
}

std::wstring SelectedText(platform::User& user, platform::ControlId id) {
    auto& combo = dynamic_cast<platform::ComboBox&>(user.GetDialog().GetDlgItem(id));
    return combo.GetCurSel() < 0 ? std::wstring() : combo.GetLBText(combo.GetCurSel());
}

bool Inside(Rect const& inner, Rect const& outer) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

void ExpectListsInsideTheirBoxes(platform::User& user) {
    EXPECT_TRUE(Inside(ClientRect(user, res::DefineProjectionList),
                       ClientRect(user, res::DefineProjectionGroup)));
    EXPECT_TRUE(
        Inside(ClientRect(user, res::DefineDatumList), ClientRect(user, res::DefineDatumGroup)));
    EXPECT_TRUE(
        Inside(ClientRect(user, res::DefineDatumCombo), ClientRect(user, res::DefineDatumGroup)));
    EXPECT_LE(ClientRect(user, res::DefineDatumCombo).bottom,
              ClientRect(user, res::DefineDatumList).top);
}

// What the headless scenes and the platform's own suite prove is left to them; here, the
// registry's datums in the real drop-down list, a list refilled from inside its own change,
// Enter in a cell and the dialog's own resize map, all on real windows.
TEST_F(WxBrowserTest, define_dialog_edits_a_registry_datum_through_a_refill_and_a_resize) {
    gridui::CRSDefineDlg dialog(wxbrowser::Registry(L"EPSG:32633"), m_sink, nullptr);
    std::wstring const osgb = L"Ordnance Survey of Great Britain 1936";
    m_driver.OnDialog(res::DefineDialog, [&](platform::User& user) {
        ExpectListsInsideTheirBoxes(user);
        wxbrowser::SaveScreenshot(user, "define-utm33-open.png");

        // The datum list holds every datum of the registry: typing finds one, and dropped
        // down it shows a dozen rows, not a screenful.
        user.Type(res::DefineDatumCombo, osgb);
        EXPECT_EQ(SelectedText(user, res::DefineDatumCombo), osgb);
        EXPECT_EQ(Shown(user, res::DefineDatumList, gridui::CRSDefineDlgImpl::EllipsoidNameData),
                  L"Airy 1830");
        auto* list = dynamic_cast<wxComboCtrl*>(wxWindow::FindFocus());
        ASSERT_NE(list, nullptr) << "the datum list is not a drop-down list";
        list->Popup();
        wxYield();
        ASSERT_TRUE(list->IsPopupShown());
        EXPECT_LE(list->GetPopupWindow()->GetSize().y, 16 * list->GetCharHeight());
        wxbrowser::SaveScreenshot(user, "define-datum-list-dropped-down.png");
        list->Dismiss();

        // The method's own list is emptied and filled again from inside its change; Enter
        // ends the edit of a cell and keeps the dialog open.
        user.EditProperty(res::DefineDatumList, D::ParameterName(D::Method),
                          D::MethodToName(D::MethodSevenParameter));
        EXPECT_EQ(Shown(user, res::DefineDatumList, D::Method),
                  D::MethodToName(D::MethodSevenParameter));
        user.ClickProperty(res::DefineDatumList, D::ParameterName(D::DeltaX));
        user.Type(res::DefineDatumList, L"-87.5");
        user.PressKey(res::DefineDatumList, platform::KeyReturn);
        EXPECT_EQ(Shown(user, res::DefineDatumList, D::DeltaX), L"-87.5");
        wxbrowser::SaveScreenshot(user, "define-utm33-refilled.png");

        Rect const combo = ClientRect(user, res::DefineDatumCombo);
        Rect const datums = ClientRect(user, res::DefineDatumList);
        Rect const client = user.GetDialog().GetClientRect();
        user.Resize({client.Width() + 200, client.Height() + 300});
        ExpectListsInsideTheirBoxes(user);
        EXPECT_GT(ClientRect(user, res::DefineDatumList).Height(), datums.Height() + 100);
        EXPECT_EQ(ClientRect(user, res::DefineDatumCombo).Height(), combo.Height());
        wxbrowser::SaveScreenshot(user, "define-utm33-resized.png");
        user.Resize({client.Width(), client.Height()});
        ExpectListsInsideTheirBoxes(user);
        EXPECT_EQ(ClientRect(user, res::DefineDatumList), datums);

        // Only the next Enter is the dialog's OK.
        user.PressKey(res::DefineDatumList, platform::KeyReturn);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
    std::shared_ptr<Gridlore::CoordinateSystem> const result = dialog.CurrentCoordinateSystem();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->GetDatum()->GetMethod(), D::MethodSevenParameter);
    double value = 0.0;
    EXPECT_TRUE(result->GetDatum()->GetParameter(D::DeltaX, value));
    EXPECT_EQ(value, -87.5);
    EXPECT_EQ(result->GetDatum()->GetPOSCNumber(), 0);
}

} // namespace
