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

template <typename Accept>
std::vector<bool> TextRun::Marking(std::wstring_view part, Accept accept) const {
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
        if (at + part.size() <= end && accept(at, m_starts[number])) {
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

std::vector<bool> TextRun::Holding(std::wstring_view part) const {
    return Marking(part, [](std::size_t, std::size_t) { return true; });
}

std::vector<bool> TextRun::HoldingAfter(std::wstring_view part, wchar_t before) const {
    return Marking(part, [&](std::size_t at, std::size_t start) {
        return at == start || m_buffer[at - 1] == before;
    });
}

} // namespace shr
