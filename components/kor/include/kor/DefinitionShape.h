// kor definition shapes: what kind of definition a text is, told from its look alone.
#pragma once

#include "kor/Export.h"

#include <string>
#include <string_view>
#include <vector>

namespace kor {

/// `text` without a leading UTF-8 byte-order mark and the blanks after it.
KOR_EXPORT std::string_view SkipLeadingSpaceAndMark(std::string_view text);

/// Whether `text` (UTF-8, leading blanks and a byte-order mark allowed) opens with a
/// well-known-text keyword of a coordinate system followed by "[" or "(".
KOR_EXPORT bool StartsWithWktKeyword(std::string_view text);

struct KOR_EXPORT AuthorityCode {
    std::string authority;
    std::string code;
};

/// The codes of "AUTHORITY:CODE" or "AUTHORITY::CODE", or of several joined by "+" into a
/// compound, where a later part may leave out the authority of the first; empty for any
/// other text.
KOR_EXPORT std::vector<AuthorityCode> AuthorityCodes(std::string_view text);

/// Whether `text` (UTF-8, trimmed) has a shape that the registry's readers parse by
/// syntax: well-known text, PROJJSON, a PROJ string, an authority code or a URN.
KOR_EXPORT bool HasDefinitionSyntax(std::string_view text);

/// Whether `text` (UTF-8, trimmed) could be the name of a registry system: short, one
/// line, printable, with a letter in it and none of the brackets or quotes of a
/// definition. Only such a text is worth a search of the registry by name.
KOR_EXPORT bool CouldBeSystemName(std::string_view text);

} // namespace kor
