// The real windows: a dialog with every control kind, used as a person would use it.
#include "../BackendUnderTest.h"
#include "../TestDialog.h"

#include "TestArtifacts.h"

#include "platform/Driver.h"
#include "platform/ToolTip.h"
#include "shr/AtomicFile.h"

#include <gtest/gtest.h>
#include <wx/image.h>

#include <array>
#include <filesystem>
#include <string>

using platform::InsertAfter;
using platform::TreeItem;

namespace {

/// The test dialog on the wx backend, with a driver to play its user.
class WxDialog : public ::testing::Test {
protected:
    platform::BackendScope const m_backend{BackendUnderTest()};
    testdialog::Resources const m_resources;
    platform::Driver m_driver;
    platform::DriverScope const m_driverScope{m_driver};
    testdialog::TestDialog m_dialog;
};

} // namespace

TEST_F(WxDialog, every_control_kind_shows_in_a_screenshot_taken_after_filling_it) {
    std::filesystem::path const empty = ArtifactFolder() / "platform-empty.png";
    std::filesystem::path const screenshot = ArtifactFolder() / "platform-every-control.png";
    std::filesystem::remove(screenshot);

    m_driver.OnDialog(testdialog::TemplateId, [&](platform::User& user) {
        ASSERT_TRUE(m_dialog.SaveScreenshot(empty.string()));
        auto& tree = m_dialog.tree;
        for (wchar_t const* folder : {L"Projected", L"Geographic", L"Local"}) {
            TreeItem const node = tree.InsertItem(folder, {}, InsertAfter::Last);
            for (wchar_t const* name : {L"WGS 84", L"ETRS89", L"NAD83"}) {
                tree.InsertItem(std::wstring(name) + L" (" + folder + L")", node,
                                InsertAfter::Sort);
            }
            tree.Expand(node);
            tree.marked = node;
        }
        user.Select(testdialog::Tree, L"Geographic|NAD83 (Geographic)");
        platform::ToolTip tip;
        ASSERT_TRUE(tip.Create(tree));
        tip.AddTool(L"Systems by category");
        for (wchar_t const* entry : {L"4326", L"UTM zone 33", L"Amersfoort"}) {
            m_dialog.combo.AddString(entry);
        }
        m_dialog.combo.SetCueBanner(L"Search for text or EPSG code");
        user.Type(testdialog::NameEdit, L"WGS 84 / UTM zone 33N (edited)");
        m_dialog.SetDlgItemText(testdialog::Description, L"Datum: World Geodetic System 1984\n"
                                                         L"Projection: Transverse Mercator");
        m_dialog.toolBar.OnUpdateCmdUI(m_dialog, true);

        m_dialog.grid.SetCurSel(nullptr);
        EXPECT_TRUE(m_dialog.SaveScreenshot(screenshot.string()));
        user.Click(platform::IDOK);
    });
    EXPECT_EQ(m_dialog.DoModal(), platform::IDOK);
    ASSERT_TRUE(std::filesystem::exists(screenshot));
    EXPECT_GT(std::filesystem::file_size(screenshot), 1000U);
    EXPECT_TRUE(shr::ReadWholeFile(empty) != shr::ReadWholeFile(screenshot))
        << "the second screenshot repeats the first";
}

TEST_F(WxDialog, a_drawing_surface_paints_its_base_under_its_overlay) {
    std::filesystem::path const screenshot = ArtifactFolder() / "platform-drawing-surface.png";
    platform::Rect client;
    m_driver.OnDialog(testdialog::TemplateId, [&](platform::User& user) {
        client = testdialog::PaintRedOverBlue(m_dialog);
        ASSERT_TRUE(m_dialog.SaveScreenshot(screenshot.string()));
        user.Click(platform::IDOK);
    });
    EXPECT_EQ(m_dialog.DoModal(), platform::IDOK);
    wxImage image;
    ASSERT_TRUE(image.LoadFile(wxString::FromUTF8(screenshot.string()), wxBITMAP_TYPE_PNG));
    int const y = (client.top + client.bottom) / 2;
    int const left = client.left + client.Width() / 4;
    int const right = client.right - client.Width() / 4;
    EXPECT_EQ((std::array{image.GetRed(left, y), image.GetGreen(left, y), image.GetBlue(left, y)}),
              (std::array<unsigned char, 3>{255, 0, 0}));
    EXPECT_EQ(
        (std::array{image.GetRed(right, y), image.GetGreen(right, y), image.GetBlue(right, y)}),
        (std::array<unsigned char, 3>{0, 0, 255}));
}
