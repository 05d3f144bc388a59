#include "shr/TextRun.h"

#include <algorithm>

namespace shr {

std::size_t TextRun::Add(std::wstring_view text) {
    m_starts.push_back(m_buffer.size());
    m_buffer.append(text);
    return m_starts.size() - 1;
}

std::wstring_view TextRun::At(std::size_t number) const {
    std::size_t const start = m_starts.at(number);
    std::size_t const end = number + 1 < m_starts.size() ? m_starts[number + 1] : m_buffer.size();
    return std::wstring_view(m_buffer).substr(start, end - start);
}

std::vector<bool> TextRun::Holding(std::wstring_view part) const {
    std::vector<bool> marked(m_starts.size(), part.empty());
    if (part.empty()) {
        return marked;
    }
    // The string's search, not the view's: it looks for the first character with the C
    // library's vectorised scan rather than comparing one character at a time.
    auto const next = [&](std::size_t from) {
        return m_buffer.find(part.data(), from, part.size());
    };
    for (std::size_t at = next(0); at != std::wstring::npos;) {
        // The text the match begins in; a match running on into the next text is no match.
        auto const after = std::upper_bound(m_starts.begin(), m_starts.end(), at);
        std::size_t const number = static_cast<std::size_t>(after - m_starts.begin()) - 1;
        std::size_t const end = after != m_starts.end() ? *after : m_buffer.size();
        if (at + part.size() <= end) {
            marked[number] = true;
            // The text is marked: look on from the next one.
            at = end;
        } else {
            ++at;
        }
        at = next(at);
    }
    return marked;
}

void TextRun::IndexWords() {
    m_words.clear();
    for (std::size_t number = 0; number < m_starts.size(); ++number) {
        std::wstring_view const text = At(number);
        std::size_t const base = m_starts[number];
        for (std::size_t start = 0; start < text.size();) {
            std::size_t const end = std::min(text.find(L' ', start), text.size());
            if (end > start) {
                m_words.push_back({static_cast<std::uint32_t>(base + start),
                                   static_cast<std::uint32_t>(end - start),
                                   static_cast<std::uint32_t>(number)});
            }
            start = end + 1;
        }
    }
    std::sort(m_words.begin(), m_words.end(),
              [this](IndexedWord const& a, IndexedWord const& b) { return WordAt(a) < WordAt(b); });
}

std::wstring_view TextRun::WordAt(IndexedWord const& word) const {
    return std::wstring_view(m_buffer).substr(word.start, word.length);
}

TextRun::WordRange TextRun::Beginning(std::wstring_view word) const {
    auto const first =
        std::lower_bound(m_words.begin(), m_words.end(), word,
                         [this](IndexedWord const& indexed, std::wstring_view sought) {
                             return WordAt(indexed) < sought;
                         });
    // From the first word not below it, those that begin with it stand together.
    auto const last = std::partition_point(first, m_words.end(), [&](IndexedWord const& indexed) {
        return WordAt(indexed).starts_with(word);
    });
    return {first, last};
}

std::vector<bool> TextRun::WordsBeginning(std::wstring_view word) const {
    std::vector<bool> marked(m_starts.size(), word.empty());
    if (word.empty()) {
        return marked;
    }
    auto const [first, last] = Beginning(word);
    for (auto indexed = first; indexed != last; ++indexed) {
        marked[indexed->text] = true;
    }
    return marked;
}

std::size_t TextRun::CountWordsBeginning(std::wstring_view word) const {
    auto const [first, last] = Beginning(word);
    return static_cast<std::size_t>(last - first);
}

} // namespace shr
