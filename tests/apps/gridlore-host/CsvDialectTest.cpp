#include "CsvDialect.h"

#include <gtest/gtest.h>

using gridhost::CsvDialect;

TEST(CsvDialect, guesses_separator_decimal_mark_and_header_from_files_as_they_come) {
    struct Case {
        char const* shape;
        char const* text;
        CsvDialect expected;
    };
    Case const cases[] = {
        {"comma, quoted commas",
         "name,lon,lat\n\"Smith, J.\",7.5,50.1\n\"Doe, A.\",8.5,51.2\n",
         {',', '.', true}},
        {"tab", "lon\tlat\n7.5\t50.1\n8.5\t51.2\n", {'\t', '.', true}},
        {"semicolon, decimal comma",
         "Punkt;Rechtswert;Hochwert\nP1;7,5;50,1\nP2;8,25;51\n",
         {';', ',', true}},
        {"semicolon, decimal comma, no header", "7,5;50,1\r\n8,5;51,2\r\n", {';', ',', false}},
        {"semicolon, quoted separator", "n;x\n\"a;b\";1.5\n\"c;d\";2.5\n", {';', '.', true}},
        {"comma, names with numbers below", "id,x,y\n1,7.5,50.1\n2,8.5,51.2\n", {',', '.', true}},
        {"no header, a name column", "P1,7.5,50.1\nP2,8.5,51.2\n", {',', '.', false}},
        {"no header, exponents and signs", "-7.5e0,+5E1\n1,2\n", {',', '.', false}},
        {"single column", "value\n1\n2\n", {',', '.', true}},
        {"single column, no header", "1.5\n2.5\n", {',', '.', false}},
        {"one row of names", "lon,lat", {',', '.', true}},
        {"one row of numbers", "7.5,50.1", {',', '.', false}},
        {"semicolon, a short row", "a;b;c\n1;2;3\n4;5\n6;7;8\n", {';', '.', true}},
    };
    for (Case const& shape : cases) {
        SCOPED_TRACE(shape.shape);
        EXPECT_EQ(CsvDialect::Guess(shape.text), shape.expected);
    }
}

TEST(CsvDialect, choices_override_the_guess_and_everything_reads_in_words) {
    gridhost::CsvDialectChoice choice;
    choice.header = true;
    choice.separator = gridhost::SeparatorNamed("tab");
    CsvDialect const chosen = choice.Over({';', ',', false});
    EXPECT_EQ(chosen, (CsvDialect{'\t', ',', true}));
    EXPECT_EQ(chosen.Describe(), L"tab-separated, decimal comma, header row");
    EXPECT_EQ((CsvDialect{';', ',', false}).Describe(),
              L"semicolon-separated, decimal comma, no header");
    EXPECT_EQ(gridhost::SeparatorNamed(";"), ';');
    EXPECT_EQ(gridhost::SeparatorNamed("pipe"), std::nullopt);
    EXPECT_EQ(gridhost::DecimalMarkNamed("comma"), ',');
    EXPECT_EQ(gridhost::DecimalMarkNamed("dot"), std::nullopt);

    for (wchar_t const* number : {L"7,5", L" -7,5 ", L"+1e5", L"3", L",5", L"5,"}) {
        EXPECT_TRUE(gridhost::IsNumberCell(number, ',')) << number;
    }
    for (wchar_t const* text : {L"7.5", L"7,5,1", L"", L"-", L"1e", L"1,5x", L"e5"}) {
        EXPECT_FALSE(gridhost::IsNumberCell(text, ',')) << text;
    }
}
