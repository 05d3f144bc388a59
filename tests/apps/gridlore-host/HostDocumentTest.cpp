#include "HostDocument.h"

#include "ArgumentError.h"
#include "ScratchDirectory.h"
#include "korfile/ReferenceFile.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

using ::testing::HasSubstr;

using gridhost::ArgumentError;
using gridhost::HostDocument;

namespace {

std::filesystem::path const DataDir = GRIDLORE_TEST_DATA;

Gridlore::CoordinateSystem Registry(wchar_t const* code) {
    return Gridlore::CoordinateSystem(code, true);
}

/// Whether two systems define the same system, names aside.
bool SameSystem(Gridlore::CoordinateSystem const& a, Gridlore::CoordinateSystem const& b) {
    Gridlore::CoordinateSystemCollection one;
    one.push_back(a);
    return one.Find(b, false) != nullptr;
}

std::string ErrorOf(std::string const& argument) {
    try {
        HostDocument::ReadSystem(argument);
    } catch (ArgumentError const& error) {
        return error.what();
    }
    return "accepted";
}

} // namespace

TEST(HostDocument, without_arguments_uses_wgs84_utm33n_and_web_mercator_with_wgs84_current) {
    HostDocument const document({}, std::nullopt);
    ASSERT_EQ(document.InUse().size(), 3U);
    EXPECT_TRUE(SameSystem(document.InUse().at(0), Registry(L"EPSG:4326")));
    EXPECT_TRUE(SameSystem(document.InUse().at(1), Registry(L"EPSG:32633")));
    EXPECT_TRUE(SameSystem(document.InUse().at(2), Registry(L"EPSG:3857")));
    EXPECT_TRUE(SameSystem(document.Current(), Registry(L"EPSG:4326")));
}

TEST(HostDocument, reads_codes_in_any_spelling_and_files_by_content_before_their_name) {
    ScratchDirectory const scratch;
    Gridlore::CoordinateSystem const lambert = Registry(L"EPSG:2154");
    // A QRF2 document under a .prj name: the content decides how it is read.
    korfile::WriteReferenceFile(*lambert.GetCSDef(), korfile::QRF2, scratch / "misnamed.prj", 0.0,
                                0.0, true);
    korfile::WriteReferenceFile(*Registry(L"EPSG:32633").GetCSDef(), korfile::WKT,
                                scratch / "utm.prj", 0.0, 0.0, true);

    HostDocument const document({"4326", "epsg:3857", (scratch / "utm.prj").string(),
                                 (DataDir / "qrf" / "depot-north.qrf").string()},
                                (scratch / "misnamed.prj").string());
    ASSERT_EQ(document.InUse().size(), 5U) << "the current system is put first";
    EXPECT_TRUE(SameSystem(document.Current(), lambert));
    EXPECT_TRUE(SameSystem(document.InUse().at(0), lambert));
    EXPECT_TRUE(SameSystem(document.InUse().at(1), Registry(L"EPSG:4326")));
    EXPECT_TRUE(SameSystem(document.InUse().at(2), Registry(L"EPSG:3857")));
    EXPECT_TRUE(SameSystem(document.InUse().at(3), Registry(L"EPSG:32633")));
    EXPECT_THAT(document.InUse().at(4).GetLeafName(), HasSubstr(L"Depot North"));
}

TEST(HostDocument, a_current_system_already_in_use_is_not_listed_twice_and_a_new_choice_joins) {
    HostDocument document({"EPSG:4326", "EPSG:32633"}, "32633");
    ASSERT_EQ(document.InUse().size(), 2U);
    EXPECT_TRUE(SameSystem(document.Current(), Registry(L"EPSG:32633")));

    document.SetCurrent(Registry(L"EPSG:4326"));
    EXPECT_EQ(document.InUse().size(), 2U);
    EXPECT_TRUE(SameSystem(document.Current(), Registry(L"EPSG:4326")));

    document.SetCurrent(Registry(L"EPSG:2154"));
    ASSERT_EQ(document.InUse().size(), 3U);
    EXPECT_TRUE(SameSystem(document.InUse().at(0), Registry(L"EPSG:2154")));

    // A system used besides the current one goes last, once, and leaves the current be.
    document.Use(Registry(L"EPSG:27700"));
    document.Use(Registry(L"EPSG:27700"));
    ASSERT_EQ(document.InUse().size(), 4U);
    EXPECT_TRUE(SameSystem(document.InUse().at(3), Registry(L"EPSG:27700")));
    EXPECT_TRUE(SameSystem(document.Current(), Registry(L"EPSG:2154")));
}

TEST(HostDocument, bad_systems_are_refused_with_a_message_naming_the_argument) {
    ScratchDirectory const scratch;
    std::string const broken = (scratch / "broken.prj").string();
    std::ofstream(broken) << "PROJCS[\"half";
    std::string const notes = (scratch / "notes.txt").string();
    std::ofstream(notes) << "nothing to see here\n";
    std::string const missing = (scratch / "nowhere.qrf2").string();

    EXPECT_THAT(ErrorOf("EPSG:999999999"), HasSubstr("EPSG:999999999"));
    EXPECT_THAT(ErrorOf("999999999"), HasSubstr("999999999"));
    EXPECT_THAT(ErrorOf(broken), HasSubstr(broken));
    EXPECT_EQ(ErrorOf(missing), "'" + missing + "': no such file");
    EXPECT_THAT(ErrorOf(notes), HasSubstr("'" + notes + "': not a coordinate-reference file"));
    EXPECT_THAT(ErrorOf("  "), HasSubstr("empty"));

    EXPECT_THROW(HostDocument({"EPSG:4326", broken}, std::nullopt), ArgumentError);
    EXPECT_THROW(HostDocument({}, missing), ArgumentError);
}
