#include "platform/TreeTexts.h"

#include "platform/Error.h"

#include <algorithm>
#include <limits>

namespace platform::backend {

namespace {

constexpr wchar_t FirstWide = 0x100;

template <typename Buffer> std::uint32_t AppendAt(Buffer& buffer, std::wstring_view text) {
    if (buffer.size() + text.size() > std::numeric_limits<std::uint32_t>::max()) {
        PLATFORM_ERROR(L"the tree's texts outgrew their buffer");
    }
    auto const start = static_cast<std::uint32_t>(buffer.size());
    buffer.append(text.begin(), text.end());
    return start;
}

} // namespace

TreeTexts::Place TreeTexts::Add(std::wstring_view text) {
    bool const wide = std::ranges::any_of(text, [](wchar_t c) { return c >= FirstWide; });
    return {wide ? AppendAt(m_wide, text) : AppendAt(m_narrow, text),
            static_cast<std::uint32_t>(text.size()), wide};
}

std::wstring TreeTexts::Get(Place place) const {
    std::wstring text;
    return std::wstring(View(place, text));
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
