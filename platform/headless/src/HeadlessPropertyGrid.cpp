#include "HeadlessPropertyGrid.h"
#include "TypeAhead.h"

#include "platform/Error.h"
#include "platform/PropertyGrid.h"

#include <algorithm>

namespace platform::headless {

HeadlessPropertyGrid::Row& HeadlessPropertyGrid::At(backend::PropertyHandle row) {
    auto const found = m_rows.find(row);
    if (found == m_rows.end()) {
        PLATFORM_ERROR(L"property grid " + std::to_wstring(m_id) + L" has no such row");
    }
    return found->second;
}

HeadlessPropertyGrid::Row const& HeadlessPropertyGrid::At(backend::PropertyHandle row) const {
    return const_cast<HeadlessPropertyGrid*>(this)->At(row);
}

backend::PropertyHandle HeadlessPropertyGrid::Append(backend::PropertyHandle parent,
                                                     backend::PropertyDesc const& desc) {
    backend::PropertyHandle const handle = m_next++;
    (parent == 0 ? m_top : At(parent).children).push_back(handle);
    m_rows[handle] = Row{desc, parent, {}};
    return handle;
}

void HeadlessPropertyGrid::RemoveAll() {
    m_rows.clear();
    m_top.clear();
    m_selected = 0;
    m_visible = 0;
    m_editing = 0;
    m_editorText.reset();
}

Variant HeadlessPropertyGrid::GetValue(backend::PropertyHandle row) const {
    return At(row).desc.value;
}

void HeadlessPropertyGrid::SetValue(backend::PropertyHandle row, Variant const& value) {
    At(row).desc.value = value;
}

void HeadlessPropertyGrid::AddOption(backend::PropertyHandle row, std::wstring const& option) {
    // A row shown as a plain value cannot become a pick list, as in the real grid.
    backend::PropertyDesc& desc = At(row).desc;
    if (desc.options.empty()) {
        PLATFORM_ERROR(L"the property \"" + desc.name +
                       L"\" was shown without options; add them before showing it");
    }
    desc.options.push_back(option);
}

void HeadlessPropertyGrid::Select(backend::PropertyHandle row) {
    if (row != 0) {
        At(row);
    }
    if (row != m_editing) {
        m_editing = 0;
        m_editorText.reset();
    }
    m_selected = row;
}

void HeadlessPropertyGrid::EnsureVisible(backend::PropertyHandle row) {
    At(row);
    m_visible = row;
}

void HeadlessPropertyGrid::EnableHeader(bool on, std::wstring const&, std::wstring const&) {
    m_header = on;
}

std::wstring HeadlessPropertyGrid::DisplayText(backend::PropertyHandle row) const {
    return backend::FormatVariant(At(row).desc.value);
}

void HeadlessPropertyGrid::SetUnits(backend::PropertyHandle row, std::wstring const& units) {
    At(row).desc.units = units;
}

std::wstring HeadlessPropertyGrid::Units(backend::PropertyHandle row) const {
    return At(row).desc.units;
}

backend::PropertyHandle HeadlessPropertyGrid::Find(std::wstring const& path) const {
    std::vector<backend::PropertyHandle> const* level = &m_top;
    backend::PropertyHandle found = 0;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t const bar = path.find(L'|', start);
        std::wstring const name = path.substr(start, bar == std::wstring::npos ? bar : bar - start);
        auto const match = std::find_if(level->begin(), level->end(),
                                        [&](auto row) { return m_rows.at(row).desc.name == name; });
        if (match == level->end()) {
            return 0;
        }
        found = *match;
        if (bar == std::wstring::npos) {
            break;
        }
        level = &m_rows.at(found).children;
        start = bar + 1;
    }
    return found;
}

void HeadlessPropertyGrid::UserEdit(backend::PropertyHandle row, std::wstring const& text) {
    backend::PropertyDesc& desc = At(row).desc;
    Variant const value = backend::ParseUserValue(desc, text);
    m_selected = row;
    if (value == desc.value) {
        return;
    }
    desc.value = value;
    Message message;
    message.event = Event::PropertyChanged;
    message.id = m_id;
    message.param = desc.clientData;
    Raise(message);
}

void HeadlessPropertyGrid::OpenEditor(backend::PropertyHandle row) {
    if (At(row).desc.isGroup) {
        PLATFORM_ERROR(L"the property \"" + At(row).desc.name + L"\" is a group and has no value");
    }
    Select(row);
    m_visible = row;
    m_editing = row;
    m_editorText.reset();
    SetFocus();
}

void HeadlessPropertyGrid::TypeInEditor(std::wstring const& text) {
    if (m_editing == 0 || !HasFocus()) {
        PLATFORM_ERROR(L"property grid " + std::to_wstring(m_id) + L" has no editor open");
    }
    backend::PropertyDesc const& desc = At(m_editing).desc;
    if (desc.allowEdit || desc.options.empty()) {
        m_editorText = text;
        return;
    }
    auto const found =
        std::find_if(desc.options.begin(), desc.options.end(),
                     [&](std::wstring const& option) { return StartsTyped(option, text); });
    if (found != desc.options.end()) {
        UserEdit(m_editing, *found);
    }
}

bool HeadlessPropertyGrid::CommitEditor() {
    backend::PropertyHandle const row = m_editing;
    std::optional<std::wstring> const text = m_editorText;
    if (!CancelEditor()) {
        return false;
    }
    if (text) {
        UserEdit(row, *text);
    }
    return true;
}

bool HeadlessPropertyGrid::CancelEditor() {
    if (m_editing == 0 || !HasFocus()) {
        return false;
    }
    m_editing = 0;
    m_editorText.reset();
    return true;
}

} // namespace platform::headless
