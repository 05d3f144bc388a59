#include "shrgui/CFileDlg.h"
#include "../platform/headless/HeadlessTest.h"

#include "ScratchDirectory.h"
#include "platform/Ids.h"
#include "shr/Exception.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(CFileDlg, filters_parse_into_labelled_patterns_in_order) {
    auto const filters =
        shrgui::ParseFileFilter(L"Orvane QRF2 (*.qrf2)|*.qrf2|Well-known text "
                                L"(*.prj;*.wkt)|*.prj;*.wkt|All Files (*.*)|*.*||");
    ASSERT_EQ(filters.size(), 3U);
    EXPECT_EQ(filters[1], (platform::FileFilter{L"Well-known text (*.prj;*.wkt)", L"*.prj;*.wkt"}));
    EXPECT_EQ(filters[2].pattern, L"*.*");
}

TEST(CFileDlg, malformed_filters_raise_errors_that_quote_the_filter) {
    for (wchar_t const* bad :
         {L"QRF (*.qrf)|*.qrf|", L"QRF (*.qrf)|*.qrf", L"QRF (*.qrf)||", L"||", L"|*.qrf||"}) {
        try {
            shrgui::CFileOpenDlg dialog(nullptr, nullptr, bad);
            ADD_FAILURE() << "accepted a malformed filter";
        } catch (shr::Exception const& error) {
            EXPECT_NE(error.message.find(bad), std::wstring::npos);
        }
    }
}

class FileDialogFolder : public HeadlessTest {
protected:
    /// The folder the next file dialog opens in, and its title, as the backend is asked.
    platform::FileDialogRequest const& Next(shrgui::CFileDlg& dialog, std::wstring const& choice) {
        if (choice.empty()) {
            m_driver.CancelFileDialog();
        } else {
            m_driver.ChooseFile(choice, 0);
        }
        EXPECT_EQ(dialog.DoModal(), choice.empty() ? platform::IDCANCEL : platform::IDOK);
        return m_driver.FileDialogs().back();
    }

    ScratchDirectory m_scratch;
};

TEST_F(FileDialogFolder, every_file_dialog_opens_where_the_last_file_was_chosen) {
    std::filesystem::path const first = m_scratch / "first";
    std::filesystem::path const second = m_scratch / "second";
    std::filesystem::create_directories(first);
    std::filesystem::create_directories(second);
    wchar_t const* const filter = L"Text (*.txt)|*.txt||";

    shrgui::CFileOpenDlg open(nullptr, nullptr, filter);
    open.SetTitle(L"Load Text");
    platform::FileDialogRequest request = Next(open, (first / "a.txt").wstring());
    EXPECT_EQ(request.initialFolder, L"");
    EXPECT_EQ(request.title, L"Load Text");

    // A save dialog opens where the open dialog left off, and the other way round.
    shrgui::CFileSaveDlg save(nullptr, L"b.txt", filter);
    EXPECT_EQ(Next(save, (second / "b.txt").wstring()).initialFolder, first.wstring());
    EXPECT_EQ(Next(open, L"").initialFolder, second.wstring());
    // A cancelled dialog leaves the folder as it was.
    EXPECT_EQ(Next(open, L"").initialFolder, second.wstring());
    EXPECT_EQ(m_backend.Settings().GetString(shrgui::CFileDlg::LastFolderSection,
                                             shrgui::CFileDlg::LastFolderEntry, L""),
              second.wstring());

    // A folder that has gone since is not offered.
    std::filesystem::remove_all(second);
    EXPECT_EQ(Next(save, L"").initialFolder, L"");
}
