#include "kor/DatumList.h"
#include "kor/Definitions.h"
#include "kor/EllipsoidList.h"
#include "kor/KORDef.h"
#include "kor/KORException.h"
#include "kor/LinearUnitList.h"
#include "kor/MeridianList.h"
#include "kor/SystemList.h"

#include "ProjRegistry.h"
#include "RegistrySystems.h"
#include "ScratchDirectory.h"
#include "kor/KnownCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

// Only facts that hold for any edition of the registry are asserted here.

namespace {
kor::KORDef const& AsReferenced(std::unique_ptr<kor::CSDef> const& definition) {
    return dynamic_cast<kor::KORDef const&>(*definition);
}
} // namespace

TEST(Registry, EPSG_4326_reads_back_as_geographic_WGS_84) {
    auto const definition = kor::CreateCSDefByDefinition(L"EPSG:4326");
    ASSERT_NE(definition, nullptr);
    auto const& wgs84 = AsReferenced(definition);
    EXPECT_EQ(wgs84.GetPOSC(), 4326);
    EXPECT_TRUE(wgs84.IsGeographic());
    EXPECT_EQ(wgs84.GetName(), L"WGS 84 [EPSG:4326]");
    ASSERT_NE(wgs84.GetDatum(), nullptr);
    EXPECT_EQ(wgs84.GetDatum()->GetPOSCNumber(), 6326);
    EXPECT_EQ(wgs84.GetDatum()->GetToken(), L"DATUM_WGS84");
    EXPECT_EQ(wgs84.GetDatum()->GetMethod(), kor::DatumDef::MethodNone);
    EXPECT_EQ(wgs84.GetEllipsoid()->GetMajorRadius(), 6378137.0);
    EXPECT_NEAR(wgs84.GetEllipsoid()->GetInverseFlattening(), 298.257223563, 1e-9);
    std::wstring reason;
    EXPECT_TRUE(wgs84.Check(reason)) << reason;
}

TEST(Registry, EPSG_32633_reads_back_in_every_spelling_and_through_every_text_form) {
    auto const definition = kor::CreateCSDefByDefinition(L"EPSG:32633");
    auto const& utm = AsReferenced(definition);
    EXPECT_EQ(utm.GetPOSC(), 32633);
    ASSERT_NE(utm.GetProjection(), nullptr);
    kor::ProjectionDef const& projection = *utm.GetProjection();
    EXPECT_EQ(projection.GetMethod(), 3);
    double value = 0.0;
    projection.GetParameter(kor::ProjectionDef::LongitudeOfNaturalOrigin, value);
    EXPECT_EQ(value, 15.0);
    projection.GetParameter(kor::ProjectionDef::ScaleFactorAtNaturalOrigin, value);
    EXPECT_EQ(value, 0.9996);
    projection.GetParameter(kor::ProjectionDef::FalseEasting, value);
    EXPECT_EQ(value, 500000.0);
    EXPECT_EQ(utm.GetLinearScale(), 1.0);
    for (wchar_t const* spelling : {L"epsg:32633", L"EPSG::32633", L" 32633 ",
                                    L"urn:ogc:def:crs:EPSG::32633", L"EPSG : 32633"}) {
        auto const other = kor::CreateCSDefByDefinition(spelling);
        ASSERT_NE(other, nullptr) << spelling;
        EXPECT_TRUE(other->Compare(utm, false)) << spelling;
    }
    for (auto format :
         {kor::DefinitionFormat::WKT2, kor::DefinitionFormat::WKT1, kor::DefinitionFormat::WKT1ESRI,
          kor::DefinitionFormat::PROJString, kor::DefinitionFormat::PROJJSON}) {
        auto const back = kor::CreateCSDefByDefinition(kor::ExportDefinition(utm, format));
        std::wstring difference;
        EXPECT_TRUE(back->Compare(utm, true, &difference))
            << static_cast<int>(format) << difference;
    }
    auto const categorized =
        kor::CreateCSDefByDefinition(L"EPSG:32633", kor::CreateCategorizedName);
    EXPECT_EQ(categorized->GetName().rfind(L"Projected|UTM|", 0), 0u);
    kor::KORDef anonymous = utm;
    anonymous.SetPOSC(0);
    EXPECT_EQ(kor::IdentifyEPSGCode(anonymous), 32633);
}

TEST(Registry, deprecated_codes_are_read_and_unknown_or_unusable_ones_raise_a_reason) {
    auto const deprecated = kor::CreateCSDefByDefinition(L"EPSG:2037");
    ASSERT_NE(deprecated, nullptr);
    EXPECT_EQ(AsReferenced(deprecated).GetProjection()->GetMethod(), 3);
    for (wchar_t const* text : {L"EPSG:999999", L"EPSG:5703", L"EPSG:4978"}) {
        try {
            kor::CreateCSDefByDefinition(text);
            ADD_FAILURE() << "no exception for " << text;
        } catch (kor::KORException const& error) {
            EXPECT_FALSE(error.Message().empty()) << text;
        }
    }
}

TEST(Registry, a_system_is_found_by_its_registry_name) {
    auto const utm = kor::CreateCSDefByDefinition(L"WGS 84 / UTM zone 33N");
    ASSERT_NE(utm, nullptr);
    EXPECT_EQ(AsReferenced(utm).GetPOSC(), 32633);
    EXPECT_THROW(kor::CreateCSDefByDefinition(L"Nowhere 1900 / No grid"), kor::KORException);
}

TEST(Registry, known_systems_list_is_categorised_in_a_browsable_tree) {
    auto const& list = kor::KORKnownSystemsList;
    int const wgs84 = list.FindByPOSC(4326);
    int const utm = list.FindByPOSC(32633);
    ASSERT_GE(wgs84, 0);
    ASSERT_GE(utm, 0);
    EXPECT_EQ(std::wstring(list.EnumName(wgs84)).rfind(L"Geographic|", 0), 0u);
    EXPECT_EQ(std::wstring(list.EnumName(utm)),
              L"Projected|UTM|WGS 84|WGS 84 / UTM zone 33N [EPSG:32633]");
    ASSERT_NE(list.Enum(utm), nullptr);
    EXPECT_EQ(list.Enum(utm)->GetName(), list.EnumName(utm));
    EXPECT_EQ(list.FindSystem(list.Enum(utm), true, false), utm);
    std::map<std::wstring, int> children;
    int locals = 0;
    for (int position = list.First(); position <= list.Last(); ++position) {
        std::wstring const name = list.EnumName(position);
        if (list.EnumType(position) == kor::CSDef::TypeLocal) {
            ++locals;
            continue;
        }
        EXPECT_NE(name.find(L" [EPSG:"), std::wstring::npos);
        auto const folders = std::count(name.begin(), name.end(), L'|');
        EXPECT_GE(folders, 2) << name;
        EXPECT_LE(folders, 4) << name;
        std::wstring const path = name.substr(0, name.rfind(L'|'));
        ++children[path];
        for (std::size_t start = 0; start < path.size();) {
            std::size_t const end = std::min(path.find(L'|', start), path.size());
            std::wstring const folder = path.substr(start, end - start);
            // A folder is a place to look in, not the sentence an area of use was.
            EXPECT_FALSE(folder.empty() || folder.back() == L'.') << name;
            EXPECT_LE(folder.size(), 60U) << name;
            EXPECT_EQ(folder.find(L'\u00B0'), std::wstring::npos) << name;
            start = end + 1;
        }
    }
    EXPECT_GT(locals, 0);
    EXPECT_EQ(std::wstring(list.EnumName(list.FindByPOSC(27700))),
              L"Projected|Europe|United Kingdom|OSGB36 / British National Grid [EPSG:27700]");
    EXPECT_EQ(std::wstring(list.EnumName(list.FindByPOSC(3857))).rfind(L"Projected|World|", 0), 0U);
    for (auto const& [folder, count] : children) {
        EXPECT_LE(count, 400) << folder;
    }
}

TEST(Registry, datum_ellipsoid_meridian_and_unit_lists_hold_the_familiar_entries) {
    auto const& datums = kor::KORKnownDatumsList;
    int const wgs84 = datums.FindByPOSCNumber(6326);
    ASSERT_GE(wgs84, datums.First());
    ASSERT_NE(datums.Enum(wgs84), nullptr);
    EXPECT_EQ(datums.Enum(wgs84)->GetGeographicCRSCodeNumber(), 4326);
    EXPECT_EQ(datums.FindByToken(L"DATUM_WGS84"), wgs84);
    int const ed50 = datums.FindByPOSCNumber(6230);
    ASSERT_NE(datums.Enum(ed50), nullptr);
    kor::DatumDef const& european = *datums.Enum(ed50);
    EXPECT_NE(european.GetMethod(), kor::DatumDef::MethodNone);
    int target = 0;
    european.GetParameter(kor::DatumDef::Target, target);
    EXPECT_EQ(target, kor::DatumDef::TargetWGS84);
    std::wstring reason;
    EXPECT_EQ(european.CheckParameters(reason), 0) << reason;

    kor::EllipsoidDef ellipsoid;
    EXPECT_GE(kor::KORKnownEllipsoidsList.FindByName(L"WGS 84", &ellipsoid), 2);
    EXPECT_EQ(ellipsoid.GetMajorRadius(), 6378137.0);
    kor::MeridianInfo meridian;
    ASSERT_TRUE(kor::KORKnownMeridiansList.Enum(0, meridian));
    EXPECT_EQ(meridian.GetLongitude(), 0.0);
    EXPECT_GE(kor::KORKnownMeridiansList.FindByName(L"Paris"), 0);
    auto const& units = kor::KORKnownLinearUnitsList;
    EXPECT_EQ(units.EnumDivider(0), 1.0);
    int const usFoot = units.FindByName(L"US survey feet");
    ASSERT_GE(usFoot, 0);
    EXPECT_NEAR(units.EnumDivider(usFoot), 3937.0 / 1200.0, 1e-9);
    EXPECT_EQ(units.FindByDivider(3937.0 / 1200.0, 0.0001), usFoot);
}

TEST(Registry, query_finds_what_the_browser_filter_misses_and_nothing_it_finds) {
    using Answer = std::vector<std::wstring>;
    EXPECT_EQ(kor::QueryCSDefinitions(L"4326", 5), Answer{});
    EXPECT_EQ(kor::QueryCSDefinitions(L"27700", 5), Answer{});
    // The spellings of a code and the ranking are the fixture's tests; here, the registry.
    EXPECT_EQ(kor::QueryCSDefinitions(L" EPSG : 2154 ", 5), Answer{L"EPSG:2154"});
    auto const lambert = kor::QueryCSDefinitions(L"Lambert 93", 3);
    ASSERT_FALSE(lambert.empty());
    EXPECT_EQ(lambert.front(), L"EPSG:2154");
    auto const utm = kor::QueryCSDefinitions(L"UTM zone 33", 50);
    EXPECT_EQ(std::find(utm.begin(), utm.end(), L"EPSG:32633"), utm.end());
    EXPECT_FALSE(kor::QueryCSDefinitions(L"France", 5).empty());
}

TEST(Registry, the_cached_lists_of_systems_and_datums_are_the_lists_the_registry_gives) {
    ScratchDirectory const cache;
    char const* const previous = std::getenv("XDG_CACHE_HOME");
    std::string const restore = previous != nullptr ? previous : "";
    ::setenv("XDG_CACHE_HOME", cache.Path().c_str(), 1);

    auto const freshCatalogue = kor::OpenRegistryCatalogue();
    auto const fresh = freshCatalogue->Systems();
    ASSERT_TRUE(std::filesystem::exists(cache / "GridloreUI" / "known-systems.cache"));
    auto const cachedCatalogue = kor::OpenRegistryCatalogue();
    auto const cached = cachedCatalogue->Systems();
    ASSERT_EQ(cached.size(), fresh.size());
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        SCOPED_TRACE(fresh[i].code);
        EXPECT_EQ(cached[i].name, fresh[i].name);
        EXPECT_EQ(cached[i].code, fresh[i].code);
        EXPECT_EQ(cached[i].type, fresh[i].type);
        EXPECT_EQ(cached[i].areaName, fresh[i].areaName);
        EXPECT_EQ(cached[i].aliases, fresh[i].aliases);
        // NaN for unknown bounds compares unequal to itself, so compare the bit patterns.
        for (auto const bound : {&kor::KnownSystem::west, &kor::KnownSystem::south,
                                 &kor::KnownSystem::east, &kor::KnownSystem::north}) {
            EXPECT_EQ(std::isnan(cached[i].*bound), std::isnan(fresh[i].*bound));
            if (!std::isnan(fresh[i].*bound)) {
                EXPECT_EQ(cached[i].*bound, fresh[i].*bound);
            }
        }
    }

    // The datums come from the same file, each with the shift its geographic system gives.
    ASSERT_FALSE(cachedCatalogue->Datums().empty());
    ASSERT_EQ(cachedCatalogue->Datums().size(), freshCatalogue->Datums().size());
    for (std::size_t i = 0; i < freshCatalogue->Datums().size(); ++i) {
        EXPECT_EQ(cachedCatalogue->Datums()[i].name, freshCatalogue->Datums()[i].name);
        EXPECT_EQ(cachedCatalogue->Datums()[i].code, freshCatalogue->Datums()[i].code);
    }
    auto const wgs84 =
        std::find_if(cachedCatalogue->Datums().begin(), cachedCatalogue->Datums().end(),
                     [](kor::KnownDatum const& datum) { return datum.code == 6326; });
    ASSERT_NE(wgs84, cachedCatalogue->Datums().end());
    auto const index = static_cast<std::size_t>(wgs84 - cachedCatalogue->Datums().begin());
    EXPECT_TRUE(
        cachedCatalogue->BuildDatum(index).CompareParameters(freshCatalogue->BuildDatum(index)));

    if (previous != nullptr) {
        ::setenv("XDG_CACHE_HOME", restore.c_str(), 1);
    } else {
        ::unsetenv("XDG_CACHE_HOME");
    }
}

TEST(Registry, the_query_of_two_kinds_lists_what_the_listing_of_every_kind_gives_once_each) {
    std::string const path = kor::ProjRegistry::Instance().DatabasePath();
    auto const supported = kor::SupportedMethodNames();
    auto const queried = kor::QueryRegistrySystems(path, supported);
    auto const listed = kor::ListRegistrySystems(*kor::ProjRegistry::Instance().Epsg(), supported);
    ASSERT_EQ(queried.size(), listed.size());
    for (std::size_t i = 0; i < listed.size(); ++i) {
        SCOPED_TRACE(listed[i].code);
        EXPECT_EQ(queried[i].code, listed[i].code);
        EXPECT_EQ(queried[i].name, listed[i].name);
        EXPECT_EQ(queried[i].projected, listed[i].projected);
        EXPECT_EQ(queried[i].areaName, listed[i].areaName);
        EXPECT_EQ(queried[i].hasBounds, listed[i].hasBounds);
        if (listed[i].hasBounds) {
            EXPECT_EQ(queried[i].west, listed[i].west);
            EXPECT_EQ(queried[i].south, listed[i].south);
            EXPECT_EQ(queried[i].east, listed[i].east);
            EXPECT_EQ(queried[i].north, listed[i].north);
        }
        // A system with several areas of use must not show up once per area.
        if (i > 0) {
            EXPECT_LT(queried[i - 1].code, queried[i].code);
        }
    }

    ScratchDirectory const scratch;
    std::filesystem::path const notADatabase = scratch / "proj.db";
    std::ofstream(notADatabase) << "not a database";
    try {
        kor::QueryRegistrySystems(notADatabase.string(), supported);
        ADD_FAILURE() << "a file that is not a database was read";
    } catch (kor::KORException const& error) {
        EXPECT_NE(error.Message().find(notADatabase.wstring()), std::wstring::npos)
            << error.Message();
    }
}
