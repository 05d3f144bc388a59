#include "WxToolBar.h"
#include "WxDialog.h"
#include "WxSheet.h"
#include "WxWindow.h"

#include "platform/Error.h"

#include <wx/artprov.h>
#include <wx/mstream.h>
#include <wx/settings.h>
#include <wx/toolbar.h>

#include <algorithm>

namespace platform::wx {

WxToolBar::WxToolBar(WxDialog* parent, ControlId id)
    : WxWindow(parent, id,
               new wxToolBar(&parent->Container(), wxID_ANY, wxDefaultPosition, wxDefaultSize,
                             wxTB_HORIZONTAL | wxTB_FLAT | wxTB_NODIVIDER)) {
    // The bar sits among the controls, not on a band of its own: on a property page, which
    // the notebook paints in the base colour, the bar's grey would show as a box.
    if (parent->Sheet() != nullptr) {
        Bar().SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    }
    Bar().Bind(wxEVT_TOOL, [this](wxCommandEvent& event) {
        Message message;
        message.event = Event::Command;
        message.id = event.GetId();
        Raise(message);
    });
}

void WxToolBar::Load(ToolBarTemplate const& bar, std::vector<std::wstring> const& tooltips) {
    wxSize const size(bar.buttonSize.width, bar.buttonSize.height);
    wxImage strip;
    if (!bar.image.empty()) {
        wxMemoryInputStream stream(bar.image.data(), bar.image.size());
        strip.LoadFile(stream, wxBITMAP_TYPE_PNG);
    }
    // Without an image of its own a button shows a stock one, so it can still be seen.
    wxArtID const stock[] = {wxART_FIND, wxART_CROSS_MARK, wxART_INFORMATION, wxART_QUESTION};
    Bar().SetToolBitmapSize(size);
    int image = 0;
    for (std::size_t i = 0; i < bar.buttons.size(); ++i) {
        ControlId const command = bar.buttons[i];
        if (command == 0) {
            Bar().AddSeparator();
            continue;
        }
        wxRect const cell(image * size.x, 0, size.x, size.y);
        wxBitmap bitmap;
        if (strip.IsOk() && cell.GetRight() < strip.GetWidth()) {
            bitmap = wxBitmap(strip.GetSubImage(cell));
        } else {
            bitmap = wxArtProvider::GetBitmap(stock[image % 4], wxART_TOOLBAR, size);
        }
        ++image;
        wxString const tip = i < tooltips.size() ? ToWx(tooltips[i]) : wxString();
        bool const checkable = std::find(bar.checkButtons.begin(), bar.checkButtons.end(),
                                         command) != bar.checkButtons.end();
        Bar().AddTool(command, tip, bitmap, wxNullBitmap, checkable ? wxITEM_CHECK : wxITEM_NORMAL,
                      tip);
        m_buttons.push_back(command);
    }
    Bar().Realize();
    Bar().SetSize(Bar().GetBestSize());
}

void WxToolBar::Check(ControlId command) const {
    if (std::find(m_buttons.begin(), m_buttons.end(), command) == m_buttons.end()) {
        PLATFORM_ERROR(L"toolbar " + std::to_wstring(m_id) + L" has no button " +
                       std::to_wstring(command));
    }
}

void WxToolBar::EnableButton(ControlId command, bool on) {
    Check(command);
    Bar().EnableTool(command, on);
}

bool WxToolBar::IsButtonEnabled(ControlId command) const {
    Check(command);
    return Bar().GetToolEnabled(command);
}

std::wstring WxToolBar::ButtonToolTip(ControlId command) const {
    Check(command);
    return FromWx(Bar().GetToolShortHelp(command));
}

void WxToolBar::CheckButton(ControlId command, bool on) {
    Check(command);
    // Toggling a button to the state it has would still redraw it, at every idle.
    if (Bar().GetToolState(command) != on) {
        Bar().ToggleTool(command, on);
    }
}

bool WxToolBar::IsButtonChecked(ControlId command) const {
    Check(command);
    return Bar().GetToolState(command);
}

Size WxToolBar::FixedSize() const {
    wxSize const size = Bar().GetBestSize();
    return {size.x, size.y};
}

void WxToolBar::Click(ControlId command) {
    if (!IsButtonEnabled(command)) {
        PLATFORM_ERROR(L"the toolbar button " + std::to_wstring(command) + L" is disabled");
    }
    // A click on a check button flips it before its command is sent, as the native one does.
    wxToolBarToolBase const* tool = Bar().FindById(command);
    if (tool != nullptr && tool->CanBeToggled()) {
        Bar().ToggleTool(command, !tool->IsToggled());
    }
    wxCommandEvent event(wxEVT_TOOL, command);
    event.SetEventObject(&Bar());
    Bar().ProcessWindowEvent(event);
}

} // namespace platform::wx
