#include "shr/AtomicFile.h"

#include "shr/Exception.h"
#include "shr/Utf8.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace shr {
namespace {

[[noreturn]] void ThrowFileError(std::filesystem::path const& path, std::string_view what,
                                 int error) {
    std::wstring message = L"'" + FromUtf8(path.string()) + L"' " + FromUtf8(what);
    if (error != 0)
        message += L" (" + FromUtf8(std::strerror(error)) + L")";
    throw Exception(L"Shared", L"AtomicFile", 0, std::move(message), false);
}

/// ".NAME.XXXXXX" beside `target`. Appended piece by piece: GCC 12 at -O3 takes
/// `"." + string` for an overlapping copy and fails the build with -Werror=restrict.
std::string TemporaryNameFor(std::filesystem::path const& target) {
    std::string name = ".";
    name += target.filename().string();
    name += ".XXXXXX";
    return (target.parent_path() / name).string();
}

/// Owns an open descriptor and the temporary file's name until the rename succeeds.
class TemporaryFile {
public:
    explicit TemporaryFile(std::filesystem::path const& target)
        : m_name(TemporaryNameFor(target)) {
        m_fd = ::mkstemp(m_name.data());
        if (m_fd < 0)
            ThrowFileError(target, "cannot create a temporary file beside it", errno);
    }
    TemporaryFile(TemporaryFile const&) = delete;
    TemporaryFile& operator=(TemporaryFile const&) = delete;
    ~TemporaryFile() {
        Close();
        if (!m_renamed)
            ::unlink(m_name.c_str());
    }

    void Write(std::filesystem::path const& target, std::string_view content) const {
        while (!content.empty()) {
            ssize_t const written = ::write(m_fd, content.data(), content.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                ThrowFileError(target, "cannot be written", errno);
            content.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    void Flush(std::filesystem::path const& target) const {
        if (::fsync(m_fd) != 0)
            ThrowFileError(target, "cannot be flushed to disk", errno);
    }

    void RenameOver(std::filesystem::path const& target) {
        // Keep the permissions of the file being replaced; mkstemp makes it private.
        std::error_code ignored;
        auto const status = std::filesystem::status(target, ignored);
        if (std::filesystem::exists(status))
            ::fchmod(m_fd, static_cast<mode_t>(status.permissions()));
        else
            ::fchmod(m_fd, 0644);
        Close();
        if (std::rename(m_name.c_str(), target.c_str()) != 0)
            ThrowFileError(target, "cannot be replaced", errno);
        m_renamed = true;
    }

private:
    void Close() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    std::string m_name;
    int m_fd = -1;
    bool m_renamed = false;
};

} // namespace

void ReplaceFileAtomically(std::filesystem::path const& path, std::string_view content,
                           std::function<void(AtomicWriteStep)> const& onStep) {
    auto const step = [&](AtomicWriteStep which) {
        if (onStep)
            onStep(which);
    };
    TemporaryFile temporary(path);
    step(AtomicWriteStep::TemporaryCreated);
    temporary.Write(path, content);
    step(AtomicWriteStep::TemporaryWritten);
    temporary.Flush(path);
    step(AtomicWriteStep::TemporaryFlushed);
    step(AtomicWriteStep::BeforeRename);
    temporary.RenameOver(path);
}

std::string ReadWholeFile(std::filesystem::path const& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        ThrowFileError(path, "does not exist", 0);
    if (std::filesystem::is_directory(path, error))
        ThrowFileError(path, "is a folder, not a file", 0);
    std::ifstream file(path, std::ios::binary);
    if (!file)
        ThrowFileError(path, "cannot be opened", errno);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad())
        ThrowFileError(path, "cannot be read", errno);
    return std::move(bytes).str();
}

} // namespace shr
