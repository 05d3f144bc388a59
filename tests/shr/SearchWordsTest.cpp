#include "shr/SearchWords.h"

#include <gtest/gtest.h>

using shr::WordRules;

TEST(SearchWords, forgiving_words_part_letters_from_digits_and_drop_accents) {
    EXPECT_EQ(shr::JoinedWords(L"utm33n", WordRules::AsWritten), L" utm33n ");
    EXPECT_EQ(shr::JoinedWords(L"utm33n", WordRules::Forgiving), L" utm 33 n ");
    EXPECT_EQ(shr::JoinedWords(L"wgs-84 / (g1762)", WordRules::Forgiving), L" wgs 84 g 1762 ");
    EXPECT_EQ(shr::JoinedWords(L"gauss-kr\u00fcger \u0142\u00f3d\u017a", WordRules::Forgiving),
              L" gauss kruger lodz ");
    EXPECT_EQ(shr::JoinedWords(L"", WordRules::Forgiving), L" ");
    EXPECT_EQ(shr::Words(L"RGF93 v1 / Lambert-93", WordRules::Forgiving),
              (std::vector<std::wstring>{L"rgf", L"93", L"v", L"1", L"lambert", L"93"}));

    std::wstring const joined = shr::JoinedWords(L"wgs 84 utm zone 33n", WordRules::Forgiving);
    EXPECT_TRUE(shr::HasWord(joined, L"zo", false));
    EXPECT_FALSE(shr::HasWord(joined, L"zo", true));
    EXPECT_TRUE(shr::HasWord(joined, L"33", true));
    EXPECT_FALSE(shr::HasWord(joined, L"3", true));
    EXPECT_FALSE(shr::HasWord(joined, L"tm", false)) << "only a word's beginning";
}
