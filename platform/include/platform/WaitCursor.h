// platform::WaitCursor: the busy cursor for the life of a scope.
#pragma once

#include "platform/Export.h"

namespace platform {

/// Nested wait cursors count: the cursor returns when the last ends.
class [[nodiscard]] WaitCursor final {
public:
    PLATFORM_EXPORT WaitCursor();
    PLATFORM_EXPORT ~WaitCursor();
    WaitCursor(WaitCursor const&) = delete;
    WaitCursor& operator=(WaitCursor const&) = delete;
};

} // namespace platform
