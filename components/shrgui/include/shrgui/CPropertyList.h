// shrgui::CPropertyList: a property grid that owns its items and notifies user changes.
#pragma once

#include "platform/PropertyGrid.h"
#include "shrgui/CProperty.h"
#include "shrgui/Export.h"

#include <memory>
#include <vector>

namespace shrgui {

/// A change the user makes reaches the owner dialog as the PropertyChanged event with
/// the list's control id and the changed CProperty's address; SetValue sends nothing.
class SHRGUI_EXPORT CPropertyList : public platform::PropertyGrid {
public:
    /// Creates the grid in `parent` over `rect` (client coordinates). `style` is kept for
    /// the callers' sake. Returns false when the dialog has no window.
    bool Create(unsigned style, platform::Rect rect, platform::Dialog& parent, int id);
    void EnableHeaderCtrl(bool on, std::wstring const& left, std::wstring const& right);
    /// Appends a top-level item; returns its index.
    int AddProperty(std::unique_ptr<CProperty> property);
    void RemoveAll();
    int GetPropertyCount() const { return static_cast<int>(m_properties.size()); }
    /// An index out of range is an internal error.
    CProperty* GetProperty(int index) const;
    /// The first item (depth first, with sub-items when asked) carrying `data`, or null.
    CProperty* FindItemByData(std::uint64_t data, bool searchSubItems = true) const;
    void SetCurSel(CProperty* property);
    CProperty* GetCurSel() const;
    void EnsureVisible(CProperty* property);

protected:
    void OnDestroy() override;

private:
    std::vector<std::unique_ptr<CProperty>> m_properties;
};

} // namespace shrgui
