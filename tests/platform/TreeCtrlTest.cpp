#include "platform/TreeCtrl.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

int Compare(std::wstring const& a, std::wstring const& b) {
    return platform::TreeCtrl::CompareItemText(a, b);
}

TEST(TreeCtrl, texts_that_share_a_start_compare_digit_runs_by_value_wherever_they_part) {
    // Each pair in order; the texts part inside, at the end of or after a run of digits.
    std::vector<std::pair<std::wstring, std::wstring>> const ordered{
        {L"UTM zone 2N", L"UTM zone 29S"},
        {L"UTM zone 9", L"UTM zone 10"},
        {L"x2", L"x20"},
        {L"x2a", L"x20"},
        {L"NAD83 / zone 9", L"NAD83 / zone 10"},
        {L"NAD27 / x", L"NAD83 / a"},
        {L"a2", L"a02b"},
        {L"zone 2N", L"zone 2S"},
        {L"wgs 84", L"WGS 84 / x"},
        {L"A 1", L"a 1"},
    };
    for (auto const& [before, after] : ordered) {
        EXPECT_LT(Compare(before, after), 0) << before.size() << " " << after.size();
        EXPECT_GT(Compare(after, before), 0);
    }
    EXPECT_EQ(Compare(L"NAD83 / zone 10", L"NAD83 / zone 10"), 0);
    EXPECT_EQ(Compare(L"", L""), 0);
    EXPECT_LT(Compare(L"", L"a"), 0);
}

} // namespace
