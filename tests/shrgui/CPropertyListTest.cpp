#include "shrgui/CPropertyList.h"
#include "../platform/headless/HeadlessTest.h"

#include "../platform/TestDialog.h"
#include "platform/Driver.h"
#include "platform/headless/HeadlessBackend.h"
#include "shr/Exception.h"
#include "shrgui/DialogUtil.h"

#include <gtest/gtest.h>

using shrgui::CProperty;

namespace {

class PropertyList : public HeadlessTest {
protected:
    testdialog::TestDialog m_dialog;
};

} // namespace

TEST(CProperty, groups_hold_sub_items_found_by_data_and_values_keep_their_type) {
    CProperty group(L"Ellipsoid", 7, false);
    CProperty* axis =
        group.AddSubItem(std::make_unique<CProperty>(L"Semimajor Axis", 6378137.0, L"", 1001));
    EXPECT_EQ(group.GetSubItem(0), axis);
    EXPECT_EQ(axis->GetParent(), &group);
    EXPECT_EQ(group.GetThisClass(), shrgui::PropertyClass::Group);
    EXPECT_THROW(group.GetSubItem(1), shr::Exception);
    EXPECT_THROW(axis->AddSubItem(std::make_unique<CProperty>(L"x", 1, L"", 2)), shr::Exception);

    EXPECT_TRUE(axis->AddOption(L"a"));
    EXPECT_FALSE(axis->AddOption(L"a", true));
    EXPECT_TRUE(axis->AddOption(L"a", false));
    EXPECT_EQ(axis->GetOptions().size(), 2U);

    CProperty::SetDoubleOutputFormat(L"%.14lg");
    axis->SetValue(1.0 / 3.0);
    EXPECT_EQ(axis->FormatValue(), L"0.33333333333333");
    EXPECT_EQ(platform::TypeOf(axis->GetValue()), platform::VariantType::Double);
    CProperty flag(L"North", true, L"", 5);
    EXPECT_EQ(flag.FormatValue(), L"True");
}

TEST_F(PropertyList, the_list_finds_selects_and_keeps_values_the_user_entered) {
    m_driver.OnDialog(testdialog::TemplateId, [&](platform::User& user) {
        auto& grid = m_dialog.grid;
        EXPECT_EQ(grid.GetPropertyCount(), 4);
        EXPECT_EQ(grid.FindItemByData(1005), m_dialog.unit);
        EXPECT_EQ(grid.FindItemByData(1005, false), nullptr);
        EXPECT_EQ(grid.FindItemByData(999), nullptr);
        EXPECT_THROW(grid.GetProperty(4), shr::Exception);

        grid.SetCurSel(m_dialog.unit);
        grid.EnsureVisible(m_dialog.unit);
        EXPECT_EQ(grid.GetCurSel(), m_dialog.unit);
        user.EditProperty(testdialog::Grid, L"North", L"False");
        EXPECT_EQ(grid.GetCurSel(), grid.FindItemByData(5));

        shrgui::SetDlgErrorFocus(m_dialog, testdialog::NameEdit, true);
        EXPECT_TRUE(m_dialog.name.HasFocus());
        EXPECT_THROW(shrgui::SetDlgErrorFocus(m_dialog, 4242, true), shr::Exception);
        user.Close();
    });
    m_dialog.DoModal();
    // The grid's window is gone; the list still answers with what the user entered.
    EXPECT_EQ(m_dialog.grid.FindItemByData(5)->GetValue(), platform::Variant(false));
}
