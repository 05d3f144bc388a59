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
    /// A word the texts hold, once however often they hold it.
    struct IndexedWord {
        std::uint32_t start;
        std::uint32_t length;
        /// Where the numbers of the texts holding it begin in `m_wordTexts`; they end where
        /// the next word's begin.
        std::uint32_t firstText;
    };
    /// The words from the first that begins with a word sought to the first that does not.
    using WordRange = std::pair<std::vector<IndexedWord>::const_iterator,
                                std::vector<IndexedWord>::const_iterator>;

    /// Where the texts of the words up to `word` end in `m_wordTexts`.
    std::size_t TextsEnd(std::vector<IndexedWord>::const_iterator word) const;
    std::wstring_view WordAt(IndexedWord const& word) const;
    WordRange Beginning(std::wstring_view word) const;

    std::wstring m_buffer;
    /// Where each text begins in `m_buffer`; each ends where the next begins.
    std::vector<std::size_t> m_starts;
    /// The words of all the texts, each once, in alphabetical order; empty until IndexWords.
    std::vector<IndexedWord> m_words;
    /// For each word in turn, the numbers of the texts holding it.
    std::vector<std::uint32_t> m_wordTexts;
};

} // namespace shr
