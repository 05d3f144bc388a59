// gridui::ReadAuthorityCode: an authority's code in the spellings people paste.
#pragma once

#include <optional>
#include <string>

namespace gridui {

struct AuthorityCode {
    std::wstring authority;
    std::wstring code;
};

/// The authority and code of "EPSG:4326", "EPSG::4326", "epsg 4326",
/// "urn:ogc:def:crs:EPSG::4326" (with or without a version), "IGNF:LAMB93" or
/// "http://www.opengis.net/def/crs/EPSG/0/4326"; nothing for any other text. Only EPSG is
/// read with a space: "utm 33" names no authority.
std::optional<AuthorityCode> ReadAuthorityCode(std::wstring const& text);

} // namespace gridui
