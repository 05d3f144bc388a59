#include "gridlore/CoordinateSystemCollection.h"

namespace Gridlore {

namespace {

bool SameSystem(CoordinateSystem const& a, CoordinateSystem const& b, bool matchName) {
    if (a.IsEmpty() || b.IsEmpty())
        return a.IsEmpty() && b.IsEmpty();
    return a.GetCSDef()->Compare(*b.GetCSDef(), !matchName);
}

} // namespace

CoordinateSystem const* CoordinateSystemCollection::Find(CoordinateSystem const& system,
                                                         bool matchName) const {
    int const position = FindIndex(system, matchName);
    return position < 0 ? nullptr : &m_systems[static_cast<std::size_t>(position)];
}

int CoordinateSystemCollection::FindIndex(CoordinateSystem const& system, bool matchName) const {
    for (std::size_t position = 0; position < m_systems.size(); ++position)
        if (SameSystem(m_systems[position], system, matchName))
            return static_cast<int>(position);
    return -1;
}

} // namespace Gridlore
