// Raising a file error that names the file and says what is wrong with it.
#pragma once

#include <filesystem>
#include <string>

namespace korfile {

/// Throws kor::KORException with "'<path>': <what>".
[[noreturn]] void ThrowFileError(std::filesystem::path const& path, std::wstring const& what);

/// The bytes of `path`; a missing, unreadable or empty file is raised as a file error, so
/// the readers see one kind of failure.
std::string ReadFileForFormat(std::filesystem::path const& path);

} // namespace korfile
