// How the dialogs read a property's value in the type a parameter wants, whatever type
// the grid hands it back in.
#pragma once

#include "platform/Variant.h"

#include <string>

namespace gridui {

/// A number, or a text that is one; NaN for anything else.
double ToDouble(platform::Variant const& value);
/// A whole number, a number cut to one, or a text that is one; 0 for anything else.
int ToInt(platform::Variant const& value);
/// True for true and for any non-zero number.
bool ToBool(platform::Variant const& value);
/// The text of a text value; empty for anything else.
std::wstring ToText(platform::Variant const& value);

} // namespace gridui
