#include "shrgui/CFileDlg.h"
#include "../platform/headless/HeadlessTest.h"

#include "ScratchDirectory.h"
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

TEST_F(HeadlessTest, file_dialogs_give_the_choice_and_open_where_the_last_file_was_chosen) {
    ScratchDirectory const scratch;
    std::filesystem::create_directories(scratch / "first");
    std::filesystem::create_directories(scratch / "second");
    wchar_t const* filter = L"Text (*.txt)|*.txt|Any (*.*)|*.*||";
    shrgui::CFileOpenDlg open(nullptr, nullptr, filter);
    open.SetTitle(L"Load Text");
    shrgui::CFileSaveDlg save(nullptr, L"b.txt", filter);
    // The folder each dialog is asked to open in, after each choice (empty: cancelled).
    auto const folderAfter = [&](shrgui::CFileDlg& dialog, std::filesystem::path const& choice) {
        choice.empty() ? m_driver.CancelFileDialog() : m_driver.ChooseFile(choice.wstring(), 1);
        EXPECT_EQ(dialog.DoModal(), choice.empty() ? platform::IDCANCEL : platform::IDOK);
        return m_driver.FileDialogs().back().initialFolder;
    };
    EXPECT_EQ(folderAfter(open, scratch / "first" / "a.txt"), L"");
    EXPECT_EQ(m_driver.FileDialogs().back().title, L"Load Text");
    EXPECT_FALSE(m_driver.FileDialogs().back().save);
    // Save and open share the folder; a cancelled dialog leaves it as it was.
    EXPECT_EQ(folderAfter(save, scratch / "second" / "b.txt"), (scratch / "first").wstring());
    EXPECT_EQ(save.GetPathName(), (scratch / "second" / "b.txt").wstring());
    EXPECT_EQ(save.GetFilterIndex(), 1);
    EXPECT_TRUE(m_driver.FileDialogs().back().save);
    EXPECT_EQ(m_driver.FileDialogs().back().initialName, L"b.txt");
    EXPECT_EQ(m_driver.FileDialogs().back().filters.size(), 2U);
    EXPECT_EQ(folderAfter(open, {}), (scratch / "second").wstring());
    EXPECT_EQ(folderAfter(open, {}), (scratch / "second").wstring());
    // A folder that has gone since is not offered.
    std::filesystem::remove_all(scratch / "second");
    EXPECT_EQ(folderAfter(save, {}), L"");
}
