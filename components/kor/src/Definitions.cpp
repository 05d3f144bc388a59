#include "kor/Definitions.h"

#include "NumberRules.h"
#include "ProjConversion.h"
#include "ProjRegistry.h"
#include "RegistryCatalogue.h"
#include "RegistrySystemParts.h"

#include "kor/DefinitionShape.h"
#include "kor/EpsgCodes.h"
#include "kor/KORDef.h"
#include "kor/KORException.h"
#include "kor/SystemList.h"

#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <proj/crs.hpp>
#include <proj/io.hpp>
#include <proj/util.hpp>

#include <algorithm>
#include <cwctype>

namespace kor {

namespace crs = osgeo::proj::crs;
namespace io = osgeo::proj::io;

namespace {

/// Codes in any spelling are handed to PROJ as "EPSG:n", the one it reads best.
std::wstring NormalisedCode(std::wstring const& text) {
    int const code = ParseAuthorityCode(text);
    return code > 0 ? EpsgDefinition(code) : text;
}

/// Whether `system` is, or has a part that is, bound to a hub by a datum shift.
bool HoldsDatumShift(crs::CRS const& system) {
    if (dynamic_cast<crs::BoundCRS const*>(&system) != nullptr) {
        return true;
    }
    auto const* compound = dynamic_cast<crs::CompoundCRS const*>(&system);
    if (compound == nullptr) {
        return false;
    }
    auto const& parts = compound->componentReferenceSystems();
    return std::any_of(parts.begin(), parts.end(),
                       [](crs::CRSNNPtr const& part) { return HoldsDatumShift(*part); });
}

/// The EPSG code of the one registry system PROJ is certain `system` is; 0 when it is
/// not certain (no candidate, or several, or less than full confidence). Identifying is a
/// courtesy, so a registry that cannot answer gives no code.
int CertainEPSGCode(crs::CRSNNPtr const& system) {
    // A bound candidate never carries a code, and identifying one inverts the file's own
    // shift, which aborts inside PROJ when the shift's method has a code PROJ lacks.
    if (HoldsDatumShift(*system)) {
        return 0;
    }
    try {
        int code = 0;
        int certain = 0;
        for (auto const& [candidate, confidence] :
             system->identify(ProjRegistry::Instance().Epsg().as_nullable())) {
            if (confidence == 100) {
                ++certain;
                code = candidate->getEPSGCode();
            }
        }
        return certain == 1 && code > 0 ? code : 0;
    } catch (std::exception const&) {
        return 0;
    }
}

/// Registry reasons may quote the whole input back.
constexpr std::size_t ReasonLimit = 300;

/// A text without a definition's syntax, as a system's name. Only names the registry
/// holds as they are written (case aside) count: its approximate search reads the whole
/// registry and costs a good part of a second for every text that names nothing.
crs::CRSPtr SystemNamed(std::string const& name) {
    auto const factory =
        io::AuthorityFactory::create(ProjRegistry::Instance().Context(), std::string());
    auto const found =
        factory->createObjectsFromName(name, {io::AuthorityFactory::ObjectType::CRS}, false, 2);
    if (found.empty()) {
        throw KORException(L"No coordinate system is named '" +
                           shr::Abbreviated(shr::FromUtf8(name)) + L"'.");
    }
    return std::dynamic_pointer_cast<crs::CRS>(found.front().as_nullable());
}

/// A system given by its code. Each code is looked up in its authority's table first: the
/// general reader searches the registry by name for a code it does not find, which costs
/// a good part of a second for every mistyped code.
crs::CRSPtr SystemCoded(std::string const& input, std::vector<AuthorityCode> const& codes) {
    auto const context = ProjRegistry::Instance().Context();
    crs::CRSPtr system;
    for (AuthorityCode const& part : codes) {
        system = io::AuthorityFactory::create(context, part.authority)
                     ->createCoordinateReferenceSystem(part.code)
                     .as_nullable();
    }
    if (codes.size() == 1) {
        return system;
    }
    return std::dynamic_pointer_cast<crs::CRS>(
        io::createFromUserInput(input, context.as_nullable()).as_nullable());
}

/// The system a text of a definition's syntax describes.
crs::CRSPtr SystemDefined(std::string const& input) {
    std::vector<AuthorityCode> const codes = AuthorityCodes(input);
    if (!codes.empty()) {
        return SystemCoded(input, codes);
    }
    return std::dynamic_pointer_cast<crs::CRS>(
        io::createFromUserInput(input, ProjRegistry::Instance().Context().as_nullable())
            .as_nullable());
}

/// The registry's system `code` as the known list holds it, its parts read when first
/// used; null unless the list is the registry's and at hand without reading the registry,
/// holds the code, and names the system as the registry does. Anything else is read from
/// the registry at once, which also fails where it fails.
std::unique_ptr<CSDef> ListedRegistrySystem(int code) {
    auto* const registry = dynamic_cast<RegistryCatalogue*>(&CurrentKnownCatalogue());
    if (registry == nullptr || !registry->SystemsAtHand()) {
        return nullptr;
    }
    int const position = KORKnownSystemsList.FindByPOSC(code);
    if (position < 0) {
        return nullptr;
    }
    // The leaf is the registry's name and tag, but with any "|" of the name written "/";
    // such a leaf cannot tell which it was.
    // "|" and "/" are ASCII, which UTF-8 never uses inside a longer sequence.
    std::string_view const name = KORKnownSystemsList.EnumEntry(position)->name;
    std::string_view const leaf = name.substr(name.rfind('|') + 1);
    if (leaf.find('/') != std::string_view::npos) {
        return nullptr;
    }
    auto definition =
        std::make_unique<KORDef>(code, std::make_shared<RegistrySystemParts const>(code));
    definition->SetName(shr::FromUtf8(leaf));
    return definition;
}

/// The system `input` (UTF-8, its code normalised) describes, read from the registry;
/// `trimmed` is the text as given, for the messages.
std::unique_ptr<CSDef> ReadFromRegistry(std::wstring const& trimmed, std::string const& input) {
    std::unique_ptr<CSDef> definition;
    try {
        auto const system = HasDefinitionSyntax(input) ? SystemDefined(input) : SystemNamed(input);
        if (!system) {
            throw KORException(L"The definition '" + shr::Abbreviated(trimmed) +
                               L"' does not describe a coordinate system.");
        }
        definition = ProjConversion::FromProj(NN_NO_CHECK(system), true);
        // A registry system written out without its code (a .prj, most WKT1) is still
        // that system: it is searched and described by its code.
        if (auto* referenced = dynamic_cast<KORDef*>(definition.get());
            referenced != nullptr && referenced->GetPOSC() <= 0) {
            if (int const code = CertainEPSGCode(NN_NO_CHECK(system)); code > 0) {
                referenced->SetPOSC(code);
                std::wstring name = referenced->GetName();
                StripAuthorityTag(name);
                referenced->SetName(name + L" [EPSG:" + std::to_wstring(code) + L"]");
            }
        }
    } catch (KORException const&) {
        throw;
    } catch (std::exception const& error) {
        throw KORException(L"The definition '" + shr::Abbreviated(trimmed) + L"' cannot be read: " +
                           shr::Abbreviated(shr::FromUtf8(error.what()), ReasonLimit));
    }
    return definition;
}

std::size_t WithoutTrailingSpace(std::wstring_view text) {
    std::size_t end = text.size();
    while (end > 0 && (std::iswspace(static_cast<wint_t>(text[end - 1])) != 0)) {
        --end;
    }
    return end;
}

/// As the wide text it decodes to would be cut: a character beyond ASCII is decoded to be
/// asked whether it is white space.
std::size_t WithoutTrailingSpace(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0) {
        std::size_t start = end - 1;
        while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0U) == 0x80U) {
            --start;
        }
        std::wstring const character = shr::FromUtf8(text.substr(start, end - start));
        if (character.size() != 1 || std::iswspace(static_cast<wint_t>(character[0])) == 0) {
            break;
        }
        end = start;
    }
    return end;
}

/// The tag's characters are ASCII, which UTF-8 never uses inside a longer sequence, so
/// wide text and UTF-8 are read alike.
template <typename Char> std::size_t TagFreeLength(std::basic_string_view<Char> name) {
    // A tag is " [AUTHORITY:code]" at the very end; nothing else in brackets is touched.
    auto const letter = [](Char ch) {
        return (ch >= Char('A') && ch <= Char('Z')) || (ch >= Char('a') && ch <= Char('z'));
    };
    auto const tagCharacter = [&](Char ch) {
        return letter(ch) || (ch >= Char('0') && ch <= Char('9')) || ch == Char('_') ||
               ch == Char('.') || ch == Char('-');
    };
    if (name.empty() || name.back() != Char(']')) {
        return name.size();
    }
    auto const open = name.rfind(Char('['));
    auto const colon = name.find(Char(':'), open == name.npos ? 0 : open);
    if (open == name.npos || colon == name.npos || colon == open + 1 || colon + 2 >= name.size()) {
        return name.size();
    }
    if (!letter(name[open + 1])) {
        return name.size();
    }
    for (std::size_t i = open + 1; i + 1 < name.size(); ++i) {
        if (i != colon && !tagCharacter(name[i])) {
            return name.size();
        }
    }
    return WithoutTrailingSpace(name.substr(0, open));
}

} // namespace

std::wstring PlainLeafName(std::wstring_view name) {
    std::wstring leaf(name.substr(name.rfind(L'|') + 1));
    StripAuthorityTag(leaf);
    return leaf;
}

std::size_t LengthWithoutAuthorityTag(std::wstring_view name) {
    return TagFreeLength(name);
}

std::size_t LengthWithoutAuthorityTag(std::string_view utf8Name) {
    return TagFreeLength(utf8Name);
}

bool StripAuthorityTag(std::wstring& name) {
    std::size_t const length = LengthWithoutAuthorityTag(name);
    if (length == name.size()) {
        return false;
    }
    name.erase(length);
    return true;
}

std::unique_ptr<CSDef> CreateCSDefByDefinition(std::wstring_view text, unsigned options) {
    std::wstring const trimmed = shr::Trim(std::wstring(text));
    if (trimmed.empty()) {
        return nullptr;
    }
    std::string const input = shr::ToUtf8(NormalisedCode(trimmed));
    // A text of no known syntax is searched for by name in the registry, which is slow;
    // one that cannot be a name is refused before that.
    if (!HasDefinitionSyntax(input) && !CouldBeSystemName(input)) {
        throw KORException(L"The definition '" + shr::Abbreviated(trimmed) +
                           L"' is no code, well-known text, PROJ string, PROJJSON or system "
                           L"name.");
    }
    std::unique_ptr<CSDef> definition;
    if (int const code = ParseAuthorityCode(trimmed); code > 0) {
        definition = ListedRegistrySystem(code);
    }
    if (!definition) {
        definition = ReadFromRegistry(trimmed, input);
    }
    if ((options & CreateCategorizedName) != 0u) {
        auto const* referenced = dynamic_cast<KORDef const*>(definition.get());
        int const position = (referenced != nullptr) && referenced->GetPOSC() > 0
                                 ? KORKnownSystemsList.FindByPOSC(referenced->GetPOSC())
                                 : -1;
        if (position >= 0) {
            definition->SetName(KORKnownSystemsList.EnumName(position));
        }
    }
    return definition;
}

std::wstring ExportDefinition(CSDef const& definition, DefinitionFormat format) {
    // ESRI's dialect has no place for a datum shift; other programs read a .prj without
    // one, so it is left out rather than refusing to write the file.
    auto const system = ProjConversion::ToProj(definition, format != DefinitionFormat::WKT1ESRI);
    auto const context = ProjRegistry::Instance().Context().as_nullable();
    try {
        switch (format) {
        case DefinitionFormat::WKT2:
            return shr::FromUtf8(system->exportToWKT(
                io::WKTFormatter::create(io::WKTFormatter::Convention::WKT2_2019, context).get()));
        case DefinitionFormat::WKT1:
            return shr::FromUtf8(system->exportToWKT(
                io::WKTFormatter::create(io::WKTFormatter::Convention::WKT1_GDAL, context).get()));
        case DefinitionFormat::WKT1ESRI:
            return shr::FromUtf8(system->exportToWKT(
                io::WKTFormatter::create(io::WKTFormatter::Convention::WKT1_ESRI, context).get()));
        case DefinitionFormat::PROJString: {
            auto const* exportable = dynamic_cast<io::IPROJStringExportable const*>(system.get());
            if (exportable == nullptr) {
                break;
            }
            return shr::FromUtf8(exportable->exportToPROJString(
                io::PROJStringFormatter::create(io::PROJStringFormatter::Convention::PROJ_5,
                                                context)
                    .get()));
        }
        case DefinitionFormat::PROJJSON:
            return shr::FromUtf8(system->exportToJSON(io::JSONFormatter::create(context).get()));
        }
    } catch (std::exception const& error) {
        throw KORException(L"The coordinate system '" + definition.GetName() +
                           L"' cannot be written in that format: " + shr::FromUtf8(error.what()));
    }
    throw KORException(L"The coordinate system '" + definition.GetName() +
                       L"' cannot be written in that format.");
}

int IdentifyEPSGCode(CSDef const& definition) {
    auto const* referenced = dynamic_cast<KORDef const*>(&definition);
    if (referenced == nullptr) {
        return 0;
    }
    if (referenced->GetPOSC() > 0) {
        return referenced->GetPOSC();
    }
    std::wstring reason;
    if (!referenced->Check(reason)) {
        return 0;
    }
    auto const system = ProjConversion::ToProj(definition, false);
    try {
        // Only a match the registry calls certain (equivalent, not merely alike in
        // name) is given, so a description never claims a code it does not have.
        for (auto const& [candidate, confidence] :
             system->identify(ProjRegistry::Instance().Epsg().as_nullable())) {
            if (confidence >= 70 && candidate->getEPSGCode() > 0 &&
                candidate->isEquivalentTo(
                    system.get(),
                    osgeo::proj::util::IComparable::Criterion::EQUIVALENT_EXCEPT_AXIS_ORDER_GEOGCRS,
                    ProjRegistry::Instance().Context().as_nullable())) {
                return candidate->getEPSGCode();
            }
        }
    } catch (std::exception const&) {
        // Identification is a courtesy; a registry that cannot answer gives no code.
        return 0;
    }
    return 0;
}

} // namespace kor
