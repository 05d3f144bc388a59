#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <gtest/gtest.h>

#include <vector>

TEST(StringUtil, Contains_ignores_case_unless_told_to_be_exact) {
    EXPECT_TRUE(shr::Contains(L"WGS 84 / UTM zone 33N", L"UTM zone", true));
    EXPECT_FALSE(shr::Contains(L"WGS 84 / UTM zone 33N", L"utm zone", true));
    EXPECT_TRUE(shr::Contains(L"WGS 84 / UTM zone 33N", L"utm ZONE", false));
    EXPECT_TRUE(shr::Contains(L"R\u00e9union", L"R\u00c9UNION", false));
    EXPECT_TRUE(shr::Contains(L"\u0141\u00f3d\u017a", L"\u0142\u00d3D\u0179", false));
    EXPECT_TRUE(
        shr::Contains(L"\u041c\u043e\u0441\u043a\u0432\u0430", L"\u043c\u041e\u0421", false));
    EXPECT_FALSE(shr::Contains(L"\u00d7", L"\u00f7", false)) << "signs are no letters";
    EXPECT_FALSE(shr::Contains(L"WGS 84", L"WGS  84", false));
    EXPECT_TRUE(shr::Contains(L"anything", L"", false));
    EXPECT_TRUE(shr::Contains(L"", L"", false));
    EXPECT_FALSE(shr::Contains(L"", L"a", false));
    EXPECT_FALSE(shr::Contains(L"ab", L"abc", false));
}

TEST(StringUtil, a_folded_part_is_in_a_folded_text_exactly_where_Contains_finds_it) {
    std::vector<std::wstring> const texts{
        L"WGS 84 / UTM zone 33N", L"R\u00e9union",
        L"\u0141\u00f3d\u017a",   L"\u041c\u043e\u0441\u043a\u0432\u0430",
        L"\u00d7 \u0178",         L""};
    std::vector<std::wstring> const parts{L"utm ZONE",
                                          L"R\u00c9UNION",
                                          L"\u0142\u00d3D\u0179",
                                          L"\u043c\u041e\u0421",
                                          L"\u00f7",
                                          L"\u00ff",
                                          L"WGS  84",
                                          L"",
                                          L"33n"};
    for (auto const& text : texts) {
        for (auto const& part : parts) {
            EXPECT_EQ(shr::FoldCase(text).find(shr::FoldCase(part)) != std::wstring::npos,
                      shr::Contains(text, part, false))
                << shr::ToUtf8(text) << " / " << shr::ToUtf8(part);
        }
    }
    EXPECT_EQ(shr::FoldCase(L"UTM Zone \u00c9"), L"utm zone \u00e9");
}

TEST(StringUtil, Trim_removes_white_space_of_every_kind_at_both_ends_only) {
    EXPECT_EQ(shr::Trim(L""), L"");
    EXPECT_EQ(shr::Trim(L" \t\r\n\v\f"), L"");
    EXPECT_EQ(shr::Trim(L"  4326  "), L"4326");
    EXPECT_EQ(shr::Trim(L"\u00A0\u2003\u3000UTM zone\u202F\u2028\uFEFF"), L"UTM zone");
    EXPECT_EQ(shr::Trim(L"inner  \t space"), L"inner  \t space");
    EXPECT_EQ(shr::Trim(L"x"), L"x");
    EXPECT_EQ(shr::Trim(L"\u00e9\u00A0"), L"\u00e9");
}

TEST(StringUtil, ToString_formats_output_of_any_length) {
    EXPECT_EQ(shr::ToString(L"%u of %u items shown", 3U, 6000U), L"3 of 6000 items shown");
    EXPECT_EQ(shr::ToString(L"%.14lg", 0.1), L"0.1");
    EXPECT_EQ(shr::ToString(L""), L"");
    std::wstring const longText(100000, L'\u00e9');
    std::wstring const formatted = shr::ToString(L"<%ls>", longText.c_str());
    ASSERT_EQ(formatted.size(), longText.size() + 2);
    EXPECT_EQ(formatted.substr(1, longText.size()), longText);
    EXPECT_EQ(formatted.back(), L'>');
    // Around the length where a text stops fitting the short buffer.
    for (std::size_t const length : {254U, 255U, 256U, 257U}) {
        std::wstring const text(length, L'x');
        EXPECT_EQ(shr::ToString(L"%ls", text.c_str()), text) << length;
    }
}

TEST(StringUtil, AppendFormatString_appends_and_returns_the_target) {
    std::wstring text = L"EPSG:";
    std::wstring& result = shr::AppendFormatString(text, L"%d", 4326);
    EXPECT_EQ(&result, &text);
    EXPECT_EQ(text, L"EPSG:4326");
    shr::AppendFormatString(text, L"%ls", std::wstring(5000, L'x').c_str());
    EXPECT_EQ(text.size(), 9U + 5000U);
}

TEST(StringUtil, IsWhiteSpace_knows_unicode_spaces_and_not_letters) {
    for (wchar_t const ch : std::wstring(L" \t\n\u00A0\u1680\u2000\u200A\u205F\u3000")) {
        EXPECT_TRUE(shr::IsWhiteSpace(ch)) << static_cast<int>(ch);
    }
    for (wchar_t const ch : std::wstring(L"a0_\u200B\u00e9|")) {
        EXPECT_FALSE(shr::IsWhiteSpace(ch)) << static_cast<int>(ch);
    }
}
