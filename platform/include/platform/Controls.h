// platform::Edit, Static and Button: controls whose state is their window text and flags.
#pragma once

#include "platform/Window.h"

namespace platform {

/// A text field; EditChange reaches the dialog when the user changes the text.
class Edit : public Window {};

/// A label, frame or placeholder.
class Static : public Window {};

/// A push button; a click reaches the dialog as a Command with the button's id.
class Button : public Window {};

} // namespace platform
