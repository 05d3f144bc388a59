// kor definition look-up: from text to definitions, free search, export and identification.
#pragma once

#include "kor/CSDef.h"
#include "kor/Export.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kor {

/// Removes a trailing authority tag such as " [EPSG:32633]" from `name` in place;
/// true when there was one.
KOR_EXPORT bool StripAuthorityTag(std::wstring& name);
/// How long `name` is without its trailing authority tag: the whole length without one.
KOR_EXPORT std::size_t LengthWithoutAuthorityTag(std::wstring_view name);
/// The same of a name in UTF-8, in bytes.
KOR_EXPORT std::size_t LengthWithoutAuthorityTag(std::string_view utf8Name);

/// The name a user sees of a categorised name: the part after its last "|", without an
/// authority tag.
KOR_EXPORT std::wstring PlainLeafName(std::wstring_view name);

/// Options of CreateCSDefByDefinition, combined with |.
enum CreateOptions : unsigned {
    CreateDefault = 0,
    /// Give a registry system its categorised name from the known list (with the "|"
    /// path) instead of its plain name with the authority tag.
    CreateCategorizedName = 1,
};

/// A definition for `text`: an authority code in any spelling the registry accepts
/// ("EPSG:4326", "epsg:4326", "EPSG::4326", "urn:ogc:def:crs:EPSG::4326", deprecated
/// codes too), WKT1, ESRI WKT, WKT2, a PROJ string or PROJJSON. A referenced system
/// given without a code that the registry identifies with certainty (one candidate, full
/// confidence) gets that code and its tag in the name. Null for an empty or
/// blank text. Throws KORException, with the registry's reason, when the text cannot be
/// read or names a system this model cannot represent.
KOR_EXPORT std::unique_ptr<CSDef> CreateCSDefByDefinition(std::wstring_view text,
                                                          unsigned options = 0);

/// Up to `maxResults` definition texts ("EPSG:n") of known systems that a free search
/// text means but that a filter on names and codes would miss, best match first: the
/// system of a code spelling ("EPSG:2154", "epsg 2154", "urn:ogc:def:crs:EPSG::2154"),
/// or systems whose name or area of use holds the text's words written another way
/// ("Lambert 93", "France"). Nothing for a bare number, nor for a system whose name
/// already holds the text (case ignored). Empty when nothing matches.
KOR_EXPORT std::vector<std::wstring> QueryCSDefinitions(std::wstring_view text, int maxResults);
/// Builds what QueryCSDefinitions reads of the known list now, which its first call
/// would otherwise do: for a caller with time to spare before that call.
KOR_EXPORT void PrepareCSDefinitionQueries();

/// The name the registry gives the system `code` of `authority` ("ESRI", "102100"; case
/// ignored), or empty when the registry has no such system. Never throws: a code that
/// cannot be read is no system.
KOR_EXPORT std::wstring AuthoritySystemName(std::wstring_view authority, std::wstring_view code);

enum class DefinitionFormat {
    WKT2,
    WKT1,
    /// ESRI's WKT1 dialect, as .prj files hold it.
    WKT1ESRI,
    PROJString,
    PROJJSON,
};

/// The definition as text in `format`. Throws KORException when the definition fails
/// its check or the format cannot express it.
KOR_EXPORT std::wstring ExportDefinition(CSDef const& definition, DefinitionFormat format);

/// The EPSG code of the registry system equivalent to `definition`, 0 when there is
/// none or the definition is local. Slow for a definition without a code: it asks the
/// registry to identify it.
KOR_EXPORT int IdentifyEPSGCode(CSDef const& definition);

} // namespace kor
