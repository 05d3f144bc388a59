#include "DatumTokens.h"

#include "kor/EpsgCodes.h"

#include <array>
#include <charconv>
#include <string>

namespace kor {

namespace {

struct Alias {
    wchar_t const* token;
    int code;
};

constexpr std::array<Alias, 6> Aliases{{{L"DATUM_WGS84", EPSG_6326},
                                        {L"DATUM_NAD83", EPSG_6269},
                                        {L"DATUM_NAD27", EPSG_6267},
                                        {L"DATUM_ETRS89", EPSG_6258},
                                        {L"DATUM_ED50", EPSG_6230},
                                        {L"DATUM_GDA94", EPSG_6283}}};

constexpr std::wstring_view CodePrefix = L"DATUM_EPSG_";

} // namespace

std::wstring DatumTokenFromCode(int code) {
    if (code <= 0) {
        return {};
    }
    for (auto const& alias : Aliases) {
        if (alias.code == code) {
            return alias.token;
        }
    }
    return std::wstring(CodePrefix) + std::to_wstring(code);
}

int DatumCodeFromToken(std::wstring_view token) {
    for (auto const& alias : Aliases) {
        if (token == alias.token) {
            return alias.code;
        }
    }
    if (token.substr(0, CodePrefix.size()) != CodePrefix) {
        return 0;
    }
    std::string digits;
    for (wchar_t ch : token.substr(CodePrefix.size())) {
        if (ch < L'0' || ch > L'9') {
            return 0;
        }
        digits.push_back(static_cast<char>(ch));
    }
    int code = 0;
    auto const [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
    return error == std::errc() && end == digits.data() + digits.size() ? code : 0;
}

} // namespace kor
