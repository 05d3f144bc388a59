#include "RegistryCatalogue.h"

#include "KnownSystemsCache.h"
#include "ProjConversion.h"
#include "ProjRegistry.h"
#include "RegistryQuery.h"
#include "RegistrySystems.h"
#include "SystemCategories.h"

#include "kor/EpsgCodes.h"
#include "kor/KORException.h"
#include "kor/UCSDef.h"

#include "shr/Logger.h"
#include "shr/Utf8.h"

#include <proj/common.hpp>
#include <proj/crs.hpp>
#include <proj/datum.hpp>

#include <algorithm>
#include <set>
#include <utility>

namespace kor {

namespace io = osgeo::proj::io;
namespace common = osgeo::proj::common;

namespace {

void LogFailure(wchar_t const* what, std::exception const& error) {
    shr::ProcessLogger.Send(shr::LogError, L"The known %ls cannot be read from the registry: %ls",
                            what, shr::FromUtf8(error.what()).c_str());
}

std::string JoinedMethods(std::set<std::wstring> const& methods) {
    std::wstring joined;
    for (auto const& method : methods) {
        joined += method + L";";
    }
    return shr::ToUtf8(joined);
}

/// The registry's datums, with the geographic system on each: the factory lists datums
/// but not that system, which a datum needs to find its shift to WGS 84.
void QueryRegistryDatums(std::string const& databasePath, RegistryLists& lists) {
    RegistryQuery row(databasePath,
                      "SELECT d.code, d.name, MIN(CAST(g.code AS INTEGER)) FROM geodetic_datum d "
                      "JOIN geodetic_crs g ON g.datum_auth_name = d.auth_name AND "
                      "g.datum_code = d.code "
                      "WHERE d.auth_name = 'EPSG' AND d.deprecated = 0 AND g.auth_name = 'EPSG' "
                      "AND g.type = 'geographic 2D' AND g.deprecated = 0 "
                      "GROUP BY d.code, d.name ORDER BY d.name");
    while (row.Next()) {
        lists.datums.push_back({row.WideText(1), row.Integer(0)});
        lists.datumGeographicCodes.push_back(row.Integer(2));
    }
}

/// The registry's systems from one query of the kinds the browser offers, or, should the
/// query fail, from PROJ's slower listing of every kind.
std::vector<CategoryInput> QueryOrListRegistrySystems(ProjRegistry& registry,
                                                      std::string const& databasePath,
                                                      std::set<std::wstring> const& supported) {
    try {
        return QueryRegistrySystems(databasePath, supported);
    } catch (KORException const& error) {
        shr::ProcessLogger.Send(shr::LogDiagnostic, L"%ls; listing every system instead.",
                                error.Message().c_str());
        return ListRegistrySystems(*registry.Epsg(), supported);
    }
}

/// Gives each system the name the browser files it under. Filing weighs every system's
/// area against all the others, so it is done once, before the lists are cached, rather
/// than at every start.
void FileUnderCategories(std::vector<CategoryInput>& systems) {
    std::vector<std::string> names = CategorizedNames(systems);
    for (std::size_t i = 0; i < systems.size(); ++i) {
        systems[i].name = std::move(names[i]);
    }
}

/// "US survey foot" reads "US survey feet"; "metre (German legal)" reads
/// "metres (German legal)".
std::wstring Plural(std::wstring const& name) {
    if (auto const foot = name.find(L"foot"); foot != std::wstring::npos) {
        return name.substr(0, foot) + L"feet" + name.substr(foot + 4);
    }
    auto const paren = name.find(L" (");
    std::wstring head = name.substr(0, paren);
    std::wstring const tail = paren == std::wstring::npos ? L"" : name.substr(paren);
    if (!head.empty() && head.back() != L's') {
        head += L's';
    }
    return head + tail;
}

} // namespace

// Even one query of the registry is a large part of a cold start, and a second one opens
// a second connection that reads the database's schema again; so the lists are kept
// between runs for as long as the registry and the catalogue's methods stay the same.
RegistryLists& RegistryCatalogue::Lists() {
    if (m_lists.has_value() || ReadCachedLists()) {
        return *m_lists;
    }
    m_lists.emplace();
    auto const supported = SupportedMethodNames();
    RegistryIdentity identity;
    std::filesystem::path cache;
    try {
        // Read from the open database, as PROJ found it, is what the lists are cached under.
        auto const registry = Registry().Context();
        identity =
            IdentifyRegistry(registry->getPath(), EpsgVersion(*registry), JoinedMethods(supported));
        cache = KnownSystemsCachePath();
    } catch (std::exception const& error) {
        LogFailure(L"systems and datums", error);
        return *m_lists;
    }
    // Whatever could not be read is read again at the next start rather than cached empty.
    bool complete = true;
    try {
        m_lists->systems = QueryOrListRegistrySystems(Registry(), identity.databasePath, supported);
        FileUnderCategories(m_lists->systems);
    } catch (std::exception const& error) {
        LogFailure(L"systems", error);
        m_lists->systems.clear();
        complete = false;
    }
    try {
        QueryRegistryDatums(identity.databasePath, *m_lists);
    } catch (std::exception const& error) {
        LogFailure(L"datums", error);
        m_lists->datums.clear();
        m_lists->datumGeographicCodes.clear();
        complete = false;
    }
    if (complete) {
        WriteKnownSystemsCache(cache, identity, *m_lists);
    }
    return *m_lists;
}

bool RegistryCatalogue::ReadCachedLists() {
    if (m_cacheTried) {
        return false;
    }
    m_cacheTried = true;
    try {
        // Without a version: opening the database to learn it would cost what the cache saves.
        auto cached = ReadKnownSystemsCache(
            KnownSystemsCachePath(),
            IdentifyRegistry(Registry().DatabasePath(), {}, JoinedMethods(SupportedMethodNames())));
        if (cached) {
            m_lists = std::move(*cached);
            return true;
        }
    } catch (std::exception const&) {
        // A registry that cannot be found is reported when the lists are read from it.
    }
    return false;
}

bool RegistryCatalogue::SystemsAtHand() {
    return m_systems.has_value() || m_lists.has_value() || ReadCachedLists();
}

RegistryCatalogue& RegistryCatalogue::Instance() {
    // Never destroyed, as the registry is not: thousands of entries freed one by one at
    // exit only add to the end of every process.
    static auto* const catalogue = new RegistryCatalogue(nullptr);
    return *catalogue;
}

RegistryCatalogue::RegistryCatalogue(std::shared_ptr<ProjRegistry> registry)
    : m_registry(std::move(registry)) {}

ProjRegistry& RegistryCatalogue::Registry() {
    return m_registry ? *m_registry : ProjRegistry::Instance();
}

std::vector<std::pair<std::wstring, double>> const& RegistryCatalogue::LocalSystems() {
    static std::vector<std::pair<std::wstring, double>> const locals{
        {L"Local System (meters)", 1.0},
        {L"Local System (kilometers)", 0.001},
        {L"Local System (feet)", 1.0 / 0.3048},
        {L"Local System (US survey feet)", 3937.0 / 1200.0},
        {L"Local System (miles)", 1.0 / 1609.344},
        {L"Local System (unknown units)", 0.0},
    };
    return locals;
}

std::vector<KnownSystem> const& RegistryCatalogue::Systems() {
    if (m_systems) {
        return *m_systems;
    }
    m_systems.emplace();
    try {
        // The lists' texts move into the entries: copied, the several megabytes of them
        // would be held twice at the start.
        std::vector<CategoryInput> inputs = std::exchange(Lists().systems, {});
        m_systems->reserve(inputs.size() + LocalSystems().size());
        for (CategoryInput& input : inputs) {
            KnownSystem entry;
            entry.name = std::move(input.name);
            entry.code = input.code;
            entry.areaName = std::move(input.areaName);
            entry.aliases = std::move(input.aliases);
            if (input.hasBounds) {
                entry.west = input.west;
                entry.south = input.south;
                entry.east = input.east;
                entry.north = input.north;
            }
            m_systems->push_back(std::move(entry));
        }
    } catch (std::exception const& error) {
        LogFailure(L"systems", error);
        m_systems->clear();
    }
    for (auto const& [name, scale] : LocalSystems()) {
        KnownSystem entry;
        entry.name = shr::ToUtf8(name);
        entry.type = CSDef::TypeLocal;
        m_systems->push_back(std::move(entry));
    }
    return *m_systems;
}

std::unique_ptr<CSDef> RegistryCatalogue::BuildSystem(std::size_t index) {
    auto const& systems = Systems();
    if (index >= systems.size()) {
        throw KORException(L"No known system at position " + std::to_wstring(index) + L".");
    }
    KnownSystem const& entry = systems[index];
    if (entry.type == CSDef::TypeLocal) {
        std::wstring const entryName = shr::FromUtf8(entry.name);
        for (auto const& [name, scale] : LocalSystems()) {
            if (name != entryName) {
                continue;
            }
            auto local = std::make_unique<UCSDef>(scale, 0.0, 0.0, nullptr);
            local->SetName(name);
            return local;
        }
    }
    try {
        auto const crs =
            Registry().Epsg()->createCoordinateReferenceSystem(std::to_string(entry.code));
        auto definition = ProjConversion::FromProj(crs, true);
        definition->SetName(shr::FromUtf8(entry.name));
        return definition;
    } catch (KORException const&) {
        throw;
    } catch (std::exception const& error) {
        throw KORException(EpsgDefinition(entry.code) + L" cannot be read from the registry: " +
                           shr::FromUtf8(error.what()));
    }
}

std::vector<KnownDatum> const& RegistryCatalogue::Datums() {
    return Lists().datums;
}

DatumDef RegistryCatalogue::BuildDatum(std::size_t index) {
    auto const& datums = Datums();
    if (index >= datums.size()) {
        throw KORException(L"No known datum at position " + std::to_wstring(index) + L".");
    }
    return ProjConversion::RegistryDatum(datums[index].code, Lists().datumGeographicCodes[index]);
}

std::vector<EllipsoidDef> const& RegistryCatalogue::Ellipsoids() {
    if (m_ellipsoids) {
        return *m_ellipsoids;
    }
    m_ellipsoids.emplace();
    try {
        auto const factory = Registry().Epsg();
        for (auto const& code :
             factory->getAuthorityCodes(io::AuthorityFactory::ObjectType::ELLIPSOID, false)) {
            auto const ellipsoid = factory->createEllipsoid(code);
            if (ellipsoid->celestialBody() != "Earth") {
                continue;
            }
            double const inverse =
                ellipsoid->isSphere() ? 0.0 : ellipsoid->computedInverseFlattening();
            m_ellipsoids->emplace_back(
                shr::FromUtf8(ellipsoid->nameStr()), ellipsoid->semiMajorAxis().getSIValue(),
                inverse > 0.0 ? 1.0 / inverse : 0.0, std::atoi(code.c_str()));
        }
        std::sort(m_ellipsoids->begin(), m_ellipsoids->end(),
                  [](EllipsoidDef const& a, EllipsoidDef const& b) {
                      return std::wstring(a.GetName()) < std::wstring(b.GetName());
                  });
    } catch (std::exception const& error) {
        LogFailure(L"ellipsoids", error);
        m_ellipsoids->clear();
    }
    return *m_ellipsoids;
}

std::vector<MeridianInfo> const& RegistryCatalogue::Meridians() {
    if (m_meridians) {
        return *m_meridians;
    }
    m_meridians.emplace();
    try {
        auto const factory = Registry().Epsg();
        for (auto const& code :
             factory->getAuthorityCodes(io::AuthorityFactory::ObjectType::PRIME_MERIDIAN, false)) {
            auto const meridian = factory->createPrimeMeridian(code);
            m_meridians->emplace_back(
                shr::FromUtf8(meridian->nameStr()),
                meridian->longitude().convertToUnit(common::UnitOfMeasure::DEGREE),
                std::atoi(code.c_str()));
        }
        // Greenwich first: it is the meridian of nearly every system.
        std::stable_sort(m_meridians->begin(), m_meridians->end(),
                         [](MeridianInfo const& a, MeridianInfo const& b) {
                             return static_cast<int>(a.GetLongitude() == 0.0) >
                                    static_cast<int>(b.GetLongitude() == 0.0);
                         });
    } catch (std::exception const& error) {
        LogFailure(L"prime meridians", error);
        m_meridians->clear();
    }
    return *m_meridians;
}

std::vector<KnownLinearUnit> const& RegistryCatalogue::LinearUnits() {
    if (m_units) {
        return *m_units;
    }
    m_units.emplace();
    try {
        for (auto const& unit : Registry().Epsg()->getUnitList()) {
            if (unit.deprecated || unit.category != "linear" || !(unit.convFactor > 0.0)) {
                continue;
            }
            std::wstring const name = shr::FromUtf8(unit.name);
            m_units->push_back(
                {name, Plural(name), 1.0 / unit.convFactor, std::atoi(unit.code.c_str())});
        }
        // The meter first, then by name.
        std::sort(m_units->begin(), m_units->end(),
                  [](KnownLinearUnit const& a, KnownLinearUnit const& b) {
                      if ((a.code == METRE) != (b.code == METRE)) {
                          return a.code == METRE;
                      }
                      return a.name < b.name;
                  });
    } catch (std::exception const& error) {
        LogFailure(L"linear units", error);
        m_units->clear();
    }
    return *m_units;
}

} // namespace kor
