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
    static constexpr std::wstring_view latin1 =
        L"aaaaaa\u00e6ceeeeiiii\u00f0nooooo\u00f7ouuuuy\u00fey";
    if (ch >= 0xE0 && ch <= 0xFF) {
        return latin1[static_cast<std::size_t>(ch - 0xE0)];
    }
    switch (ch) {
    case L'\u0107':
    case L'\u010d':
        return L'c';
    case L'\u0119':
    case L'\u011b':
        return L'e';
    case L'\u0142':
        return L'l';
    case L'\u0144':
    case L'\u0148':
        return L'n';
    case L'\u0151':
        return L'o';
    case L'\u0159':
        return L'r';
    case L'\u015b':
    case L'\u0161':
    case L'\u015f':
        return L's';
    case L'\u0163':
        return L't';
    case L'\u0171':
    case L'\u016f':
        return L'u';
    case L'\u017a':
    case L'\u017c':
    case L'\u017e':
        return L'z';
    case L'\u0105':
        return L'a';
    case L'\u011f':
        return L'g';
    case L'\u0131':
        return L'i';
    default:
        return ch;
    }
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
