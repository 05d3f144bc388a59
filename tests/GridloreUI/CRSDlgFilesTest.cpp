#include "BrowserTest.h"

#include "kor/KORException.h"
#include "korfile/ReferenceFile.h"
#include "shr/Utf8.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace browsertest;
using gridui::CRSDlgImpl;

namespace {

std::filesystem::path const DataDir = GRIDLORE_TEST_DATA;

wchar_t const* const LoadCaption = L"Error Loading Coordinate System";

// Positions of the open dialog's filter entries.
enum OpenFilter { AllRecognized, Qrf2, Qrf, EsriPrj, Wkt, AuxXml, AllFiles };

class BrowserFiles : public BrowserTest {
protected:
    std::wstring Write(std::string const& name, std::string const& content) const {
        std::ofstream(m_scratch / name, std::ios::binary) << content;
        return (m_scratch / name).wstring();
    }

    /// Loads `path` as if chosen with the open dialog's filter at `filterIndex`.
    void Load(User& user, std::wstring const& path, int filterIndex) {
        m_driver.ChooseFile(path, filterIndex);
        user.Click(res::LoadFromFile);
    }

    /// The last message box's caption and text.
    std::pair<std::wstring, std::wstring> LastBox() const {
        if (m_driver.MessageBoxes().empty()) {
            return {};
        }
        auto const& box = m_driver.MessageBoxes().back();
        EXPECT_EQ(box.style, platform::MB_ICONEXCLAMATION);
        return {box.caption, box.text};
    }

    static std::unique_ptr<kor::CSDef> ReadBack(std::wstring const& path,
                                                korfile::KORFileType type) {
        return korfile::ReadReferenceFile(type, path, 0.0, 0.0);
    }
};

} // namespace

TEST_F(BrowserFiles,
       a_file_that_cannot_be_loaded_is_explained_and_a_nameless_one_named_by_its_file) {
    std::wstring const nameless =
        Write("quay.site.prj", "GEOGCS[\"\",DATUM[\"D_WGS_1984\",SPHEROID[\"WGS_1984\","
                               "6378137,298.257223563]],PRIMEM[\"Greenwich\",0],"
                               "UNIT[\"Degree\",0.0174532925199433]]");
    std::wstring const unknown = Write("notes.txt", "Meeting at ten.\n");
    std::wstring const noSystem = Write("empty.tif.aux.xml", "<PAMDataset></PAMDataset>\n");
    std::wstring const broken = Write("broken.prj", "PROJCS[\"half\",GEOGCS[");
    Browse(Wgs84(), {}, [&](User& user) {
        Lines const outline = Outline(Tree(user));
        Load(user, unknown, AllFiles);
        EXPECT_EQ(LastBox(), std::make_pair(std::wstring(LoadCaption),
                                            L"We were unable to automatically determine the file "
                                            L"format of '" +
                                                unknown +
                                                L"'.  If you know the file's format, you may "
                                                L"select that format in the 'Files of Type' "
                                                L"control when loading the file."));
        Load(user, noSystem, AuxXml);
        EXPECT_EQ(LastBox(),
                  std::make_pair(std::wstring(LoadCaption),
                                 L"No coordinate system information was found in '" + noSystem +
                                     L"'.  The coordinate system information may be "
                                     L"missing, or it may be in a format that is not "
                                     L"recognized by this software."));
        // Detection finds the side-car by its content, which holds no system either.
        Load(user, noSystem, AllRecognized);
        EXPECT_EQ(LastBox().second.rfind(L"No coordinate system information was found", 0), 0U);

        Load(user, broken, EsriPrj);
        std::wstring const intro =
            L"The following error occurred while reading the coordinate system file:\n\n";
        EXPECT_EQ(LastBox().first, LoadCaption);
        EXPECT_EQ(LastBox().second.rfind(intro, 0), 0U);
        EXPECT_NE(LastBox().second.find(shr::FromUtf8((m_scratch / "broken.prj").string())),
                  std::wstring::npos);
        EXPECT_EQ(m_driver.MessageBoxes().size(), 4U);

        // A cancelled dialog says nothing.
        m_driver.CancelFileDialog();
        user.Click(res::LoadFromFile);
        EXPECT_EQ(m_driver.FileDialogs().back().title, L"Load Coordinate System");
        EXPECT_EQ(m_driver.MessageBoxes().size(), 4U);
        EXPECT_EQ(Outline(Tree(user)), outline);
        EXPECT_EQ(SelectedPath(user), L"Predefined|Geographic|World|WGS 84");

        Load(user, nameless, AllRecognized);
        EXPECT_EQ(m_driver.MessageBoxes().size(), 4U);
        EXPECT_EQ(SelectedPath(user), L"Custom|quay");
    });
}

TEST_F(BrowserFiles, the_proposed_name_is_the_leaf_name_with_only_safe_characters) {
    struct Case {
        std::wstring name;
        std::wstring proposed;
    };
    for (Case const& c : {
             Case{L"Custom|Site A / North", L"Site A - North.qrf2"},
             Case{L"Europe| ", L"saved.qrf2"},
             Case{L"", L"saved.qrf2"},
             Case{L"a|b|", L"saved.qrf2"},
             // Without a category nothing is trimmed.
             Case{L" Local ", L" Local .qrf2"},
             Case{L"Zürich: Grid_1+(2)*", L"Z-rich- Grid_1+(2)-.qrf2"},
             Case{L"x.y\\z", L"x-y-z.qrf2"},
         }) {
        EXPECT_EQ(CRSDlgImpl::ProposedFileName(c.name), c.proposed) << shr::ToUtf8(c.name);
    }
}

TEST_F(BrowserFiles, the_extension_follows_the_chosen_format_unless_the_user_chose_another) {
    struct Case {
        std::wstring chosen;
        int filter;
        std::wstring written;
    };
    for (Case const& c : {
             Case{L"/d/WGS 84.qrf2", 0, L"/d/WGS 84.qrf2"},
             Case{L"/d/WGS 84.qrf2", 1, L"/d/WGS 84.prj"},
             Case{L"/d/WGS 84.qrf2", 2, L"/d/WGS 84.wkt"},
             Case{L"/d/WGS 84.qrf2", 3, L"/d/WGS 84.aux.xml"},
             Case{L"/d/WGS 84.xml", 3, L"/d/WGS 84.aux.xml"},
             Case{L"/d/a.aux.xml", 1, L"/d/a.prj"},
             Case{L"/d/a.PRJ", 0, L"/d/a.qrf2"},
             Case{L"/d/a", 2, L"/d/a.wkt"},
             Case{L"/d.x/a", 1, L"/d.x/a.prj"},
             Case{L"/d/a.txt", 1, L"/d/a.txt"},
             Case{L"/d/.prj", 0, L"/d/.prj"},
             Case{L"/d/a.qrf2", 9, L"/d/a.qrf2"},
         }) {
        EXPECT_EQ(CRSDlgImpl::SavePathForFilter(c.chosen, c.filter), c.written)
            << shr::ToUtf8(c.chosen) << " " << c.filter;
    }
}

TEST_F(BrowserFiles, each_format_saves_a_file_that_loads_back_equal_and_a_local_system_only_one) {
    struct Case {
        int filter;
        korfile::KORFileType type;
        std::string written;
        int loadFilter;
    };
    std::wstring const utm = L"Custom|WGS 84 / UTM zone 33N [EPSG:32633]";
    Browse(SurveyGrid(), Systems({Utm33()}), [&](User& user) {
        std::size_t custom = 1;
        for (Case const& c : {
                 Case{0, korfile::QRF2, "WGS 84 - UTM zone 33N.qrf2", Qrf2},
                 Case{1, korfile::WKT, "WGS 84 - UTM zone 33N.prj", EsriPrj},
                 Case{2, korfile::WKT, "WGS 84 - UTM zone 33N.wkt", Wkt},
                 Case{3, korfile::AuxXml, "WGS 84 - UTM zone 33N.aux.xml", AuxXml},
             }) {
            SCOPED_TRACE(c.written);
            user.Select(res::Tree, L"Currently in use|WGS 84 / UTM zone 33N");
            m_driver.ChooseFile((m_scratch / "WGS 84 - UTM zone 33N.qrf2").wstring(), c.filter);
            user.Click(res::SaveToFile);
            EXPECT_EQ(m_driver.FileDialogs().back().initialName,
                      L"WGS 84 - UTM zone 33N -EPSG-32633-.qrf2");
            std::wstring const path = (m_scratch / c.written).wstring();
            auto const read = ReadBack(path, c.type);
            ASSERT_NE(read, nullptr);
            EXPECT_TRUE(read->Compare(*Utm33().GetCSDef(), true));

            Load(user, path, c.loadFilter);
            EXPECT_EQ(SelectedPath(user), utm);
            EXPECT_EQ(Children(user, L"Custom").size(), ++custom);
            EXPECT_EQ(Text(user, res::Description),
                      Gridlore::CoordinateSystem(*read).GetDescription());
        }
        EXPECT_EQ(m_driver.FileDialogs().back().filters.size(), 7U);
        EXPECT_EQ(m_driver.FileDialogs().back().initialName, L"");
        auto const qrf2 =
            ReadBack((m_scratch / "WGS 84 - UTM zone 33N.qrf2").wstring(), korfile::QRF2);
        EXPECT_EQ(qrf2->GetName(), Utm33().GetCSDef()->GetName());
        // A cancelled dialog writes nothing.
        m_driver.CancelFileDialog();
        user.Click(res::SaveToFile);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_scratch.Path()), {}), 4);

        // Detected by their content, whatever their names say; the older format too.
        std::filesystem::copy_file(m_scratch / "WGS 84 - UTM zone 33N.qrf2",
                                   m_scratch / "detected.txt");
        std::filesystem::copy_file(DataDir / "qrf" / "site-grid.qrf", m_scratch / "site.qrf");
        Load(user, (m_scratch / "WGS 84 - UTM zone 33N.qrf2").wstring(), AllRecognized);
        Load(user, (m_scratch / "detected.txt").wstring(), AllFiles);
        EXPECT_EQ(SelectedPath(user), utm);
        Load(user, (m_scratch / "site.qrf").wstring(), Qrf);
        EXPECT_EQ(SelectedPath(user), L"Custom|Site grid");
        Load(user, (m_scratch / "site.qrf").wstring(), AllFiles);
        EXPECT_EQ(Children(user, L"Custom").size(), custom + 4);
        EXPECT_EQ(m_driver.MessageBoxes().size(), 0U);
        // A chosen format is read as that format: nothing is detected.
        Load(user, (m_scratch / "detected.txt").wstring(), Qrf);
        EXPECT_EQ(LastBox().second.rfind(L"The following error occurred while reading", 0), 0U);
        EXPECT_EQ(Children(user, L"Custom").size(), custom + 4);

        user.Select(res::Tree, L"Custom|Survey grid");
        m_driver.ChooseFile((m_scratch / "Survey grid.qrf2").wstring(), 0);
        user.Click(res::SaveToFile);
        EXPECT_EQ(m_driver.FileDialogs().back().filters,
                  (std::vector<platform::FileFilter>{{L"Orvane QRF2 (*.qrf2)", L"*.qrf2"}}));
        EXPECT_TRUE(std::filesystem::exists(m_scratch / "Survey grid.qrf2"));
    });
}

TEST_F(BrowserFiles, a_save_that_would_lose_the_datum_shift_asks_first) {
    kor::KORDef shifted = kortest::Utm33North();
    kor::DatumDef const datum = kortest::ShiftedDatum();
    shifted.SetDatum(&datum);
    shifted.SetPOSC(0);
    shifted.SetName(L"Site|ED50 grid");
    std::wstring const prj = (m_scratch / "ED50 grid.prj").wstring();
    Browse(Gridlore::CoordinateSystem(shifted), {}, [&](User& user) {
        // Cancel in the box: nothing is written and the file dialog does not come back.
        m_driver.ChooseFile(prj, 1);
        m_driver.AnswerMessageBox(platform::IDCANCEL);
        user.Click(res::SaveToFile);
        EXPECT_EQ(m_driver.FileDialogs().back().filters.size(), 4U);
        EXPECT_EQ(m_driver.FileDialogs().back().title, L"Save Coordinate System");
        ASSERT_EQ(m_driver.MessageBoxes().size(), 1U);
        auto const& box = m_driver.MessageBoxes().back();
        EXPECT_EQ(box.caption, L"Save Coordinate System");
        EXPECT_EQ(box.style, platform::MB_YESNOCANCEL | platform::MB_ICONEXCLAMATION);
        EXPECT_EQ(box.text, L"A file of the type ESRI Projection (*.prj) cannot keep all of 'ED50 "
                            L"grid'. The saved file will lack:\n\n    the datum shift to WGS 84 "
                            L"(Geocentric Translation (3 parameters))\n\nSave it anyway? Choose "
                            L"No to pick another type or name, Cancel to save nothing.");
        EXPECT_EQ(m_driver.FileDialogs().size(), 1U);

        // No goes back to the file dialog, on its first type, with the name chosen made
        // that type's; QRF2 then keeps it all.
        m_driver.ChooseFile(prj, 1);
        m_driver.AnswerMessageBox(platform::IDNO);
        m_driver.ChooseFile((m_scratch / "ED50 grid.qrf2").wstring(), 0);
        user.Click(res::SaveToFile);
        EXPECT_EQ(m_driver.FileDialogs().size(), 3U);
        EXPECT_EQ(m_driver.FileDialogs().back().initialName, L"ED50 grid.qrf2");
        EXPECT_EQ(m_driver.MessageBoxes().size(), 2U);
        EXPECT_FALSE(std::filesystem::exists(prj));
        auto const whole = ReadBack((m_scratch / "ED50 grid.qrf2").wstring(), korfile::QRF2);
        EXPECT_EQ(dynamic_cast<kor::KORDef const&>(*whole).GetDatum()->GetMethod(),
                  kor::DatumDef::MethodGeocentricTranslation);

        // Yes writes the file without the shift, as the box said.
        m_driver.ChooseFile(prj, 1);
        m_driver.AnswerMessageBox(platform::IDYES);
        user.Click(res::SaveToFile);
        auto const read = ReadBack(prj, korfile::WKT);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(dynamic_cast<kor::KORDef const&>(*read).GetDatum()->GetMethod(),
                  kor::DatumDef::MethodNone);
        EXPECT_EQ(m_driver.Pending(), 0U);
    });
}
