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

/// Told of every modal dialog the toolkit shows (the file dialog is no top-level window
/// of its list): once the file dialog is up, `look` runs and then ends it with `answer`.
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

    bool Seen() const { return m_seen; }

private:
    int Enter(wxDialog* dialog) override {
        // The file dialog's ShowModal and its base's each tell of it: look once.
        auto* file = dynamic_cast<wxFileDialog*>(dialog);
        if (file != nullptr && !m_seen) {
            m_seen = true;
            LookOnceModal(*file);
        }
        return wxID_NONE;
    }

    // Called before the dialog shows; the look waits until its modal loop runs.
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
    void Exit(wxDialog*) override {}

    std::function<void(wxFileDialog&)> m_look;
    int m_answer;
    bool m_seen = false;
};

/// Runs `request` on the real dialog, looked at by `look` and ended with `answer`.
std::optional<platform::FileChoice> Show(platform::FileDialogRequest const& request,
                                         std::function<void(wxFileDialog&)> const& look,
                                         int answer) {
    FileDialogWatch const watch(look, answer);
    std::optional<platform::FileChoice> choice = platform::ChooseFile(request);
    EXPECT_TRUE(watch.Seen());
    return choice;
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
