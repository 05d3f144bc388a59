#include "WxToolBar.h"
#include "WxDialog.h"
#include "WxSheet.h"
#include "WxWindow.h"

#include "platform/Error.h"

#include <wx/artprov.h>
#include <wx/mstream.h>
#include <wx/settings.h>
#include <wx/toolbar.h>

namespace platform::wx {

WxToolBar::WxToolBar(WxDialog* parent, ControlId id)
    : ModelBackedToolBar(parent, id,
                         new wxToolBar(&parent->Container(), wxID_ANY, wxDefaultPosition,
                                       wxDefaultSize,
                                       wxTB_HORIZONTAL | wxTB_FLAT | wxTB_NODIVIDER)) {
    // The bar sits among the controls, not on a band of its own: on a property page, which
    // the notebook paints in the base colour, the bar's grey would show as a box.
    if (parent->Sheet() != nullptr) {
        Bar().SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    }
    Bar().Bind(wxEVT_TOOL, [this](wxCommandEvent& event) {
        if (IsCheckButton(event.GetId())) {
            FlippedByToolkit(event.GetId(), Bar().GetToolState(event.GetId()));
        }
        Message message;
        message.event = Event::Command;
        message.id = event.GetId();
        Raise(message);
    });
}

void WxToolBar::ShowLoaded(ToolBarTemplate const& bar) {
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
        wxString const tip = ToWx(ButtonToolTip(command));
        Bar().AddTool(command, tip, bitmap, wxNullBitmap,
                      IsCheckButton(command) ? wxITEM_CHECK : wxITEM_NORMAL, tip);
    }
    Bar().Realize();
    Bar().SetSize(Bar().GetBestSize());
}

Size WxToolBar::FixedSize() const {
    wxSize const size = Bar().GetBestSize();
    return {size.x, size.y};
}

void WxToolBar::SendCommand(ControlId command) {
    wxCommandEvent event(wxEVT_TOOL, command);
    event.SetEventObject(&Bar());
    Bar().ProcessWindowEvent(event);
}

} // namespace platform::wx
