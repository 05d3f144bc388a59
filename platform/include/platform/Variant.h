// platform::Variant: the typed value a property-grid item holds.
#pragma once

#include <string>
#include <variant>

namespace platform {

/// Empty, a double, an int, a bool or a text.
using Variant = std::variant<std::monostate, double, int, bool, std::wstring>;

enum class VariantType { Empty, Double, Int, Bool, Text };

inline VariantType TypeOf(Variant const& value) {
    return static_cast<VariantType>(value.index());
}

} // namespace platform
