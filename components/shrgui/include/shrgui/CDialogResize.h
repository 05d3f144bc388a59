// shrgui::CDialogResize: a dialog that keeps its controls laid out by a resize map.
#pragma once

#include "shrgui/CDialogEx.h"
#include "shrgui/Export.h"
#include "shrgui/ResizeMap.h"

#include <map>

namespace shrgui {

class SHRGUI_EXPORT CDialogResize : public CDialogEx {
public:
    CDialogResize(int templateId, platform::Window* parent, bool flag = true);

    /// The derived dialog's static map, ending with ResizeMapEnd.
    virtual ResizeMapEntry const* GetDlgResizeMap() const = 0;

    /// Remembers the mapped controls' rectangles and the client size, and lets the user
    /// resize the dialog (not below its present size when `useMinimumSize`). `style`
    /// (clip-children, sizing border) is accepted for the callers' sake.
    void InitResizing(bool addGripper, bool useMinimumSize, unsigned style);
    /// Inflates the kept rectangle of control `id`: the left and top edges move out by
    /// `left` and `top`, the right and bottom edges by `right` and `bottom`.
    void InflateCachedControl(int id, int left, int top, int right, int bottom);
    /// The kept rectangle of a mapped control (client coordinates at the initial size).
    platform::Rect GetCachedRect(int id) const;

    platform::MessageMap const& GetMessageMap() const override;

private:
    void OnSize(platform::Size client);

    std::map<int, platform::Rect> m_cached;
    platform::Size m_initialClient;
    bool m_resizing = false;
};

} // namespace shrgui
