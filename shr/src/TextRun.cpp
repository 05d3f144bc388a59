#include "shr/TextRun.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

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
    // Each word is sorted once, not at each of its thousands of places ("zone", "and").
    std::unordered_map<std::wstring_view, std::uint32_t> numbers;
    std::vector<IndexedWord> words;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> places;
    for (std::size_t number = 0; number < m_starts.size(); ++number) {
        std::wstring_view const text = At(number);
        std::size_t const base = m_starts[number];
        for (std::size_t start = 0; start < text.size();) {
            std::size_t const end = std::min(text.find(L' ', start), text.size());
            if (end > start) {
                auto const [word, added] = numbers.try_emplace(
                    text.substr(start, end - start), static_cast<std::uint32_t>(words.size()));
                if (added) {
                    words.push_back({static_cast<std::uint32_t>(base + start),
                                     static_cast<std::uint32_t>(end - start), 0});
                }
                places.emplace_back(word->second, static_cast<std::uint32_t>(number));
            }
            start = end + 1;
        }
    }
    std::vector<std::uint32_t> order(words.size());
    std::iota(order.begin(), order.end(), std::uint32_t{0});
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return WordAt(words[a]) < WordAt(words[b]);
    });
    // Each word's texts go after those of the words before it, in the order of the texts.
    std::vector<std::uint32_t> count(words.size());
    for (auto const& [word, text] : places) {
        ++count[word];
    }
    m_words.clear();
    std::uint32_t first = 0;
    for (std::uint32_t const word : order) {
        words[word].firstText = first;
        first += count[word];
        m_words.push_back(words[word]);
    }
    m_wordTexts.assign(places.size(), 0);
    for (auto const& [word, text] : places) {
        m_wordTexts[words[word].firstText++] = text;
    }
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

std::size_t TextRun::TextsEnd(std::vector<IndexedWord>::const_iterator word) const {
    return word != m_words.end() ? word->firstText : m_wordTexts.size();
}

std::vector<bool> TextRun::WordsBeginning(std::wstring_view word) const {
    std::vector<bool> marked(m_starts.size(), word.empty());
    if (word.empty()) {
        return marked;
    }
    auto const [first, last] = Beginning(word);
    for (std::size_t at = TextsEnd(first); at < TextsEnd(last); ++at) {
        marked[m_wordTexts[at]] = true;
    }
    return marked;
}

std::size_t TextRun::CountWordsBeginning(std::wstring_view word) const {
    auto const [first, last] = Beginning(word);
    return TextsEnd(last) - TextsEnd(first);
}

} // namespace shr
