#pragma once

#include "QtDialog.h"
#include "platform/ToolkitSheet.h"

namespace platform::qt {

/// A dialog with a tab of each page and its own OK and Cancel.
class QtSheet final : public backend::ToolkitSheet<QtSheet, QtDialog> {
public:
    using ToolkitSheet::ToolkitSheet;
};

} // namespace platform::qt

// QtSheet.cpp gives the sheet Qt's window and tabs and instantiates it there.
extern template class platform::backend::ToolkitSheet<platform::qt::QtSheet,
                                                      platform::qt::QtDialog>;
