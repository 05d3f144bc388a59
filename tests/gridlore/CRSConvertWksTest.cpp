#include "../kor/KnownFixture.h"

#include "gridlore/CRSConvertWks.h"

#include <gtest/gtest.h>

namespace {

class Worksheet final : public Gridlore::CRSConvertWks {
public:
    std::wstring GetFavoritesPath() override { return L"/tmp/favourites"; }
    std::shared_ptr<shr::IError> GetErrorSink() override { return nullptr; }
    unsigned GetColumnCount() override { return 3; }
};

} // namespace

TEST(CRSConvertWks, column_labels_and_columns_convert_both_ways) {
    Worksheet sheet;
    auto const labels = sheet.GetColumnLabels(800);
    ASSERT_EQ(labels.size(), 800u);
    EXPECT_EQ(labels[0], L"A");
    EXPECT_EQ(labels[25], L"Z");
    EXPECT_EQ(labels[26], L"AA");
    EXPECT_EQ(labels[701], L"ZZ");
    EXPECT_EQ(labels[702], L"AAA");
    for (unsigned column = 0; column < labels.size(); ++column) {
        ASSERT_EQ(sheet.ColumnFromLabel(labels[column]), static_cast<int>(column));
    }
    EXPECT_EQ(sheet.ColumnFromLabel(L"  ab "), 27);
    // A far column, as a column named like a label gives, is labelled without the others.
    int const far = sheet.ColumnFromLabel(L"HEIGHT");
    ASSERT_GT(far, 0);
    EXPECT_EQ(Gridlore::CRSConvertWks::ColumnLabel(static_cast<unsigned>(far)), L"HEIGHT");
    for (wchar_t const* bad : {L"", L"   ", L"A1", L"-", L"\x00c4", L"ZZZZZZZZZZZZZZ"}) {
        EXPECT_EQ(sheet.ColumnFromLabel(bad), -1) << bad;
    }
    EXPECT_TRUE(sheet.GetColumnLabels(0).empty());
}

TEST(CRSConvertWks, validate_wants_distinct_columns_and_both_systems) {
    Worksheet sheet;
    EXPECT_EQ(sheet.GetSourceCols(), std::make_pair(-1, -1));
    EXPECT_FALSE(sheet.Validate());
    sheet.m_sourceCols = {0, 1};
    sheet.m_destCols = {2, 3};
    EXPECT_FALSE(sheet.Validate());
    sheet.m_sourceCS = Gridlore::CoordinateSystem(kortest::Wgs84Geographic());
    sheet.m_destCS = Gridlore::CoordinateSystem(kortest::Utm33North());
    EXPECT_TRUE(sheet.Validate());
    EXPECT_EQ(sheet.GetDestCols(), std::make_pair(2, 3));
    sheet.m_destCols = {1, 3};
    EXPECT_FALSE(sheet.Validate());
    sheet.m_destCols = {3, 3};
    EXPECT_FALSE(sheet.Validate());
    sheet.m_destCols = {2, 3};
    sheet.m_sourceCols = {0, -1};
    EXPECT_FALSE(sheet.Validate());
}
