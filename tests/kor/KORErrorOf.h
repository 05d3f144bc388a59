// KORErrorOf: the words of the KORException a call raises, for tests that check them.
#pragma once

#include "kor/KORException.h"

#include <optional>
#include <string>

/// Nothing when the call raises nothing; any other exception goes on to fail the test.
template <typename Call> std::optional<std::wstring> KORErrorOf(Call const& call) {
    try {
        call();
    } catch (kor::KORException const& error) {
        return error.Message();
    }
    return std::nullopt;
}
