// The real windows: a dialog with every control kind, used as a person would use it.
#include "../DialogScene.h"

#include "TestArtifacts.h"

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

class WxDialog : public DialogScene {};

/// The colour of the screenshot's pixel at `x`, `y`.
std::array<unsigned char, 3> Colour(wxImage const& image, int x, int y) {
    return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
}

} // namespace

TEST_F(WxDialog, every_control_kind_shows_in_a_screenshot_taken_after_filling_it) {
    std::filesystem::path const empty = ArtifactFolder() / "platform-empty.png";
    std::filesystem::path const screenshot = ArtifactFolder() / "platform-every-control.png";
    std::filesystem::remove(screenshot);
    platform::Rect surface;

    Play([&](platform::User& user) {
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
        surface = testdialog::PaintRedOverBlue(m_dialog);

        m_dialog.grid.SetCurSel(nullptr);
        EXPECT_TRUE(m_dialog.SaveScreenshot(screenshot.string()));
    });
    ASSERT_TRUE(std::filesystem::exists(screenshot));
    EXPECT_TRUE(shr::ReadWholeFile(empty) != shr::ReadWholeFile(screenshot))
        << "the second screenshot repeats the first";
    // The drawing surface paints its base under its overlay.
    wxImage image;
    ASSERT_TRUE(image.LoadFile(wxString::FromUTF8(screenshot.string()), wxBITMAP_TYPE_PNG));
    int const y = (surface.top + surface.bottom) / 2;
    EXPECT_EQ(Colour(image, surface.left + surface.Width() / 4, y),
              (std::array<unsigned char, 3>{255, 0, 0}));
    EXPECT_EQ(Colour(image, surface.right - surface.Width() / 4, y),
              (std::array<unsigned char, 3>{0, 0, 255}));
}
