// The browser's search over the real registry, without a dialog: what people type and the
// system they mean.
#include "AuthorityCodeText.h"
#include "BrowserSearch.h"
#include "KnownNames.h"

#include "gridlore/CoordinateSystem.h"
#include "gridlore/CoordinateSystemCollection.h"
#include "kor/CSDef.h"
#include "kor/SystemList.h"
#include "shr/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using gridui::MatchReason;
using gridui::SearchHit;

namespace {

int CodeAt(std::size_t position) {
    return gridui::KnownNames::Current().Entries().at(position).code;
}

std::wstring NameAt(std::size_t position) {
    return gridui::KnownNames::Current().Entries().at(position).path.back();
}

/// The codes of the first `count` results, for a failure's message.
std::string FirstCodes(std::vector<SearchHit> const& hits, std::size_t count) {
    std::string codes;
    for (std::size_t i = 0; i < std::min(count, hits.size()); ++i) {
        codes += std::to_string(CodeAt(hits[i].position)) + " " +
                 shr::ToUtf8(NameAt(hits[i].position)) + "; ";
    }
    return codes;
}

struct Query {
    wchar_t const* text;
    int firstCode;
};

// Codes, the spellings of codes people paste, names as written, run together, spaced,
// punctuated otherwise, in another order, in other languages' spellings, and aliases.
Query const Queries[] = {
    {L"4326", 4326},
    {L"EPSG:4326", 4326},
    {L"EPSG::4326", 4326},
    {L"epsg 4326", 4326},
    {L"urn:ogc:def:crs:EPSG::4326", 4326},
    {L"http://www.opengis.net/def/crs/EPSG/0/4326", 4326},
    {L"urn:ogc:def:crs:EPSG:9.8.15:32633", 32633},
    {L"ESRI:102100", 3857},
    {L"IGNF:LAMB93", 2154},
    {L"WGS 84", 4326},
    {L"wgs84", 4326},
    {L"WGS-84", 4326},
    {L"wgs 84", 4326},
    {L"utm 33", 32633},
    {L"UTM33", 32633},
    {L"utm zone 33", 32633},
    {L"33 utm", 32633},
    {L"utm 33s", 32733},
    {L"WGS84/UTM33N", 32633},
    {L"WGS 84 / UTM zone 33N", 32633},
    {L"lambert93", 2154},
    {L"Lambert 93", 2154},
    {L"RGF93 Lambert-93", 2154},
    {L"27700", 27700},
    {L"British National Grid", 27700},
    {L"OSGB36 national grid", 27700},
    {L"web mercator", 3857},
    {L"pseudo mercator", 3857},
    {L"wgs 84 pseudo-mercator", 3857},
    {L"world mercator", 3395},
    {L"GCS_WGS_1984", 4326},
    {L"WGS_1984_UTM_Zone_33N", 32633},
    {L"ETRS89", 4258},
    {L"etrs-89", 4258},
    {L"ETRS89 UTM 32", 25832},
    {L"NAD83", 4269},
    {L"nad 83 utm 10", 26910},
    {L"NAD27", 4267},
    {L"ED50 UTM 31", 23031},
    {L"RD New", 28992},
    {L"LV95", 2056},
    {L"CH1903+ LV95", 2056},
    {L"DHDN Gauss Krüger zone 3", 31467},
    {L"zone 3 gauss-kruger dhdn", 31467},
    {L"Belge 1972 Lambert 72", 31370},
    {L"MGI Austria GK West", 31254},
    {L"GDA2020 MGA 55", 7855},
    {L"SIRGAS 2000 UTM 23S", 31983},
    {L"Israeli TM Grid", 2039},
    {L"Tokyo", 4301},
    {L"Bogotá", 4218},
    {L"NAD 27", 4267},
    {L"GDA 94", 4283},
    {L"web-mercator", 3857},
};

/// Queries whose first result is not the one listed, and why.
std::vector<std::wstring> const KnownMisses = {
    // The registry gives both Belgian Lambert 72 systems this alias and the same area;
    // nothing in it tells that the later one (31370) is the one in use, so the shorter
    // name of the older (31300) comes first.
    L"Belge 1972 Lambert 72",
};

} // namespace

TEST(BrowserSearchRegistry, what_people_type_finds_the_system_they_mean_first) {
    std::size_t found = 0;
    for (Query const& query : Queries) {
        SCOPED_TRACE(shr::ToUtf8(query.text));
        std::vector<SearchHit> const hits = gridui::SearchKnownSystems(query.text);
        ASSERT_FALSE(hits.empty());
        bool const first = CodeAt(hits.front().position) == query.firstCode;
        found += first ? 1 : 0;
        if (std::find(KnownMisses.begin(), KnownMisses.end(), query.text) != KnownMisses.end()) {
            // Not first, but among the results shown in the best matches.
            auto const top =
                hits.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(10, hits.size()));
            EXPECT_NE(std::find_if(hits.begin(), top,
                                   [&](SearchHit const& hit) {
                                       return CodeAt(hit.position) == query.firstCode;
                                   }),
                      top);
            continue;
        }
        EXPECT_TRUE(first) << "first codes: " << FirstCodes(hits, 5);
    }
    EXPECT_GE(std::size(Queries), 40U);
    EXPECT_GE(found + 2, std::size(Queries));
}
