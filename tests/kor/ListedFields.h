// ListedFields: the listed systems and datums as comparable rows, so that two lists of them
// are compared whole, every field at once.
#pragma once

#include "SystemCategories.h"
#include "kor/KnownCatalogue.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>
#include <vector>

namespace kortest {

/// Unknown bounds are NaN, which equals nothing, not even itself.
inline double Comparable(double bound) {
    return std::isnan(bound) ? -1000.0 : bound;
}

inline auto Fields(kor::KnownSystem const& system) {
    return std::tuple(system.name, system.code, system.type, system.areaName, system.aliases,
                      Comparable(system.west), Comparable(system.south), Comparable(system.east),
                      Comparable(system.north));
}

/// Bounds count only where the system has them; the aliases are compared where both lists
/// are meant to have them.
inline auto Fields(kor::CategoryInput const& system) {
    return std::tuple(system.code, system.name, system.projected, system.areaName,
                      system.hasBounds
                          ? std::array{system.west, system.south, system.east, system.north}
                          : std::array<double, 4>{});
}

inline auto Fields(kor::KnownDatum const& datum) {
    return std::tuple(datum.name, datum.code);
}

template <typename Row> void ExpectSameRows(std::vector<Row> const& a, std::vector<Row> const& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(Fields(a[i]), Fields(b[i])) << "row " << i;
    }
}

} // namespace kortest
