// gridui::LinearUnitsGroup: the "Linear Units" group of a property list, a unit name
// selector kept in step with the units-per-meter value beside it.
#pragma once

#include "shrgui/CProperty.h"
#include "shrgui/CPropertyList.h"

#include <cstdint>
#include <memory>
#include <string>

namespace gridui {

class LinearUnitsGroup final {
public:
    /// The data numbers of the group, of its "Name" selector and of its value item. Each
    /// dialog gives its own, so a look-up by data number never meets another row.
    LinearUnitsGroup(std::uint64_t groupData, std::uint64_t nameData, std::uint64_t valueData);

    /// The group: the selector naming the known unit of `unitsPerMeter` ("<unknown>" for
    /// 0, "<custom>" for any other value), then the value item labelled `valueLabel`.
    std::unique_ptr<shrgui::CProperty> Make(std::wstring const& valueLabel,
                                            double unitsPerMeter) const;

    /// After the user changed `property` in `list`: a picked unit sets its units per meter,
    /// "<unknown>" sets 0 and "<custom>" keeps the value; a typed value names the unit
    /// "<unknown>" when it is 0 and "<custom>" otherwise. Returns false when `property` is
    /// neither item, so the caller handles it.
    bool OnPropertyChanged(shrgui::CPropertyList& list, shrgui::CProperty const& property) const;

    /// The unit that values measured in the group's unit are in, as a grid row names it:
    /// the picked unit's plural name, else "custom units" or "unknown units".
    std::wstring ValueUnit(shrgui::CPropertyList& list) const;

    std::uint64_t GroupData() const { return m_groupData; }
    std::uint64_t NameData() const { return m_nameData; }
    std::uint64_t ValueData() const { return m_valueData; }

    static wchar_t const* UnknownName() { return L"<unknown>"; }
    static wchar_t const* CustomName() { return L"<custom>"; }

private:
    void OnNamePicked(shrgui::CPropertyList& list, shrgui::CProperty const& name) const;
    void OnValueTyped(shrgui::CPropertyList& list, shrgui::CProperty const& value) const;

    std::uint64_t m_groupData;
    std::uint64_t m_nameData;
    std::uint64_t m_valueData;
};

} // namespace gridui
