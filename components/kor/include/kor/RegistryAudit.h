// kor registry audit: does every registry system survive the trip through our definitions?
#pragma once

#include "kor/Export.h"

#include <string>
#include <vector>

namespace kor {

struct KOR_EXPORT RoundTripFailure {
    int code = 0;
    std::wstring name;
    /// The registry's name of the projection method ("Geographic" for geographic systems).
    std::wstring method;
    std::wstring reason;
};

struct KOR_EXPORT RoundTripReport {
    int tested = 0;
    int passed = 0;
    std::vector<RoundTripFailure> failures;
};

/// Reads every non-deprecated EPSG geographic 2D and projected system from the
/// registry, makes our definition of it, turns that back into a PROJ object and asks
/// PROJ whether it is equivalent to the registry's own (PROJ's tolerant equivalence,
/// ignoring the axis order of geographic systems). Throws KORException when the registry
/// cannot be opened.
KOR_EXPORT RoundTripReport AuditRegistryRoundTrip();

} // namespace kor
