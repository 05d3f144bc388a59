#include "KnownSearchIndex.h"

#include "KnownNames.h"
#include "kor/SystemList.h"
#include "shr/SearchWords.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <algorithm>
#include <optional>

namespace gridui {

namespace {

std::wstring WordsOf(std::wstring_view text) {
    return shr::JoinedWords(shr::FoldCase(std::wstring(text)), shr::WordRules::Forgiving);
}

/// Marks what holds every one of `words` at a word's beginning.
std::vector<bool> HoldingEach(shr::TextRun const& run, std::vector<std::wstring> const& words) {
    if (words.empty()) {
        return std::vector<bool>(run.Count());
    }
    // The rarest word is looked up in the index; the others only in the few texts that
    // hold it.
    auto const rarest =
        std::min_element(words.begin(), words.end(), [&](auto const& a, auto const& b) {
            return run.CountWordsBeginning(a) < run.CountWordsBeginning(b);
        });
    std::vector<bool> all = run.WordsBeginning(*rarest);
    for (std::size_t i = 0; i < all.size(); ++i) {
        for (auto word = words.begin(); all[i] && word != words.end(); ++word) {
            all[i] = word == rarest || shr::HasWord(run.At(i), *word, false);
        }
    }
    return all;
}

} // namespace

KnownSearchIndex const& KnownSearchIndex::Current() {
    // The user-interface thread alone searches, so one copy serves every browser.
    static std::optional<KnownSearchIndex> index;
    unsigned const generation = kor::KnownCatalogueGeneration();
    if (index && index->m_generation == generation) {
        return *index;
    }
    KnownSearchIndex fresh;
    fresh.m_generation = generation;
    std::vector<KnownNames::Entry> const& names = KnownNames::Current().Entries();
    std::unordered_map<std::string_view, std::size_t> areaNumbers;
    for (std::size_t position = 0; position < names.size(); ++position) {
        KnownNames::Entry const& entry = names[position];
        fresh.m_names.Add(WordsOf(shr::FromUtf8(entry.leaf)));
        if (entry.type == kor::CSDef::TypeReferenced && entry.code > 0) {
            fresh.m_byCode.try_emplace(entry.code, position);
        }
        kor::KnownSystem const* known =
            kor::KORKnownSystemsList.EnumEntry(static_cast<int>(position));
        for (std::string const& alias : known->aliases) {
            std::wstring wide = shr::FromUtf8(alias);
            fresh.m_aliases.Add(WordsOf(wide));
            fresh.m_aliasOwners.push_back(position);
            fresh.m_aliasNames.push_back(std::move(wide));
        }
        // Many systems share an area: each is decoded and split into words once.
        auto const [area, added] = areaNumbers.try_emplace(known->areaName, 0);
        if (added) {
            std::wstring wide = shr::FromUtf8(known->areaName);
            area->second = fresh.m_areas.Add(WordsOf(wide));
            fresh.m_areaNames.push_back(std::move(wide));
        }
        fresh.m_areaOf.push_back(area->second);
    }
    for (shr::TextRun* run : {&fresh.m_names, &fresh.m_aliases, &fresh.m_areas}) {
        run->IndexWords();
    }
    index = std::move(fresh);
    return *index;
}

std::vector<bool> KnownSearchIndex::NamesHolding(std::vector<std::wstring> const& words) const {
    return HoldingEach(m_names, words);
}

std::vector<int> KnownSearchIndex::AliasesHolding(std::vector<std::wstring> const& words) const {
    std::vector<int> first(Count(), -1);
    std::vector<bool> const holding = HoldingEach(m_aliases, words);
    for (std::size_t alias = holding.size(); alias-- > 0;) {
        if (holding[alias]) {
            first[m_aliasOwners[alias]] = static_cast<int>(alias);
        }
    }
    return first;
}

std::vector<bool> KnownSearchIndex::AreasHolding(std::vector<std::wstring> const& words) const {
    std::vector<bool> const areas = HoldingEach(m_areas, words);
    std::vector<bool> holding(Count());
    for (std::size_t position = 0; position < holding.size(); ++position) {
        holding[position] = areas[m_areaOf[position]];
    }
    return holding;
}

std::vector<bool> KnownSearchIndex::NamesBeing(std::wstring const& joinedWords) const {
    std::vector<bool> being(Count());
    for (std::size_t position = 0; position < being.size(); ++position) {
        being[position] = m_names.At(position) == joinedWords;
    }
    return being;
}

std::vector<int> KnownSearchIndex::AliasesBeing(std::wstring const& joinedWords) const {
    std::vector<int> first(Count(), -1);
    for (std::size_t alias = m_aliasNames.size(); alias-- > 0;) {
        if (m_aliases.At(alias) == joinedWords) {
            first[m_aliasOwners[alias]] = static_cast<int>(alias);
        }
    }
    return first;
}

std::wstring const& KnownSearchIndex::Alias(int number) const {
    return m_aliasNames.at(static_cast<std::size_t>(number));
}

std::wstring const& KnownSearchIndex::AreaName(std::size_t position) const {
    return m_areaNames.at(m_areaOf.at(position));
}

int KnownSearchIndex::PositionOfCode(int code) const {
    auto const found = m_byCode.find(code);
    return found != m_byCode.end() ? static_cast<int>(found->second) : -1;
}

} // namespace gridui
