// gridhost::HostFrame: the host's main window: the document's systems and the commands.
#pragma once

#include "HostDocument.h"
#include "shr/IError.h"

#include <wx/frame.h>

#include <memory>
#include <string>

class wxListBox;
class wxTextCtrl;

namespace gridhost {

class HostFrame final : public wxFrame {
public:
    HostFrame(HostDocument& document, std::wstring favoritesPath,
              std::shared_ptr<shr::IError> errorSink);

    /// Opens the browser dialog on the document; true when the user chose a system,
    /// which is then the document's current one. Exceptions of the library pass.
    bool ChooseInDialog();
    /// The same in a property sheet holding the browser page.
    bool ChooseInPropertySheet();
    HostDocument const& Document() const { return m_document; }
    /// The document uses `system` from now on, and the window shows it.
    void UseSystem(Gridlore::CoordinateSystem const& system);
    /// Draws the window's client area into a PNG file.
    bool SaveScreenshot(std::string const& path);

private:
    void ShowDocument();
    /// Runs a command from the menu or a button: whatever the library lets through is
    /// shown to the user, not allowed to end the program.
    void RunCommand(bool (HostFrame::*command)());

    HostDocument& m_document;
    std::wstring m_favoritesPath;
    std::shared_ptr<shr::IError> m_errorSink;
    wxTextCtrl* m_description = nullptr;
    wxListBox* m_inUse = nullptr;
};

} // namespace gridhost
