#include "WxPickList.h"

#include <wx/combo.h>
#include <wx/propgrid/editors.h>
#include <wx/propgrid/propgrid.h>

namespace platform::wx {

namespace {

/// Rows a dropped-down list shows at once.
constexpr int ShownRows = 12;

class PickListChoiceEditor final : public wxPGChoiceEditor {
public:
    wxString GetName() const override { return "GridlorePickList"; }

    wxPGWindowList CreateControls(wxPropertyGrid* grid, wxPGProperty* property,
                                  wxPoint const& position, wxSize const& size) const override {
        wxPGWindowList controls = wxPGChoiceEditor::CreateControls(grid, property, position, size);
        if (auto* box = dynamic_cast<wxComboCtrl*>(controls.GetPrimary())) {
            LimitDropDown(*box);
        }
        return controls;
    }
};

} // namespace

void LimitDropDown(wxComboCtrl& box) {
    box.SetPopupMaxHeight(ShownRows * (box.GetCharHeight() + box.FromDIP(4)));
}

wxPGEditor* PickListEditor() {
    // The grid owns registered editors and deletes them when the application ends.
    static wxPGEditor* const editor = wxPropertyGrid::RegisterEditorClass(new PickListChoiceEditor);
    return editor;
}

} // namespace platform::wx
