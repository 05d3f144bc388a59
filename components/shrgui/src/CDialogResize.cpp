#include "shrgui/CDialogResize.h"

#include "ToolkitError.h"

namespace shrgui {

CDialogResize::CDialogResize(int templateId, platform::Window* parent, bool flag)
    : CDialogEx(templateId, parent, flag) {}

platform::MessageMap const& CDialogResize::GetMessageMap() const {
    static platform::MessageMap const map(&CDialogEx::GetMessageMap(),
                                          {platform::OnSize(&CDialogResize::OnSize)});
    return map;
}

void CDialogResize::InitResizing(bool, bool useMinimumSize, unsigned) {
    platform::Rect const client = GetClientRect();
    m_initialClient = {client.Width(), client.Height()};
    m_cached.clear();
    for (int id : ResizeMapControls(GetDlgResizeMap())) {
        if (!m_cached.contains(id)) {
            m_cached[id] = ScreenToClient(GetDlgItem(id).GetWindowRect());
        }
    }
    if (useMinimumSize) {
        EnableResizing();
    }
    m_resizing = true;
}

void CDialogResize::InflateCachedControl(int id, int left, int top, int right, int bottom) {
    auto const found = m_cached.find(id);
    if (found == m_cached.end()) {
        SHRGUI_ERROR(L"control " + std::to_wstring(id) + L" is not kept by the resize map");
    }
    platform::Rect& rect = found->second;
    rect = {rect.left - left, rect.top - top, rect.right + right, rect.bottom + bottom};
}

platform::Rect CDialogResize::GetCachedRect(int id) const {
    auto const found = m_cached.find(id);
    if (found == m_cached.end()) {
        SHRGUI_ERROR(L"control " + std::to_wstring(id) + L" is not kept by the resize map");
    }
    return found->second;
}

void CDialogResize::OnSize(platform::Size client) {
    if (!m_resizing) {
        return;
    }
    platform::Size const delta{client.width - m_initialClient.width,
                               client.height - m_initialClient.height};
    for (auto const& [id, rect] : ComputeResizeLayout(GetDlgResizeMap(), m_cached, delta)) {
        GetDlgItem(id).MoveWindow(rect);
    }
}

} // namespace shrgui
