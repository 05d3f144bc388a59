#include "kor/Definitions.h"

#include "kor/EpsgCodes.h"
#include "kor/KnownCatalogue.h"
#include "kor/SystemList.h"

#include "shr/SearchWords.h"
#include "shr/StringUtil.h"
#include "shr/TextRun.h"
#include "shr/Utf8.h"

#include <algorithm>
#include <unordered_map>

namespace kor {

using shr::HasWord;
using shr::JoinedWords;
using shr::Words;

namespace {

/// What the search looks at in each known system, made once per catalogue.
struct SearchEntry {
    int position;
    int code;
    std::wstring nameWords;
    /// The entry's area of use among `SearchIndex::areas`.
    std::size_t area;
};

/// The known systems' case-folded leaf names, at the entries' numbers, and their areas of
/// use as joined words, each area once: thousands of systems share a few thousand areas,
/// and a query looks for each of its words in all of them.
struct SearchIndex {
    std::vector<SearchEntry> entries;
    shr::TextRun leaves;
    shr::TextRun areas;
};

SearchIndex const& CurrentSearchIndex() {
    static unsigned generation = 0;
    static SearchIndex index;
    if (generation == KnownCatalogueGeneration() && !index.entries.empty()) {
        return index;
    }
    index = {};
    std::unordered_map<std::wstring, std::size_t> areaNumbers;
    for (int position = KORKnownSystemsList.First(); position <= KORKnownSystemsList.Last();
         ++position) {
        auto const* entry = KORKnownSystemsList.EnumEntry(position);
        std::wstring const leaf = shr::FoldCase(PlainLeafName(shr::FromUtf8(entry->name)));
        index.leaves.Add(leaf);
        std::wstring areaWords = JoinedWords(shr::FoldCase(shr::FromUtf8(entry->areaName)));
        auto const [area, added] = areaNumbers.try_emplace(std::move(areaWords), 0);
        if (added) {
            area->second = index.areas.Add(area->first);
        }
        index.entries.push_back({position, entry->code, JoinedWords(leaf), area->second});
    }
    index.areas.IndexWords();
    generation = KnownCatalogueGeneration();
    return index;
}

/// The query's longest word, the likeliest to be rare, looked for in every leaf name in
/// one pass and among the areas' words in their index. Its other words are looked for only in the
/// systems found.
struct Pivot {
    Pivot(SearchIndex const& index, std::vector<std::wstring> const& words)
        : word(static_cast<std::size_t>(
              std::max_element(words.begin(), words.end(),
                               [](auto const& a, auto const& b) { return a.size() < b.size(); }) -
              words.begin()))
        , inLeaf(index.leaves.Holding(words[word]))
        , beginsAreaWord(index.areas.WordsBeginning(words[word])) {}

    std::size_t word;
    std::vector<bool> inLeaf;
    std::vector<bool> beginsAreaWord;
};

/// 4 when `word` is a whole word of the name, 3 when it begins one, 2 when it begins a
/// word of the area of use (`inArea()`), 1 when it is elsewhere in the name, else 0.
template <typename InArea>
int WordScore(SearchEntry const& entry, std::wstring const& word, bool inLeaf, InArea inArea) {
    // The name's words are all in its leaf, so most systems, whose leaf lacks the word,
    // need only the area looked at.
    if (!inLeaf) {
        return inArea() ? 2 : 0;
    }
    if (HasWord(entry.nameWords, word, true)) {
        return 4;
    }
    if (HasWord(entry.nameWords, word, false)) {
        return 3;
    }
    return inArea() ? 2 : 1;
}

/// 0 when some word of the query is found neither in the name nor in the area of use;
/// otherwise higher for whole words of the name, then word beginnings, then the area.
int Score(SearchIndex const& index, std::size_t number, std::vector<std::wstring> const& words,
          Pivot const& pivot, std::wstring const& phrase) {
    SearchEntry const& entry = index.entries[number];
    int score = WordScore(entry, words[pivot.word], pivot.inLeaf[number],
                          [&] { return pivot.beginsAreaWord[entry.area]; });
    // Most systems lack the pivot word: they are done with before their name is read.
    if (score == 0) {
        return 0;
    }
    std::wstring_view const leaf = index.leaves.At(number);
    for (std::size_t i = 0; i < words.size() && score > 0; ++i) {
        if (i == pivot.word) {
            continue;
        }
        int const found =
            WordScore(entry, words[i], leaf.find(words[i]) != std::wstring_view::npos,
                      [&] { return HasWord(index.areas.At(entry.area), words[i], false); });
        score = found > 0 ? score + found : 0;
    }
    if (score == 0) {
        return 0;
    }
    if (leaf == phrase) {
        score += 20;
    } else if (leaf.find(phrase) != std::wstring_view::npos) {
        score += 5;
    }
    return score;
}

/// Whether `text` is a number and nothing else: the browser's code filter finds that.
bool IsBareNumber(std::wstring const& text) {
    std::size_t const start = text.front() == L'+' || text.front() == L'-' ? 1 : 0;
    return start < text.size() &&
           std::all_of(text.begin() + static_cast<std::ptrdiff_t>(start), text.end(),
                       [](wchar_t ch) { return ch >= L'0' && ch <= L'9'; });
}

/// The code of an authority spelling the name filter cannot read: "EPSG:2154",
/// "epsg 2154", "EPSG::2154", "urn:ogc:def:crs:EPSG::2154" (with or without a
/// version); 0 for any other text.
int CodeSpelling(std::wstring const& text) {
    std::wstring rest = shr::FoldCase(text);
    if (rest.starts_with(L"urn:ogc:def:crs:")) {
        rest.erase(0, std::wstring_view(L"urn:ogc:def:crs:").size());
    }
    if (!rest.starts_with(L"epsg")) {
        return 0;
    }
    rest.erase(0, 4);
    // In a URN a version may stand between the colons before the code.
    if (std::size_t const colon = rest.rfind(L':'); colon != std::wstring::npos) {
        rest.erase(0, colon + 1);
    }
    rest.erase(0, std::min(rest.size(), rest.find_first_not_of(L" \t")));
    bool const allDigits =
        std::all_of(rest.begin(), rest.end(), [](wchar_t ch) { return ch >= L'0' && ch <= L'9'; });
    return !rest.empty() && rest.size() <= 9 && allDigits ? std::stoi(rest) : 0;
}

std::wstring DefinitionText(SearchEntry const& entry) {
    if (entry.code > 0) {
        return EpsgDefinition(entry.code);
    }
    return KORKnownSystemsList.EnumName(entry.position);
}

} // namespace

void PrepareCSDefinitionQueries() {
    CurrentSearchIndex();
}

std::vector<std::wstring> QueryCSDefinitions(std::wstring_view text, int maxResults) {
    std::vector<std::wstring> results;
    std::wstring const trimmed = shr::Trim(std::wstring(text));
    if (trimmed.empty() || maxResults <= 0 || IsBareNumber(trimmed)) {
        return results;
    }
    auto const& index = CurrentSearchIndex();

    // A code in a spelling of its own names that one system and nothing else.
    if (int const code = CodeSpelling(trimmed); code > 0) {
        if (KORKnownSystemsList.FindByPOSC(code) >= 0) {
            results.push_back(EpsgDefinition(code));
        }
        return results;
    }

    auto const words = Words(trimmed);
    if (words.empty()) {
        return results;
    }
    std::wstring phrase;
    for (auto const& word : words) {
        phrase += (phrase.empty() ? L"" : L" ") + word;
    }
    Pivot const pivot(index, words);
    // A name holding the text as typed is what the name filter finds already.
    std::wstring const typed = shr::FoldCase(trimmed);
    struct Hit {
        int score;
        std::size_t number;
    };
    std::vector<Hit> hits;
    for (std::size_t number = 0; number < index.entries.size(); ++number) {
        if (int const score = Score(index, number, words, pivot, phrase);
            score > 0 && index.leaves.At(number).find(typed) == std::wstring_view::npos) {
            hits.push_back({score, number});
        }
    }
    std::sort(hits.begin(), hits.end(), [&](Hit const& a, Hit const& b) {
        if (a.score != b.score) {
            return a.score > b.score;
        }
        std::size_t const aLength = index.leaves.At(a.number).size();
        std::size_t const bLength = index.leaves.At(b.number).size();
        if (aLength != bLength) {
            return aLength < bLength;
        }
        return a.number < b.number;
    });
    for (auto const& hit : hits) {
        if (static_cast<int>(results.size()) >= maxResults) {
            break;
        }
        results.push_back(DefinitionText(index.entries[hit.number]));
    }
    return results;
}

} // namespace kor
