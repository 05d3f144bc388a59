// shr search words: a text cut into the words a search compares, case and punctuation aside.
#pragma once

#include "shr/Export.h"

#include <string>
#include <string_view>
#include <vector>

namespace shr {

/// Letters and digits of any script; ASCII without a call into the locale's tables.
SHR_EXPORT bool IsLetterOrDigit(wchar_t ch);

/// How words are cut from a text.
enum class WordRules {
    /// Runs of letters and digits, as written.
    AsWritten,
    /// Also letters and digits that touch are two words ("utm33" reads as "utm 33", as
    /// "UTM zone 33" does), and accents are dropped ("krüger" reads as "kruger").
    Forgiving,
};

/// The runs of letters and digits of the already case-folded `folded`, between single
/// spaces, with a space at each end, so that a word is found whole or by its beginning
/// with one search of the joined text.
SHR_EXPORT std::wstring JoinedWords(std::wstring_view folded,
                                    WordRules rules = WordRules::AsWritten);

/// The words of `text`, case-folded, in the order they stand.
SHR_EXPORT std::vector<std::wstring> Words(std::wstring_view text,
                                           WordRules rules = WordRules::AsWritten);

/// Whether one of the space-joined `words` is `word` (`whole`) or starts with it.
SHR_EXPORT bool HasWord(std::wstring_view words, std::wstring_view word, bool whole);

} // namespace shr
