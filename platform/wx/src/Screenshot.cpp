#include "platform/wx/Screenshot.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

namespace platform::wx {

bool SaveScreenshot(wxTopLevelWindow& window, std::string const& path) {
    window.Raise();
    window.Refresh();
    // Painting runs from the loop; a few bounded rounds let it finish.
    for (int round = 0; round < 10; ++round) {
        window.Update();
        wxYield();
        wxMilliSleep(10);
    }
    // Read from the window's own surface: on GTK 3 the screen's surface keeps serving
    // the picture it gave first, so every later screenshot would repeat the first one.
    wxSize const size = window.GetClientSize();
    wxBitmap bitmap(size.x, size.y);
    {
        wxMemoryDC memory(bitmap);
        wxClientDC client(&window);
        memory.Blit(0, 0, size.x, size.y, &client, 0, 0);
    }
    return bitmap.ConvertToImage().SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG);
}

} // namespace platform::wx
