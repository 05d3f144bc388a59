#include "StartupReport.h"

#include "ErrorBoxRule.h"
#include "platform/wx/WxBackend.h"
#include "shr/Logger.h"
#include "shr/Utf8.h"

#include <wx/app.h>
#include <wx/debug.h>
#include <wx/init.h>
#include <wx/msgdlg.h>

#include <iostream>

namespace gridhost {

void RouteToolkitAssertions() {
    wxSetAssertHandler([](wxString const& file, int line, wxString const& function,
                          wxString const& condition, wxString const& message) {
        std::wstring const text = L"toolkit assertion " + condition.ToStdWstring() + L" (" +
                                  message.ToStdWstring() + L") in " + function.ToStdWstring() +
                                  L" at " + file.ToStdWstring() + L":" + std::to_wstring(line);
        shr::ProcessLogger.Send(shr::LogError, L"%ls", text.c_str());
        std::cerr << "gridlore-host: " << shr::ToUtf8(text) << '\n';
    });
}

void ReportStartupError(std::string const& message, bool scripted) {
    std::cerr << "gridlore-host: " << message << '\n';
    if (!ShowsErrorsInBox(CurrentLaunch(scripted))) {
        return;
    }
    // Without a terminal the line above goes nowhere a user looks.
    bool const running = wxTheApp != nullptr;
    int argc = 1;
    char name[] = "gridlore-host";
    char* argv[] = {name, nullptr};
    if (!running && !platform::wx::WxBackend::StartApplication(argc, argv)) {
        return;
    }
    wxMessageBox(wxString::FromUTF8(message), "GridloreUI Host", wxOK | wxICON_ERROR);
    if (!running) {
        wxEntryCleanup();
    }
}

} // namespace gridhost
