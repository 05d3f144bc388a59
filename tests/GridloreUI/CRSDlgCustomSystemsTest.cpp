#include "BrowserTest.h"

#include "CRSTreeCtrl.h"
#include "RecordingErrorSink.h"
#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "korfile/ReferenceFile.h"
#include "shr/AtomicFile.h"
#include "shr/Utf8.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace browsertest;
using platform::User;
using Lines = std::vector<std::wstring>;
namespace res = gridui::res;

namespace {

class BrowserCustomSystems : public BrowserTest {
protected:
    BrowserCustomSystems() { m_customPath = (m_scratch / "custom-systems.qrf2").wstring(); }

    /// The leaf names the custom systems' file holds, as the next browser reads them.
    Lines Kept() const {
        Lines names;
        for (auto const& system : Gridlore::CoordinateSystemCollection::Load(m_customPath)) {
            names.push_back(system.GetLeafName());
        }
        return names;
    }

    /// Deletes the item at `path` from its context menu, answering the question `answer`.
    void DeleteFromMenu(User& user, std::wstring const& path, int answer) {
        m_driver.ChooseMenuItem(res::DeleteCustom);
        m_driver.AnswerMessageBox(answer);
        user.RightClickItem(res::Tree, user.FindTreeItem(res::Tree, path));
    }
};

} // namespace

TEST_F(BrowserCustomSystems, what_the_user_makes_stays_from_one_browser_to_the_next_until_deleted) {
    std::filesystem::path const loaded = m_scratch / "site.qrf2";
    korfile::WriteReferenceFile(*LocalSystem(L"Loaded site", 2.0).GetCSDef(), korfile::QRF2, loaded,
                                0.0, 0.0, true);
    Browse(Wgs84(), {}, [&](User& user) {
        NameLocalSystem(L"Yard");
        user.Click(res::NewLocal);
        EXPECT_EQ(Kept(), Lines{L"Yard"});
        NameLocalSystem(L"Zeta yard");
        user.Click(res::Modify);
        EXPECT_EQ(Kept(), Lines{L"Zeta yard"});
        m_driver.ChooseFile(loaded.wstring(), 1);
        user.Click(res::LoadFromFile);
        EXPECT_EQ(Kept(), (Lines{L"Zeta yard", L"Loaded site"}));
        // Made from a predefined system, the edit is a custom system of its own.
        user.Select(res::Tree, L"Predefined|Geographic|World|WGS 84");
        m_driver.OnDialog(res::DefineDialog, [](User& define) { define.Click(platform::IDOK); });
        user.Click(res::Modify);
        EXPECT_EQ(Kept(), (Lines{L"Zeta yard", L"Loaded site", L"WGS 84 (edited)"}));
    });
    Browse(Wgs84(), {}, [&](User& user) {
        EXPECT_EQ(Children(user, L"Custom"),
                  (Lines{L"Loaded site", L"WGS 84 (edited)", L"Zeta yard"}));
        EXPECT_STREQ(dynamic_cast<gridui::CRSTreeCtrl&>(Tree(user)).Hint(),
                     gridui::CRSTreeCtrl::KeptCustomHint());
        // The host's system is a known one, still selected over its custom edit.
        EXPECT_EQ(SelectedPath(user), L"Predefined|Geographic|World|WGS 84");

        user.Select(res::Tree, L"Custom|Zeta yard");
        EXPECT_EQ(Text(user, res::Description), LocalSystem(L"Zeta yard", 1.0).GetDescription());
        DeleteFromMenu(user, L"Custom|Loaded site", platform::IDNO);
        EXPECT_EQ(Children(user, L"Custom"),
                  (Lines{L"Loaded site", L"WGS 84 (edited)", L"Zeta yard"}));
        DeleteFromMenu(user, L"Custom|Loaded site", platform::IDYES);
        EXPECT_EQ(m_driver.MessageBoxes().back().text,
                  L"Delete the custom coordinate system 'Loaded site'? This cannot be undone.");
        EXPECT_EQ(Children(user, L"Custom"), (Lines{L"WGS 84 (edited)", L"Zeta yard"}));
        EXPECT_EQ(Kept(), (Lines{L"Zeta yard", L"WGS 84 (edited)"}));
        // The records after the deleted one still lead to their own systems.
        user.Select(res::Tree, L"Custom|Zeta yard");
        EXPECT_EQ(Text(user, res::Description), LocalSystem(L"Zeta yard", 1.0).GetDescription());

        // The Delete key in the tree does the same; elsewhere, or on another kind of
        // system, it deletes nothing and asks nothing.
        std::size_t const boxes = m_driver.MessageBoxes().size();
        user.PressKey(res::SearchBox, platform::KeyDelete);
        user.Select(res::Tree, L"Predefined|Geographic|World|WGS 84");
        user.PressKey(res::Tree, platform::KeyDelete);
        EXPECT_EQ(m_driver.MessageBoxes().size(), boxes);
        user.Select(res::Tree, L"Custom|Zeta yard");
        m_driver.AnswerMessageBox(platform::IDYES);
        user.PressKey(res::Tree, platform::KeyDelete);
        EXPECT_EQ(Children(user, L"Custom"), Lines{L"WGS 84 (edited)"});
        EXPECT_EQ(Kept(), Lines{L"WGS 84 (edited)"});
        EXPECT_EQ(m_driver.Pending(), 0U);
    });
}

TEST_F(BrowserCustomSystems, a_starting_system_only_met_is_listed_but_not_kept) {
    Browse(SurveyGrid(), {}, [&](User& user) {
        EXPECT_EQ(Children(user, L"Custom"), Lines{L"Survey grid"});
        m_driver.OnDialog(res::DefineDialog, [](User& define) {
            define.Type(res::DefineName, L"Pier");
            define.Click(platform::IDOK);
        });
        user.Click(res::NewGeographic);
        EXPECT_EQ(Children(user, L"Custom"), (Lines{L"Pier", L"Survey grid"}));
    });
    EXPECT_EQ(Kept(), Lines{L"Pier"});
    Browse(Wgs84(), {}, [&](User& user) { EXPECT_EQ(Children(user, L"Custom"), Lines{L"Pier"}); });
    // Modified, it is the user's own and is kept.
    Browse(SurveyGrid(), {}, [&](User& user) {
        user.Select(res::Tree, L"Custom|Survey grid");
        NameLocalSystem(L"Survey grid 2");
        user.Click(res::Modify);
    });
    EXPECT_EQ(Kept(), (Lines{L"Pier", L"Survey grid 2"}));
}

TEST_F(BrowserCustomSystems, without_a_file_custom_systems_end_with_the_browser_and_say_so) {
    m_customPath.clear();
    Browse(Wgs84(), {}, [&](User& user) {
        EXPECT_STREQ(dynamic_cast<gridui::CRSTreeCtrl&>(Tree(user)).Hint(),
                     gridui::CRSTreeCtrl::CustomHint());
        NameLocalSystem(L"Yard");
        user.Click(res::NewLocal);
        // Deleting still works for the session.
        DeleteFromMenu(user, L"Custom|Yard", platform::IDYES);
        EXPECT_EQ(Children(user, L"Custom"), Lines{});
        NameLocalSystem(L"Annex");
        user.Click(res::NewLocal);
    });
    Browse(Wgs84(), {}, [&](User& user) {
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Local System", L"Predefined"}));
    });
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_scratch.Path()),
                            std::filesystem::directory_iterator()),
              0);
}

TEST_F(BrowserCustomSystems,
       a_damaged_file_is_set_aside_and_an_unwritable_one_told_losing_nothing) {
    std::ofstream(std::filesystem::path(m_customPath)) << "{\"format\": \"QRF2\", \"systems\": [";
    auto const sink = std::make_shared<RecordingErrorSink>();
    gridui::CRSDialog dialog(Wgs84(), m_favoritesPath, sink, nullptr, {}, m_customPath);
    m_driver.OnDialog(res::BrowserDialog, [&](User& user) {
        ASSERT_EQ(sink->reports.size(), 1U);
        std::wstring const& told = sink->reports[0].message;
        EXPECT_EQ(told.rfind(L"The custom systems cannot be loaded: ", 0), 0U) << told;
        EXPECT_NE(told.find(m_customPath + L".damaged'"), std::wstring::npos) << told;
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Local System", L"Predefined"}));
        NameLocalSystem(L"Yard");
        user.Click(res::NewLocal);
        user.Click(platform::IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
    EXPECT_EQ(Kept(), Lines{L"Yard"});
    EXPECT_EQ(shr::ReadWholeFile(std::filesystem::path(m_customPath + L".damaged")),
              "{\"format\": \"QRF2\", \"systems\": [");

    // A file that cannot be written is told, and the new system stays to be chosen.
    m_customPath = (m_scratch / "missing-folder" / "custom.qrf2").wstring();
    sink->reports.clear();
    gridui::CRSDialog unwritable(Wgs84(), m_favoritesPath, sink, nullptr, {}, m_customPath);
    m_driver.OnDialog(res::BrowserDialog, [&](User& user) {
        NameLocalSystem(L"Annex");
        user.Click(res::NewLocal);
        ASSERT_EQ(sink->reports.size(), 1U);
        EXPECT_NE(sink->reports[0].message.find(m_customPath), std::wstring::npos)
            << shr::ToUtf8(sink->reports[0].message);
        EXPECT_EQ(SelectedPath(user), L"Custom|Annex");
        user.Click(platform::IDOK);
    });
    EXPECT_EQ(unwritable.DoModal(), platform::IDOK);
    EXPECT_EQ(unwritable.CurrentCoordinateSystem().GetLeafName(), L"Annex");
}
