#include "kor/DefinitionShape.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace kor {
namespace {

bool IsAsciiLetter(char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

bool IsAsciiAlnum(char ch) {
    return IsAsciiLetter(ch) || (ch >= '0' && ch <= '9');
}

std::string UpperKeyword(std::string_view text) {
    std::string keyword;
    for (char const ch : text) {
        if (!IsAsciiAlnum(ch) && ch != '_') {
            break;
        }
        keyword.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(ch))));
    }
    return keyword;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

/// "+proj=..." or "proj=...", "+init=..." and "+title=..." as PROJ spells them; any
/// other text with a "+" in front is searched for by name.
bool IsProjString(std::string_view text) {
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    return text.starts_with("proj=") || text.starts_with("init=") || text.starts_with("title=");
}

} // namespace

std::string_view SkipLeadingSpaceAndMark(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0) {
        text.remove_prefix(1);
    }
    return text;
}

bool StartsWithWktKeyword(std::string_view text) {
    static constexpr std::array<std::string_view, 20> Keywords = {
        "PROJCS",         "GEOGCS",      "GEOCCS",       "COMPD_CS",    "LOCAL_CS",
        "VERT_CS",        "PROJCRS",     "PROJECTEDCRS", "GEOGCRS",     "GEOGRAPHICCRS",
        "GEODCRS",        "GEODETICCRS", "BOUNDCRS",     "COMPOUNDCRS", "ENGCRS",
        "ENGINEERINGCRS", "VERTCRS",     "VERTICALCRS",  "BASEGEODCRS", "DERIVEDPROJCRS",
    };
    text = SkipLeadingSpaceAndMark(text);
    std::string const keyword = UpperKeyword(text);
    if (std::find(Keywords.begin(), Keywords.end(), keyword) == Keywords.end()) {
        return false;
    }
    std::string_view const rest = SkipLeadingSpaceAndMark(text.substr(keyword.size()));
    return !rest.empty() && (rest.front() == '[' || rest.front() == '(');
}

std::vector<AuthorityCode> AuthorityCodes(std::string_view text) {
    auto const isPart = [](std::string_view part) {
        return !part.empty() && std::all_of(part.begin(), part.end(), [](char ch) {
            return IsAsciiAlnum(ch) || ch == '_' || ch == '.' || ch == '-';
        });
    };
    std::vector<AuthorityCode> codes;
    while (true) {
        std::size_t const plus = text.find('+');
        std::string_view const part = text.substr(0, plus);
        std::size_t const colon = part.find(':');
        if (colon == std::string_view::npos) {
            if (codes.empty() || !isPart(part)) {
                return {};
            }
            codes.push_back({codes.front().authority, std::string(part)});
        } else {
            std::string_view code = part.substr(colon + 1);
            if (code.starts_with(":")) {
                code.remove_prefix(1);
            }
            if (!isPart(part.substr(0, colon)) || !isPart(code)) {
                return {};
            }
            codes.push_back({std::string(part.substr(0, colon)), std::string(code)});
        }
        if (plus == std::string_view::npos) {
            return codes;
        }
        text.remove_prefix(plus + 1);
    }
}

bool HasDefinitionSyntax(std::string_view text) {
    return StartsWithWktKeyword(text) || text.starts_with('{') || IsProjString(text) ||
           StartsWithIgnoringCase(text, "urn:ogc:def:") ||
           StartsWithIgnoringCase(text, "http://www.opengis.net/def/") ||
           StartsWithIgnoringCase(text, "https://www.opengis.net/def/") ||
           !AuthorityCodes(text).empty();
}

bool CouldBeSystemName(std::string_view text) {
    // The registry's longest names are about a hundred characters.
    constexpr std::size_t LongestName = 200;
    if (text.empty() || text.size() > LongestName) {
        return false;
    }
    bool letter = false;
    for (char const ch : text) {
        auto const byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte == 0x7F) {
            return false;
        }
        if (std::string_view("[]{}\"<>\\=").find(ch) != std::string_view::npos) {
            return false;
        }
        letter = letter || IsAsciiLetter(ch) || byte >= 0x80;
    }
    return letter;
}

} // namespace kor
