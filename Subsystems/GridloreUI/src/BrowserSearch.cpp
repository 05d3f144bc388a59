#include "BrowserSearch.h"

#include "AuthorityCodeText.h"
#include "BrowserCategories.h"
#include "DisplayName.h"
#include "KnownNames.h"
#include "KnownSearchIndex.h"
#include "SystemsForArea.h"
#include "gridui/GeoGeometry.h"
#include "kor/Definitions.h"
#include "kor/KORDef.h"
#include "kor/SystemList.h"
#include "shr/SearchWords.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <algorithm>
#include <climits>
#include <cwchar>
#include <sstream>

namespace gridui {

using Gridlore::CoordinateSystem;

/// The forgiving rules' matches of the known systems, at their positions.
struct BrowserSearch::Forgiving {
    /// Where each position's match is in `matches`; -1 for none.
    std::vector<std::int32_t> matchAt;
    std::vector<SearchMatch> matches;

    SearchMatch const* At(std::size_t position) const {
        std::int32_t const at = matchAt[position];
        return at >= 0 ? &matches[static_cast<std::size_t>(at)] : nullptr;
    }
};

namespace {

/// Only the digits 4 and 8 mark a word: codes are full of them, names rarely.
bool IsMarked(std::wstring const& word) {
    return word.find_first_of(L"48") != std::wstring::npos;
}

bool HasLetter(std::vector<std::wstring> const& words) {
    return std::any_of(words.begin(), words.end(), [](std::wstring const& word) {
        return std::any_of(word.begin(), word.end(), [](wchar_t ch) {
            return shr::IsLetterOrDigit(ch) && (ch < L'0' || ch > L'9');
        });
    });
}

bool HoldsEach(std::wstring const& joined, std::vector<std::wstring> const& words) {
    return std::all_of(words.begin(), words.end(),
                       [&](std::wstring const& word) { return shr::HasWord(joined, word, false); });
}

std::wstring WordsOf(std::wstring const& text) {
    return shr::JoinedWords(shr::FoldCase(text), shr::WordRules::Forgiving);
}

/// The rank at `tier` of the known system at `position`, named `nameLength` long.
SearchRank KnownRank(int tier, std::size_t position, std::size_t nameLength) {
    KnownNames const& names = KnownNames::Current();
    return {tier, -names.Entries().at(position).extent,
            -static_cast<int>(names.SharingBase(position)), nameLength};
}

/// The rank at `tier` of a system with registry code `code`: the registry's system's,
/// when it knows the code.
SearchRank CodeRank(int tier, int code, std::size_t nameLength) {
    int const position = code > 0 ? kor::KORKnownSystemsList.FindByPOSC(code) : -1;
    if (position < 0) {
        return {tier, 0.0, 0, nameLength};
    }
    return KnownRank(tier, static_cast<std::size_t>(position), nameLength);
}

/// How well a name's words (joined) hold the text's: the same words, the text's words
/// together and in order, or all of them somewhere.
int WordsTier(std::wstring_view name, std::wstring const& joined) {
    if (name == joined) {
        return rank::SameWords;
    }
    // The last word may be a name's word begun: "lambert 9" is on its way to "lambert 93".
    std::wstring_view const open = std::wstring_view(joined).substr(0, joined.size() - 1);
    return name.find(open) != std::wstring_view::npos ? rank::WordsInOrder : rank::AllWords;
}

/// The part of an area of use that holds the words ("British Virgin Islands" of a list of
/// countries), without the registry's " - onshore" and the like after it.
std::wstring AreaPhrase(std::wstring const& area, std::vector<std::wstring> const& words) {
    std::vector<std::wstring> pieces;
    std::wstring piece;
    auto const close = [&] {
        if (std::size_t const dash = piece.find(L" - "); dash != std::wstring::npos) {
            piece.erase(dash);
        }
        piece = shr::Trim(piece);
        if (!piece.empty()) {
            pieces.push_back(piece);
        }
        piece.clear();
    };
    for (std::size_t i = 0; i < area.size(); ++i) {
        wchar_t const ch = area[i];
        bool const sentenceEnd = ch == L'.' && (i + 1 == area.size() || area[i + 1] == L' ');
        if (ch == L';' || ch == L',' || ch == L':' || sentenceEnd) {
            close();
        } else {
            piece += ch;
        }
    }
    close();
    for (std::wstring const& candidate : pieces) {
        if (HoldsEach(WordsOf(candidate), words)) {
            return candidate;
        }
    }
    return area;
}

} // namespace

int SearchCode(wchar_t const* search) {
    if (!HasSearch(search)) {
        return 0;
    }
    long const value = std::wcstol(search, nullptr, 10);
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

int CodeOf(kor::CSDef const& definition) {
    auto const* referenced = dynamic_cast<kor::KORDef const*>(&definition);
    return referenced != nullptr ? referenced->GetPOSC() : 0;
}

std::wstring MatchNote(SearchMatch const& match) {
    switch (match.reason) {
    case MatchReason::Alias:
        return L"Matched the alias \"" + match.matched + L"\"";
    case MatchReason::AreaOfUse:
        return L"Matched the area of use: " + match.matched;
    default:
        return {};
    }
}

BrowserSearch::BrowserSearch(std::wstring text, bool forgiving, bool places)
    : m_text(std::move(text))
    , m_folded(shr::FoldCase(m_text))
    , m_code(SearchCode(m_text.c_str()))
    , m_forgiving(forgiving) {
    if (places) {
        m_place = ParsePlace(m_text);
    }
    if (!m_forgiving || m_text.empty() || IsPlace()) {
        return;
    }
    m_words = shr::Words(m_text, shr::WordRules::Forgiving);
    m_joinedWords = WordsOf(m_text);
    std::optional<AuthorityCode> const code = ReadAuthorityCode(m_text);
    if (!code) {
        return;
    }
    if (shr::FoldCase(code->authority) == L"epsg") {
        m_spelledCode = SearchCode(code->code.c_str());
        return;
    }
    std::wstring const name = kor::AuthoritySystemName(code->authority, code->code);
    if (!name.empty()) {
        m_otherAuthorityName = WordsOf(name);
    }
}

bool BrowserSearch::KeepsWholeCategory(wchar_t const* nodeText) const {
    return !m_text.empty() && !IsPlace() && shr::Contains(nodeText, m_text, false);
}

std::optional<SearchMatch> BrowserSearch::PlaceMatch(std::size_t position) const {
    kor::KnownSystem const* system = kor::KORKnownSystemsList.EnumEntry(static_cast<int>(position));
    if (system == nullptr || system->type != kor::CSDef::TypeReferenced) {
        return std::nullopt;
    }
    GeoArea const use = BoundsOf(*system);
    if (!Holds(use, m_place.point)) {
        return std::nullopt;
    }
    std::size_t const nameLength = KnownNames::Current().Entries().at(position).LeafLength();
    return SearchMatch{MatchReason::Place, {}, {rank::Place, SphericalSize(use), 0, nameLength}};
}

SearchRank BrowserSearch::NameRank(std::wstring_view leaf, SearchRank ranked) const {
    std::wstring const folded = shr::FoldCase(std::wstring(leaf));
    ranked.tier = folded == m_folded             ? rank::ExactName
                  : folded.starts_with(m_folded) ? rank::NameStart
                                                 : rank::NameHolds;
    return ranked;
}

SearchMatch BrowserSearch::Classic(MatchReason reason, SearchRank ranked) const {
    // What a derived text finds, the user's words found, written another way.
    if (m_derived) {
        ranked.tier = rank::AllWords;
        return {MatchReason::Words, {}, ranked};
    }
    return {reason, {}, ranked};
}

CategoryAnswer BrowserSearch::Known(int type, wchar_t const* nodeText) const {
    CategoryAnswer answer;
    KnownNames const& names = KnownNames::Current();
    std::vector<KnownNames::Entry> const& entries = names.Entries();
    bool const all = m_text.empty() || KeepsWholeCategory(nodeText);
    std::vector<bool> const* holding = all ? nullptr : &names.Holding(m_folded);
    Forgiving const* forgiving = !all && m_forgiving ? &KnownForgiving() : nullptr;
    for (std::size_t const position : names.InTreeOrder()) {
        KnownNames::Entry const& entry = entries[position];
        if (entry.type != type) {
            continue;
        }
        ++answer.considered;
        if (m_text.empty()) {
            answer.hits.push_back({position, {}});
            continue;
        }
        if (IsPlace()) {
            if (std::optional<SearchMatch> match = PlaceMatch(position)) {
                answer.hits.push_back({position, std::move(*match)});
            }
        } else if (all) {
            answer.hits.push_back(
                {position, Classic(MatchReason::Name,
                                   KnownRank(rank::NameHolds, position, entry.LeafLength()))});
        } else if (m_code != 0 && type == kor::CSDef::TypeReferenced && entry.code == m_code) {
            answer.hits.push_back(
                {position, Classic(MatchReason::Code,
                                   KnownRank(rank::ExactCode, position, entry.LeafLength()))});
        } else if ((*holding)[position]) {
            std::wstring const leaf = shr::FromUtf8(entry.leaf);
            answer.hits.push_back(
                {position,
                 Classic(MatchReason::Name, NameRank(leaf, KnownRank(0, position, leaf.size())))});
        } else if (SearchMatch const* match =
                       forgiving != nullptr ? forgiving->At(position) : nullptr) {
            answer.hits.push_back({position, *match});
        }
    }
    return answer;
}

CategoryAnswer BrowserSearch::Collection(Gridlore::CoordinateSystemCollection const& systems,
                                         wchar_t const* nodeText) const {
    CategoryAnswer answer;
    answer.considered = static_cast<std::uint32_t>(systems.size());
    bool const all = m_text.empty() || KeepsWholeCategory(nodeText);
    for (std::size_t position = 0; position < systems.size(); ++position) {
        if (all) {
            answer.hits.push_back({position, {}});
        } else if (std::optional<SearchMatch> match = Match(systems.at(position))) {
            answer.hits.push_back({position, std::move(*match)});
        }
    }
    return answer;
}

std::optional<SearchMatch> BrowserSearch::Match(CoordinateSystem const& system) const {
    if (m_text.empty()) {
        return SearchMatch{};
    }
    kor::CSDef const* definition = system.GetCSDef();
    int const code = definition != nullptr ? CodeOf(*definition) : 0;
    std::wstring const leaf = DisplayName(system.GetLeafName());
    if (IsPlace()) {
        // Only a registry system has an area of use to hold the place.
        int const position = code > 0 ? kor::KORKnownSystemsList.FindByPOSC(code) : -1;
        std::optional<SearchMatch> match =
            position >= 0 ? PlaceMatch(static_cast<std::size_t>(position)) : std::nullopt;
        if (match) {
            match->rank.nameLength = leaf.size();
        }
        return match;
    }
    if (m_code != 0 && code == m_code) {
        return Classic(MatchReason::Code, CodeRank(rank::ExactCode, code, leaf.size()));
    }
    if (shr::Contains(system.GetLeafName(), m_text, false)) {
        return Classic(MatchReason::Name, NameRank(leaf, CodeRank(0, code, leaf.size())));
    }
    if (!m_forgiving) {
        return std::nullopt;
    }
    if (std::wstring const words = WordsOf(leaf); !m_words.empty() && HoldsEach(words, m_words)) {
        return SearchMatch{
            MatchReason::Words, {}, CodeRank(WordsTier(words, m_joinedWords), code, leaf.size())};
    }
    // A system the registry knows also matches by what the registry says of it.
    int const position = code > 0 ? KnownSearchIndex::Current().PositionOfCode(code) : -1;
    if (SearchMatch const* known =
            position >= 0 ? KnownForgiving().At(static_cast<std::size_t>(position)) : nullptr) {
        SearchMatch match = *known;
        match.rank.nameLength = leaf.size();
        return match;
    }
    return std::nullopt;
}

BrowserSearch::Forgiving const& BrowserSearch::KnownForgiving() const {
    if (m_knownForgiving != nullptr) {
        return *m_knownForgiving;
    }
    auto forgiving = std::make_shared<Forgiving>();
    KnownSearchIndex const& index = KnownSearchIndex::Current();
    std::vector<KnownNames::Entry> const& entries = KnownNames::Current().Entries();
    forgiving->matchAt.assign(index.Count(), -1);
    // The first rule to match a system gives its reason: the rules go best first.
    auto const put = [&](std::size_t position, MatchReason reason, std::wstring matched, int tier) {
        if (forgiving->matchAt[position] >= 0) {
            return;
        }
        forgiving->matchAt[position] = static_cast<std::int32_t>(forgiving->matches.size());
        forgiving->matches.push_back({reason, std::move(matched),
                                      KnownRank(tier, position, entries[position].LeafLength())});
    };
    std::wstring const typed = shr::Trim(m_text);
    if (m_spelledCode > 0) {
        int const position = index.PositionOfCode(m_spelledCode);
        if (position >= 0) {
            put(static_cast<std::size_t>(position), MatchReason::Code, typed, rank::ExactCode);
        }
    }
    if (!m_otherAuthorityName.empty()) {
        // Another agency's system goes by the registry's name, or by one of its aliases;
        // failing both, by the systems whose names hold its words.
        std::vector<bool> const named = index.NamesBeing(m_otherAuthorityName);
        std::vector<int> const aliased = index.AliasesBeing(m_otherAuthorityName);
        std::vector<bool> const worded = index.NamesHolding(shr::Words(m_otherAuthorityName));
        for (std::size_t position = 0; position < index.Count(); ++position) {
            if (named[position] || aliased[position] >= 0) {
                put(position, MatchReason::AuthorityCode, typed, rank::OtherAuthority);
            }
        }
        for (std::size_t position = 0; position < index.Count(); ++position) {
            if (worded[position]) {
                put(position, MatchReason::AuthorityCode, typed, rank::OtherAuthority + 1);
            }
        }
    }
    if (!m_words.empty()) {
        std::vector<bool> const named = index.NamesHolding(m_words);
        std::vector<int> const aliased = index.AliasesHolding(m_words);
        // A number alone would find every area that mentions it in its degrees.
        std::vector<bool> const inArea =
            HasLetter(m_words) ? index.AreasHolding(m_words) : std::vector<bool>(index.Count());
        for (std::size_t position = 0; position < index.Count(); ++position) {
            if (named[position]) {
                put(position, MatchReason::Words, {},
                    WordsTier(index.NameWords(position), m_joinedWords));
            } else if (aliased[position] >= 0) {
                put(position, MatchReason::Alias, index.Alias(aliased[position]), rank::AliasWords);
            } else if (inArea[position]) {
                put(position, MatchReason::AreaOfUse, AreaPhrase(index.AreaName(position), m_words),
                    rank::AreaWords);
            }
        }
    }
    m_knownForgiving = std::move(forgiving);
    return *m_knownForgiving;
}

std::optional<BrowserSearch> BrowserSearch::Derived() const {
    // A place is not a name the registry could look up.
    if (IsPlace()) {
        return std::nullopt;
    }
    std::wstring second = QuerySearchDefinition(m_text.c_str());
    if (second.empty()) {
        return std::nullopt;
    }
    BrowserSearch derived(std::move(second), false);
    derived.m_derived = true;
    return derived;
}

bool BrowserSearch::MatchesSearch(CoordinateSystem const& system, wchar_t const* search, int code) {
    if (!HasSearch(search)) {
        return true;
    }
    kor::CSDef const* definition = system.GetCSDef();
    if (code != 0 && definition != nullptr && CodeOf(*definition) == code) {
        return true;
    }
    return shr::Contains(system.GetLeafName(), search, false);
}

std::wstring BrowserSearch::QuerySearchDefinition(wchar_t const* search) {
    if (!HasSearch(search)) {
        return {};
    }
    // Two words that both look like numbers are most likely coordinates, and three or
    // more words are a phrase: neither names a system the library could look up.
    std::wistringstream words(search);
    std::wstring first;
    std::wstring second;
    words >> first;
    if (words >> second) {
        std::wstring third;
        if ((IsMarked(first) && IsMarked(second)) || words >> third) {
            return {};
        }
    }
    std::vector<std::wstring> const found = kor::QueryCSDefinitions(search, 1);
    if (found.empty()) {
        return {};
    }
    std::wstring const& entry = found.front();
    std::wstring const prefix = L"EPSG:";
    return entry.size() >= prefix.size() && entry.compare(0, prefix.size(), prefix) == 0
               ? entry.substr(prefix.size())
               : entry;
}

std::vector<SearchHit> SearchKnownSystems(std::wstring const& text) {
    BrowserSearch const search(text, true, true);
    std::vector<SearchHit> hits;
    std::vector<bool> listed(KnownNames::Current().Entries().size());
    auto const add = [&](BrowserSearch const& from) {
        for (int const type : {kor::CSDef::TypeReferenced, kor::CSDef::TypeLocal}) {
            wchar_t const* node = type == kor::CSDef::TypeLocal ? LocalText : PredefinedText;
            for (SearchHit& hit : from.Known(type, node).hits) {
                if (!listed[hit.position]) {
                    listed[hit.position] = true;
                    hits.push_back(std::move(hit));
                }
            }
        }
    };
    add(search);
    if (std::optional<BrowserSearch> const derived = search.Derived()) {
        add(*derived);
    }
    std::stable_sort(hits.begin(), hits.end(), [](SearchHit const& a, SearchHit const& b) {
        return a.match.rank < b.match.rank;
    });
    return hits;
}

} // namespace gridui
