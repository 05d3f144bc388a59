// gridhost::HostErrorSink: tells the user what the dialogs report, in message boxes.
#pragma once

#include "shr/IError.h"

namespace gridhost {

/// Boxes go through the installed backend, so a scripted session's driver answers them
/// and records what they said.
class HostErrorSink final : public shr::IError {
public:
    void ShowMessage(std::wstring const& caption, std::wstring const& message) override;
    bool AskQuestion(std::wstring const& caption, std::wstring const& message) override;
    void ReportError(std::wstring const& caption, std::wstring const& message,
                     std::wstring const& module, std::wstring const& file, int line) override;
    void ShowError(std::wstring const& caption, std::wstring const& message) override;
};

} // namespace gridhost
