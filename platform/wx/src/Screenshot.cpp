#include "platform/wx/Screenshot.h"

#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
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
    wxRect const rect = window.GetScreenRect();
    wxBitmap bitmap(rect.width, rect.height);
    {
        wxMemoryDC memory(bitmap);
        wxScreenDC screen;
        memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
    }
    return bitmap.ConvertToImage().SaveFile(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG);
}

} // namespace platform::wx
