#include "KORErrorOf.h"
#include "KnownFixture.h"

#include "kor/DefinitionShape.h"
#include "kor/Definitions.h"
#include "kor/KORDef.h"
#include "kor/KORException.h"
#include "kor/UCSDef.h"

#include <gmock/gmock.h>

#include <limits>
#include <string_view>

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::Optional;

namespace {

kor::KORDef WithProjection(kor::ProjectionDef projection, kor::DatumDef const& datum) {
    projection.SetParameter(kor::ProjectionDef::Ellipsoid, *datum.GetEllipsoid());
    kor::KORDef system(&datum, &projection, nullptr);
    system.SetName(L"Test system");
    return system;
}

void ExpectSurvivesText(kor::KORDef const& system, kor::DefinitionFormat format) {
    std::wstring const text = kor::ExportDefinition(system, format);
    auto const back = kor::CreateCSDefByDefinition(text);
    ASSERT_NE(back, nullptr);
    std::wstring difference;
    EXPECT_TRUE(back->Compare(system, true, &difference)) << difference << L"\n" << text;
}

} // namespace

TEST(Definitions, every_method_with_its_defaults_survives_wkt2) {
    kortest::FixtureScope scope;
    for (int method = kor::ProjectionDef::FirstProjectionMethod;
         method <= kor::ProjectionDef::LastProjectionMethod; ++method) {
        SCOPED_TRACE(kor::ProjectionDef::MethodToName(method));
        ExpectSurvivesText(WithProjection(kor::ProjectionDef(method), kortest::Wgs84Datum()),
                           kor::DefinitionFormat::WKT2);
    }
}

TEST(Definitions, axis_orders_units_and_datum_shifts_survive_wkt2_and_projjson) {
    kortest::FixtureScope scope;
    for (int order = kor::ProjectionDef::AxisEastNorth; order <= kor::ProjectionDef::AxisEastSouth;
         ++order) {
        kor::ProjectionDef projection(3);
        projection.SetParameter(kor::ProjectionDef::AxisOrder, order);
        projection.SetParameter(kor::ProjectionDef::LinearUnit, 3937.0 / 1200.0);
        ExpectSurvivesText(WithProjection(projection, kortest::ShiftedDatum()),
                           kor::DefinitionFormat::WKT2);
    }
    for (int order = kor::ProjectionDef::AxisNorthPoleEastNorth;
         order <= kor::ProjectionDef::AxisSouthPoleNorthEast; ++order) {
        kor::ProjectionDef polar(15);
        polar.SetParameter(kor::ProjectionDef::LongitudeOfOrigin, -45.0);
        polar.SetParameter(kor::ProjectionDef::AxisOrder, order);
        ExpectSurvivesText(WithProjection(polar, kortest::Wgs84Datum()),
                           kor::DefinitionFormat::PROJJSON);
    }
    kor::DatumDef seven = kortest::ShiftedDatum();
    seven.SetParameter(kor::DatumDef::Method, kor::DatumDef::MethodSevenParameter);
    seven.SetParameter(kor::DatumDef::RotationZ, 0.554);
    seven.SetParameter(kor::DatumDef::ScaleDifference, 0.2263);
    ExpectSurvivesText(WithProjection(kor::ProjectionDef(1), seven), kor::DefinitionFormat::WKT2);

    // Grads on the Paris meridian, as the old French systems have them. PROJJSON, since
    // PROJ's WKT2 does not write the angular unit of a projected system's base.
    kor::DatumDef paris = kortest::Wgs84Datum();
    paris.SetParameter(kor::DatumDef::PrimeMeridian, 2.33722917);
    paris.SetGeographicCRSCodeNumber(0);
    kor::ProjectionDef grads(5);
    grads.SetParameter(kor::ProjectionDef::AngularUnit, 400.0 / 360.0);
    ExpectSurvivesText(WithProjection(grads, paris), kor::DefinitionFormat::PROJJSON);
    grads = kor::ProjectionDef(1);
    grads.SetParameter(kor::ProjectionDef::AngularUnit, 400.0 / 360.0);
    ExpectSurvivesText(WithProjection(grads, paris), kor::DefinitionFormat::WKT1);
}

TEST(Definitions, exports_say_what_they_are) {
    kortest::FixtureScope scope;
    kor::KORDef const utm = kortest::Utm33North();
    // The category path and the tag are ours, not part of the system's own name.
    EXPECT_THAT(kor::ExportDefinition(utm, kor::DefinitionFormat::WKT2),
                AllOf(HasSubstr(L"PROJCRS"), Not(HasSubstr(L"Projected|"))));
    EXPECT_THAT(kor::ExportDefinition(utm, kor::DefinitionFormat::WKT1), HasSubstr(L"PROJCS"));
    EXPECT_THAT(kor::ExportDefinition(utm, kor::DefinitionFormat::WKT1ESRI),
                HasSubstr(L"Transverse_Mercator"));
    EXPECT_THAT(kor::ExportDefinition(utm, kor::DefinitionFormat::PROJString),
                AllOf(HasSubstr(L"+proj="), HasSubstr(L"+zone=33")));
}

TEST(Definitions,
     bad_text_raises_a_reason_text_of_no_syntax_is_refused_unsearched_and_blank_gives_nothing) {
    EXPECT_EQ(kor::CreateCSDefByDefinition(L""), nullptr);
    EXPECT_EQ(kor::CreateCSDefByDefinition(L" \t\r\n"), nullptr);
    for (std::wstring const& text : std::vector<std::wstring>{
             L"GEOGCS[", L"PROJCS[\"x\",GEOGCS[\"y\"]]", L"+proj=nonsense", L"{", L"{\"type\": 5}",
             L"EPSG:", L"EPSG:abc", L"not a definition at all", L"\x00e9\x4e2d\xfffd",
             std::wstring(L"GEOGCS[\"a\0b\"]", 13), std::wstring(100000, L'[')}) {
        EXPECT_THAT(KORErrorOf([&] { (void)kor::CreateCSDefByDefinition(text); }),
                    Optional(Not(testing::IsEmpty())))
            << text.substr(0, 40);
    }
    // Each of these once cost a search of the registry by name.
    for (std::wstring const& text : std::vector<std::wstring>{
             L"PROXCS[\"x\",GEOGCS[\"y\"]]", L"WGS 84\x0001", L"name\nsecond line", L"a=b",
             L"\"WGS 84\"", L"<PAMDataset>", L"-- 42 --", std::wstring(300, L'n')}) {
        EXPECT_THAT(KORErrorOf([&] { (void)kor::CreateCSDefByDefinition(text); }),
                    Optional(AllOf(HasSubstr(L"is no code, well-known text"),
                                   testing::SizeIs(testing::Lt(300U)))))
            << text.substr(0, 40);
    }
}

TEST(Definitions, non_finite_or_impossible_parameters_fail_the_check_and_the_export) {
    kortest::FixtureScope scope;
    for (double bad : {std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity(), 1000.0}) {
        kor::KORDef system = kortest::Utm33North();
        kor::ProjectionDef projection = *system.GetProjection();
        projection.SetParameter(kor::ProjectionDef::LatitudeOfNaturalOrigin, bad);
        system.SetProjection(&projection);
        std::wstring reason;
        EXPECT_FALSE(system.Check(reason));
        EXPECT_FALSE(reason.empty());
        EXPECT_THROW(kor::ExportDefinition(system, kor::DefinitionFormat::WKT2), kor::KORException);
    }
    kor::UCSDef const local(1.0, 0.0, 0.0, nullptr);
    EXPECT_THROW(kor::ExportDefinition(local, kor::DefinitionFormat::WKT2), kor::KORException);
    EXPECT_EQ(kor::IdentifyEPSGCode(local), 0);
}

TEST(Definitions, strip_authority_tag_removes_only_a_trailing_tag) {
    struct Case {
        std::wstring in;
        std::wstring out;
        bool stripped;
    };
    for (Case const& c :
         {Case{L"WGS 84 [EPSG:4326]", L"WGS 84", true},
          Case{L"A|B|WGS 84 / UTM zone 33N  [EPSG:32633]", L"A|B|WGS 84 / UTM zone 33N", true},
          Case{L"x [ESRI:102100]", L"x", true}, Case{L"Name [note]", L"Name [note]", false},
          Case{L"[EPSG:4326] first", L"[EPSG:4326] first", false},
          Case{L"x [EPSG:4326] (edited)", L"x [EPSG:4326] (edited)", false},
          Case{L"", L"", false}}) {
        std::wstring name = c.in;
        EXPECT_EQ(kor::StripAuthorityTag(name), c.stripped) << c.in;
        EXPECT_EQ(name, c.out);
    }
}

TEST(QueryCSDefinitions, answers_only_what_a_name_and_code_filter_would_miss) {
    kortest::FixtureScope scope;
    using Answer = std::vector<std::wstring>;
    for (wchar_t const* bare : {L"32633", L" 4326 ", L"+4326", L"99999"}) {
        EXPECT_EQ(kor::QueryCSDefinitions(bare, 5), Answer{}) << bare;
    }
    for (wchar_t const* spelling :
         {L"epsg:4326", L"EPSG 4326", L"EPSG::4326", L"urn:ogc:def:crs:EPSG::4326",
          L"urn:ogc:def:crs:EPSG:9.8.1:4326"}) {
        EXPECT_EQ(kor::QueryCSDefinitions(spelling, 5), Answer{L"EPSG:4326"}) << spelling;
    }
    EXPECT_EQ(kor::QueryCSDefinitions(L"EPSG:99999", 5), Answer{});
    EXPECT_EQ(kor::QueryCSDefinitions(L"EPSG:43x", 5), Answer{});
    // Both names hold these texts, so the filter finds them already.
    EXPECT_EQ(kor::QueryCSDefinitions(L"WGS 84", 5), Answer{});
    EXPECT_EQ(kor::QueryCSDefinitions(L"utm zone 33", 5), Answer{});
    // The same words another way round, ranked by the share of the name they make.
    EXPECT_EQ(kor::QueryCSDefinitions(L"84 WGS", 5), (Answer{L"EPSG:4326", L"EPSG:32633"}));
    EXPECT_EQ(kor::QueryCSDefinitions(L"84 WGS", 1), Answer{L"EPSG:4326"});
    EXPECT_EQ(kor::QueryCSDefinitions(L"UTM 33", 5), Answer{L"EPSG:32633"});
    EXPECT_EQ(kor::QueryCSDefinitions(L"hemisphere", 5), Answer{L"EPSG:32633"});
    // Every word counts, wherever it is found, whichever is looked for first.
    EXPECT_EQ(kor::QueryCSDefinitions(L"hemisphere world", 5), Answer{L"EPSG:32633"});
    EXPECT_EQ(kor::QueryCSDefinitions(L"world utm", 5), Answer{L"EPSG:32633"});
    EXPECT_EQ(kor::QueryCSDefinitions(L"world 84", 5), (Answer{L"EPSG:4326", L"EPSG:32633"}));
    EXPECT_EQ(kor::QueryCSDefinitions(L"world utm 34", 5), Answer{});
    EXPECT_EQ(kor::QueryCSDefinitions(L"local meters", 5), Answer{L"Local System (meters)"});
    EXPECT_EQ(kor::QueryCSDefinitions(L"WGS 85", 5), Answer{});
    EXPECT_EQ(kor::QueryCSDefinitions(L"", 5), Answer{});
    EXPECT_EQ(kor::QueryCSDefinitions(L"84 WGS", 0), Answer{});
}

TEST(Definitions, shapes_of_definitions_and_of_names_are_told_apart) {
    for (std::string_view text :
         {"EPSG:4326", "epsg::4326", "EPSG:4326+5773", "IAU_2015:30100",
          "urn:ogc:def:crs:EPSG::4326", "http://www.opengis.net/def/crs/EPSG/0/4326",
          "+proj=utm +zone=33", "proj=longlat", "{\"type\": \"GeographicCRS\"}",
          "\xEF\xBB\xBF  PROJCS [\"x\"]", "geogcrs(\"y\")"}) {
        EXPECT_TRUE(kor::HasDefinitionSyntax(text)) << text;
    }
    for (std::string_view text :
         {"WGS 84", "EPSG:", ":4326", "PROJCS", "PROJCS \"x\"", "GEOGCS_x[", "+x", "PROJ=utm",
          "+ proj=utm", "EPSG:43 26", "NAD83(HARN) / UTM zone 10N"}) {
        EXPECT_FALSE(kor::HasDefinitionSyntax(text)) << text;
    }

    for (std::string_view text :
         {"WGS 84", "NAD83(HARN) / UTM zone 10N", "St. Kitts 1955 / BWI Grid",
          "ETRS89-extended / LAEA Europe", "R\xC3\xA9seau g\xC3\xA9od\xC3\xA9sique"}) {
        EXPECT_TRUE(kor::CouldBeSystemName(text)) << text;
    }
    for (std::string_view text :
         {"", "1234", "-- 42 --", "tab\there", "a[1]", "a{", "\"q\"", "x\x7f", "a\\b"}) {
        EXPECT_FALSE(kor::CouldBeSystemName(text)) << text;
    }
    EXPECT_FALSE(kor::CouldBeSystemName(std::string(201, 'n')));
}

TEST(Definitions, a_system_bound_by_its_own_shift_is_read_without_claiming_a_code) {
    std::wstring const geographic =
        L"GEOGCRS[\"DHDN\",DATUM[\"Deutsches Hauptdreiecksnetz\",ELLIPSOID[\"Bessel 1841\","
        L"6377397.155,299.1528128]],CS[ellipsoidal,2],AXIS[\"lat\",north],AXIS[\"lon\",east],"
        L"ANGLEUNIT[\"degree\",0.0174532925199433]]";
    auto const bound = [&](int methodCode) {
        return L"BOUNDCRS[SOURCECRS[" + geographic +
               L"],TARGETCRS[GEOGCRS[\"WGS 84\",DATUM[\"World Geodetic System 1984\","
               L"ELLIPSOID[\"WGS 84\",6378137,298.257223563]],CS[ellipsoidal,2],AXIS[\"lat\","
               L"north],AXIS[\"lon\",east],ANGLEUNIT[\"degree\",0.0174532925199433],"
               L"ID[\"EPSG\",4326]]],ABRIDGEDTRANSFORMATION[\"x\",METHOD[\"Geocentric "
               L"translations (geog2D domain)\",ID[\"EPSG\"," +
               std::to_wstring(methodCode) +
               L"]],PARAMETER[\"X-axis translation\",598.1,ID[\"EPSG\",8605]],PARAMETER[\"Y-axis "
               L"translation\",73.7,ID[\"EPSG\",8606]],PARAMETER[\"Z-axis translation\",418.2,"
               L"ID[\"EPSG\",8607]]]]";
    };
    std::wstring const vertical =
        L",VERTCRS[\"h\",VDATUM[\"v\"],CS[vertical,1],AXIS[\"up\",up],LENGTHUNIT[\"metre\",1]]]";
    // A method code PROJ does not know once aborted the process while the bound system
    // was identified; such a shift is not ours to read either.
    for (int const methodCode : {9603, 99999}) {
        for (std::wstring const& text :
             {bound(methodCode), L"COMPOUNDCRS[\"c\"," + bound(methodCode) + vertical}) {
            auto const read = kor::CreateCSDefByDefinition(text);
            auto const* system = dynamic_cast<kor::KORDef const*>(read.get());
            ASSERT_NE(system, nullptr);
            EXPECT_EQ(system->GetPOSC(), 0);
            double deltaX = 0;
            EXPECT_EQ(system->GetDatum()->GetParameter(kor::DatumDef::DeltaX, deltaX),
                      methodCode == 9603);
            EXPECT_DOUBLE_EQ(deltaX, methodCode == 9603 ? 598.1 : 0.0);
        }
    }
    // Without the shift the same system is the registry's, and says so.
    auto const unbound = kor::CreateCSDefByDefinition(geographic);
    EXPECT_EQ(dynamic_cast<kor::KORDef const&>(*unbound).GetPOSC(), 4314);
}
