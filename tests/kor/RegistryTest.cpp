#include "kor/DatumList.h"
#include "kor/Definitions.h"
#include "kor/EllipsoidList.h"
#include "kor/KORDef.h"
#include "kor/KORException.h"
#include "kor/LinearUnitList.h"
#include "kor/MeridianList.h"
#include "kor/SystemList.h"

#include "KORErrorOf.h"
#include "ListedFields.h"
#include "ProjRegistry.h"
#include "RegistrySystems.h"
#include "ScratchDirectory.h"
#include "kor/KnownCatalogue.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

using ::testing::HasSubstr;

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

TEST(Registry, deprecated_codes_and_names_are_read_and_unknown_or_unusable_ones_raise_a_reason) {
    auto const deprecated = kor::CreateCSDefByDefinition(L"EPSG:2037");
    ASSERT_NE(deprecated, nullptr);
    EXPECT_EQ(AsReferenced(deprecated).GetProjection()->GetMethod(), 3);
    EXPECT_EQ(AsReferenced(kor::CreateCSDefByDefinition(L"WGS 84 / UTM zone 33N")).GetPOSC(),
              32633);
    for (wchar_t const* text :
         {L"EPSG:999999", L"EPSG:5703", L"EPSG:4978", L"Nowhere 1900 / No grid"}) {
        EXPECT_THAT(KORErrorOf([&] { (void)kor::CreateCSDefByDefinition(text); }),
                    testing::Optional(testing::Not(testing::IsEmpty())))
            << text;
    }
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
    kortest::ExpectSameRows(cachedCatalogue->Systems(), fresh);
    // The datums come from the same file, each with the shift its geographic system gives.
    ASSERT_FALSE(cachedCatalogue->Datums().empty());
    kortest::ExpectSameRows(cachedCatalogue->Datums(), freshCatalogue->Datums());
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
    kortest::ExpectSameRows(queried, listed);
    // A system with several areas of use must not show up once per area.
    EXPECT_EQ(std::adjacent_find(queried.begin(), queried.end(),
                                 [](auto const& a, auto const& b) { return a.code >= b.code; }),
              queried.end());

    ScratchDirectory const scratch;
    std::filesystem::path const notADatabase = scratch / "proj.db";
    std::ofstream(notADatabase) << "not a database";
    EXPECT_THAT(KORErrorOf([&] { kor::QueryRegistrySystems(notADatabase.string(), supported); }),
                testing::Optional(HasSubstr(notADatabase.wstring())));
}

TEST(Registry, a_listed_system_named_by_code_is_read_when_used_and_is_what_the_registry_gives) {
    ASSERT_GE(kor::KORKnownSystemsList.FindByPOSC(4326), 0);
    auto const listed = kor::CreateCSDefByDefinition(L"EPSG:4326");
    // A URN takes the registry's own reader, so this one is read at once.
    auto const read = kor::CreateCSDefByDefinition(L"urn:ogc:def:crs:EPSG::4326");
    ASSERT_EQ(AsReferenced(listed).GetRegistryPartsCode(), 4326) << "not read when used";
    ASSERT_EQ(AsReferenced(read).GetRegistryPartsCode(), 0);
    std::wstring difference;
    EXPECT_TRUE(listed->Compare(*read, false, &difference)) << difference;
    EXPECT_EQ(AsReferenced(listed).GetPOSC(), 4326);
    EXPECT_EQ(kor::ExportDefinition(*listed, kor::DefinitionFormat::WKT2),
              kor::ExportDefinition(*read, kor::DefinitionFormat::WKT2));
    EXPECT_EQ(kor::CreateCSDefByDefinition(L"EPSG:4326", kor::CreateCategorizedName)->GetName(),
              kor::KORKnownSystemsList.EnumName(kor::KORKnownSystemsList.FindByPOSC(4326)));

    // A copy whose datum changes holds parts of its own; the original keeps the registry's.
    kor::KORDef changed = AsReferenced(listed);
    kor::DatumDef datum = *changed.GetDatum();
    datum.SetParameter(kor::DatumDef::PrimeMeridian, 2.0);
    changed.SetDatum(&datum);
    EXPECT_EQ(changed.GetRegistryPartsCode(), 0);
    ASSERT_NE(changed.GetProjection(), nullptr) << "the projection was lost with the datum";
    EXPECT_TRUE(changed.GetProjection()->Compare(*AsReferenced(read).GetProjection()));
    EXPECT_FALSE(changed.Compare(*listed, true));
    EXPECT_TRUE(listed->Compare(*read, true));
    EXPECT_EQ(kor::KORKnownSystemsList.FindSystem(&changed, true, false), -1);
    EXPECT_EQ(kor::KORKnownSystemsList.FindSystem(listed.get(), true, false),
              kor::KORKnownSystemsList.FindByPOSC(4326));
    // Its own parts given back to the only definition holding them.
    auto alone = kor::CreateCSDefByDefinition(L"EPSG:4326");
    auto& own = dynamic_cast<kor::KORDef&>(*alone);
    own.SetDatum(own.GetDatum());
    own.SetProjection(own.GetProjection());
    EXPECT_TRUE(own.Compare(*read, false, &difference)) << difference;

    // The database is found where PROJ opens it, without opening it.
    kor::ProjRegistry unopened;
    std::string const found = unopened.DatabasePath();
    EXPECT_EQ(found, unopened.Context()->getPath());
}
