// shr::TextRun: many short texts kept end to end, searched in one pass.
#pragma once

#include "shr/Export.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace shr {

/// Thousands of short texts (names, areas) laid end to end in one buffer. Finding which
/// of them hold a piece of text is then one scan of contiguous memory instead of a call
/// and a cache miss per text, which is what lets a search over every known system keep
/// up with typing.
class SHR_EXPORT TextRun {
public:
    /// Appends `text` as the next one; returns its number, counted from 0.
    std::size_t Add(std::wstring_view text);
    std::size_t Count() const { return m_starts.size(); }
    std::wstring_view At(std::size_t number) const;

    /// For every text, whether it holds `part` (which every text holds when empty).
    std::vector<bool> Holding(std::wstring_view part) const;
    /// Sorts the words of every text (the runs between spaces), once the texts are all
    /// added: WordsBeginning then finds them by a binary search instead of a scan.
    void IndexWords();
    /// For every text, whether one of its words begins with `word` (which holds no space):
    /// every text for an empty word. Needs IndexWords.
    std::vector<bool> WordsBeginning(std::wstring_view word) const;
    /// How many words of all the texts begin with `word`: the fewer, the cheaper the
    /// word is to look for first. Needs IndexWords.
    std::size_t CountWordsBeginning(std::wstring_view word) const;

private:
    struct IndexedWord {
        std::uint32_t start;
        std::uint32_t length;
        std::uint32_t text;
    };
    using WordRange = std::pair<std::vector<IndexedWord>::const_iterator,
                                std::vector<IndexedWord>::const_iterator>;

    std::wstring_view WordAt(IndexedWord const& word) const;
    WordRange Beginning(std::wstring_view word) const;

    std::wstring m_buffer;
    /// Where each text begins in `m_buffer`; each ends where the next begins.
    std::vector<std::size_t> m_starts;
    /// Every word of every text, in alphabetical order; empty until IndexWords.
    std::vector<IndexedWord> m_words;
};

} // namespace shr
