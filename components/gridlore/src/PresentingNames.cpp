#include "gridlore/PresentingNames.h"

#include <set>

namespace Gridlore {

std::vector<std::wstring> GetUserPresentingUniqueNamesForCoordinateSystemCollection(
    CoordinateSystemCollection const& systems,
    std::function<std::wstring(CoordinateSystem const&)> const& name) {
    std::vector<std::wstring> names;
    names.reserve(systems.size());
    for (auto const& system : systems) {
        names.push_back(name(system));
    }
    // Every original name is taken first, so a numbered name never steals the text
    // that a later system carries on its own.
    std::set<std::wstring> taken(names.begin(), names.end());
    std::set<std::wstring> seen;
    for (auto& current : names) {
        if (seen.insert(current).second) {
            continue;
        }
        std::wstring candidate;
        for (int number = 2;; ++number) {
            candidate = current + L" (" + std::to_wstring(number) + L")";
            if (taken.count(candidate) == 0u) {
                break;
            }
        }
        taken.insert(candidate);
        seen.insert(candidate);
        current = candidate;
    }
    return names;
}

} // namespace Gridlore
