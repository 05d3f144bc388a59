#include "ToolkitOnly.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

namespace browserbench {

namespace {

// The browser's places in pixels at the usual font.
constexpr int ButtonLeft = 460;
constexpr int ButtonWidth = 192;
constexpr int ButtonHeight = 30;

} // namespace

ToolkitOnlyDialog::ToolkitOnlyDialog()
    : wxDialog(nullptr, wxID_ANY, "Toolkit only", wxDefaultPosition, wxSize(666, 657)) {
    new wxComboBox(this, wxID_ANY, "", wxPoint(12, 13), wxSize(354, -1));
    m_status =
        new wxStaticText(this, wxID_ANY, "", wxPoint(12, 51), wxSize(320, 17), wxST_NO_AUTORESIZE);
    m_tree = new wxTreeCtrl(this, wxID_ANY, wxPoint(12, 70), wxSize(432, 318),
                            wxTR_HIDE_ROOT | wxTR_SINGLE | wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT |
                                wxBORDER_SIMPLE);
    new wxTextCtrl(this, wxID_ANY, "WGS 84\nEPSG:4326", wxPoint(12, 402), wxSize(432, 238),
                   wxTE_MULTILINE | wxTE_READONLY);
    for (int top : {47, 87, 128, 198, 238, 308, 349, 566, 610}) {
        m_buttons.push_back(new wxButton(this, wxID_ANY, "Button", wxPoint(ButtonLeft, top),
                                         wxSize(ButtonWidth, ButtonHeight)));
    }
    ShowFullTree();
}

void ToolkitOnlyDialog::ShowFullTree() {
    m_tree->DeleteAllItems();
    wxTreeItemId const root = m_tree->AddRoot("");
    wxTreeItemId selected;
    for (char const* folder : {"In Use", "Local", "Predefined", "Favorites", "Custom"}) {
        wxTreeItemId const top = m_tree->AppendItem(root, folder);
        if (wxString(folder) != "Predefined") {
            continue;
        }
        wxTreeItemId const world =
            m_tree->AppendItem(m_tree->AppendItem(top, "Geographic"), "World");
        for (int i = 0; i < 40; ++i) {
            wxTreeItemId const item = m_tree->AppendItem(world, wxString::Format("System %d", i));
            if (i == 20) {
                selected = item;
            }
        }
    }
    m_status->SetLabel("");
    m_tree->SelectItem(selected);
    m_tree->EnsureVisible(selected);
}

void ToolkitOnlyDialog::EnableCommands(bool on) {
    for (std::size_t i = 2; i < 7; ++i) {
        m_buttons[i]->Enable(on);
    }
}

void ToolkitOnlyDialog::ShowOneResult() {
    m_tree->DeleteAllItems();
    wxTreeItemId const root = m_tree->AddRoot("");
    wxTreeItemId const found = m_tree->AppendItem(
        m_tree->AppendItem(m_tree->AppendItem(m_tree->AppendItem(root, "Predefined"), "Geographic"),
                           "World"),
        "WGS 84");
    m_status->SetLabel("1 coordinate system found");
    m_tree->SelectItem(found);
    m_tree->EnsureVisible(found);
}

} // namespace browserbench
