// gridui::KnownSearchIndex: the known systems' names, aliases and areas as words, for a
// search that forgives spelling.
#pragma once

#include "shr/TextRun.h"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

namespace gridui {

/// Prepared once for each known list, like KnownNames: every name, alias and area of use
/// cut into words ("utm33" and "UTM zone 33" read alike) and laid end to end, so that a
/// search looks for each of its words in all of them in one pass.
class KnownSearchIndex {
public:
    /// The index of the known list installed now; prepared at the first call after
    /// another list was installed.
    static KnownSearchIndex const& Current();

    std::size_t Count() const { return m_names.Count(); }

    /// For every known position, whether its name holds each of `words` by a word's
    /// beginning.
    std::vector<bool> NamesHolding(std::vector<std::wstring> const& words) const;
    /// The first alias of each position holding each of `words`; -1 where none does.
    std::vector<int> AliasesHolding(std::vector<std::wstring> const& words) const;
    /// For every known position, whether its area of use holds each of `words`.
    std::vector<bool> AreasHolding(std::vector<std::wstring> const& words) const;
    /// For every known position, whether its name, or one of its aliases, is `words`
    /// exactly; the alias is given as in AliasesHolding.
    std::vector<int> AliasesBeing(std::wstring const& joinedWords) const;
    std::vector<bool> NamesBeing(std::wstring const& joinedWords) const;

    /// A position's own name as joined words.
    std::wstring_view NameWords(std::size_t position) const { return m_names.At(position); }
    std::wstring const& Alias(int number) const;
    /// The area of use as the registry words it.
    std::wstring const& AreaName(std::size_t position) const;
    /// The known position of a referenced system's code, or -1.
    int PositionOfCode(int code) const;

private:
    unsigned m_generation = 0;
    /// Each position's own name (no folders), as joined words.
    shr::TextRun m_names;
    /// Every alias as joined words, with the position it belongs to and its text.
    shr::TextRun m_aliases;
    std::vector<std::size_t> m_aliasOwners;
    std::vector<std::wstring> m_aliasNames;
    /// Each area once: thousands of systems share a few thousand areas.
    shr::TextRun m_areas;
    std::vector<std::wstring> m_areaNames;
    std::vector<std::size_t> m_areaOf;
    std::unordered_map<int, std::size_t> m_byCode;
};

} // namespace gridui
