// kor system categories: the "|" paths that sort registry systems into a browsable tree.
#pragma once

#include <string>
#include <vector>

namespace kor {

/// What the categorising needs to know of one registry system.
struct CategoryInput {
    /// In UTF-8, as the known list keeps it.
    std::string name;
    int code = 0;
    bool projected = false;
    /// In UTF-8, as the registry and the cache hold it: only filing reads it.
    std::string areaName;
    /// The registry's other names for the system, in UTF-8; not used for filing, only kept.
    std::vector<std::string> aliases;
    double west = 0.0;
    double south = 0.0;
    double east = 0.0;
    double north = 0.0;
    bool hasBounds = false;
};

/// Full names, in input order: geographic systems under "Geographic|<region>",
/// UTM systems under "Projected|UTM|<geographic base>", other projected systems under
/// "Projected|<region>|<country>" (the country an area of use names first, in the region
/// of most of its systems), split by geographic base where a country holds more than
/// MaxFolderSize systems. Each name ends in " [EPSG:<code>]"; all are in UTF-8.
std::vector<std::string> CategorizedNames(std::vector<CategoryInput> const& systems);

inline constexpr std::size_t MaxFolderSize = 400;
/// Longer folder names would be cut at the tree's edge.
inline constexpr std::size_t MaxFolderName = 60;

} // namespace kor
