// korfile::IsReferenceFile: which coordinate-reference formats a file may hold.
#pragma once

#include "korfile/Export.h"
#include "korfile/KORFileType.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace korfile {

/// Fills `byContent` with the format the file's bytes show (at most one) and
/// `byExtension` with the formats its name suggests, most likely first. A file that
/// cannot be read leaves `byContent` empty. Both lists are cleared first. Whatever else
/// goes wrong is a kor::KORException naming the file.
KORFILE_EXPORT void IsReferenceFile(std::filesystem::path const& path,
                                    std::vector<KORFileType>& byContent,
                                    std::vector<KORFileType>& byExtension);

/// The format that `content` is written in, if it is one of ours.
KORFILE_EXPORT std::optional<KORFileType> DetectFileTypeByContent(std::string_view content);

/// The formats that the name of `path` suggests (".aux.xml" before ".xml").
KORFILE_EXPORT std::vector<KORFileType> FileTypesByExtension(std::filesystem::path const& path);

} // namespace korfile
