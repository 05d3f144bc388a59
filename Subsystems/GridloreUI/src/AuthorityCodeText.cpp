#include "AuthorityCodeText.h"

#include "shr/StringUtil.h"

#include <algorithm>
#include <string_view>

namespace gridui {

namespace {

bool IsNamePart(wchar_t ch) {
    return (ch >= L'0' && ch <= L'9') || (ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z') ||
           ch == L'_' || ch == L'-' || ch == L'.';
}

bool IsName(std::wstring_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsNamePart);
}

bool StartsWithFolded(std::wstring const& text, std::wstring_view prefix) {
    return text.size() >= prefix.size() && shr::FoldCase(text.substr(0, prefix.size())) == prefix;
}

/// The first and last of the non-empty parts between `separator`: a URN or a URL puts a
/// version, maybe empty, between the authority and the code.
std::optional<AuthorityCode> FirstAndLast(std::wstring_view rest, wchar_t separator) {
    std::size_t const first = rest.find(separator);
    std::size_t const last = rest.rfind(separator);
    if (first == std::wstring_view::npos) {
        return std::nullopt;
    }
    AuthorityCode found{std::wstring(rest.substr(0, first)), std::wstring(rest.substr(last + 1))};
    if (!IsName(found.authority) || !IsName(found.code)) {
        return std::nullopt;
    }
    return found;
}

} // namespace

std::optional<AuthorityCode> ReadAuthorityCode(std::wstring const& text) {
    std::wstring const trimmed = shr::Trim(text);
    for (std::wstring_view const urn : {L"urn:ogc:def:crs:", L"urn:x-ogc:def:crs:"}) {
        if (StartsWithFolded(trimmed, urn)) {
            return FirstAndLast(std::wstring_view(trimmed).substr(urn.size()), L':');
        }
    }
    if (StartsWithFolded(trimmed, L"http://") || StartsWithFolded(trimmed, L"https://")) {
        std::size_t const path = shr::FoldCase(trimmed).find(L"/def/crs/");
        if (path == std::wstring::npos) {
            return std::nullopt;
        }
        return FirstAndLast(std::wstring_view(trimmed).substr(path + 9), L'/');
    }
    if (std::size_t const colon = trimmed.find(L':'); colon != std::wstring::npos) {
        // "EPSG::4326" leaves the version out between two colons.
        std::size_t const code = trimmed.compare(colon, 2, L"::") == 0 ? colon + 2 : colon + 1;
        AuthorityCode found{trimmed.substr(0, colon), trimmed.substr(code)};
        if (IsName(found.authority) && IsName(found.code)) {
            return found;
        }
        return std::nullopt;
    }
    if (StartsWithFolded(trimmed, L"epsg ")) {
        std::wstring const code = shr::Trim(trimmed.substr(5));
        if (IsName(code)) {
            return AuthorityCode{trimmed.substr(0, 4), code};
        }
    }
    return std::nullopt;
}

} // namespace gridui
