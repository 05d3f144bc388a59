#include "shr/SearchWords.h"

#include "shr/StringUtil.h"

#include <cwctype>

namespace shr {

namespace {

bool IsDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

/// The base letter of a lower-case accented Latin letter; any other character as it is.
/// Place and datum names are written with and without their accents alike.
wchar_t WithoutAccent(wchar_t ch) {
    // From U+00E0, a-grave, to U+00FF, y-diaeresis; ae, eth, thorn and the division sign
    // stay.
    static constexpr std::wstring_view Latin1 =
        L"aaaaaa\u00e6ceeeeiiii\u00f0nooooo\u00f7ouuuuy\u00fey";
    if (ch >= 0xE0 && ch <= 0xFF) {
        return Latin1[static_cast<std::size_t>(ch - 0xE0)];
    }
    // Beyond Latin-1, the letters of the registry's Central European and Turkish names.
    static constexpr std::wstring_view Accented =
        L"\u0105\u0107\u010d\u0119\u011b\u011f\u0131\u0142\u0144\u0148"
        L"\u0151\u0159\u015b\u015f\u0161\u0163\u016f\u0171\u017a\u017c\u017e";
    static constexpr std::wstring_view Plain = L"acceegilnnorssstuuzzz";
    std::size_t const at = Accented.find(ch);
    return at != std::wstring_view::npos ? Plain[at] : ch;
}

} // namespace

bool IsLetterOrDigit(wchar_t ch) {
    if (ch < 0x80) {
        return IsDigit(ch) || (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z');
    }
    return std::iswalnum(static_cast<wint_t>(ch)) != 0;
}

// Written in place: the first search of a process joins every system's name and area.
std::wstring JoinedWords(std::wstring_view folded, WordRules rules) {
    bool const forgiving = rules == WordRules::Forgiving;
    std::wstring joined(folded.size() * (forgiving ? 2 : 1) + 2, L' ');
    std::size_t length = 1;
    for (wchar_t ch : folded) {
        // Without its accent first: the C locale takes an accented letter for no letter.
        if (forgiving) {
            ch = WithoutAccent(ch);
        }
        if (!IsLetterOrDigit(ch)) {
            if (joined[length - 1] != L' ') {
                joined[length++] = L' ';
            }
            continue;
        }
        wchar_t const before = joined[length - 1];
        if (forgiving && before != L' ' && IsDigit(before) != IsDigit(ch)) {
            joined[length++] = L' ';
        }
        joined[length++] = ch;
    }
    if (joined[length - 1] != L' ') {
        ++length;
    }
    joined.resize(length);
    return joined;
}

std::vector<std::wstring> Words(std::wstring_view text, WordRules rules) {
    std::wstring const joined = JoinedWords(FoldCase(std::wstring(text)), rules);
    std::vector<std::wstring> words;
    for (std::size_t start = 1; start < joined.size();) {
        std::size_t const end = joined.find(L' ', start);
        words.push_back(joined.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// The word is looked for rather than the space before it, which nearly every position
// would match.
bool HasWord(std::wstring_view words, std::wstring_view word, bool whole) {
    for (std::size_t at = words.find(word, 1); at != std::wstring_view::npos;
         at = words.find(word, at + 1)) {
        if (words[at - 1] == L' ' && (!whole || words[at + word.size()] == L' ')) {
            return true;
        }
    }
    return false;
}

} // namespace shr
