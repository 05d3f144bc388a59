#include "platform/TreeTexts.h"

#include "platform/Error.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace platform::backend {

namespace {

/// wchar_t is signed here: compared unsigned, no value passes for a narrow one.
constexpr std::uint32_t FirstWide = 0x100;

void CheckRoom(std::size_t size) {
    if (size > std::numeric_limits<std::uint32_t>::max()) {
        PLATFORM_ERROR(L"the tree's texts outgrew their buffer");
    }
}

} // namespace

TreeTexts::Place TreeTexts::Add(std::wstring_view text) {
    auto const length = static_cast<std::uint32_t>(text.size());
    // Written narrow in one pass, taken back at the first character that does not fit.
    std::size_t const start = m_narrow.size();
    CheckRoom(start + text.size());
    m_narrow.resize(start + text.size());
    char* out = m_narrow.data() + start;
    for (wchar_t const c : text) {
        if (static_cast<std::uint32_t>(c) >= FirstWide) {
            m_narrow.resize(start);
            CheckRoom(m_wide.size() + text.size());
            auto const wideStart = static_cast<std::uint32_t>(m_wide.size());
            m_wide.append(text);
            return {wideStart, length, true};
        }
        *out++ = static_cast<char>(c);
    }
    return {static_cast<std::uint32_t>(start), length, false};
}

std::wstring TreeTexts::Get(Place place) const {
    std::wstring text;
    std::wstring_view const view = View(place, text);
    if (place.wide) {
        return std::wstring(view);
    }
    // Widened into `text` itself.
    return text;
}

std::wstring_view TreeTexts::View(Place place, std::wstring& scratch) const {
    if (place.wide) {
        return std::wstring_view(m_wide).substr(place.start, place.length);
    }
    // Each byte is the character's code, so widening is a copy.
    std::string_view const narrow = std::string_view(m_narrow).substr(place.start, place.length);
    scratch.resize(narrow.size());
    std::transform(narrow.begin(), narrow.end(), scratch.begin(),
                   [](char c) { return static_cast<wchar_t>(static_cast<unsigned char>(c)); });
    return scratch;
}

void TreeTexts::Clear() {
    m_narrow.clear();
    m_wide.clear();
}

} // namespace platform::backend
