#include "WxPropertyGrid.h"
#include "WxDialog.h"
#include "WxPickList.h"
#include "WxWindow.h"

#include "platform/Error.h"
#include "platform/PropertyGrid.h"

#include <wx/odcombo.h>
#include <wx/propgrid/advprops.h>
#include <wx/propgrid/manager.h>
#include <wx/propgrid/props.h>

#include <algorithm>
#include <utility>

namespace platform::wx {

namespace {

/// Shows its number in the process-wide format of the platform's grids, as the headless
/// grid does, rather than in wx's own precision.
class FormattedFloatProperty final : public wxFloatProperty {
public:
    FormattedFloatProperty(wxString const& label, wxString const& name, double value)
        : wxFloatProperty(label, name, value) {}

    wxString ValueToString(wxVariant& value, int) const override {
        return ToWx(PropertyGrid::FormatDouble(value.GetDouble()));
    }
};

wxPGProperty* MakeProperty(backend::PropertyDesc const& desc, wxString const& name) {
    wxString const label = ToWx(desc.name);
    if (desc.isGroup) {
        return new wxPropertyCategory(label, name);
    }
    switch (TypeOf(desc.value)) {
    case VariantType::Double:
        return new FormattedFloatProperty(label, name, std::get<double>(desc.value));
    case VariantType::Int:
        return new wxIntProperty(label, name, std::get<int>(desc.value));
    case VariantType::Bool:
        return new wxBoolProperty(label, name, std::get<bool>(desc.value));
    default:
        break;
    }
    std::wstring const text =
        TypeOf(desc.value) == VariantType::Text ? std::get<std::wstring>(desc.value) : L"";
    if (desc.options.empty()) {
        return new wxStringProperty(label, name, ToWx(text));
    }
    // A pick list without free editing is an enumeration; with it, an editable one.
    wxPGChoices choices;
    for (std::wstring const& option : desc.options) {
        choices.Add(ToWx(option));
    }
    if (desc.allowEdit) {
        return new wxEditEnumProperty(label, name, choices, ToWx(text));
    }
    int index = choices.Index(ToWx(text));
    if (index == wxNOT_FOUND) {
        index = static_cast<int>(choices.GetCount());
        choices.Add(ToWx(text));
    }
    auto* list = new wxEnumProperty(label, name, choices, index);
    list->SetEditor(PickListEditor());
    return list;
}

} // namespace

WxPropertyGrid::WxPropertyGrid(WxDialog* parent, ControlId id, Rect pixels)
    : ToolkitPropertyGrid(parent, id,
                          new wxPropertyGridManager(&parent->Container(), wxID_ANY,
                                                    wxPoint(pixels.left, pixels.top),
                                                    wxSize(pixels.Width(), pixels.Height()),
                                                    static_cast<long>(wxBORDER_SIMPLE))) {
    // The manager shows its header only over a page.
    static_cast<wxPropertyGridManager&>(*m_widget).AddPage();
    // The grid announces changes through its manager.
    m_widget->Bind(wxEVT_PG_CHANGED, &WxPropertyGrid::OnChanged, this);
}

wxPropertyGrid& WxPropertyGrid::Grid() const {
    return *static_cast<wxPropertyGridManager&>(*m_widget).GetGrid();
}

wxPGProperty* WxPropertyGrid::Property(backend::PropertyHandle row) const {
    Desc(row);
    // A row's handle is its property's address, known to be one since Desc found it.
    return reinterpret_cast<wxPGProperty*>(row); // NOLINT(performance-no-int-to-ptr)
}

backend::PropertyHandle WxPropertyGrid::ShowAppended(backend::PropertyHandle parent,
                                                     backend::PropertyDesc const& desc) {
    wxPGProperty* property = MakeProperty(desc, wxString::Format("row%zu", ++m_appended));
    property->SetHelpString(ToWx(desc.description));
    if (!desc.units.empty()) {
        property->SetAttribute(wxPG_ATTR_UNITS, ToWx(desc.units));
    }
    // Append would put a value after a category into it; rows go where they are asked.
    Grid().AppendIn(parent == 0 ? Grid().GetRoot() : Property(parent), property);
    FitColumnsLater();
    return reinterpret_cast<backend::PropertyHandle>(property);
}

void WxPropertyGrid::FitColumnsLater() {
    // Rows come one by one; the columns are fitted once the handler adding them is done.
    if (std::exchange(m_fitPending, true)) {
        return;
    }
    // A call pending on a window goes with it, so `this` cannot outlive the call.
    m_widget->CallAfter([this] {
        m_fitPending = false;
        FitColumns();
    });
}

void WxPropertyGrid::FitColumns() {
    // The names column as wide as the grid measures its longest name, rows under closed
    // parents included; the values take the rest. A column split in the middle cut long
    // names and values alike.
    wxPropertyGridPageState const& state = *Grid().GetState();
    int names = 0;
    for (auto row = Grid().GetIterator(wxPG_ITERATE_ALL); !row.AtEnd(); row.Next()) {
        names = std::max(names, state.GetColumnFullWidth(row.GetProperty(), 0));
    }
    if (names > 0) {
        static_cast<wxPropertyGridManager&>(*m_widget).SetPageSplitterPosition(0, names);
    }
}

WxPropertyGrid::ShownRow WxPropertyGrid::Shown(backend::PropertyHandle row) const {
    wxPGProperty* property = Property(row);
    ShownRow shown{.value = {},
                   .text = FromWx(property->GetDisplayedString()),
                   .units = FromWx(property->GetAttribute(wxPG_ATTR_UNITS).GetString())};
    switch (TypeOf(Desc(row).value)) {
    case VariantType::Double:
        shown.value = property->GetValue().GetDouble();
        break;
    case VariantType::Int:
        shown.value = static_cast<int>(property->GetValue().GetLong());
        break;
    case VariantType::Bool:
        shown.value = property->GetValue().GetBool();
        break;
    case VariantType::Text:
        shown.value = FromWx(property->GetValueAsString());
        break;
    default:
        break;
    }
    return shown;
}

void WxPropertyGrid::ShowValue(backend::PropertyHandle row, Variant const& value) {
    wxPGProperty* property = Property(row);
    switch (TypeOf(value)) {
    case VariantType::Double:
        Grid().SetPropertyValue(property, std::get<double>(value));
        break;
    case VariantType::Int:
        Grid().SetPropertyValue(property, static_cast<long>(std::get<int>(value)));
        break;
    case VariantType::Bool:
        Grid().SetPropertyValue(property, std::get<bool>(value));
        break;
    case VariantType::Text: {
        wxString const text = ToWx(std::get<std::wstring>(value));
        if (auto* list = dynamic_cast<wxEnumProperty*>(property);
            list != nullptr && list->GetChoices().Index(text) == wxNOT_FOUND) {
            list->AddChoice(text);
        }
        property->SetValueFromString(text);
        Grid().RefreshProperty(property);
        break;
    }
    default:
        break;
    }
}

void WxPropertyGrid::ShowOptionAdded(backend::PropertyHandle row, std::wstring const& option) {
    Property(row)->AddChoice(ToWx(option));
}

void WxPropertyGrid::Select(backend::PropertyHandle row) {
    if (row == 0) {
        Grid().ClearSelection();
        return;
    }
    Grid().SelectProperty(Property(row));
}

backend::PropertyHandle WxPropertyGrid::SelectedShown() const {
    return reinterpret_cast<backend::PropertyHandle>(Grid().GetSelection());
}

void WxPropertyGrid::EnsureVisible(backend::PropertyHandle row) {
    Grid().EnsureVisible(Property(row));
}

void WxPropertyGrid::EnableHeader(bool on, std::wstring const& left, std::wstring const& right) {
    auto& manager = static_cast<wxPropertyGridManager&>(*m_widget);
    manager.ShowHeader(on);
    manager.SetColumnTitle(0, ToWx(left));
    manager.SetColumnTitle(1, ToWx(right));
}

void WxPropertyGrid::ShowUnits(backend::PropertyHandle row, std::wstring const& units) {
    Property(row)->SetAttribute(wxPG_ATTR_UNITS, ToWx(units));
    Grid().RefreshProperty(Property(row));
}

void WxPropertyGrid::ChangeAsUser(backend::PropertyHandle row, Variant const& value) {
    if (value == GetValue(row)) {
        return;
    }
    wxVariant change;
    switch (TypeOf(value)) {
    case VariantType::Double:
        change = std::get<double>(value);
        break;
    case VariantType::Int:
        change = static_cast<long>(std::get<int>(value));
        break;
    case VariantType::Bool:
        change = std::get<bool>(value);
        break;
    default:
        if (auto* list = dynamic_cast<wxEnumProperty*>(Property(row));
            list != nullptr && dynamic_cast<wxEditEnumProperty*>(list) == nullptr) {
            int const index = list->GetChoices().Index(ToWx(std::get<std::wstring>(value)));
            // A pick goes through the drop-down the selection opened, as the user's does:
            // the grid commits it from the editor's own event.
            if (auto* editor = dynamic_cast<wxOwnerDrawnComboBox*>(Grid().GetEditorControl())) {
                editor->SetSelection(index);
                wxCommandEvent picked(wxEVT_COMBOBOX, editor->GetId());
                picked.SetEventObject(editor);
                picked.SetInt(index);
                editor->GetEventHandler()->ProcessEvent(picked);
                return;
            }
            change = static_cast<long>(index);
        } else {
            change = ToWx(std::get<std::wstring>(value));
        }
        break;
    }
    // The grid's own path for an edit: validated, then announced as a change.
    Grid().ChangePropertyValue(Property(row), change);
    // The editor opened by the selection still shows the old text; a user's editor shows
    // what was typed. A handler may have emptied the grid meanwhile.
    if (Holds(row) && Grid().GetSelection() == Property(row)) {
        Grid().RefreshEditor();
    }
}

void WxPropertyGrid::OpenEditor(backend::PropertyHandle row) {
    wxPropertyGrid& grid = Grid();
    wxPGProperty* property = Property(row);
    grid.EnsureVisible(property);
    wxRect const cell = grid.GetPropertyRect(property, property);
    int const splitter = grid.GetSplitterPosition();
    wxPoint const at = grid.CalcScrolledPosition(
        wxPoint((splitter + cell.GetRight()) / 2, cell.y + cell.height / 2));
    for (wxEventType const type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP}) {
        wxMouseEvent click(type);
        click.m_x = at.x;
        click.m_y = at.y;
        click.m_leftDown = type == wxEVT_LEFT_DOWN;
        click.SetEventObject(&grid);
        grid.ProcessWindowEvent(click);
    }
}

wxWindow* WxPropertyGrid::FocusedEditor() const {
    wxPropertyGrid const& grid = Grid();
    for (wxWindow* focus = wxWindow::FindFocus(); focus != nullptr && focus != &grid;
         focus = focus->GetParent()) {
        if (focus == grid.GetEditorControl() || focus == grid.GetEditorControlSecondary()) {
            return focus;
        }
    }
    return nullptr;
}

void WxPropertyGrid::CloseEditor(wxWindow&, bool commit) {
    wxPropertyGrid& grid = Grid();
    if (commit) {
        if (grid.CommitChangesFromEditor()) {
            grid.SetFocus();
        }
        return;
    }
    // The editor shows the row's value again and forgets it was typed in, so closing
    // it commits nothing and raises no change event.
    grid.RefreshEditor();
    grid.EditorsValueWasNotModified();
    grid.UnfocusEditor();
    grid.SetFocus();
}

void WxPropertyGrid::OnChanged(wxPropertyGridEvent& event) {
    auto const handle = reinterpret_cast<backend::PropertyHandle>(event.GetProperty());
    if (!Holds(handle)) {
        return;
    }
    AnnounceChange(handle);
}

} // namespace platform::wx
