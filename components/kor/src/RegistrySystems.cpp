#include "RegistrySystems.h"

#include "ProjectionCatalogue.h"
#include "RegistryQuery.h"

#include "kor/KORException.h"

#include "shr/Utf8.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

namespace kor {

namespace io = osgeo::proj::io;

namespace {

// The four bounds are the query's columns 5 to 8.
bool HasBounds(RegistryQuery const& row) {
    for (int column = 5; column <= 8; ++column) {
        if (row.IsNull(column)) {
            return false;
        }
    }
    return true;
}

// One row per system and area of use; a system without one has null bounds.
constexpr char const* SystemsQuery = R"(
SELECT c.code, c.name, 0, NULL, a.description, a.west_lon, a.south_lat, a.east_lon, a.north_lat
FROM geodetic_crs c
LEFT JOIN usage u ON u.object_table_name = 'geodetic_crs' AND u.object_auth_name = c.auth_name
                 AND u.object_code = c.code
LEFT JOIN extent a ON a.auth_name = u.extent_auth_name AND a.code = u.extent_code
WHERE c.auth_name = 'EPSG' AND c.type = 'geographic 2D' AND c.deprecated = 0
UNION ALL
SELECT c.code, c.name, 1, m.name, a.description, a.west_lon, a.south_lat, a.east_lon, a.north_lat
FROM projected_crs c
LEFT JOIN conversion_table v ON v.auth_name = c.conversion_auth_name
                            AND v.code = c.conversion_code
LEFT JOIN conversion_method m ON m.auth_name = v.method_auth_name AND m.code = v.method_code
LEFT JOIN usage u ON u.object_table_name = 'projected_crs' AND u.object_auth_name = c.auth_name
                 AND u.object_code = c.code
LEFT JOIN extent a ON a.auth_name = u.extent_auth_name AND a.code = u.extent_code
WHERE c.auth_name = 'EPSG' AND c.deprecated = 0
)";

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
            found->second->aliases.push_back(row.WideText(1));
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
    RegistryQuery row(databasePath, SystemsQuery);
    std::vector<CategoryInput> systems;
    while (row.Next()) {
        CategoryInput system;
        system.projected = row.Integer(2) != 0;
        if (system.projected && supportedMethods.count(row.WideText(3)) == 0u) {
            continue;
        }
        system.code = row.Integer(0);
        system.name = row.WideText(1);
        system.areaName = row.WideText(4);
        system.hasBounds = HasBounds(row);
        system.west = row.Number(5);
        system.south = row.Number(6);
        system.east = row.Number(7);
        system.north = row.Number(8);
        systems.push_back(std::move(system));
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
        system.name = shr::FromUtf8(info.name);
        system.code = std::atoi(info.code.c_str());
        system.projected = projected;
        system.areaName = shr::FromUtf8(info.areaName);
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
