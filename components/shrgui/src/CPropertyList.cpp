#include "shrgui/CPropertyList.h"

#include "ToolkitError.h"
#include "platform/Dialog.h"

namespace shrgui {

bool CPropertyList::Create(unsigned, platform::Rect rect, platform::Dialog& parent, int id) {
    if (!parent.HasWindow()) {
        return false;
    }
    platform::PropertyGrid::Create(parent, id, rect);
    return true;
}

void CPropertyList::EnableHeaderCtrl(bool on, std::wstring const& left, std::wstring const& right) {
    EnableHeader(on, left, right);
}

int CPropertyList::AddProperty(std::unique_ptr<CProperty> property) {
    if (HasWindow()) {
        property->Show(*this, 0);
    }
    m_properties.push_back(std::move(property));
    return GetPropertyCount() - 1;
}

void CPropertyList::RemoveAll() {
    for (auto const& property : m_properties) {
        property->Hide();
    }
    m_properties.clear();
    if (HasWindow()) {
        platform::PropertyGrid::RemoveAll();
    }
}

CProperty* CPropertyList::GetProperty(int index) const {
    if (index < 0 || index >= GetPropertyCount()) {
        SHRGUI_ERROR(L"the property list has no item " + std::to_wstring(index));
    }
    return m_properties[static_cast<std::size_t>(index)].get();
}

CProperty* CPropertyList::FindItemByData(std::uint64_t data, bool searchSubItems) const {
    for (auto const& property : m_properties) {
        if (CProperty* found = property->FindByData(data, searchSubItems)) {
            return found;
        }
    }
    return nullptr;
}

void CPropertyList::SetCurSel(CProperty* property) {
    Select(property != nullptr ? property->m_row : 0);
}

CProperty* CPropertyList::GetCurSel() const {
    platform::backend::PropertyHandle const row = GetSelected();
    if (row == 0) {
        return nullptr;
    }
    // A row carries its item's address as client data, so the selection maps back.
    std::vector<CProperty*> pending;
    for (auto const& property : m_properties) {
        pending.push_back(property.get());
    }
    while (!pending.empty()) {
        CProperty* property = pending.back();
        pending.pop_back();
        if (property->m_row == row) {
            return property;
        }
        for (auto const& item : property->m_subItems) {
            pending.push_back(item.get());
        }
    }
    return nullptr;
}

void CPropertyList::OnDestroy() {
    // Values live in the grid while it is shown; what the user entered must outlive it.
    for (auto const& property : m_properties) {
        property->KeepValue();
    }
}

void CPropertyList::EnsureVisible(CProperty* property) {
    if (property != nullptr) {
        platform::PropertyGrid::EnsureVisible(property->m_row);
    }
}

} // namespace shrgui
