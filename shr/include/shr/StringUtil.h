// shr string helpers: containment, trimming, splitting and printf-style wide formatting.
#pragma once

#include "shr/Export.h"

#include <algorithm>
#include <cstdarg>
#include <string>
#include <string_view>
#include <type_traits>

namespace shr {

/// Whether `text` contains `part`. Unless `caseSensitive`, letters are compared by their
/// lower-case forms, which is what a user typing a search expects. An empty part is
/// contained in every text.
SHR_EXPORT bool Contains(std::wstring const& text, std::wstring const& part, bool caseSensitive);

/// `text` with every letter in the lower-case form Contains compares when case is
/// ignored: a folded part is in a folded text exactly when Contains finds it there.
SHR_EXPORT std::wstring FoldCase(std::wstring text);

/// True for every character of Unicode's White_Space property (tabs, line breaks,
/// no-break and typographic spaces, the ideographic space) and the byte-order mark.
SHR_EXPORT bool IsWhiteSpace(wchar_t ch);

/// `text` without white space at either end.
SHR_EXPORT std::wstring Trim(std::wstring const& text);

/// `text` cut to its first `limit` characters and "..." when it is longer, so that an
/// error message quoting a user's input stays one readable line.
SHR_EXPORT std::wstring Abbreviated(std::wstring const& text, std::size_t limit = 120);

/// Calls `visit` with each piece of `text` between two `separator`s (or an end) that is not
/// empty, in order, until `visit` returns false; false when it did. The pieces are views
/// into `text`: lists read in bulk are split without a string made per piece. The
/// separator's type says whether the text is narrow or wide.
template <typename Char, typename Visit>
bool ForEachPiece(std::type_identity_t<std::basic_string_view<Char>> text, Char separator,
                  Visit visit) {
    while (!text.empty()) {
        std::size_t const end = std::min(text.find(separator), text.size());
        if (end > 0 && !visit(text.substr(0, end))) {
            return false;
        }
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return true;
}

/// printf-style formatting into a new wide string; output of any length.
SHR_EXPORT std::wstring ToString(wchar_t const* format, ...);
SHR_EXPORT std::wstring ToStringV(wchar_t const* format, va_list args);

/// printf-style formatting appended to `target`; returns `target`.
SHR_EXPORT std::wstring& AppendFormatString(std::wstring& target, wchar_t const* format, ...);

} // namespace shr
