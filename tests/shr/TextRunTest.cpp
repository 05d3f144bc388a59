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

TEST(TextRun, a_word_is_found_by_its_beginning_only_and_never_across_two_texts) {
    shr::TextRun run = RunOf({L" north america ", L"panama", L"americas", L"x america", L"nan"});
    run.IndexWords();
    // The text before "americas" ends in "a", but a text's start is a start of its own.
    EXPECT_EQ(run.WordsBeginning(L"america"), (Marks{true, false, true, true, false}));
    EXPECT_EQ(run.CountWordsBeginning(L"america"), 3U);
    EXPECT_EQ(run.WordsBeginning(L"ama"), Marks(5, false));
    EXPECT_EQ(run.Holding(L"ama"), (Marks{false, true, false, false, false}));
    // Of "nan" and "north", side by side in the index, only the first begins with "na".
    EXPECT_EQ(run.WordsBeginning(L"na"), (Marks{false, false, false, false, true}));
    EXPECT_EQ(run.WordsBeginning(L"zz"), Marks(5, false));
    EXPECT_EQ(run.WordsBeginning(L""), Marks(5, true));
}

} // namespace
