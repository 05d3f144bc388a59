// gridui::SystemsForArea: the known systems meant for a place or an area, most local first.
#pragma once

#include "gridui/GeoArea.h"
#include "kor/KnownCatalogue.h"

#include <vector>

namespace gridui {

/// The area of use of a known system; its bounds are NaN when the registry gives none.
GeoArea BoundsOf(kor::KnownSystem const& system);

/// The positions in the known list of the referenced systems whose area of use holds the
/// whole of `area` (a point being an area of no size), smallest area of use first, so the
/// national and regional systems of a place come before the continental and world ones.
/// Equal areas keep the list's order.
std::vector<int> SystemsForArea(GeoArea const& area);

} // namespace gridui
