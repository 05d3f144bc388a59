#include "FileError.h"

#include "kor/KORException.h"
#include "shr/AtomicFile.h"
#include "shr/Exception.h"
#include "shr/Utf8.h"

namespace korfile {

void ThrowFileError(std::filesystem::path const& path, std::wstring const& what) {
    throw kor::KORException(L"'" + shr::FromUtf8(path.string()) + L"' " + what);
}

void RethrowNamingFile(std::filesystem::path const& path, std::wstring const& doing) {
    try {
        throw;
    } catch (kor::KORException const&) {
        throw;
    } catch (std::exception const& error) {
        ThrowFileError(path, doing + shr::UserMessage(error) + L".");
    } catch (...) {
        ThrowFileError(path, doing + L"an unknown error.");
    }
}

std::string ReadFileBytes(std::filesystem::path const& path) {
    try {
        return shr::ReadWholeFile(path);
    } catch (shr::Exception const& error) {
        throw kor::KORException(error.message);
    }
}

std::string ReadFileForFormat(std::filesystem::path const& path) {
    std::string content = ReadFileBytes(path);
    if (content.find_first_not_of(" \t\r\n") == std::string::npos) {
        ThrowFileError(path, L"is empty.");
    }
    return content;
}

} // namespace korfile
