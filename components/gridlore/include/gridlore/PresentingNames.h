// Gridlore presenting names: one distinct display name per system of a collection.
#pragma once

#include "gridlore/CoordinateSystemCollection.h"
#include "gridlore/Export.h"

#include <functional>
#include <string>
#include <vector>

namespace Gridlore {

/// One name per system, in collection order, each made by `name`. Where names repeat,
/// the second and later get " (2)", " (3)" ... appended, skipping any text already
/// taken, so every name is distinct.
GRIDLORE_EXPORT std::vector<std::wstring> GetUserPresentingUniqueNamesForCoordinateSystemCollection(
    CoordinateSystemCollection const& systems,
    std::function<std::wstring(CoordinateSystem const&)> const& name);

} // namespace Gridlore
