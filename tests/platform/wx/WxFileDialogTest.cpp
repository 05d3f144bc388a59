// The toolkit's own file dialog, shown for real and looked at while it is open.
#include "../BackendUnderTest.h"

#include "ScratchDirectory.h"
#include "platform/FileDialog.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/modalhook.h>

#include <gtest/gtest.h>

#include <functional>

namespace {

/// Runs `look` on the file dialog once its modal loop runs, then ends it with `answer`.
/// The file dialog is in no list of top-level windows, so the modal hook finds it; its
/// own ShowModal and its base's both announce it, and it is looked at once.
class FileDialogWatch final : public wxModalDialogHook {
public:
    FileDialogWatch(std::function<void(wxFileDialog&)> look, int answer)
        : m_look(std::move(look))
        , m_answer(answer) {
        Register();
    }
    FileDialogWatch(FileDialogWatch const&) = delete;
    FileDialogWatch& operator=(FileDialogWatch const&) = delete;
    ~FileDialogWatch() override { Unregister(); }

private:
    int Enter(wxDialog* dialog) override {
        if (auto* file = dynamic_cast<wxFileDialog*>(dialog); file != nullptr && !m_seen) {
            m_seen = true;
            LookOnceModal(*file);
        }
        return wxID_NONE;
    }
    void Exit(wxDialog*) override { EXPECT_TRUE(m_seen); }

    void LookOnceModal(wxFileDialog& file) {
        wxTheApp->CallAfter([this, &file] {
            if (!file.IsModal()) {
                LookOnceModal(file);
                return;
            }
            m_look(file);
            file.EndModal(m_answer);
        });
    }

    std::function<void(wxFileDialog&)> m_look;
    int m_answer;
    bool m_seen = false;
};

} // namespace

TEST(WxFileDialog, opens_titled_in_the_folder_asked_and_the_name_follows_the_type_picked) {
    platform::BackendScope const backend{BackendUnderTest()};
    ScratchDirectory const scratch;
    std::wstring const folder = scratch.Path().wstring();
    std::vector<platform::FileFilter> const filters{{L"Orvane QRF2 (*.qrf2)", L"*.qrf2"},
                                                    {L"ESRI Projection (*.prj)", L"*.prj"},
                                                    {L"ESRI .aux.xml (*.aux.xml)", L"*.aux.xml"}};
    {
        FileDialogWatch const watch(
            [&](wxFileDialog& dialog) {
                EXPECT_EQ(dialog.GetMessage(), "Load Coordinate System");
                EXPECT_EQ(dialog.GetDirectory(), wxString(folder));
            },
            wxID_CANCEL);
        EXPECT_FALSE(
            platform::ChooseFile({false, L"Load Coordinate System", folder, L"", filters}));
    }
    FileDialogWatch const watch(
        [&](wxFileDialog& dialog) {
            // What a pick in the type list does: the chooser's filter changes.
            dialog.SetFilterIndex(2);
            dialog.SetFilterIndex(1);
        },
        wxID_OK);
    auto const chosen =
        platform::ChooseFile({true, L"Save Coordinate System", folder, L"Site.qrf2", filters});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, (scratch / "Site.prj").wstring());
    EXPECT_EQ(chosen->filterIndex, 1);
}
