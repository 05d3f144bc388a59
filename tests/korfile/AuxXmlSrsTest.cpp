#include "AuxXmlSrs.h"

#include "../kor/KORErrorOf.h"

#include <gmock/gmock.h>

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Optional;

namespace {

std::string const SideCar = R"(<PAMDataset>
  <!-- written by a raster tool -->
  <SRS dataAxisToSRSAxisMapping="2,1">GEOGCS["old"]</SRS>
  <Metadata domain="IMAGE_STRUCTURE"><MDI key="INTERLEAVE">PIXEL</MDI></Metadata>
  <PAMRasterBand band="1"><NoDataValue>-9999</NoDataValue></PAMRasterBand>
</PAMDataset>
)";

} // namespace

TEST(AuxXmlSrs, bad_documents_name_the_file_and_the_fault) {
    EXPECT_THAT(KORErrorOf([] {
                    (void)korfile::ReadAuxXmlSrs("<PAMDataset><SRS>x</PAMDataset>", "/d/b.aux.xml");
                }),
                Optional(AllOf(HasSubstr(L"'/d/b.aux.xml' is not well-formed XML"),
                               HasSubstr(L"at byte"))));
    EXPECT_THAT(KORErrorOf([] { (void)korfile::WriteAuxXmlSrs("<svg/>", "x", "/d/c.aux.xml"); }),
                Optional(HasSubstr(L"root element is not <PAMDataset>")));
    EXPECT_THAT(KORErrorOf([] {
                    (void)korfile::ReadAuxXmlSrs("<PAMDataset><SRS> </SRS></PAMDataset>", "e");
                }),
                Optional(HasSubstr(L"empty <SRS>")));
}

TEST(AuxXmlSrs, a_rewrite_changes_only_the_srs_and_keeps_the_layout_byte_for_byte) {
    EXPECT_EQ(korfile::ReadAuxXmlSrs(SideCar, "a.aux.xml"), "GEOGCS[\"old\"]");
    EXPECT_EQ(korfile::ReadAuxXmlSrs("<PAMDataset><Metadata/></PAMDataset>", "a.aux.xml"),
              std::nullopt);
    std::string expected = SideCar;
    expected.replace(expected.find("GEOGCS[\"old\"]"), 13, "PROJCS[\"new\"]");
    EXPECT_EQ(korfile::WriteAuxXmlSrs(SideCar, "PROJCS[\"new\"]", "a.aux.xml"), expected);

    std::string const declared = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                 "<PAMDataset>\n\t<Metadata/>\n</PAMDataset>";
    EXPECT_EQ(korfile::WriteAuxXmlSrs(declared, "X", "b.aux.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<PAMDataset>\n  <SRS>X</SRS>\n\t<Metadata/>\n</PAMDataset>");
    EXPECT_EQ(korfile::WriteAuxXmlSrs("<PAMDataset><Metadata/></PAMDataset>", "X", "c.aux.xml"),
              "<PAMDataset>\n  <SRS>X</SRS>\n<Metadata/></PAMDataset>");
    EXPECT_EQ(korfile::WriteAuxXmlSrs("", "a & b", "d.aux.xml"),
              "<PAMDataset>\n  <SRS>a &amp; b</SRS>\n</PAMDataset>\n");
}

TEST(AuxXmlSrs, deep_nesting_is_refused_and_what_is_accepted_is_written_at_its_own_size) {
    auto const nested = [](int depth) {
        std::string open;
        std::string close;
        for (int level = 0; level < depth; ++level) {
            open += "<Metadata>";
            close += "</Metadata>";
        }
        return "<PAMDataset><SRS>X</SRS>" + open + close + "</PAMDataset>";
    };
    // 70 kB of nesting once came back as 200 MB of indentation.
    std::string const deep = nested(7000);
    EXPECT_THAT(
        KORErrorOf([&] { (void)korfile::ReadAuxXmlSrs(deep, "/d/deep.aux.xml"); }),
        Optional(HasSubstr(L"'/d/deep.aux.xml' is not a raster side-car: its elements nest")));
    EXPECT_TRUE(KORErrorOf([&] { (void)korfile::WriteAuxXmlSrs(deep, "Y", "w.aux.xml"); }));

    std::string const shallow = nested(60);
    std::string const written = korfile::WriteAuxXmlSrs(shallow, "Y", "s.aux.xml");
    EXPECT_LE(written.size(), shallow.size());
    EXPECT_EQ(korfile::ReadAuxXmlSrs(written, "s.aux.xml"), "Y");
}
