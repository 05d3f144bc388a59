#include "shrgui/CFileDlg.h"

#include "shr/Exception.h"

#include <gtest/gtest.h>

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
