// Raising a file error that names the file and says what is wrong with it.
#pragma once

#include <filesystem>
#include <string>

namespace korfile {

/// Throws kor::KORException with "'<path>': <what>".
[[noreturn]] void ThrowFileError(std::filesystem::path const& path, std::wstring const& what);

/// Inside a catch handler: the model's error of the exception being handled passes on,
/// anything else (a library's own exception, memory running out) becomes a file error
/// "'<path>' <doing><its reason>", so callers meet one kind of failure.
[[noreturn]] void RethrowNamingFile(std::filesystem::path const& path, std::wstring const& doing);

/// The bytes of `path`; a file that cannot be read, or is no regular file, is raised as a
/// file error.
std::string ReadFileBytes(std::filesystem::path const& path);

/// The bytes of `path`; a missing, unreadable or empty file is raised as a file error, so
/// the readers see one kind of failure.
std::string ReadFileForFormat(std::filesystem::path const& path);

} // namespace korfile
