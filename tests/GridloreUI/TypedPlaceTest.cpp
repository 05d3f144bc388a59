#include "gridui/TypedPlace.h"

#include <gtest/gtest.h>

#include <cmath>

using gridui::ParsePlace;
using gridui::TypedPlace;
using Kind = TypedPlace::Kind;

namespace {

struct Spelling {
    wchar_t const* text;
    double latitude;
    double longitude;
};

/// Seconds of arc are about 30 m: closer than that is the same place.
constexpr double Near = 1e-6;

} // namespace

TEST(TypedPlace, places_are_read_however_people_write_them) {
    Spelling const spellings[] = {
        {L"52.52 13.40", 52.52, 13.40},
        {L"52.52, 13.40", 52.52, 13.40},
        {L"52.52,13.40", 52.52, 13.40},
        {L"  52.52 ;  13.40 ", 52.52, 13.40},
        {L"52\u00B031'N 13\u00B024'E", 52.0 + 31.0 / 60, 13.4},
        {L"52\u00B031'12\"N 13\u00B024'36\"E", 52.52, 13.41},
        {L"52\u00B0 31\u2032 12\u2033 N, 13\u00B0 24\u2032 36\u2033 E", 52.52, 13.41},
        {L"52d31m12sN 13d24m36sE", 52.52, 13.41},
        {L"52 31 12 N 13 24 36 E", 52.52, 13.41},
        {L"52 31 12 13 24 36", 52.52, 13.41},
        {L"52 31.2 13 24.6", 52.52, 13.41},
        {L"13.40E 52.52N", 52.52, 13.40},
        {L"E 13.4 N 52.52", 52.52, 13.40},
        {L"n52.52 e13.4", 52.52, 13.40},
        {L"52.52n, 13.40w", 52.52, -13.40},
        {L"33.87 S 151.21 E", -33.87, 151.21},
        {L"-33.87 151.21", -33.87, 151.21},
        {L"-33.87, -70.5", -33.87, -70.5},
        {L"33 52 10 s 151 12 30 e", -(33 + 52.0 / 60 + 10.0 / 3600), 151 + 12.0 / 60 + 0.5 / 60},
        {L"90 180", 90, 180},
        {L"-90 -180", -90, -180},
        {L"0 0", 0, 0},
        {L"52,13", 52, 13},
        {L"52\u00BA31'N 13\u00BA24'E", 52.0 + 31.0 / 60, 13.4},
    };
    for (Spelling const& spelling : spellings) {
        SCOPED_TRACE(testing::Message() << "typed: " << testing::PrintToString(spelling.text));
        TypedPlace const place = ParsePlace(spelling.text);
        ASSERT_EQ(place.kind, Kind::Place) << testing::PrintToString(place.status);
        EXPECT_NEAR(place.point.latitude, spelling.latitude, Near);
        EXPECT_NEAR(place.point.longitude, spelling.longitude, Near);
    }
}

TEST(TypedPlace, the_status_line_says_what_was_understood) {
    EXPECT_EQ(ParsePlace(L"52.52 13.40").status, L"Systems for 52.52\u00B0 N, 13.40\u00B0 E");
    EXPECT_EQ(ParsePlace(L"52 31 12 N 13 24 36 E").status,
              L"Systems for 52.52\u00B0 N, 13.41\u00B0 E");
    EXPECT_EQ(ParsePlace(L"-41.3 -176.5").status, L"Systems for 41.30\u00B0 S, 176.50\u00B0 W");
}

TEST(TypedPlace, codes_names_and_words_are_no_place_so_the_usual_search_runs) {
    for (wchar_t const* text :
         {L"", L"   ", L"4326", L"52.52", L"utm 33", L"33N", L"WGS 84", L"EPSG:4326", L"N", L"s",
          L"52.52 13.40 Berlin", L"Berlin 52.52 13.40", L"1.2.3 4", L"news 52 13", L"52 13 dms"}) {
        TypedPlace const place = ParsePlace(text);
        EXPECT_EQ(place.kind, Kind::None) << testing::PrintToString(text);
        EXPECT_EQ(place.status, L"") << testing::PrintToString(text);
    }
}

TEST(TypedPlace, numbers_that_are_no_place_are_refused_with_what_to_type) {
    struct Refused {
        wchar_t const* text;
        wchar_t const* status;
    };
    Refused const refusals[] = {
        // Projected coordinates are not guessed at.
        {L"500000 5700000", L"Not a place: a latitude runs from -90 to 90, not 500000"},
        {L"91 13", L"Not a place: a latitude runs from -90 to 90, not 91"},
        {L"52.5 180.5", L"Not a place: a longitude runs from -180 to 180, not 180.5"},
        {L"13.4 E 95 N", L"Not a place: a latitude runs from -90 to 90, not 95"},
        {L"52 61 13 24", L"Not a place: minutes run from 0 to 59, not 61"},
        {L"52\u00B031'75\"N 13\u00B0E", L"Not a place: seconds run from 0 to 59, not 75"},
        {L"52.5 31 13.4 24", L"Not a place: 52.5 has a fraction and is followed by minutes"},
        {L"52N 13S", L"Not a place: both numbers are latitudes (N or S)"},
        {L"13E 52W", L"Not a place: both numbers are longitudes (E or W)"},
        {L"-52 S 13 E", L"Not a place: -52 has both a sign and a hemisphere (S)"},
        // Decimal commas say how to write the same place.
        {L"52,52 13,40", L"Not a place: use a decimal point, as in \"52.52 13.40\""},
        {L" 52,52, 13,4 ", L"Not a place: use a decimal point, as in \"52.52, 13.4\""},
        {L"52 13 7", L"Not a place: type it as \"52.52 13.40\" or \"52\u00B031'N 13\u00B024'E\""},
        {L"52\u00B031'N",
         L"Not a place: type it as \"52.52 13.40\" or \"52\u00B031'N 13\u00B024'E\""},
        {L"52, 13, 7", L"Not a place: type it as \"52.52 13.40\" or \"52\u00B031'N 13\u00B024'E\""},
    };
    for (Refused const& refusal : refusals) {
        TypedPlace const place = ParsePlace(refusal.text);
        EXPECT_EQ(place.kind, Kind::Refused) << testing::PrintToString(refusal.text);
        EXPECT_EQ(place.status, refusal.status) << testing::PrintToString(refusal.text);
    }
}
