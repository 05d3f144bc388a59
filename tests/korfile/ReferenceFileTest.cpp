#include "korfile/ReferenceFile.h"

#include "gridlore/CoordinateSystemCollection.h"
#include "kor/KORDef.h"
#include "kor/UCSDef.h"
#include "korfile/ReadDefinition.h"
#include "shr/AtomicFile.h"
#include "shr/Utf8.h"

#include "../kor/KORErrorOf.h"
#include "ScratchDirectory.h"

#include <gmock/gmock.h>

#include <fstream>

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Optional;

namespace {

std::filesystem::path const DataDir = GRIDLORE_TEST_DATA;

class ReferenceFileTest : public ::testing::Test {
protected:
    struct BadFile {
        std::string content;
        std::wstring expected;
    };

    /// Each file, read as `type`, fails with a message that names it and holds `expected`.
    void ExpectReadErrors(korfile::KORFileType type, char const* name,
                          std::vector<BadFile> const& files) const {
        for (BadFile const& file : files) {
            std::filesystem::path const path = Write(name, file.content);
            EXPECT_THAT(ReadError(type, path),
                        Optional(AllOf(HasSubstr(L"'" + shr::FromUtf8(path.string()) + L"'"),
                                       HasSubstr(file.expected))));
        }
    }

    std::filesystem::path Write(std::string const& name, std::string const& content) const {
        std::filesystem::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }

    static std::optional<std::wstring> ReadError(korfile::KORFileType type,
                                                 std::filesystem::path const& path) {
        return KORErrorOf([&] { (void)korfile::ReadReferenceFile(type, path, 0.0, 0.0); });
    }

    ScratchDirectory m_scratch;
    std::filesystem::path const m_dir = m_scratch.Path();
};

/// `text` with its first `from` replaced by `to`; a missing `from` fails the test, since
/// the case would then test the good file.
std::string Replaced(std::string text, std::string const& from, std::string const& to) {
    std::size_t const at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string const NamelessWkt = "GEOGCS[\"\",DATUM[\"D_WGS_1984\",SPHEROID[\"WGS_1984\",6378137,"
                                "298.257223563]],PRIMEM[\"Greenwich\",0],"
                                "UNIT[\"Degree\",0.0174532925199433]]";

/// A referenced system that uses every kind of value the format stores.
kor::KORDef RichSystem() {
    kor::DatumDef datum;
    datum.SetName(L"Test datum \u00e9");
    datum.SetPOSCNumber(6275);
    datum.SetToken(L"DATUM_EPSG_6275");
    datum.SetAuthorityGivenName(L"Nouvelle Triangulation Francaise");
    datum.SetGeographicCRSCodeNumber(4275);
    datum.SetParameter(kor::DatumDef::Method, int{kor::DatumDef::MethodSevenParameter});
    datum.SetParameter(kor::DatumDef::Target, int{kor::DatumDef::TargetETRS89});
    datum.SetParameter(kor::DatumDef::Ellipsoid, kor::EllipsoidDef(L"Clarke 1880 (IGN)", 6378249.2,
                                                                   1 / 293.4660212936269, 7011));
    datum.SetParameter(kor::DatumDef::PrimeMeridian, 2.5969213);
    datum.SetParameter(kor::DatumDef::DeltaX, -168.0);
    datum.SetParameter(kor::DatumDef::DeltaY, -60.1);
    datum.SetParameter(kor::DatumDef::DeltaZ, 320.0);
    datum.SetParameter(kor::DatumDef::RotationX, 0.1 + 0.2); // a number with no short form
    datum.SetParameter(kor::DatumDef::RotationY, -1e-300);
    datum.SetParameter(kor::DatumDef::RotationZ, 5e-324);
    datum.SetParameter(kor::DatumDef::ScaleDifference, 1.0 / 3.0);
    kor::ProjectionDef projection(6);
    projection.SetParameter(kor::ProjectionDef::LatitudeOfFalseOrigin, 46.8);
    projection.SetParameter(kor::ProjectionDef::LinearUnit, 1.0 / 0.3048006096012192);
    projection.SetParameter(kor::ProjectionDef::AxisOrder, int{kor::ProjectionDef::AxisNorthEast});
    projection.SetWellKnownName(kor::ProjectionDef::FalseEasting, L"X_0");
    kor::WarpDef warp;
    warp.SetParameter(kor::WarpDef::A0, 12.5);
    warp.SetParameter(kor::WarpDef::B2, 0.999999);
    kor::KORDef system(&datum, &projection, &warp);
    system.SetName(L"Europe|France|Test Lambert \u00e9t\u00e9 [EPSG:27572]");
    system.SetPOSC(27572);
    system.SetHint(kor::CSHintUserDefined, true);
    return system;
}

} // namespace

TEST_F(ReferenceFileTest, QRF2_keeps_every_value_of_a_definition_bit_for_bit) {
    kor::KORDef const rich = RichSystem();
    kor::UCSDef local(3.28083989501312, 1000.0, -0.1, nullptr);
    local.SetName(L"Local|Site");
    for (kor::CSDef const* original : std::initializer_list<kor::CSDef const*>{&rich, &local}) {
        std::filesystem::path const path = m_dir / "saved.qrf2";
        korfile::WriteReferenceFile(*original, korfile::QRF2, path, 0.0, 0.0, false);
        auto const read = korfile::ReadReferenceFile(korfile::QRF2, path, 0.0, 0.0);
        ASSERT_NE(read, nullptr);
        std::wstring difference;
        EXPECT_TRUE(read->Compare(*original, false, &difference)) << shr::ToUtf8(difference);
        EXPECT_EQ(read->GetHints(), original->GetHints());
        // Written again, the read definition gives the same bytes: nothing was rounded.
        std::string const first = shr::ReadWholeFile(path);
        korfile::WriteReferenceFile(*read, korfile::QRF2, path, 0.0, 0.0, false);
        EXPECT_EQ(shr::ReadWholeFile(path), first);
    }
    auto const read = korfile::ReadReferenceFile(korfile::QRF2, m_dir / "saved.qrf2", 0.0, 0.0);
    ASSERT_EQ(read->Type(), kor::CSDef::TypeLocal);
    EXPECT_EQ(static_cast<kor::UCSDef const&>(*read).GetOrigin().y, -0.1);
}

TEST_F(ReferenceFileTest, QRF_samples_read_into_their_definitions) {
    auto const depot =
        korfile::ReadReferenceFile(korfile::QRF, DataDir / "qrf/depot-north.qrf", 0, 0);
    ASSERT_EQ(depot->Type(), kor::CSDef::TypeReferenced);
    auto const& utm = static_cast<kor::KORDef const&>(*depot);
    EXPECT_EQ(utm.GetName(), L"Custom|Depot North");
    EXPECT_EQ(utm.GetProjection()->GetMethod(), 3);
    double value = 0.0;
    ASSERT_TRUE(
        utm.GetProjection()->GetParameter(kor::ProjectionDef::LongitudeOfNaturalOrigin, value));
    EXPECT_EQ(value, 15.0);
    EXPECT_EQ(utm.GetDatum()->GetPOSCNumber(), 6326);
    EXPECT_DOUBLE_EQ(utm.GetEllipsoid()->GetInverseFlattening(), 298.257223563);

    auto const lambert =
        korfile::ReadReferenceFile(korfile::QRF, DataDir / "qrf/shifted-lambert.qrf", 0, 0);
    auto const& shifted = static_cast<kor::KORDef const&>(*lambert);
    EXPECT_EQ(shifted.GetDatum()->GetMethod(), kor::DatumDef::MethodSevenParameter);
    int target = 0;
    ASSERT_TRUE(shifted.GetDatum()->GetParameter(kor::DatumDef::Target, target));
    EXPECT_EQ(target, kor::DatumDef::TargetETRS89);
    ASSERT_TRUE(shifted.GetDatum()->GetParameter(kor::DatumDef::DeltaX, value));
    EXPECT_EQ(value, -87.0);
    ASSERT_TRUE(
        shifted.GetProjection()->GetParameter(kor::ProjectionDef::LatitudeOfFalseOrigin, value));
    EXPECT_EQ(value, 46.5);
    EXPECT_DOUBLE_EQ(shifted.GetLinearScale(), 3.28083989501312);

    auto const site = korfile::ReadReferenceFile(korfile::QRF, DataDir / "qrf/site-grid.qrf", 0, 0);
    ASSERT_EQ(site->Type(), kor::CSDef::TypeLocal);
    EXPECT_EQ(static_cast<kor::UCSDef const&>(*site).GetOrigin().y, -250.5);
    ASSERT_NE(site->GetWarp(), nullptr);
    ASSERT_TRUE(site->GetWarp()->GetParameter(kor::WarpDef::B0, value));
    EXPECT_EQ(value, 20.0);
}

TEST_F(ReferenceFileTest, QRF_errors_name_the_file_and_the_line) {
    std::string const good = shr::ReadWholeFile(DataDir / "qrf/depot-north.qrf");
    auto const variant = [&](std::string const& from, std::string const& to) {
        return Replaced(good, from, to);
    };
    std::vector<BadFile> const cases = {
        {good.substr(0, good.find("end")), L"is truncated: it lacks its closing 'end' line"},
        {variant("QRF 1", "QRF 7"), L"line 2: should be the signature 'QRF 1'"},
        {variant("= 500000", "= 5OOOOO"), L"line 15: '5OOOOO' is not a number"},
        {variant("= 0.9996", "= nan"), L"line 14: 'nan' is not a number"},
        {variant("Transverse Mercator", "Mollweide"),
         L"line 11: 'Mollweide' is not a known projection method"},
        {variant("projection.False northing", "projection.Colour"),
         L"line 16: 'colour' is not a parameter"},
        {variant("projection.False northing", "datum.name"),
         L"line 16: the key 'datum.name' was already given on line 5"},
        {variant("datum.epsg", "dataum.epsg"), L"line 6: the key 'dataum.epsg' is unknown here"},
        {variant("datum.ellipsoid.a = 6378137\n", ""),
         L"lacks the required key 'datum.ellipsoid.a'"},
        {variant("= 0.9996", "= -1"), L"does not define a usable system"},
        {good + "stray\n", L"follows the closing 'end' line"},
        {variant("type = referenced", "type = curved"), L"has the unknown type 'curved'"},
        {variant("datum.epsg = 6326", "no equals sign"),
         L"line 6: is not of the form 'key = value'"},
    };
    ExpectReadErrors(korfile::QRF, "case.qrf", cases);
}

TEST_F(ReferenceFileTest, QRF2_errors_say_where_the_document_is_wrong) {
    std::filesystem::path const good = m_dir / "good.qrf2";
    korfile::WriteReferenceFile(RichSystem(), korfile::QRF2, good, 0, 0, false);
    std::string const text = shr::ReadWholeFile(good);
    auto const variant = [&](std::string const& from, std::string const& to) {
        return Replaced(text, from, to);
    };
    std::vector<BadFile> const cases = {
        {text.substr(0, text.size() / 2), L"is truncated: its JSON ends early"},
        {variant("\"QRF2\"", "\"QRF3\""), L"does not declare \"format\": \"QRF2\""},
        {variant("\"version\": 1", "\"version\": 9"), L"has version 9"},
        {variant("\"method\": 6", "\"method\": 99"),
         L"/system/projection has the unknown projection method 99"},
        {variant("\"a\": 6378249.2", "\"a\": \"big\""),
         L"/system/datum/parameters/2/value/a is not a number"},
        {variant("\"a\": 6378249.2", "\"a\": -1"), L"is no usable ellipsoid"},
        {variant("\"type\": \"referenced\"", "\"type\": \"round\""),
         L"unknown system type \"round\""},
        {"{\"format\": \"QRF2\", \"version\": 1}", L"holds no \"system\""},
        {"[1, 2, 3]", L"the document is not an object"},
    };
    ExpectReadErrors(korfile::QRF2, "case.qrf2", cases);
}

TEST_F(ReferenceFileTest, files_that_are_missing_empty_or_folders_are_clear_errors) {
    EXPECT_THAT(ReadError(korfile::WKT, m_dir / "none.prj"),
                Optional(HasSubstr(L"none.prj' does not exist")));
    EXPECT_THAT(ReadError(korfile::QRF2, Write("blank.qrf2", " \n\t")),
                Optional(HasSubstr(L"blank.qrf2' is empty")));
    EXPECT_THAT(ReadError(korfile::AuxXml, m_dir), Optional(HasSubstr(L"is a folder")));
    EXPECT_THAT(ReadError(korfile::WKT, Write("junk.prj", "this is no WKT")),
                Optional(HasSubstr(L"junk.prj'")));
    EXPECT_THAT(KORErrorOf([&] {
                    korfile::WriteReferenceFile(RichSystem(), korfile::QRF, m_dir / "x.qrf", 0, 0,
                                                true);
                }),
                Optional(HasSubstr(L"can be read but not written")));
    kor::UCSDef negative(-1.0, 0.0, 0.0, nullptr);
    negative.SetName(L"Bad");
    EXPECT_THROW(korfile::WriteReferenceFile(negative, korfile::QRF2, m_dir / "b.qrf2", 0, 0, true),
                 kor::KORException);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "b.qrf2"));
}

TEST_F(ReferenceFileTest, an_aux_xml_side_car_without_a_system_gets_one) {
    std::filesystem::path const path = Write(
        "ortho.tif.aux.xml",
        "<PAMDataset><Metadata><MDI key=\"AREA_OR_POINT\">Area</MDI></Metadata></PAMDataset>");
    EXPECT_EQ(korfile::ReadReferenceFile(korfile::AuxXml, path, 0, 0), nullptr)
        << "a side-car without SRS holds no system";
    korfile::WriteReferenceFile(RichSystem(), korfile::AuxXml, path, 0, 0, true);
    // How the rest keeps its layout is the side-car writer's own test; here, that it is kept.
    EXPECT_THAT(
        shr::ReadWholeFile(path),
        AllOf(HasSubstr("<SRS>PROJCS["), HasSubstr("<MDI key=\"AREA_OR_POINT\">Area</MDI>")));
    auto const read = korfile::ReadReferenceFile(korfile::AuxXml, path, 0, 0);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Type(), kor::CSDef::TypeReferenced);
}

TEST_F(ReferenceFileTest, the_favourites_survive_an_interrupted_save) {
    Gridlore::CoordinateSystemCollection favourites;
    favourites.push_back(Gridlore::CoordinateSystem(RichSystem()));
    std::filesystem::path const path = m_dir / "favorites.qrf2";
    favourites.Save(shr::FromUtf8(path.string()));
    std::string const saved = shr::ReadWholeFile(path);

    Gridlore::CoordinateSystemCollection more = favourites;
    kor::UCSDef local(1.0, 0.0, 0.0, nullptr);
    local.SetName(L"Local|Plant");
    more.push_back(Gridlore::CoordinateSystem(local));
    // Every step of the replacement is the atomic file's own test; here, that the
    // favourites go through it.
    EXPECT_ANY_THROW(
        korfile::WriteCollectionFile(more.Definitions(), path, [](shr::AtomicWriteStep now) {
            if (now == shr::AtomicWriteStep::BeforeRename)
                throw std::runtime_error("crash");
        }));
    EXPECT_EQ(shr::ReadWholeFile(path), saved);
    auto const loaded = Gridlore::CoordinateSystemCollection::Load(shr::FromUtf8(path.string()));
    ASSERT_EQ(loaded.size(), 1U);
    EXPECT_TRUE(loaded.at(0).GetCSDef()->Compare(*favourites.at(0).GetCSDef(), false));

    more.Save(shr::FromUtf8(path.string()));
    EXPECT_EQ(korfile::ReadCollectionFile(path).size(), 2U);
    EXPECT_TRUE(korfile::ReadCollectionFile(m_dir / "never-saved.qrf2").empty());
}

TEST_F(ReferenceFileTest, a_nameless_system_is_named_after_its_file_or_else_unnamed) {
    EXPECT_EQ(korfile::ReadReferenceFile(korfile::WKT, Write("quay.site.prj", NamelessWkt), 0, 0)
                  ->GetName(),
              L"quay");
    std::string const sideCar = "<PAMDataset><SRS>" + NamelessWkt + "</SRS></PAMDataset>";
    EXPECT_EQ(korfile::ReadReferenceFile(korfile::AuxXml, Write("image.tif.aux.xml", sideCar), 0, 0)
                  ->GetName(),
              L"image");
    // Text has no file to be named after, but a file given on a command line has.
    EXPECT_EQ(korfile::ReadDefinition(NamelessWkt)->GetName(), L"Unnamed system");
    EXPECT_EQ(korfile::ReadDefinition(Write("dock.prj", NamelessWkt).string())->GetName(), L"dock");

    // A name of bars and blanks names nothing either; a file named by its extension only
    // leaves nothing to name the system after. A named system keeps its name, and so does
    // each favourite.
    kor::UCSDef bars(1.0, 0.0, 0.0, nullptr);
    bars.SetName(L" | |");
    korfile::WriteReferenceFile(bars, korfile::QRF2, m_dir / ".qrf2", 0, 0, false);
    EXPECT_EQ(korfile::ReadReferenceFile(korfile::QRF2, m_dir / ".qrf2", 0, 0)->GetName(),
              L"Unnamed system");
    kor::UCSDef named(2.0, 0.0, 0.0, nullptr);
    named.SetName(L"Yard|Grid");
    korfile::WriteCollectionFile({&bars, &named}, m_dir / "favourites.qrf2");
    auto const favourites = korfile::ReadCollectionFile(m_dir / "favourites.qrf2");
    ASSERT_EQ(favourites.size(), 2U);
    EXPECT_EQ(favourites[0]->GetName(), L"Unnamed system");
    EXPECT_EQ(favourites[1]->GetName(), L"Yard|Grid");
}
