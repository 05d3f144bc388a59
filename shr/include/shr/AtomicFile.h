// shr::ReplaceFileAtomically: writing a file so that a failed save never loses the old one.
#pragma once

#include "shr/Export.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace shr {

/// The points of an atomic replace at which a failure can strike.
enum class AtomicWriteStep {
    TemporaryCreated,
    TemporaryWritten,
    TemporaryFlushed,
    BeforeRename,
};

/// Writes `content` to a temporary file beside `path`, flushes it to disk and renames
/// it over `path`, so `path` holds either its old content or the whole new one. On
/// failure the temporary file is removed and a shr::Exception naming the file and the
/// reason is thrown. `onStep`, when set, is called at each step; what it throws aborts
/// the write like a real failure there (tests use it to interrupt a save).
SHR_EXPORT void ReplaceFileAtomically(std::filesystem::path const& path, std::string_view content,
                                      std::function<void(AtomicWriteStep)> const& onStep = {});

/// The whole content of a file as bytes; throws a shr::Exception naming the file and
/// saying in words what is wrong when it cannot be read. Only a regular file is read: a
/// folder, a named pipe, a device or a socket is refused at once, never waited on.
SHR_EXPORT std::string ReadWholeFile(std::filesystem::path const& path);

/// As ReadWholeFile, but at most the first `limit` bytes.
SHR_EXPORT std::string ReadFileStart(std::filesystem::path const& path, std::size_t limit);

} // namespace shr
