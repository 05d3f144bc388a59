// The SRS element of a raster's .aux.xml side-car: read it, and write it into the file
// while keeping everything else the file holds.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace korfile {

/// The text of the SRS element of an .aux.xml document, or nothing when the document has
/// none. Throws a file error naming `path` when the document is no side-car.
std::optional<std::string> ReadAuxXmlSrs(std::string_view document,
                                         std::filesystem::path const& path);

/// `existing` (an .aux.xml document, or empty for a new one) with its SRS element set to
/// `srs`; every other element and attribute is kept as it was.
std::string WriteAuxXmlSrs(std::string_view existing, std::string const& srs,
                           std::filesystem::path const& path);

} // namespace korfile
