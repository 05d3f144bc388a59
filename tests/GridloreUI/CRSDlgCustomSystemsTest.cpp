#include "BrowserTest.h"

#include "CRSTreeCtrl.h"
#include "RecordingErrorSink.h"
#include "gridui/CRSDialog.h"
#include "korfile/ReferenceFile.h"
#include "shr/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace browsertest;

namespace {

class BrowserCustomSystems : public BrowserTest {
protected:
    BrowserCustomSystems() { m_customPath = (m_scratch / "custom-systems.qrf2").wstring(); }

    static std::wstring Hint(User& user) {
        return dynamic_cast<gridui::CRSTreeCtrl&>(Tree(user)).Hint();
    }
};

} // namespace

TEST_F(BrowserCustomSystems,
       what_the_user_made_or_loaded_is_kept_until_deleted_what_was_met_is_not) {
    std::filesystem::path const loaded = m_scratch / "site.qrf2";
    korfile::WriteReferenceFile(*LocalSystem(L"Loaded site", 2.0).GetCSDef(), korfile::QRF2, loaded,
                                0.0, 0.0, true);
    Browse(SurveyGrid(), {}, [&](User& user) {
        NameDefinedSystem(L"Pier");
        user.Click(res::NewGeographic);
        m_driver.ChooseFile(loaded.wstring(), 1);
        user.Click(res::LoadFromFile);
        EXPECT_EQ(Children(user, L"Custom"), (Lines{L"Loaded site", L"Pier", L"Survey grid"}));
    });
    EXPECT_EQ(SavedNames(m_customPath), (Lines{L"Pier", L"Loaded site"}));
    Browse(Wgs84(), {}, [&](User& user) {
        EXPECT_EQ(Children(user, L"Custom"), (Lines{L"Loaded site", L"Pier"}));
        EXPECT_EQ(Hint(user), gridui::CRSTreeCtrl::KeptCustomHint());
        for (int const answer : {platform::IDNO, platform::IDYES}) {
            m_driver.ChooseMenuItem(res::DeleteCustom);
            m_driver.AnswerMessageBox(answer);
            user.RightClickItem(res::Tree, user.FindTreeItem(res::Tree, L"Custom|Loaded site"));
        }
        EXPECT_EQ(m_driver.MessageBoxes().back().text,
                  L"Delete the custom coordinate system 'Loaded site'? This cannot be undone.");
        EXPECT_EQ(SavedNames(m_customPath), Lines{L"Pier"});
        // The record after the deleted one still leads to its own system.
        user.Select(res::Tree, L"Custom|Pier");
        EXPECT_EQ(Text(user, res::Description).rfind(L"Name: Pier\r\n", 0), 0U);

        // The Delete key does the same in the tree, on a custom system only.
        std::size_t const boxes = m_driver.MessageBoxes().size();
        user.PressKey(res::SearchBox, platform::KeyDelete);
        user.Select(res::Tree, L"Predefined|Geographic|World|WGS 84");
        user.PressKey(res::Tree, platform::KeyDelete);
        EXPECT_EQ(m_driver.MessageBoxes().size(), boxes);
        user.Select(res::Tree, L"Custom|Pier");
        m_driver.AnswerMessageBox(platform::IDYES);
        user.PressKey(res::Tree, platform::KeyDelete);
        EXPECT_EQ(Children(user, L"Custom"), Lines{});
    });
    EXPECT_EQ(SavedNames(m_customPath), Lines{});
}

TEST_F(BrowserCustomSystems,
       a_damaged_file_is_set_aside_and_an_unwritable_one_told_losing_nothing) {
    std::ofstream(std::filesystem::path(m_customPath)) << "{\"systems\": [";
    auto const sink = std::make_shared<RecordingErrorSink>();
    std::wstring const unwritable = (m_scratch / "missing-folder" / "custom.qrf2").wstring();
    for (std::wstring const& path : {m_customPath, unwritable}) {
        gridui::CRSDialog dialog(Wgs84(), m_favoritesPath, sink, nullptr, {}, path);
        m_driver.OnDialog(res::BrowserDialog, [&](User& user) {
            NameLocalSystem(L"Yard");
            user.Click(res::NewLocal);
            user.Click(platform::IDOK);
        });
        EXPECT_EQ(dialog.DoModal(), platform::IDOK);
        EXPECT_EQ(dialog.CurrentCoordinateSystem().GetLeafName(), L"Yard");
    }
    ASSERT_EQ(sink->Messages().size(), 2U);
    EXPECT_EQ(sink->Messages()[0].rfind(L"The custom systems cannot be loaded: ", 0), 0U);
    EXPECT_NE(sink->Messages()[0].find(m_customPath + L".damaged'"), std::wstring::npos);
    EXPECT_EQ(shr::ReadWholeFile(std::filesystem::path(m_customPath + L".damaged")),
              "{\"systems\": [");
    EXPECT_EQ(SavedNames(m_customPath), Lines{L"Yard"});
    EXPECT_EQ(sink->Messages()[1].rfind(L"The custom systems cannot be saved: ", 0), 0U);
    EXPECT_NE(sink->Messages()[1].find(unwritable), std::wstring::npos);

    // Without a file they end with the browser, as its hint says.
    m_customPath.clear();
    Browse(Wgs84(), {}, [&](User& user) {
        EXPECT_EQ(Hint(user), gridui::CRSTreeCtrl::CustomHint());
        NameLocalSystem(L"Annex");
        user.Click(res::NewLocal);
    });
    Browse(Wgs84(), {}, [&](User& user) {
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Local System", L"Predefined"}));
    });
}
