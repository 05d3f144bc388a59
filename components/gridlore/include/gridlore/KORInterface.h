// Gridlore::KORInterface: the browser's access to the known systems list.
#pragma once

#include "gridlore/Export.h"
#include "kor/CSDef.h"

namespace Gridlore {

/// Reached through shr::Singleton<KORInterface>::Instance(); positions are those of
/// kor::KORKnownSystemsList.
class GRIDLORE_EXPORT KORInterface {
public:
    /// The known definition equal to `definition`, or null (also for null). With
    /// `exact` the names must be equal as well as the parameters.
    kor::CSDef const* Find(kor::CSDef const* definition, bool exact) const;
    kor::CSDef const* Find(kor::CSDef const& definition, bool exact) const;
    /// Whether Find gives a definition. The registry's own system, unchanged, is known
    /// without building the known definition, which would read the registry.
    bool Knows(kor::CSDef const* definition, bool exact) const;
    /// The definition at a known-list position; null out of range.
    kor::CSDef const* at(int position) const;
};

} // namespace Gridlore
