#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

TEST(StringUtil, Contains_ignores_case_unless_told_to_be_exact_and_agrees_with_FoldCase) {
    EXPECT_TRUE(shr::Contains(L"WGS 84 / UTM zone 33N", L"UTM zone", true));
    EXPECT_FALSE(shr::Contains(L"WGS 84 / UTM zone 33N", L"utm zone", true));
    struct Case {
        wchar_t const* text;
        wchar_t const* part;
        bool found;
    };
    Case const cases[] = {
        {L"WGS 84 / UTM zone 33N", L"utm ZONE", true},
        {L"WGS 84 / UTM zone 33N", L"33n", true},
        {L"R\u00e9union", L"R\u00c9UNION", true},
        {L"\u0141\u00f3d\u017a", L"\u0142\u00d3D\u0179", true},
        {L"\u041c\u043e\u0441\u043a\u0432\u0430", L"\u043c\u041e\u0421", true},
        {L"\u00d7 \u0178", L"\u00ff", true},
        {L"\u00d7", L"\u00f7", false}, // signs are no letters
        {L"WGS 84", L"WGS  84", false},
        {L"anything", L"", true},
        {L"", L"", true},
        {L"", L"a", false},
        {L"ab", L"abc", false},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(shr::ToUtf8(c.text) + " / " + shr::ToUtf8(c.part));
        EXPECT_EQ(shr::Contains(c.text, c.part, false), c.found);
        // A folded part is in a folded text exactly where Contains finds it.
        EXPECT_EQ(shr::FoldCase(c.text).find(shr::FoldCase(c.part)) != std::wstring::npos, c.found);
    }
    EXPECT_EQ(shr::FoldCase(L"UTM Zone \u00c9"), L"utm zone \u00e9");
}

TEST(StringUtil, Trim_removes_white_space_of_every_kind_at_both_ends_only) {
    EXPECT_EQ(shr::Trim(L""), L"");
    EXPECT_EQ(shr::Trim(L" \t\r\n\v\f"), L"");
    EXPECT_EQ(shr::Trim(L"  4326  "), L"4326");
    EXPECT_EQ(shr::Trim(L"\u00A0\u2003\u3000UTM zone\u202F\u2028\uFEFF"), L"UTM zone");
    EXPECT_EQ(shr::Trim(L"\u1680\u2000\u200A\u205Fx\u00e9\u00A0"), L"x\u00e9");
    EXPECT_EQ(shr::Trim(L"inner  \t space"), L"inner  \t space");
    // A zero-width space takes no room, but is no white space either.
    EXPECT_EQ(shr::Trim(L"\u200B_a|0\u200B"), L"\u200B_a|0\u200B");
}

TEST(StringUtil, ToString_formats_output_of_any_length_and_AppendFormatString_adds_to_its_target) {
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
    std::wstring code = L"EPSG:";
    EXPECT_EQ(&shr::AppendFormatString(code, L"%d", 4326), &code);
    EXPECT_EQ(code, L"EPSG:4326");
}

TEST(StringUtil,
     ForEachPiece_visits_the_pieces_between_separators_skips_empty_ones_and_stops_when_told) {
    struct Case {
        char const* text;
        std::vector<std::string> pieces;
    };
    Case const cases[] = {
        {"/usr/share/proj:/opt/proj", {"/usr/share/proj", "/opt/proj"}},
        {":a::b:", {"a", "b"}},
        {"alone", {"alone"}},
        {"::", {}},
        {"", {}},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<std::string> seen;
        EXPECT_TRUE(shr::ForEachPiece(c.text, ':', [&seen](std::string_view piece) {
            seen.emplace_back(piece);
            return true;
        }));
        EXPECT_EQ(seen, c.pieces);
    }

    std::vector<std::string> seen;
    EXPECT_FALSE(shr::ForEachPiece("a|b|c", '|', [&seen](std::string_view piece) {
        seen.emplace_back(piece);
        return piece != "b";
    }));
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "b"}));
}
