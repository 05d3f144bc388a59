#include "kor/Definitions.h"

#include "ProjRegistry.h"

#include "shr/Utf8.h"

#include <proj/crs.hpp>

#include <cwctype>

namespace kor {

namespace {

/// The registry keeps authorities and their letter codes ("IGNF:LAMB93") in capitals.
std::string Upper(std::wstring_view text) {
    std::wstring upper(text);
    for (wchar_t& ch : upper) {
        ch = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
    }
    return shr::ToUtf8(upper);
}

} // namespace

std::wstring AuthoritySystemName(std::wstring_view authority, std::wstring_view code) {
    if (authority.empty() || code.empty()) {
        return {};
    }
    try {
        auto const factory = osgeo::proj::io::AuthorityFactory::create(
            ProjRegistry::Instance().Context(), Upper(authority));
        return shr::FromUtf8(factory->createCoordinateReferenceSystem(Upper(code))->nameStr());
    } catch (std::exception const&) {
        // An unknown authority or code, or a registry that cannot be read: either way the
        // text names no system this search could offer.
        return {};
    }
}

} // namespace kor
