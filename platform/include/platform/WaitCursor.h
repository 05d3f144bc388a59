// platform::WaitCursor: the busy cursor for the life of a scope.
#pragma once

#include "platform/Export.h"

namespace platform {

/// Nested wait cursors count: the cursor returns when the last ends.
class [[nodiscard]] WaitCursor final {
public:
    PLATFORM_EXPORT WaitCursor();
    PLATFORM_EXPORT ~WaitCursor();
    /// Loads the cursor's images now, which the toolkit would read from the cursor theme at
    /// the first wait, without showing it.
    PLATFORM_EXPORT static void Prepare();
    WaitCursor(WaitCursor const&) = delete;
    WaitCursor& operator=(WaitCursor const&) = delete;
};

} // namespace platform
