// What the define dialog's two panels share beyond the class: pointing the user at a
// row and reporting a parameter the library refused.
#pragma once

#include "shr/IError.h"
#include "shrgui/CPropertyList.h"

#include <string>

namespace gridui {

/// Selects `property` (null: nothing) and scrolls it into view.
void PointAt(shrgui::CPropertyList& list, shrgui::CProperty* property);

/// When `badId` names a parameter (not 0): selects its row, if shown, and tells the user
/// `reason`. Returns whether all parameters were good.
bool AcceptParameters(int badId, std::wstring const& reason, shrgui::CPropertyList& list,
                      shr::IError& sink);

} // namespace gridui
