#pragma once

#include "WxDialog.h"
#include "platform/ToolkitSheet.h"

namespace platform::wx {

/// A dialog with a notebook of pages and its own OK and Cancel.
class WxSheet final : public backend::ToolkitSheet<WxSheet, WxDialog> {
public:
    using ToolkitSheet::ToolkitSheet;
};

} // namespace platform::wx

// WxSheet.cpp gives the sheet the toolkit's window and notebook and instantiates it there.
extern template class platform::backend::ToolkitSheet<platform::wx::WxSheet,
                                                      platform::wx::WxDialog>;
