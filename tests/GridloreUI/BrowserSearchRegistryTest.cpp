// The browser's search over the real registry, without a dialog: what people type and the
// system they mean.
#include "AuthorityCodeText.h"
#include "BrowserSearch.h"
#include "KnownNames.h"
#include "KnownSearchIndex.h"

#include "gridlore/CoordinateSystem.h"
#include "gridlore/CoordinateSystemCollection.h"
#include "kor/CSDef.h"
#include "kor/Definitions.h"
#include "kor/SystemList.h"
#include "shr/SearchWords.h"
#include "shr/StringUtil.h"
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
    return shr::FromUtf8(gridui::KnownNames::Current().Entries().at(position).leaf);
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
    {L"urn:ogc:def:crs:EPSG:9.8.15:32633", 32633},
    {L"ESRI:102100", 3857},
    {L"IGNF:LAMB93", 2154},
    {L"WGS 84", 4326},
    {L"wgs84", 4326},
    {L"WGS-84", 4326},
    {L"utm 33", 32633},
    {L"utm zone 33", 32633},
    {L"33 utm", 32633},
    {L"utm 33s", 32733},
    {L"WGS84/UTM33N", 32633},
    {L"WGS 84 / UTM zone 33N", 32633},
    {L"Lambert 93", 2154},
    {L"RGF93 Lambert-93", 2154},
    {L"British National Grid", 27700},
    {L"OSGB36 national grid", 27700},
    {L"web mercator", 3857},
    {L"pseudo mercator", 3857},
    {L"world mercator", 3395},
    {L"GCS_WGS_1984", 4326},
    {L"WGS_1984_UTM_Zone_33N", 32633},
    {L"ETRS89", 4258},
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
    {L"MGI Austria GK West", 31254},
    {L"GDA2020 MGA 55", 7855},
    {L"SIRGAS 2000 UTM 23S", 31983},
    {L"Israeli TM Grid", 2039},
    {L"Tokyo", 4301},
    {L"Bogotá", 4218},
    {L"NAD 27", 4267},
};

} // namespace

TEST(BrowserSearchRegistry, what_people_type_finds_the_system_they_mean_first) {
    for (Query const& query : Queries) {
        SCOPED_TRACE(shr::ToUtf8(query.text));
        std::vector<SearchHit> const hits = gridui::SearchKnownSystems(query.text);
        ASSERT_FALSE(hits.empty());
        EXPECT_EQ(CodeAt(hits.front().position), query.firstCode)
            << "first codes: " << FirstCodes(hits, 5);
    }
}

namespace {

SearchHit const* HitOfCode(std::vector<SearchHit> const& hits, int code) {
    auto const found = std::find_if(hits.begin(), hits.end(), [&](SearchHit const& hit) {
        return CodeAt(hit.position) == code;
    });
    return found != hits.end() ? &*found : nullptr;
}

bool FoundByText(SearchHit const& hit) {
    return hit.match.reason == MatchReason::Code || hit.match.reason == MatchReason::Name;
}

} // namespace

TEST(BrowserSearchRegistry, the_classic_rules_find_what_they_did_and_the_forgiving_ones_add_after) {
    gridui::CategoryAnswer const classic =
        gridui::BrowserSearch(L"utm 33", false).Known(kor::CSDef::TypeReferenced, L"Predefined");
    EXPECT_TRUE(classic.hits.empty()) << "no name holds \"utm 33\" as typed";
    gridui::CategoryAnswer const forgiving =
        gridui::BrowserSearch(L"utm 33", true).Known(kor::CSDef::TypeReferenced, L"Predefined");
    EXPECT_EQ(forgiving.considered, classic.considered);
    EXPECT_GE(forgiving.hits.size(), 20U) << "zones 33N and 33S of every datum";
    for (int const code : {32633, 32733, 25833, 23033}) {
        SearchHit const* hit = HitOfCode(forgiving.hits, code);
        ASSERT_NE(hit, nullptr) << code;
        EXPECT_EQ(hit->match.reason, MatchReason::Words);
    }

    // What the substring rule finds is found still, and listed before the rest.
    std::vector<SearchHit> const lambert = gridui::SearchKnownSystems(L"Lambert-93");
    auto const firstOther = std::find_if_not(lambert.begin(), lambert.end(), FoundByText);
    EXPECT_NE(firstOther, lambert.begin());
    EXPECT_NE(firstOther, lambert.end());
    EXPECT_TRUE(std::none_of(firstOther, lambert.end(), FoundByText));

    // A category's own name keeps all of it, forgiving or not.
    for (bool const forgivingRules : {false, true}) {
        gridui::CategoryAnswer const local = gridui::BrowserSearch(L"local", forgivingRules)
                                                 .Known(kor::CSDef::TypeLocal, L"Local System");
        EXPECT_EQ(local.hits.size(), local.considered);
        EXPECT_GT(local.considered, 0U);
    }
}

TEST(BrowserSearchRegistry, a_match_says_which_alias_area_or_other_authority_found_it) {
    std::vector<SearchHit> const alias = gridui::SearchKnownSystems(L"GCS_WGS_1984");
    ASSERT_FALSE(alias.empty());
    EXPECT_EQ(CodeAt(alias.front().position), 4326);
    EXPECT_EQ(gridui::MatchNote(alias.front().match), L"Matched the alias \"GCS_WGS_1984\"");

    std::vector<SearchHit> const british = gridui::SearchKnownSystems(L"british");
    SearchHit const* nad27 = HitOfCode(british, 4267);
    ASSERT_NE(nad27, nullptr);
    EXPECT_EQ(gridui::MatchNote(nad27->match), L"Matched the area of use: British Virgin Islands");
    SearchHit const* grid = HitOfCode(british, 27700);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(gridui::MatchNote(grid->match), L"") << "its name says why";
    EXPECT_LT(grid->match.rank, nad27->match.rank);

    std::vector<SearchHit> const esri = gridui::SearchKnownSystems(L"ESRI:102100");
    ASSERT_FALSE(esri.empty());
    EXPECT_EQ(esri.front().match.reason, MatchReason::AuthorityCode);
    EXPECT_TRUE(gridui::SearchKnownSystems(L"ESRI:999999999").empty());

    auto const read = [](wchar_t const* text) {
        std::optional<gridui::AuthorityCode> const code = gridui::ReadAuthorityCode(text);
        return code ? code->authority + L"/" + code->code : L"";
    };
    EXPECT_EQ(read(L"urn:ogc:def:crs:EPSG::4326"), L"EPSG/4326");
    EXPECT_EQ(read(L" http://www.opengis.net/def/crs/EPSG/0/4326"), L"EPSG/4326");
    EXPECT_EQ(read(L"epsg 4326"), L"epsg/4326");
    EXPECT_EQ(read(L"IGNF:LAMB93"), L"IGNF/LAMB93");
    EXPECT_EQ(read(L"utm 33"), L"");
    EXPECT_EQ(read(L"WGS 84 / UTM zone 33N [EPSG:32633]"), L"");
    EXPECT_EQ(read(L"EPSG:"), L"");
}

TEST(BrowserSearchRegistry, a_collection_matches_by_its_own_names_and_by_what_the_registry_knows) {
    Gridlore::CoordinateSystem const utm(*kor::CreateCSDefByDefinition(L"EPSG:32633"));
    Gridlore::CoordinateSystem renamed = utm;
    renamed.SetCategorizedName(L"Site grid");
    Gridlore::CoordinateSystemCollection systems;
    systems.push_back(utm);
    systems.push_back(renamed);

    EXPECT_TRUE(
        gridui::BrowserSearch(L"utm33", false).Collection(systems, L"Favorites").hits.empty());
    gridui::CategoryAnswer const words =
        gridui::BrowserSearch(L"utm33", true).Collection(systems, L"Favorites");
    ASSERT_EQ(words.hits.size(), 2U) << "the renamed one by the registry's name of its code";
    EXPECT_EQ(words.hits[0].match.reason, MatchReason::Words);

    gridui::CategoryAnswer const alias =
        gridui::BrowserSearch(L"WGS_1984_UTM_Zone_33N", true).Collection(systems, L"Favorites");
    ASSERT_EQ(alias.hits.size(), 2U);
    EXPECT_EQ(alias.hits[1].match.reason, MatchReason::Alias);
    EXPECT_EQ(gridui::BrowserSearch(L"favor", true).Collection(systems, L"Favorites").hits.size(),
              2U);
}

TEST(BrowserSearchRegistry, the_word_index_finds_what_a_look_at_every_name_alias_and_area_finds) {
    gridui::KnownSearchIndex const& index = gridui::KnownSearchIndex::Current();
    auto const wordsOf = [](std::wstring const& text) {
        return shr::JoinedWords(shr::FoldCase(text), shr::WordRules::Forgiving);
    };
    auto const holdsEach = [](std::wstring_view joined, std::vector<std::wstring> const& words) {
        return std::all_of(words.begin(), words.end(),
                           [&](auto const& word) { return shr::HasWord(joined, word, false); });
    };
    // Whole words and their beginnings from names all over the registry, single and paired,
    // and words no name begins with.
    std::vector<std::vector<std::wstring>> queries = {{L"utm", L"33"}, {L"zz"}, {L"9999999"}};
    for (std::size_t position = 0; position < index.Count(); position += 397) {
        for (std::wstring const& word : shr::Words(index.NameWords(position))) {
            queries.push_back({word});
            queries.push_back({word.substr(0, 2), L"zone"});
        }
    }
    std::vector<std::wstring> areaWords;
    std::vector<std::vector<std::wstring>> aliasWords;
    for (std::size_t position = 0; position < index.Count(); ++position) {
        areaWords.push_back(wordsOf(index.AreaName(position)));
        aliasWords.emplace_back();
        for (std::string const& alias :
             kor::KORKnownSystemsList.EnumEntry(static_cast<int>(position))->aliases) {
            aliasWords.back().push_back(wordsOf(shr::FromUtf8(alias)));
        }
    }
    for (std::vector<std::wstring> const& words : queries) {
        SCOPED_TRACE(shr::ToUtf8(words.front()));
        std::vector<bool> const names = index.NamesHolding(words);
        std::vector<bool> const areas = index.AreasHolding(words);
        std::vector<int> const aliases = index.AliasesHolding(words);
        std::size_t found = 0;
        for (std::size_t position = 0; position < index.Count(); ++position) {
            ASSERT_EQ(names[position], holdsEach(index.NameWords(position), words)) << position;
            ASSERT_EQ(areas[position], holdsEach(areaWords[position], words)) << position;
            std::vector<std::wstring> const& own = aliasWords[position];
            auto const alias = std::find_if(
                own.begin(), own.end(), [&](auto const& name) { return holdsEach(name, words); });
            ASSERT_EQ(aliases[position] >= 0, alias != own.end()) << position;
            if (alias != own.end()) {
                ASSERT_EQ(wordsOf(index.Alias(aliases[position])), *alias) << position;
            }
            found += names[position] ? 1 : 0;
        }
        if (words.front() == L"utm") {
            EXPECT_GE(found, 20U);
        }
    }
}
