#include "korfile/IsReferenceFile.h"

#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <fstream>

using korfile::DetectFileTypeByContent;

TEST(IsReferenceFile, content_shows_each_format_whatever_its_spacing_and_case) {
    EXPECT_EQ(DetectFileTypeByContent(R"({"format": "QRF2", "version": 1})"), korfile::QRF2);
    EXPECT_EQ(DetectFileTypeByContent("\xEF\xBB\xBF  \n{\"type\":\"ProjectedCRS\"}"), korfile::WKT);
    EXPECT_EQ(DetectFileTypeByContent("PROJCS[\"WGS 84 / UTM zone 33N\",GEOGCS[...]]"),
              korfile::WKT);
    EXPECT_EQ(DetectFileTypeByContent("\r\n geogcrs [\"WGS 84\"]"), korfile::WKT);
    EXPECT_EQ(DetectFileTypeByContent("GEOGCS (\"old style\")"), korfile::WKT);
    EXPECT_EQ(DetectFileTypeByContent("<PAMDataset><SRS>x</SRS></PAMDataset>"), korfile::AuxXml);
    EXPECT_EQ(DetectFileTypeByContent("# comment\nQRF 1\nname = x"), std::nullopt)
        << "a QRF file begins with its signature";
    EXPECT_EQ(DetectFileTypeByContent("QRF 1\nname = x"), korfile::QRF);
}

TEST(IsReferenceFile, text_that_is_none_of_ours_is_not_detected) {
    for (char const* text :
         {"", "   \n", "{", "{\"type\": \"Feature\"}", "[1, 2]", "<html><body/></html>",
          "PROJCSX[\"a\"]", "GEOGCS \"a\"", "QRF2 is not a signature", "\x89PNG\r\n"}) {
        EXPECT_EQ(DetectFileTypeByContent(text), std::nullopt) << text;
    }
}

TEST(IsReferenceFile, extension_lists_ignore_case_and_prefer_the_longest_match) {
    using V = std::vector<korfile::KORFileType>;
    EXPECT_EQ(korfile::FileTypesByExtension("/d/ortho.tif.AUX.XML"), V{korfile::AuxXml});
    EXPECT_EQ(korfile::FileTypesByExtension("a.qrf2"), V{korfile::QRF2});
    EXPECT_EQ(korfile::FileTypesByExtension("a.QRF"), V{korfile::QRF});
    EXPECT_EQ(korfile::FileTypesByExtension("a.prj"), V{korfile::WKT});
    EXPECT_EQ(korfile::FileTypesByExtension("a.wkt"), V{korfile::WKT});
    EXPECT_EQ(korfile::FileTypesByExtension("a.xml"), V{});
    EXPECT_EQ(korfile::FileTypesByExtension("prj"), V{});
}

TEST(IsReferenceFile, fills_content_and_extension_lists_from_a_real_file) {
    ScratchDirectory const scratch;
    std::filesystem::path const& dir = scratch.Path();
    std::filesystem::path const misnamed = dir / "really-wkt.qrf2";
    std::ofstream(misnamed) << "GEOGCS[\"WGS 84\"]";
    std::vector<korfile::KORFileType> byContent{korfile::AuxXml};
    std::vector<korfile::KORFileType> byExtension;
    korfile::IsReferenceFile(misnamed, byContent, byExtension);
    EXPECT_EQ(byContent, std::vector{korfile::WKT});
    EXPECT_EQ(byExtension, std::vector{korfile::QRF2});

    korfile::IsReferenceFile(dir / "missing.prj", byContent, byExtension);
    EXPECT_TRUE(byContent.empty());
    EXPECT_EQ(byExtension, std::vector{korfile::WKT});

    korfile::IsReferenceFile(dir, byContent, byExtension);
    EXPECT_TRUE(byContent.empty());
}
