// The toolkit's own file dialog, shown for real and looked at while it is open.
#include "../BackendUnderTest.h"

#include "ScratchDirectory.h"
#include "platform/FileDialog.h"

#include <wx/app.h>
#include <wx/filedlg.h>

#include <gtest/gtest.h>

#include <functional>

namespace {

/// The file dialog open now, or null.
wxFileDialog* OpenFileDialog() {
    for (auto node = wxTopLevelWindows.GetFirst(); node != nullptr; node = node->GetNext()) {
        if (auto* dialog = dynamic_cast<wxFileDialog*>(node->GetData());
            dialog != nullptr && dialog->IsShown()) {
            return dialog;
        }
    }
    return nullptr;
}

/// Runs `request` on the real dialog; `look` runs once the dialog is up, then ends it
/// with `answer`.
std::optional<platform::FileChoice> Show(platform::FileDialogRequest const& request,
                                         std::function<void(wxFileDialog&)> const& look,
                                         int answer) {
    wxTheApp->CallAfter([&] {
        wxFileDialog* dialog = OpenFileDialog();
        if (dialog == nullptr) {
            ADD_FAILURE() << "no file dialog is open";
            return;
        }
        look(*dialog);
        dialog->EndModal(answer);
    });
    return platform::ChooseFile(request);
}

std::vector<platform::FileFilter> const Filters{{L"Orvane QRF2 (*.qrf2)", L"*.qrf2"},
                                                {L"ESRI Projection (*.prj)", L"*.prj"},
                                                {L"ESRI .aux.xml (*.aux.xml)", L"*.aux.xml"}};

} // namespace

TEST(WxFileDialog, opens_titled_in_the_folder_asked_and_the_name_follows_the_type_picked) {
    platform::BackendScope const backend{BackendUnderTest()};
    ScratchDirectory const scratch;
    std::wstring const folder = scratch.Path().wstring();

    platform::FileDialogRequest load{false, L"Load Coordinate System", folder, L"", Filters};
    std::optional<platform::FileChoice> const cancelled = Show(
        load,
        [&](wxFileDialog& dialog) {
            EXPECT_EQ(dialog.GetMessage(), "Load Coordinate System");
            EXPECT_EQ(dialog.GetDirectory(), wxString(folder));
        },
        wxID_CANCEL);
    EXPECT_FALSE(cancelled);

    platform::FileDialogRequest save{true, L"Save Coordinate System", folder, L"Site.qrf2",
                                     Filters};
    std::optional<platform::FileChoice> const chosen = Show(
        save,
        [&](wxFileDialog& dialog) {
            EXPECT_EQ(dialog.GetMessage(), "Save Coordinate System");
            // What a pick in the type list does: the chooser's filter changes.
            dialog.SetFilterIndex(2);
            dialog.SetFilterIndex(1);
        },
        wxID_OK);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, (scratch.Path() / "Site.prj").wstring());
    EXPECT_EQ(chosen->filterIndex, 1);
}
