#include "RegistrySystems.h"

#include "ProjectionCatalogue.h"
#include "RegistryQuery.h"

#include "kor/KORException.h"

#include "shr/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace kor {

namespace io = osgeo::proj::io;

namespace {

// The systems of the two kinds, each with the conversion a projected one is made with.
// Their methods and areas are looked up below in tables read whole: a search of three
// tables for each of thousands of systems cost more than reading the tables once.
constexpr char const* SystemsQuery = R"(
SELECT 0, code, name, NULL, NULL FROM geodetic_crs
WHERE auth_name = 'EPSG' AND type = 'geographic 2D' AND deprecated = 0
UNION ALL
SELECT 1, code, name, conversion_auth_name, conversion_code FROM projected_crs
WHERE auth_name = 'EPSG' AND deprecated = 0
)";

// Each conversion's method; the methods are a table of a few dozen.
constexpr char const* ConversionMethodsQuery = R"(
SELECT v.auth_name, v.code, m.name FROM conversion_table v
JOIN conversion_method m ON m.auth_name = v.method_auth_name AND m.code = v.method_code
)";

// The areas of use of the two kinds' systems, each system's in the registry's order.
constexpr char const* UsagesQuery = R"(
SELECT object_table_name = 'projected_crs', object_code, extent_auth_name, extent_code
FROM usage
WHERE object_table_name IN ('geodetic_crs', 'projected_crs') AND object_auth_name = 'EPSG'
ORDER BY object_table_name, object_auth_name, object_code, rowid
)";

constexpr char const* ExtentsQuery = R"(
SELECT auth_name, code, description, west_lon, south_lat, east_lon, north_lat FROM extent
)";

/// An authority and a code, as the tables refer to each other's rows.
std::string RowKey(RegistryQuery const& row, int authorityColumn) {
    return row.Text(authorityColumn) + ':' + row.Text(authorityColumn + 1);
}

struct Extent {
    std::string description;
    double west = 0.0;
    double south = 0.0;
    double east = 0.0;
    double north = 0.0;
    bool hasBounds = false;
};

std::unordered_map<std::string, Extent> ReadExtents(std::string const& databasePath) {
    std::unordered_map<std::string, Extent> extents;
    RegistryQuery row(databasePath, ExtentsQuery);
    while (row.Next()) {
        Extent extent;
        // Decoded here, once, rather than for each of the many systems that share an area.
        extent.description = row.Text(2);
        extent.hasBounds = true;
        for (int column = 3; column <= 6; ++column) {
            extent.hasBounds = extent.hasBounds && !row.IsNull(column);
        }
        extent.west = row.Number(3);
        extent.south = row.Number(4);
        extent.east = row.Number(5);
        extent.north = row.Number(6);
        extents.emplace(RowKey(row, 0), std::move(extent));
    }
    return extents;
}

/// The areas of each system, keyed by SystemKey; a system without one has none listed.
using Usages = std::unordered_map<std::int64_t, std::vector<Extent const*>>;

std::int64_t SystemKey(bool projected, int code) {
    return static_cast<std::int64_t>(code) * 2 + (projected ? 1 : 0);
}

Usages ReadUsages(std::string const& databasePath,
                  std::unordered_map<std::string, Extent> const& extents) {
    static Extent const unknown;
    Usages usages;
    RegistryQuery row(databasePath, UsagesQuery);
    while (row.Next()) {
        auto const extent = extents.find(RowKey(row, 2));
        usages[SystemKey(row.Integer(0) != 0, row.Integer(1))].push_back(
            extent != extents.end() ? &extent->second : &unknown);
    }
    return usages;
}

/// The conversions whose method the catalogue can build.
std::unordered_set<std::string> SupportedConversions(std::string const& databasePath,
                                                     std::set<std::wstring> const& methods) {
    std::unordered_set<std::string> conversions;
    RegistryQuery row(databasePath, ConversionMethodsQuery);
    while (row.Next()) {
        if (methods.count(row.WideText(2)) != 0u) {
            conversions.insert(RowKey(row, 0));
        }
    }
    return conversions;
}

// The registry's other names of its systems, its own and other agencies' spellings alike.
constexpr char const* AliasesQuery = R"(
SELECT CAST(code AS INTEGER), alt_name FROM alias_name
WHERE auth_name = 'EPSG' AND table_name IN ('geodetic_crs', 'projected_crs')
ORDER BY rowid
)";

/// Gives each system the aliases the registry lists under its code.
void AddAliases(std::string const& databasePath, std::vector<CategoryInput>& systems) {
    std::unordered_map<int, CategoryInput*> byCode;
    for (CategoryInput& system : systems) {
        byCode.emplace(system.code, &system);
    }
    RegistryQuery row(databasePath, AliasesQuery);
    while (row.Next()) {
        if (auto const found = byCode.find(row.Integer(0)); found != byCode.end()) {
            found->second->aliases.push_back(row.Text(1));
        }
    }
}

double AreaOf(CategoryInput const& system) {
    if (!system.hasBounds) {
        return -1.0;
    }
    // An area across the antimeridian has its east edge west of its west edge.
    double const width =
        system.east >= system.west ? system.east - system.west : system.east + 360.0 - system.west;
    return width * (system.north - system.south);
}

// A system with several areas of use would otherwise be listed once per area; its widest
// area describes it best.
std::vector<CategoryInput> OnePerCode(std::vector<CategoryInput> systems) {
    std::stable_sort(systems.begin(), systems.end(),
                     [](CategoryInput const& a, CategoryInput const& b) {
                         return a.code != b.code ? a.code < b.code : AreaOf(a) > AreaOf(b);
                     });
    systems.erase(std::unique(systems.begin(), systems.end(),
                              [](CategoryInput const& a, CategoryInput const& b) {
                                  return a.code == b.code;
                              }),
                  systems.end());
    return systems;
}

} // namespace

std::set<std::wstring> SupportedMethodNames() {
    std::set<std::wstring> names;
    for (auto const& method : ProjectionMethods()) {
        if (method.epsgCode != 0) {
            names.insert(method.epsgName);
        }
    }
    return names;
}

std::string EpsgVersion(io::DatabaseContext const& registry) {
    try {
        char const* const version = registry.getMetadata("EPSG.VERSION");
        return version != nullptr ? version : "";
    } catch (std::exception const&) {
        // An unreadable version only makes the cache stale; the listing reports the cause.
        return {};
    }
}

std::vector<CategoryInput> QueryRegistrySystems(std::string const& databasePath,
                                                std::set<std::wstring> const& supportedMethods) {
    auto const conversions = SupportedConversions(databasePath, supportedMethods);
    auto const extents = ReadExtents(databasePath);
    auto const usages = ReadUsages(databasePath, extents);
    RegistryQuery row(databasePath, SystemsQuery);
    std::vector<CategoryInput> systems;
    while (row.Next()) {
        CategoryInput system;
        system.projected = row.Integer(0) != 0;
        if (system.projected && conversions.count(RowKey(row, 3)) == 0u) {
            continue;
        }
        system.code = row.Integer(1);
        system.name = row.Text(2);
        auto const areas = usages.find(SystemKey(system.projected, system.code));
        if (areas == usages.end()) {
            systems.push_back(std::move(system));
            continue;
        }
        // One entry per area, as a join would give; OnePerCode keeps the widest.
        for (Extent const* extent : areas->second) {
            CategoryInput withArea = system;
            withArea.areaName = extent->description;
            withArea.hasBounds = extent->hasBounds;
            withArea.west = extent->west;
            withArea.south = extent->south;
            withArea.east = extent->east;
            withArea.north = extent->north;
            systems.push_back(std::move(withArea));
        }
    }
    systems = OnePerCode(std::move(systems));
    AddAliases(databasePath, systems);
    return systems;
}

std::vector<CategoryInput> ListRegistrySystems(io::AuthorityFactory const& epsg,
                                               std::set<std::wstring> const& supportedMethods) {
    std::vector<CategoryInput> systems;
    for (auto const& info : epsg.getCRSInfoList()) {
        bool const projected = info.type == io::AuthorityFactory::ObjectType::PROJECTED_CRS;
        if (info.deprecated ||
            (!projected && info.type != io::AuthorityFactory::ObjectType::GEOGRAPHIC_2D_CRS)) {
            continue;
        }
        if (projected && supportedMethods.count(shr::FromUtf8(info.projectionMethodName)) == 0u) {
            continue;
        }
        CategoryInput system;
        system.name = info.name;
        system.code = std::atoi(info.code.c_str());
        system.projected = projected;
        system.areaName = info.areaName;
        system.hasBounds = info.bbox_valid;
        system.west = info.west_lon_degree;
        system.south = info.south_lat_degree;
        system.east = info.east_lon_degree;
        system.north = info.north_lat_degree;
        systems.push_back(std::move(system));
    }
    return OnePerCode(std::move(systems));
}

} // namespace kor
