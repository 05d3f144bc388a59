// Reading the older line-based QRF format (docs/qrf-format.md).
#pragma once

#include "kor/CSDef.h"

#include <filesystem>
#include <memory>
#include <string_view>

namespace korfile {

/// The definition a QRF text describes. Throws KORException naming `path` and the line
/// that is wrong, or the reason the definition as a whole is unusable.
std::unique_ptr<kor::CSDef> ReadQrf(std::string_view content, std::filesystem::path const& path);

} // namespace korfile
