// HostErrorSink: what the dialogs tell the Qt host's user, in boxes or, in a tour, on stderr.
#pragma once

#include "shr/IError.h"

#include <string>

class QWidget;

/// In a user's run each report is a message box over `owner`; in a scripted run nobody
/// could answer one, so reports go to stderr and questions are answered no.
class HostErrorSink final : public shr::IError {
public:
    HostErrorSink(QWidget* owner, bool scripted);

    void ShowMessage(std::wstring const& caption, std::wstring const& message) override;
    bool AskQuestion(std::wstring const& caption, std::wstring const& message) override;
    void ReportError(std::wstring const& caption, std::wstring const& message,
                     std::wstring const& module, std::wstring const& file, int line) override;
    void ShowError(std::wstring const& caption, std::wstring const& message) override;

private:
    QWidget* m_owner;
    bool m_scripted;
};
