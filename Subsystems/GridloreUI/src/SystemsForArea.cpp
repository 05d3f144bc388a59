#include "SystemsForArea.h"

#include "gridui/GeoGeometry.h"
#include "kor/CSDef.h"
#include "kor/SystemList.h"

#include <algorithm>
#include <utility>

namespace gridui {

GeoArea BoundsOf(kor::KnownSystem const& system) {
    return {system.west, system.south, system.east, system.north};
}

std::vector<int> SystemsForArea(GeoArea const& area) {
    auto const& systems = kor::KORKnownSystemsList;
    std::vector<std::pair<double, int>> held;
    for (int index = systems.First(); index <= systems.Last(); ++index) {
        kor::KnownSystem const* system = systems.EnumEntry(index);
        if (system == nullptr || system->type != kor::CSDef::TypeReferenced) {
            continue;
        }
        GeoArea const use = BoundsOf(*system);
        if (Holds(use, area)) {
            held.emplace_back(SphericalSize(use), index);
        }
    }
    std::stable_sort(held.begin(), held.end(),
                     [](auto const& a, auto const& b) { return a.first < b.first; });
    std::vector<int> positions;
    positions.reserve(held.size());
    for (auto const& [size, index] : held) {
        positions.push_back(index);
    }
    return positions;
}

} // namespace gridui
