// kor registry systems: the registry's systems the browser offers, read from PROJ's database.
#pragma once

#include "SystemCategories.h"

#include <proj/io.hpp>

#include <set>
#include <string>
#include <vector>

namespace kor {

/// The registry's names of the projection methods the catalogue can build.
std::set<std::wstring> SupportedMethodNames();

/// The registry's own version, which a cached list must match; empty when unreadable.
/// Read through PROJ's own connection: opening another one reads the whole schema again.
std::string EpsgVersion(osgeo::proj::io::DatabaseContext const& registry);

/// The registry's geographic 2D systems and the projected ones whose method is one of
/// `supportedMethods`, deprecated ones left out, one entry per code in code order, with the
/// registry's aliases; a system with several areas of use keeps its widest. A system whose method
/// the catalogue lacks could not be built or edited, so it is not offered; it can still be read by
/// its code. Read from the tables of these two kinds only, each read once, so a listing costs a
/// fraction of PROJ's listing of every kind. Throws KORException naming the database when it cannot
/// be read this way.
std::vector<CategoryInput> QueryRegistrySystems(std::string const& databasePath,
                                                std::set<std::wstring> const& supportedMethods);

/// The same list from PROJ's own listing of every system: slower, but it follows whatever
/// layout a future database has. PROJ lists no aliases, so these systems have none.
std::vector<CategoryInput> ListRegistrySystems(osgeo::proj::io::AuthorityFactory const& epsg,
                                               std::set<std::wstring> const& supportedMethods);

} // namespace kor
