#include "HeadlessPropertyGrid.h"
#include "TypeAhead.h"

#include "platform/Error.h"
#include "platform/PropertyGrid.h"

#include <algorithm>

namespace platform::headless {

backend::PropertyHandle HeadlessPropertyGrid::ShowAppended(backend::PropertyHandle,
                                                           backend::PropertyDesc const&) {
    return m_next++;
}

void HeadlessPropertyGrid::ShowRemovedAll() {
    m_selected = 0;
    m_visible = 0;
    m_editing = 0;
    m_editorText.reset();
}

void HeadlessPropertyGrid::Select(backend::PropertyHandle row) {
    if (row != 0) {
        Desc(row);
    }
    if (row != m_editing) {
        m_editing = 0;
        m_editorText.reset();
    }
    m_selected = row;
}

void HeadlessPropertyGrid::EnsureVisible(backend::PropertyHandle row) {
    Desc(row);
    m_visible = row;
}

void HeadlessPropertyGrid::OpenEditor(backend::PropertyHandle row) {
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
    backend::PropertyDesc const& desc = Desc(m_editing);
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
