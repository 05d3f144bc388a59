// shr file problems: what is wrong with a file or a call on it, in a user's words.
#pragma once

#include "shr/Export.h"

#include <filesystem>
#include <string>

namespace shr {

/// Why a call on a file failed with `error` (an errno value), as a clause that follows
/// "cannot be read: " or "cannot be saved: ", such as "the disk is full".
SHR_EXPORT std::wstring DescribeFileError(int error);

/// What a path of `type` is when it is not a regular file, as "is a folder, not a file";
/// empty for a regular file or nothing.
SHR_EXPORT std::wstring DescribeNotAFile(std::filesystem::file_type type);

} // namespace shr
