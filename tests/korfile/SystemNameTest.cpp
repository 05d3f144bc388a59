#include "korfile/ReadDefinition.h"
#include "korfile/ReferenceFile.h"

#include "kor/UCSDef.h"

#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

std::string const NamelessWkt = "GEOGCS[\"\",DATUM[\"D_WGS_1984\",SPHEROID[\"WGS_1984\",6378137,"
                                "298.257223563]],PRIMEM[\"Greenwich\",0],"
                                "UNIT[\"Degree\",0.0174532925199433]]";

class SystemNameTest : public ::testing::Test {
protected:
    std::filesystem::path Write(std::string const& name, std::string const& content) const {
        std::ofstream(m_scratch / name) << content;
        return m_scratch / name;
    }

    ScratchDirectory m_scratch;
};

} // namespace

TEST_F(SystemNameTest, a_file_names_its_nameless_system_after_itself_without_extensions) {
    auto const fromPrj =
        korfile::ReadReferenceFile(korfile::WKT, Write("quay.site.prj", NamelessWkt), 0.0, 0.0);
    EXPECT_EQ(fromPrj->GetName(), L"quay");
    std::string const sideCar = "<PAMDataset><SRS>" + NamelessWkt + "</SRS></PAMDataset>";
    auto const fromAux =
        korfile::ReadReferenceFile(korfile::AuxXml, Write("image.tif.aux.xml", sideCar), 0.0, 0.0);
    EXPECT_EQ(fromAux->GetName(), L"image");
    // A name of bars and blanks names nothing either; a file named by its extension only
    // leaves nothing to name the system after.
    kor::UCSDef bars(1.0, 0.0, 0.0, nullptr);
    bars.SetName(L" | |");
    korfile::WriteReferenceFile(bars, korfile::QRF2, m_scratch / ".qrf2", 0.0, 0.0, false);
    EXPECT_EQ(korfile::ReadReferenceFile(korfile::QRF2, m_scratch / ".qrf2", 0.0, 0.0)->GetName(),
              L"Unnamed system");
    // A named system keeps its name.
    bars.SetName(L"Yard|Grid");
    korfile::WriteReferenceFile(bars, korfile::QRF2, m_scratch / "other.qrf2", 0.0, 0.0, false);
    EXPECT_EQ(
        korfile::ReadReferenceFile(korfile::QRF2, m_scratch / "other.qrf2", 0.0, 0.0)->GetName(),
        L"Yard|Grid");
}

TEST_F(SystemNameTest, nameless_text_and_favourites_are_unnamed_systems) {
    EXPECT_EQ(korfile::ReadDefinition(NamelessWkt)->GetName(), L"Unnamed system");
    // A file given on a command line is still named after the file.
    EXPECT_EQ(korfile::ReadDefinition(Write("dock.prj", NamelessWkt).string())->GetName(), L"dock");

    kor::UCSDef nameless(1.0, 0.0, 0.0, nullptr);
    kor::UCSDef named(2.0, 0.0, 0.0, nullptr);
    named.SetName(L"Yard");
    korfile::WriteCollectionFile({&nameless, &named}, m_scratch / "favourites.qrf2");
    auto const favourites = korfile::ReadCollectionFile(m_scratch / "favourites.qrf2");
    ASSERT_EQ(favourites.size(), 2U);
    EXPECT_EQ(favourites[0]->GetName(), L"Unnamed system");
    EXPECT_EQ(favourites[1]->GetName(), L"Yard");
}
