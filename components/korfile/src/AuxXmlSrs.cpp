#include "AuxXmlSrs.h"

#include "FileError.h"

#include "shr/Utf8.h"

#include <pugixml.hpp>

#include <sstream>

namespace korfile {
namespace {

constexpr char const* RootName = "PAMDataset";
constexpr char const* SrsName = "SRS";

/// Side-cars nest a handful of levels; a document nested far deeper is no side-car, and
/// every tool that indents it would write a file growing with the square of the depth.
constexpr int MaxDepth = 64;

/// Whether the tree goes deeper than `MaxDepth`; walked without recursion.
class DepthCheck final : public pugi::xml_tree_walker {
public:
    bool for_each(pugi::xml_node&) override {
        m_tooDeep = depth() >= MaxDepth;
        return !m_tooDeep;
    }
    bool TooDeep() const { return m_tooDeep; }

private:
    bool m_tooDeep = false;
};

// Whitespace and the declaration are kept as read, so that a rewrite changes only the
// SRS element and the rest of the file stays byte for byte as its author wrote it.
constexpr unsigned ParseOptions =
    pugi::parse_default | pugi::parse_comments | pugi::parse_ws_pcdata | pugi::parse_declaration;

pugi::xml_document Parse(std::string_view text, std::filesystem::path const& path) {
    pugi::xml_document document;
    pugi::xml_parse_result const result =
        document.load_buffer(text.data(), text.size(), ParseOptions);
    if (!result) {
        ThrowFileError(path, L"is not well-formed XML: " + shr::FromUtf8(result.description()) +
                                 L" at byte " + std::to_wstring(result.offset) + L".");
    }
    DepthCheck depth;
    document.traverse(depth);
    if (depth.TooDeep()) {
        ThrowFileError(path, L"is not a raster side-car: its elements nest more than " +
                                 std::to_wstring(MaxDepth) + L" levels deep.");
    }
    if (std::string_view(document.document_element().name()) != RootName) {
        ThrowFileError(path, L"is not a raster side-car: its root element is not <PAMDataset>.");
    }
    return document;
}

/// A new SRS element as the root's first child, on a line of its own.
pugi::xml_node PrependSrs(pugi::xml_node root) {
    pugi::xml_node const first = root.first_child();
    bool const indented =
        first.type() == pugi::node_pcdata &&
        std::string_view(first.value()).find_first_not_of(" \t\r\n") == std::string_view::npos;
    pugi::xml_node const element = root.prepend_child(SrsName);
    root.prepend_child(pugi::node_pcdata).set_value("\n  ");
    if (!indented) {
        root.insert_child_after(pugi::node_pcdata, element).set_value("\n");
    }
    return element;
}

} // namespace

std::optional<std::string> ReadAuxXmlSrs(std::string_view document,
                                         std::filesystem::path const& path) {
    pugi::xml_document const parsed = Parse(document, path);
    pugi::xml_node const srs = parsed.document_element().child(SrsName);
    if (!srs) {
        return std::nullopt;
    }
    std::string text = srs.text().get();
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        ThrowFileError(path, L"has an empty <SRS> element.");
    }
    return text;
}

std::string WriteAuxXmlSrs(std::string_view existing, std::string const& srs,
                           std::filesystem::path const& path) {
    bool const fresh = existing.find_first_not_of(" \t\r\n") == std::string_view::npos;
    pugi::xml_document document = Parse(fresh ? "<PAMDataset>\n</PAMDataset>\n" : existing, path);
    pugi::xml_node const root = document.document_element();
    pugi::xml_node element = root.child(SrsName);
    if (!element) {
        element = PrependSrs(root);
    }
    element.text().set(srs.c_str());
    std::ostringstream out;
    // Line breaks outside the root element are not part of the tree; they are put back.
    std::string_view const source = fresh ? std::string_view("\n") : existing;
    pugi::xml_node node = document.first_child();
    if (node.type() == pugi::node_declaration) {
        node.print(out, "", pugi::format_raw, pugi::encoding_utf8);
        if (source.find("?>\n") != std::string_view::npos) {
            out << '\n';
        }
        node = node.next_sibling();
    }
    for (; node != nullptr; node = node.next_sibling()) {
        node.print(out, "", pugi::format_raw, pugi::encoding_utf8);
    }
    std::size_t const lastTag = source.find_last_of('>');
    out << source.substr(lastTag == std::string_view::npos ? 0 : lastTag + 1);
    return std::move(out).str();
}

} // namespace korfile
