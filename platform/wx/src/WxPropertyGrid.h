#pragma once

#include "WxDialog.h"
#include "WxWindow.h"
#include "platform/ModelBackedPropertyGrid.h"

#include <wx/propgrid/manager.h>

#include <cstddef>
#include <string>

namespace platform::wx {

class WxPropertyGrid final
    : public backend::ModelBackedPropertyGrid<WxWindow<backend::NativePropertyGrid>> {
public:
    WxPropertyGrid(WxDialog* parent, ControlId id, Rect pixels);

    Variant GetValue(backend::PropertyHandle row) const override;
    void Select(backend::PropertyHandle row) override;
    backend::PropertyHandle Selected() const override;
    void EnsureVisible(backend::PropertyHandle row) override;
    void EnableHeader(bool on, std::wstring const& left, std::wstring const& right) override;
    /// What the grid itself draws, so a difference from the headless grid shows.
    std::wstring DisplayText(backend::PropertyHandle row) const override;
    /// What the grid draws after the value, not what was asked for.
    std::wstring Units(backend::PropertyHandle row) const override;
    /// Changes a row's value the way the grid's editor does, with the change event.
    void UserEdit(backend::PropertyHandle row, std::wstring const& text) override;
    bool CommitEditor() override;
    bool CancelEditor() override;
    /// The row's editor when it holds the focus; null when no editor is open.
    wxWindow* FocusedEditor() const;

private:
    wxPropertyGrid& Grid() const;
    wxPGProperty* Property(backend::PropertyHandle row) const;
    backend::PropertyHandle ShowAppended(backend::PropertyHandle parent,
                                         backend::PropertyDesc const& desc) override;
    void ShowRemovedAll() override { Grid().Clear(); }
    void ShowValue(backend::PropertyHandle row, Variant const& value) override;
    void ShowOptionAdded(backend::PropertyHandle row, std::wstring const& option) override;
    void ShowUnits(backend::PropertyHandle row, std::wstring const& units) override;
    /// A left click in the middle of the row's value cell, delivered to the grid.
    void OpenEditor(backend::PropertyHandle row) override;
    void OnChanged(wxPropertyGridEvent& event);
    void FitColumnsLater();
    void FitColumns();

    /// Names the rows uniquely: several groups hold a row labelled "Name".
    std::size_t m_appended = 0;
    bool m_fitPending = false;
};

} // namespace platform::wx
