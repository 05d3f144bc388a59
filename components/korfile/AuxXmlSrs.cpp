#include "AuxXmlSrs.h"

#include "FileError.h"

#include "shr/Utf8.h"

#include <pugixml.hpp>

#include <sstream>

namespace korfile {
namespace {

constexpr char const* rootName = "PAMDataset";
constexpr char const* srsName = "SRS";

pugi::xml_document Parse(std::string_view text, std::filesystem::path const& path) {
    pugi::xml_document document;
    pugi::xml_parse_result const result =
        document.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_comments);
    if (!result) {
        ThrowFileError(path, L"is not well-formed XML: " + shr::FromUtf8(result.description()) +
                                 L" at byte " + std::to_wstring(result.offset) + L".");
    }
    if (std::string_view(document.document_element().name()) != rootName)
        ThrowFileError(path, L"is not a raster side-car: its root element is not <PAMDataset>.");
    return document;
}

} // namespace

std::optional<std::string> ReadAuxXmlSrs(std::string_view document,
                                         std::filesystem::path const& path) {
    pugi::xml_document const parsed = Parse(document, path);
    pugi::xml_node const srs = parsed.document_element().child(srsName);
    if (!srs)
        return std::nullopt;
    std::string text = srs.text().get();
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        ThrowFileError(path, L"has an empty <SRS> element.");
    return text;
}

std::string WriteAuxXmlSrs(std::string_view existing, std::string const& srs,
                           std::filesystem::path const& path) {
    pugi::xml_document document;
    if (existing.find_first_not_of(" \t\r\n") == std::string_view::npos)
        document.append_child(rootName);
    else
        document = Parse(existing, path);
    pugi::xml_node root = document.document_element();
    pugi::xml_node element = root.child(srsName);
    if (!element)
        element = root.prepend_child(srsName);
    element.text().set(srs.c_str());
    std::ostringstream out;
    document.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return std::move(out).str();
}

} // namespace korfile
