// The real windows: a dialog with every control kind, used as a person would use it.
#include "../BackendUnderTest.h"
#include "../TestDialog.h"

#include "TestArtifacts.h"

#include "platform/Driver.h"
#include "platform/ToolTip.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using platform::InsertAfter;
using platform::Rect;
using platform::TreeItem;

namespace {

/// The test dialog on the wx backend, with a driver to play its user.
class WxDialog : public ::testing::Test {
protected:
    platform::BackendScope const backend{BackendUnderTest()};
    testdialog::Resources const resources;
    platform::Driver driver;
    platform::DriverScope const driverScope{driver};
    testdialog::TestDialog dialog;
};

} // namespace

TEST_F(WxDialog, every_control_kind_follows_the_resize_map_and_reports_one_property_edit) {
    std::filesystem::path const screenshot = ArtifactFolder() / "platform-every-control.png";
    std::filesystem::remove(screenshot);

    driver.OnDialog(testdialog::TemplateId, [&](platform::User& user) {
        auto& tree = dialog.tree;
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
            dialog.combo.AddString(entry);
        }
        dialog.combo.SetCueBanner(L"Search for text or EPSG code");
        user.Type(testdialog::NameEdit, L"WGS 84 / UTM zone 33N (edited)");
        dialog.SetDlgItemText(testdialog::Description, L"Datum: World Geodetic System 1984\n"
                                                       L"Projection: Transverse Mercator");
        dialog.toolBar.OnUpdateCmdUI(dialog, true);

        Rect const before = dialog.GetClientRect();
        user.Resize({before.Width() + 150, before.Height() + 100});
        Rect const after = dialog.GetClientRect();
        platform::Size const growth{after.Width() - before.Width(),
                                    after.Height() - before.Height()};
        EXPECT_EQ(growth, (platform::Size{150, 100}));
        std::map<int, Rect> cached;
        for (int id : shrgui::ResizeMapControls(dialog.GetDlgResizeMap())) {
            cached[id] = dialog.GetCachedRect(id);
        }
        for (auto const& [id, expected] :
             shrgui::ComputeResizeLayout(dialog.GetDlgResizeMap(), cached, growth)) {
            EXPECT_EQ(dialog.ScreenToClient(dialog.GetDlgItem(id).GetWindowRect()), expected)
                << "control " << id;
        }

        dialog.log.clear();
        user.EditProperty(testdialog::Grid, L"Scale", L"0.9996");
        EXPECT_EQ(dialog.log, (std::vector<std::wstring>{L"PropertyChanged 1010 Scale 0.9996"}));
        EXPECT_EQ(dialog.scale->GetValue(), platform::Variant(0.9996));

        dialog.grid.SetCurSel(nullptr);
        EXPECT_TRUE(dialog.SaveScreenshot(screenshot.string()));
        user.Click(platform::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
    ASSERT_TRUE(std::filesystem::exists(screenshot));
    EXPECT_GT(std::filesystem::file_size(screenshot), 1000U);
}

TEST_F(WxDialog, a_later_screenshot_shows_what_changed_since_the_first) {
    std::filesystem::path const first = ArtifactFolder() / "platform-screenshot-first.png";
    std::filesystem::path const second = ArtifactFolder() / "platform-screenshot-second.png";

    driver.OnDialog(testdialog::TemplateId, [&](platform::User& user) {
        ASSERT_TRUE(dialog.SaveScreenshot(first.string()));
        user.Type(testdialog::NameEdit, L"WGS 84 / UTM zone 33N");
        dialog.SetDlgItemText(testdialog::Description, L"Datum: World Geodetic System 1984");
        ASSERT_TRUE(dialog.SaveScreenshot(second.string()));
        user.Click(platform::IDCANCEL);
    });
    dialog.DoModal();
    auto const read = [](std::filesystem::path const& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    EXPECT_TRUE(read(first) != read(second)) << "the second screenshot repeats the first";
}
