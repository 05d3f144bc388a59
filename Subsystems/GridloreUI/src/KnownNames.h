// gridui::KnownNames: the known systems' names as the browser shows and searches them.
#pragma once

#include "shr/TextRun.h"
#include "shr/Utf8.h"

#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gridui {

/// The non-empty parts of a categorised name between its "|": its folders, then its own
/// name, as views of `name`. Runs of "|" and a leading or trailing "|" give no empty parts.
std::vector<std::wstring_view> SplitCategoryPath(std::wstring_view name);

/// Prepared once for each known list rather than at every search: thousands of names
/// would otherwise be cleaned, case-folded and split each time.
class KnownNames {
public:
    struct Entry {
        int type = 0;
        int code = 0;
        /// The folders the shown name is filed in, outermost first. Entries filed alike
        /// share them: thousands of systems are filed in a few hundred ways, so they are
        /// decoded once for each way.
        std::span<std::wstring_view const> folders;
        /// The shown name's own part, after its folders, in UTF-8 as a view of the known
        /// list's own name: a copy of thousands of them would hold the names twice. Empty
        /// only for an empty name.
        std::string_view leaf;
        /// The area of use in square degrees, 0 when unknown.
        double extent = 0.0;

        /// How many characters the leaf shows, as a search's ranking counts them.
        std::size_t LeafLength() const { return shr::DecodedLength(leaf); }
    };

    /// The names of the known list installed now, at its positions; prepared at the
    /// first call after another list was installed.
    static KnownNames const& Current();

    std::vector<Entry> const& Entries() const { return m_entries; }
    /// For every entry, whether its name holds `folded`, a case-folded part of a name.
    /// Valid until the next call.
    std::vector<bool> const& Holding(std::wstring_view folded) const;
    /// How many known systems share the base of the one at `position`, its name before
    /// " / " ("WGS 84" of "WGS 84 / UTM zone 33N"): a base many systems stand on is one
    /// much used. Counted at the first call, as only a search's ranking asks.
    std::uint32_t SharingBase(std::size_t position) const;
    /// Case-folds the names for Holding and counts the shared bases now, which would
    /// otherwise wait for their first call: the first tree does not need them, the first
    /// search should not wait for them.
    void PrepareSearch() const;
    /// The positions of `Entries()` folder by folder, each folder's names in the tree's
    /// order: inserted in this order, a name goes after its last sibling, where a sorted
    /// insertion finds its place at once.
    std::vector<std::size_t> const& InTreeOrder() const { return m_inTreeOrder; }

private:
    /// SharingBase's counts, counted at the first call.
    std::vector<std::uint32_t> const& SharedBases() const;

    unsigned m_generation = 0;
    std::vector<Entry> m_entries;
    /// The names case-folded, at the entries' positions; empty until a search needs them.
    mutable shr::TextRun m_folded;
    /// Each search asks once for every category with the same text.
    mutable std::wstring m_heldPart;
    mutable std::vector<bool> m_holding;
    /// SharingBase's counts at the entries' positions; empty until asked.
    mutable std::vector<std::uint32_t> m_sharingBase;
    std::vector<std::size_t> m_inTreeOrder;
    /// The folders of each way of filing, one after the other, as views of
    /// m_folderTexts: each entry keeps only a view of them.
    std::vector<std::wstring_view> m_folderParts;
    /// Each way of filing's folders decoded, joined by "|".
    std::deque<std::wstring> m_folderTexts;
    /// The shown names that are not the start of the list's own name, which the parts of
    /// those entries view instead.
    std::deque<std::string> m_ownNames;
};

} // namespace gridui
