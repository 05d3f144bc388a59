// platform::WaitCursor: the busy cursor for the life of a scope.
#pragma once

namespace platform {

/// Nested wait cursors count: the cursor returns when the last ends.
class [[nodiscard]] WaitCursor final {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(WaitCursor const&) = delete;
    WaitCursor& operator=(WaitCursor const&) = delete;
};

} // namespace platform
