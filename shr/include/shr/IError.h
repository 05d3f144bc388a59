// shr::IError: the host's error sink, through which dialogs tell the user of bad input.
#pragma once

#include "shr/Export.h"

#include <string>

namespace shr {

/// Implemented by the host. Every operation returns once the user has been told.
class SHR_EXPORT IError {
public:
    /// A plain notice that is not an error.
    virtual void ShowMessage(std::wstring const& caption, std::wstring const& message) = 0;
    /// A yes/no question; true for yes.
    virtual bool AskQuestion(std::wstring const& caption, std::wstring const& message) = 0;
    /// A validation failure with the source location that found it. An empty caption
    /// lets the host choose its own.
    virtual void ReportError(std::wstring const& caption, std::wstring const& message,
                             std::wstring const& module, std::wstring const& file, int line) = 0;
    /// A plain error box.
    virtual void ShowError(std::wstring const& caption, std::wstring const& message) = 0;

    virtual ~IError() = default;

protected:
    /// A sink is made, copied and assigned as the host's own class that implements it.
    IError() = default;
    /// \copydoc IError()
    IError(IError const&) = default;
    /// \copydoc IError()
    IError& operator=(IError const&) = default;
};

} // namespace shr
