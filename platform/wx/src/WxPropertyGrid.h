#pragma once

#include "WxDialog.h"
#include "WxWindow.h"
#include "platform/ToolkitPropertyGrid.h"

#include <wx/propgrid/manager.h>

#include <cstddef>
#include <string>

namespace platform::wx {

class WxPropertyGrid final
    : public backend::ToolkitPropertyGrid<WxWindow<backend::NativePropertyGrid>, wxWindow> {
public:
    WxPropertyGrid(WxDialog* parent, ControlId id, Rect pixels);

    void Select(backend::PropertyHandle row) override;
    void EnsureVisible(backend::PropertyHandle row) override;
    void EnableHeader(bool on, std::wstring const& left, std::wstring const& right) override;

private:
    wxPropertyGrid& Grid() const;
    wxPGProperty* Property(backend::PropertyHandle row) const;
    /// The property's value, text and units as the grid draws them, so that a difference
    /// from the headless grid shows.
    ShownRow Shown(backend::PropertyHandle row) const override;
    backend::PropertyHandle ShowAppended(backend::PropertyHandle parent,
                                         backend::PropertyDesc const& desc) override;
    void ShowRemovedAll() override { Grid().Clear(); }
    void ShowValue(backend::PropertyHandle row, Variant const& value) override;
    void ShowOptionAdded(backend::PropertyHandle row, std::wstring const& option) override;
    void ShowUnits(backend::PropertyHandle row, std::wstring const& units) override;
    /// A left click in the middle of the row's value cell, delivered to the grid.
    void OpenEditor(backend::PropertyHandle row) override;
    /// Goes the grid's own way for an edit: through the drop-down a pick list's selection
    /// opened, else validated, then announced as a change.
    void ChangeAsUser(backend::PropertyHandle row, Variant const& value) override;
    backend::PropertyHandle SelectedShown() const override;
    wxWindow* FocusedEditor() const override;
    void CloseEditor(wxWindow& editor, bool commit) override;
    void OnChanged(wxPropertyGridEvent& event);
    void FitColumnsLater();
    void FitColumns();

    /// Names the rows uniquely: several groups hold a row labelled "Name".
    std::size_t m_appended = 0;
    bool m_fitPending = false;
};

} // namespace platform::wx
