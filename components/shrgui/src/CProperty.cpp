#include "shrgui/CProperty.h"

#include "ToolkitError.h"
#include "platform/PropertyGrid.h"
#include "shrgui/CPropertyList.h"

#include <algorithm>

namespace shrgui {

CProperty::CProperty(std::wstring name, platform::Variant value, std::wstring description,
                     std::uint64_t data)
    : m_name(std::move(name))
    , m_value(std::move(value))
    , m_description(std::move(description))
    , m_data(data)
    , m_isGroup(false) {}

CProperty::CProperty(std::wstring name, std::uint64_t data, bool isValueList)
    : m_name(std::move(name))
    , m_data(data)
    , m_isGroup(true)
    , m_isValueList(isValueList) {}

CProperty::~CProperty() = default;

bool CProperty::AddOption(std::wstring const& text, bool insertUnique, std::uint64_t) {
    if (insertUnique && std::find(m_options.begin(), m_options.end(), text) != m_options.end()) {
        return false;
    }
    // The grid first: when it refuses, the item keeps offering what the grid shows.
    if (m_list != nullptr && m_list->HasWindow()) {
        m_list->AddOption(m_row, text);
    }
    m_options.push_back(text);
    return true;
}

void CProperty::AllowEdit(bool allow) {
    if (m_list != nullptr) {
        SHRGUI_ERROR(L"the property \"" + m_name + L"\" is shown already; set its editing first");
    }
    m_allowEdit = allow;
}

CProperty* CProperty::AddSubItem(std::unique_ptr<CProperty> item) {
    if (!m_isGroup) {
        SHRGUI_ERROR(L"the property \"" + m_name + L"\" is a value, not a group");
    }
    item->m_parent = this;
    CProperty* added = item.get();
    m_subItems.push_back(std::move(item));
    if (m_list != nullptr && m_list->HasWindow()) {
        added->Show(*m_list, m_row);
    }
    return added;
}

CProperty* CProperty::GetSubItem(int index) const {
    if (index < 0 || index >= GetSubItemsCount()) {
        SHRGUI_ERROR(L"the property \"" + m_name + L"\" has no sub-item " + std::to_wstring(index));
    }
    return m_subItems[static_cast<std::size_t>(index)].get();
}

platform::Variant CProperty::GetValue() const {
    if (m_list != nullptr && m_list->HasWindow()) {
        return m_list->GetValue(m_row);
    }
    return m_value;
}

void CProperty::SetValue(platform::Variant const& value) {
    m_value = value;
    if (m_list != nullptr && m_list->HasWindow()) {
        m_list->SetValue(m_row, value);
    }
}

std::wstring CProperty::FormatValue() const {
    if (m_list != nullptr && m_list->HasWindow()) {
        return m_list->GetDisplayText(m_row);
    }
    return platform::backend::FormatVariant(GetValue());
}

void CProperty::SetUnits(std::wstring const& units) {
    m_units = units;
    if (m_list != nullptr && m_list->HasWindow()) {
        m_list->SetUnits(m_row, units);
    }
}

std::wstring CProperty::GetUnits() const {
    if (m_list != nullptr && m_list->HasWindow()) {
        return m_list->GetUnits(m_row);
    }
    return m_units;
}

void CProperty::SetDoubleOutputFormat(std::wstring const& format) {
    platform::PropertyGrid::SetDoubleFormat(format);
}

CProperty const* CProperty::FromNotification(std::int64_t property) {
    // The number is the item's own address, put there by Show.
    return reinterpret_cast<CProperty const*>( // NOLINT(performance-no-int-to-ptr)
        static_cast<std::intptr_t>(property));
}

void CProperty::Show(CPropertyList& list, platform::backend::PropertyHandle parentRow) {
    m_list = &list;
    platform::backend::PropertyDesc desc;
    desc.name = m_name;
    desc.value = m_value;
    desc.description = m_description;
    desc.isGroup = m_isGroup;
    desc.options = m_options;
    desc.allowEdit = m_allowEdit;
    desc.units = m_units;
    desc.clientData = static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(this));
    m_row = list.Append(parentRow, desc);
    for (auto const& item : m_subItems) {
        item->Show(list, m_row);
    }
}

void CProperty::KeepValue() {
    m_value = GetValue();
    for (auto const& item : m_subItems) {
        item->KeepValue();
    }
}

void CProperty::Hide() {
    // Keeps what the user entered once the grid's row is gone.
    KeepValue();
    for (auto const& item : m_subItems) {
        item->Hide();
    }
    m_list = nullptr;
    m_row = 0;
}

CProperty* CProperty::FindByData(std::uint64_t data, bool searchSubItems) {
    if (m_data == data) {
        return this;
    }
    if (!searchSubItems) {
        return nullptr;
    }
    for (auto const& item : m_subItems) {
        if (CProperty* found = item->FindByData(data, true)) {
            return found;
        }
    }
    return nullptr;
}

} // namespace shrgui
