// gridui::BrowserSearch: what a search text finds among the browser's systems, and why.
#pragma once

#include "gridlore/CoordinateSystem.h"
#include "gridlore/CoordinateSystemCollection.h"
#include "gridui/Export.h"
#include "gridui/TypedPlace.h"
#include "kor/CSDef.h"

#include <compare>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gridui {

inline bool HasSearch(wchar_t const* search) {
    return search != nullptr && *search != L'\0';
}

/// The number a search text starts with, after white space and a sign; 0 when none.
int SearchCode(wchar_t const* search);

/// The registry code of a referenced system; 0 for every other kind.
int CodeOf(kor::CSDef const& definition);

/// Why a system matched a search.
enum class MatchReason : std::uint8_t {
    /// Its registry code is the number the text starts with, or the text spells it
    /// ("EPSG::4326").
    Code,
    /// Its name holds the text as typed (case ignored), or its category's name does.
    Name,
    /// Its name holds each word of the text by a word's beginning, in any order.
    Words,
    /// One of the registry's other names for it does.
    Alias,
    /// The text is another authority's code for it ("ESRI:102100").
    AuthorityCode,
    /// Its area of use holds each word of the text.
    AreaOfUse,
    /// Its area of use holds the latitude and longitude the text gives.
    Place,
};

/// The tiers of a rank, best first. They are spaced so that a kind of match to come
/// finds its place between two others without renumbering.
namespace rank {
inline constexpr int ExactCode = 0;
/// A place typed: the key is the size of the area of use, the most local first.
inline constexpr int Place = 2;
inline constexpr int OtherAuthority = 5;
inline constexpr int ExactName = 10;
/// The name's words are the text's words, spelt another way ("etrs-89" for "ETRS89").
inline constexpr int SameWords = 11;
inline constexpr int NameStart = 20;
inline constexpr int NameHolds = 30;
/// The text's words stand together and in order in the name ("lambert93").
inline constexpr int WordsInOrder = 38;
inline constexpr int AllWords = 40;
inline constexpr int AliasWords = 50;
inline constexpr int AreaWords = 60;
} // namespace rank

/// Orders matches, lower first: by tier, then by the tier's own key, then by how common
/// the system is, then shorter names.
struct SearchRank {
    int tier = rank::NameHolds;
    /// Lower first within a tier. The registry's matches use the negated extent of the
    /// area of use, so that of two equal matches the system meant for a wider area, the
    /// one more people look for, comes first.
    double key = 0.0;
    /// Lower first: minus the number of known systems on the same base ("WGS 84" of
    /// "WGS 84 / UTM zone 33N"), so that of two systems for the same area the one on the
    /// much used datum comes first.
    int commonness = 0;
    std::size_t nameLength = 0;

    auto operator<=>(SearchRank const&) const = default;
};

struct SearchMatch {
    MatchReason reason = MatchReason::Name;
    /// What matched when it is not the name: the alias, the part of the area of use, the
    /// other authority's code as typed.
    std::wstring matched;
    SearchRank rank;
};

/// The line a description starts with to say why its system was found; empty when the
/// name or the code says it already.
GRIDUI_EXPORT std::wstring MatchNote(SearchMatch const& match);

/// One system a search keeps: its position in the source its category shows.
struct SearchHit {
    std::size_t position = 0;
    SearchMatch match;
};

/// What a search answers for one category of the browser.
struct CategoryAnswer {
    /// The systems of the category looked at: what the status line counts as considered.
    std::uint32_t considered = 0;
    /// In the order the category shows them: the known list's tree order, or the order of
    /// the collection.
    std::vector<SearchHit> hits;
};

/// A search text applied to the browser's categories. Without `forgiving` it keeps what
/// the classic rules keep: a name holding the text, a code equal to its number, and a
/// whole category whose own name holds the text. `forgiving` adds words in any order and
/// spelling, the registry's aliases, other authorities' codes and the areas of use.
/// With `places`, a text that gives a latitude and longitude keeps only, and in every
/// category, the systems whose area of use holds that place.
class BrowserSearch {
public:
    BrowserSearch(std::wstring text, bool forgiving, bool places = false);

    std::wstring const& Text() const { return m_text; }
    bool Empty() const { return m_text.empty(); }
    /// What the text says as a place; its kind is None unless `places` was asked for.
    TypedPlace const& Place() const { return m_place; }
    bool IsPlace() const { return m_place.kind == TypedPlace::Kind::Place; }

    /// The known systems of `type` (kor::CSDef::TypeLocal or TypeReferenced) shown under
    /// the category `nodeText`.
    CategoryAnswer Known(int type, wchar_t const* nodeText) const;
    /// The systems of a collection shown under the category `nodeText`.
    CategoryAnswer Collection(Gridlore::CoordinateSystemCollection const& systems,
                              wchar_t const* nodeText) const;
    /// Why `system` matches, its category aside; nothing when it does not.
    std::optional<SearchMatch> Match(Gridlore::CoordinateSystem const& system) const;

    /// The search over the text the registry's query derives from this one (a code, or a
    /// local system's name); nothing when it derives none. Its matches rank as matches of
    /// the words, which they are, written another way.
    std::optional<BrowserSearch> Derived() const;
    /// The code to look up in the registry when nothing matched; 0 for none.
    int LookupCode() const { return IsPlace() ? 0 : SearchCode(m_text.c_str()); }

    /// The classic filter of one system: no search keeps it, a referenced system whose
    /// code is `code` is kept, and so is one whose leaf name holds the text.
    static bool MatchesSearch(Gridlore::CoordinateSystem const& system, wchar_t const* search,
                              int code);
    /// The registry's answer to a text of one word, or of two that do not both look like
    /// numbers: its first definition text, without "EPSG:" before a code; else empty.
    static std::wstring QuerySearchDefinition(wchar_t const* search);

private:
    struct Forgiving;

    /// Whether the category's own name holds the text, which keeps all of it.
    bool KeepsWholeCategory(wchar_t const* nodeText) const;
    /// The classic rank of a name that holds the text; `rank` gives the rest.
    SearchRank NameRank(std::wstring_view leaf, SearchRank ranked) const;
    SearchMatch Classic(MatchReason reason, SearchRank ranked) const;
    /// The forgiving matches of every known position, worked out once per search.
    Forgiving const& KnownForgiving() const;
    /// The place match of known system `position`, when its area of use holds the place.
    std::optional<SearchMatch> PlaceMatch(std::size_t position) const;

    std::wstring m_text;
    std::wstring m_folded;
    int m_code = 0;
    bool m_forgiving = false;
    /// Matches of a derived search rank as word matches.
    bool m_derived = false;
    std::vector<std::wstring> m_words;
    /// `m_words` joined as names are for the index.
    std::wstring m_joinedWords;
    /// The code the text spells as an authority's ("EPSG::4326"), or 0.
    int m_spelledCode = 0;
    /// The name another authority gives the system its code names, as joined words.
    std::wstring m_otherAuthorityName;
    mutable std::shared_ptr<Forgiving const> m_knownForgiving;
    TypedPlace m_place;
};

/// The known systems `text` finds, as the browser's forgiving search finds them (its
/// derived search included), each once, best first; for a place, most local first.
GRIDUI_EXPORT std::vector<SearchHit> SearchKnownSystems(std::wstring const& text);

} // namespace gridui
