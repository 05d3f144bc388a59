#include "DefineTest.h"

#include "gridui/Module.h"
#include "shr/Utf8.h"

namespace definetest {

namespace {

void AddRows(shrgui::CProperty const& property, int depth, std::vector<std::wstring>& rows) {
    std::wstring row(static_cast<std::size_t>(depth) * 2, L' ');
    row += property.GetName();
    if (!property.IsGroup()) {
        row += L" = " + property.FormatValue();
    }
    rows.push_back(row);
    for (int index = 0; index < property.GetSubItemsCount(); ++index) {
        AddRows(*property.GetSubItem(index), depth + 1, rows);
    }
}

} // namespace

std::vector<std::wstring> Rows(shrgui::CPropertyList const& list) {
    std::vector<std::wstring> rows;
    for (int index = 0; index < list.GetPropertyCount(); ++index) {
        AddRows(*list.GetProperty(index), 0, rows);
    }
    return rows;
}

std::vector<std::wstring> Items(platform::ComboBox const& combo) {
    std::vector<std::wstring> items;
    items.reserve(static_cast<std::size_t>(combo.GetCount()));
    for (int index = 0; index < combo.GetCount(); ++index) {
        items.push_back(combo.GetLBText(index));
    }
    return items;
}

std::wstring Selected(platform::ComboBox const& combo) {
    int const selection = combo.GetCurSel();
    return selection < 0 ? std::wstring() : combo.GetLBText(selection);
}

int DefineTest::Define(Gridlore::CoordinateSystem const& initial, platform::Scene const& scene) {
    gridui::Module();
    gridui::CRSDefineDlg dialog(initial, m_sink, nullptr);
    m_driver.OnDialog(gridui::res::DefineDialog, scene);
    int const result = dialog.DoModal();
    m_result = dialog.CurrentCoordinateSystem();
    // Result() is the system built, or without one the system the dialog started from.
    if (m_result) {
        EXPECT_EQ(&dialog.Result(), m_result.get());
    } else {
        EXPECT_EQ(dialog.Result().GetName(), initial.GetName());
    }
    return result;
}

namespace {

template <typename Control> Control& ControlOf(platform::User& user, platform::ControlId id) {
    return dynamic_cast<Control&>(user.GetDialog().GetDlgItem(id));
}

} // namespace

shrgui::CPropertyList& DefineTest::ProjectionList(platform::User& user) {
    return ControlOf<shrgui::CPropertyList>(user, gridui::res::DefineProjectionList);
}

shrgui::CPropertyList& DefineTest::DatumList(platform::User& user) {
    return ControlOf<shrgui::CPropertyList>(user, gridui::res::DefineDatumList);
}

platform::ComboBox& DefineTest::ProjectionCombo(platform::User& user) {
    return ControlOf<platform::ComboBox>(user, gridui::res::DefineProjectionCombo);
}

platform::ComboBox& DefineTest::DatumCombo(platform::User& user) {
    return ControlOf<platform::ComboBox>(user, gridui::res::DefineDatumCombo);
}

std::wstring DefineTest::Shown(shrgui::CPropertyList const& list, std::uint64_t data) {
    shrgui::CProperty const* property = list.FindItemByData(data, true);
    if (property == nullptr) {
        ADD_FAILURE() << "no row carries " << data;
        return {};
    }
    return property->FormatValue();
}

} // namespace definetest
