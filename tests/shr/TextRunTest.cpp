#include "shr/TextRun.h"

#include <gtest/gtest.h>

namespace {

using Marks = std::vector<bool>;

shr::TextRun RunOf(std::initializer_list<std::wstring_view> texts) {
    shr::TextRun run;
    for (auto const text : texts) {
        run.Add(text);
    }
    return run;
}

TEST(TextRun, texts_come_back_whole_empty_ones_included) {
    shr::TextRun const run = RunOf({L"wgs 84", L"", L"", L"utm zone 33n"});
    ASSERT_EQ(run.Count(), 4U);
    EXPECT_EQ(run.At(0), L"wgs 84");
    EXPECT_EQ(run.At(1), L"");
    EXPECT_EQ(run.At(2), L"");
    EXPECT_EQ(run.At(3), L"utm zone 33n");
    EXPECT_THROW((void)run.At(4), std::out_of_range);
}

TEST(TextRun, a_part_is_found_in_each_text_holding_it_and_never_across_two) {
    shr::TextRun const run = RunOf({L"ab", L"", L"cab", L"abab", L"b", L"a"});
    EXPECT_EQ(run.Holding(L"ab"), (Marks{true, false, true, true, false, false}));
    // "b" + "a" and "ab" + "cab" meet in the buffer, but no single text holds these.
    EXPECT_EQ(run.Holding(L"ba"), (Marks{false, false, false, true, false, false}));
    EXPECT_EQ(run.Holding(L"bc"), Marks(6, false));
    EXPECT_EQ(run.Holding(L"abc"), Marks(6, false));
    EXPECT_EQ(run.Holding(L"a"), (Marks{true, false, true, true, false, true}));
    EXPECT_EQ(run.Holding(L""), Marks(6, true));
    EXPECT_EQ(shr::TextRun().Holding(L"a"), Marks{});
}

TEST(TextRun, a_part_after_a_mark_is_found_only_there_or_at_a_texts_start) {
    shr::TextRun const run = RunOf({L" north america ", L"panama", L"americas", L"x america"});
    // The text before "americas" ends in "a", but a text's start is a start of its own.
    EXPECT_EQ(run.HoldingAfter(L"america", L' '), (Marks{true, false, true, true}));
    EXPECT_EQ(run.HoldingAfter(L"ama", L' '), (Marks{false, false, false, false}));
    EXPECT_EQ(run.Holding(L"ama"), (Marks{false, true, false, false}));
    // A later match in the same text counts when an earlier one does not.
    EXPECT_EQ(RunOf({L"banana nan"}).HoldingAfter(L"nan", L' '), Marks{true});
}

} // namespace
