// ExecuteNoThrow: runs clean-up code so that no exception ever leaves it.
#pragma once

#include "shr/Logger.h"

#include <cstdarg>
#include <utility>

#define SHARED_WIDEN_(text) L##text
#define SHARED_WIDEN(text) SHARED_WIDEN_(text)

namespace shared {

/// Runs `action`. Whatever it throws is logged under the module "Shared" with this
/// header's location and swallowed, so the caller goes on as if the action had
/// succeeded. Safe in destructors.
///
/// Use it for clean-up that must happen on every path (restoring a resource handle,
/// turning drawing back on): a failure there is worth a log line, but never worth
/// abandoning the operation that was running or terminating from a destructor.
template <typename Action> void ExecuteNoThrow(Action&& action) noexcept {
    try {
        std::forward<Action>(action)();
    } catch (...) {
        // The log names this line, 27, so reports of clean-up failures from every
        // build point at the same place; keep the call here.
        shr::LogExceptionInfo(L"Shared", SHARED_WIDEN(__FILE__), 27);
    }
}

/// Writes one log line; a log that cannot be written is dropped without a word.
inline void LogNoThrow(int level, wchar_t const* format, ...) noexcept {
    va_list args;
    va_start(args, format);
    try {
        shr::ProcessLogger.SendVAImpl(level, format, args);
    } catch (...) {
    }
    va_end(args);
}

} // namespace shared
