// platform::backend::TreeTexts: the texts of a tree's items, end to end in one buffer.
#pragma once

#include "platform/Export.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace platform::backend {

/// A tree of thousands of names held each as a string of its own paid a block of memory,
/// its header and four bytes a character for each. Here they lie end to end, one byte a
/// character where every character fits in one (nearly every registry name), four where
/// not, so no text changes on the way in or out. A text is never freed alone: Clear frees
/// them all and keeps the room for the refill that follows it.
class PLATFORM_EXPORT TreeTexts {
public:
    /// Where one text lies.
    struct Place {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
        bool wide = false;
    };

    Place Add(std::wstring_view text);
    std::wstring Get(Place place) const;
    /// The text as a view of `scratch`, which it overwrites: a comparison then costs no
    /// allocation once the scratch has grown to the longest text.
    std::wstring_view View(Place place, std::wstring& scratch) const;
    void Clear();

private:
    std::string m_narrow;
    std::wstring m_wide;
};

} // namespace platform::backend
