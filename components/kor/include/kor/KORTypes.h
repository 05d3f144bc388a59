// kor basic types: method, data-type and hint identifiers shared by the definitions.
#pragma once

#include <cstdint>

namespace kor {

/// A projection method of the catalogue: 1 geographic (no projection), 3 to 31 the
/// projections; 0 means "not set" and 2 is never used.
using ProjectionMethod = int;

/// A datum method: 1 no shift, 2 geocentric translation, 3 seven-parameter shift.
using DatumMethod = int;

/// How a parameter's value is held.
enum KORDataTypeID : int {
    KORDataTypeDouble = 1,
    KORDataTypeInt = 2,
    KORDataTypeBool = 3,
    /// An integer drawn from a named list (datum method, target, MRE type).
    KORDataTypeEnum = 4,
    KORDataTypeEllipsoid = 5,
};

/// Parameter ids of every definition kind stay below this bound, so that a reader or
/// writer of definitions can walk them all.
inline constexpr int MaxParameterId = 1000;

/// Flags a program may set on a definition; they do not take part in comparisons.
using CSHint = std::uint32_t;

/// The system was defined by the user in a dialog, not taken from the registry.
inline constexpr CSHint CSHintUserDefined = 0x80000000u;

} // namespace kor
