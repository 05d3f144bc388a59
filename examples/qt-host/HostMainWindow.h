// HostMainWindow: a Qt host's main window, on which the library's dialogs open.
#pragma once

#include "gridlore/CoordinateSystem.h"
#include "shr/IError.h"

#include <QMainWindow>

#include <filesystem>
#include <memory>

class QPlainTextEdit;

/// Shows the document's current system (its name in the title, its well-known text in the
/// window) and changes it through the menu's three dialogs, each opened on this window.
class HostMainWindow final : public QMainWindow {
public:
    /// `scripted`: nobody is at the screen, so no message box may wait for an answer.
    HostMainWindow(std::filesystem::path favoritesPath, bool scripted);

    /// Each opens its dialog on this window and, on OK, makes what the user accepted the
    /// current system; true on OK.
    bool ChooseSystem();
    bool DefineSystem();
    bool DefineLocalSystem();

    Gridlore::CoordinateSystem const& Current() const { return m_current; }

private:
    /// Runs `dialog`; on OK what the user accepted becomes the current system. True on OK.
    template <typename Dialog> bool Accept(Dialog& dialog);
    /// Runs a menu's command; what it throws is told in a box, as nothing else would.
    void RunFromMenu(bool (HostMainWindow::*command)());
    void ShowSystem();

    std::filesystem::path m_favoritesPath;
    std::shared_ptr<shr::IError> m_errorSink;
    Gridlore::CoordinateSystem m_current;
    QPlainTextEdit* m_text;
};
