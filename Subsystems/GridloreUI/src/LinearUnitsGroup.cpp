#include "LinearUnitsGroup.h"

#include "PropertyValues.h"
#include "kor/LinearUnitList.h"
#include "platform/TreeCtrl.h"

#include <algorithm>
#include <vector>

namespace gridui {

namespace {

// A known unit is recognised within this many units per meter, which absorbs the
// rounding of values that went through text.
constexpr double DividerTolerance = 0.0001;

std::wstring UnitNameOf(double unitsPerMeter) {
    int const unit = kor::KORKnownLinearUnitsList.FindByDivider(unitsPerMeter, DividerTolerance);
    if (unit >= 0) {
        return kor::KORKnownLinearUnitsList.EnumNamePlural(unit);
    }
    return unitsPerMeter == 0.0 ? LinearUnitsGroup::UnknownName() : LinearUnitsGroup::CustomName();
}

/// The known units' plural names as a user looks for them: in the tree's order, case
/// ignored ("meters" among the m's, not after every capital).
std::vector<std::wstring> UnitNamesInOrder() {
    auto const& units = kor::KORKnownLinearUnitsList;
    std::vector<std::wstring> names;
    for (int unit = units.First(); unit <= units.Last(); ++unit) {
        names.emplace_back(units.EnumNamePlural(unit));
    }
    std::stable_sort(names.begin(), names.end(), [](std::wstring const& a, std::wstring const& b) {
        return platform::TreeCtrl::CompareItemText(a, b) < 0;
    });
    return names;
}

} // namespace

LinearUnitsGroup::LinearUnitsGroup(std::uint64_t groupData, std::uint64_t nameData,
                                   std::uint64_t valueData)
    : m_groupData(groupData)
    , m_nameData(nameData)
    , m_valueData(valueData) {}

std::unique_ptr<shrgui::CProperty> LinearUnitsGroup::Make(std::wstring const& valueLabel,
                                                          double unitsPerMeter) const {
    auto name = std::make_unique<shrgui::CProperty>(
        L"Name", platform::Variant(UnitNameOf(unitsPerMeter)), std::wstring(), m_nameData);
    name->AddOption(UnknownName(), true, 0);
    name->AddOption(CustomName(), true, 0);
    for (std::wstring const& unit : UnitNamesInOrder()) {
        name->AddOption(unit, true, 0);
    }
    name->AllowEdit(false);
    name->SetSelector(true);

    auto group = std::make_unique<shrgui::CProperty>(L"Linear Units", m_groupData, false);
    group->AddSubItem(std::move(name));
    group->AddSubItem(std::make_unique<shrgui::CProperty>(
        valueLabel, platform::Variant(unitsPerMeter), std::wstring(), m_valueData));
    return group;
}

bool LinearUnitsGroup::OnPropertyChanged(shrgui::CPropertyList& list,
                                         shrgui::CProperty const& property) const {
    if (property.GetData() == m_nameData) {
        OnNamePicked(list, property);
        return true;
    }
    if (property.GetData() == m_valueData) {
        OnValueTyped(list, property);
        return true;
    }
    return false;
}

std::wstring LinearUnitsGroup::ValueUnit(shrgui::CPropertyList& list) const {
    shrgui::CProperty const* name = list.FindItemByData(m_nameData, true);
    platform::Variant const picked = name != nullptr ? name->GetValue() : platform::Variant();
    auto const* text = std::get_if<std::wstring>(&picked);
    if (text == nullptr || *text == UnknownName()) {
        return L"unknown units";
    }
    return *text == CustomName() ? L"custom units" : *text;
}

void LinearUnitsGroup::OnNamePicked(shrgui::CPropertyList& list,
                                    shrgui::CProperty const& name) const {
    shrgui::CProperty* value = list.FindItemByData(m_valueData, true);
    if (value == nullptr) {
        return;
    }
    platform::Variant const picked = name.GetValue();
    auto const* text = std::get_if<std::wstring>(&picked);
    if (text == nullptr) {
        return;
    }
    int const unit = kor::KORKnownLinearUnitsList.FindByName(*text);
    if (unit >= 0) {
        value->SetValue(kor::KORKnownLinearUnitsList.EnumDivider(unit));
    } else if (*text == UnknownName()) {
        value->SetValue(0.0);
    }
}

void LinearUnitsGroup::OnValueTyped(shrgui::CPropertyList& list,
                                    shrgui::CProperty const& value) const {
    shrgui::CProperty* name = list.FindItemByData(m_nameData, true);
    if (name == nullptr) {
        return;
    }
    // Only 0 has a name of its own here: a typed value equal to a known unit's is still the
    // user's own number, so it reads "<custom>".
    bool const zero = ToDouble(value.GetValue()) == 0.0;
    name->SetValue(std::wstring(zero ? UnknownName() : CustomName()));
}

} // namespace gridui
