// The numbers the dialogs share with the platform: results, message-box styles, window ids.
#pragma once

namespace platform {

/// A control's id within its dialog, or a command id.
using ControlId = int;

/// Results of DoModal and of message boxes.
enum DialogResult : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDYES = 6,
    IDNO = 7,
};

/// Message-box styles: one button set, optionally or'ed with one icon.
enum MessageBoxStyle : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
};

/// The id a dialog's toolbar window carries.
inline constexpr ControlId ToolBarWindowId = 59392;

/// Keys the dialogs react to.
enum Key : int {
    KeyReturn = 0x0D,
    KeyEscape = 0x1B,
    KeyDelete = 0x2E,
};

} // namespace platform
