// The QRF2 document: a definition as versioned JSON, and back, losing nothing.
#pragma once

#include "kor/CSDef.h"

#include <nlohmann/json_fwd.hpp>

#include <filesystem>
#include <memory>

namespace korfile {

/// Version written into every document; readers accept this one and older.
inline constexpr int Qrf2Version = 1;

/// The JSON object of one system: name, kind, hints, warp, and for a referenced system
/// its code, datum (identity, parameters, ellipsoid) and projection (method, every held
/// parameter, well-known names); for a local system its scale and origin.
nlohmann::json SystemToJson(kor::CSDef const& definition);

/// The definition an object written by SystemToJson describes. Throws KORException
/// naming `path` and the place in the document (as a JSON pointer) that is wrong.
std::unique_ptr<kor::CSDef> SystemFromJson(nlohmann::json const& object,
                                           std::filesystem::path const& path,
                                           std::string const& where);

/// Checks the "format" and "version" members of a document.
void CheckQrf2Header(nlohmann::json const& document, std::filesystem::path const& path);

} // namespace korfile
