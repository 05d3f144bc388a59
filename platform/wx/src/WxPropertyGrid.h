#pragma once

#include "WxDialog.h"
#include "WxWindow.h"

#include <wx/propgrid/manager.h>

#include <map>
#include <string>

namespace platform::wx {

class WxPropertyGrid final : public WxWindow<backend::NativePropertyGrid> {
public:
    WxPropertyGrid(WxDialog* parent, ControlId id, Rect pixels);

    backend::PropertyHandle Append(backend::PropertyHandle parent,
                                   backend::PropertyDesc const& desc) override;
    void RemoveAll() override;
    Variant GetValue(backend::PropertyHandle row) const override;
    void SetValue(backend::PropertyHandle row, Variant const& value) override;
    void AddOption(backend::PropertyHandle row, std::wstring const& option) override;
    void Select(backend::PropertyHandle row) override;
    backend::PropertyHandle Selected() const override;
    void EnsureVisible(backend::PropertyHandle row) override;
    void EnableHeader(bool on, std::wstring const& left, std::wstring const& right) override;
    std::wstring DisplayText(backend::PropertyHandle row) const override;
    void SetUnits(backend::PropertyHandle row, std::wstring const& units) override;
    std::wstring Units(backend::PropertyHandle row) const override;

    /// The row at a path of labels joined by "|"; 0 when absent.
    backend::PropertyHandle Find(std::wstring const& path) const override;
    /// Changes a row's value the way the grid's editor does, with the change event.
    void UserEdit(backend::PropertyHandle row, std::wstring const& text);
    /// A left click in the middle of a row's value cell, delivered to the grid.
    void ClickValue(backend::PropertyHandle row);
    bool CommitEditor() override;
    bool CancelEditor() override;
    /// The row's editor when it holds the focus; null when no editor is open.
    wxWindow* FocusedEditor() const;

private:
    wxPropertyGrid& Grid() const;
    wxPGProperty* Row(backend::PropertyHandle row) const;
    backend::PropertyDesc& Desc(backend::PropertyHandle row);
    backend::PropertyDesc const& Desc(backend::PropertyHandle row) const;
    void OnChanged(wxPropertyGridEvent& event);
    void FitColumnsLater();
    void FitColumns();

    std::map<backend::PropertyHandle, backend::PropertyDesc> m_rows;
    bool m_fitPending = false;
};

} // namespace platform::wx
