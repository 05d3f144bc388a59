#include "shr/FileProblem.h"

#include "shr/Utf8.h"

#include <cerrno>
#include <cstring>
#include <cwctype>

namespace shr {

std::wstring DescribeFileError(int error) {
    switch (error) {
    case ENOENT:
        return L"its folder does not exist";
    case ENOTDIR:
        return L"a part of its path is a file, not a folder";
    case ELOOP:
        return L"its symbolic links lead round in a loop";
    case EACCES:
    case EPERM:
        return L"you do not have permission";
    case EISDIR:
        return L"it is a folder, not a file";
    case ENOSPC:
    case EDQUOT:
        return L"the disk is full";
    case EROFS:
        return L"the disk is read-only";
    case ENAMETOOLONG:
        return L"its name is too long";
    case EIO:
        return L"the disk reported an error";
    case EMFILE:
    case ENFILE:
        return L"too many files are open";
    default:
        break;
    }
    // The system's own words for the rare rest, made to continue a sentence.
    std::wstring text = FromUtf8(std::strerror(error));
    if (!text.empty()) {
        text[0] = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(text[0])));
    }
    return text;
}

std::wstring DescribeNotAFile(std::filesystem::file_type type) {
    using std::filesystem::file_type;
    switch (type) {
    case file_type::directory:
        return L"is a folder, not a file";
    case file_type::fifo:
        return L"is a named pipe, not a file";
    case file_type::block:
    case file_type::character:
        return L"is a device, not a file";
    case file_type::socket:
        return L"is a socket, not a file";
    case file_type::unknown:
        return L"is not a regular file";
    default:
        return {};
    }
}

} // namespace shr
