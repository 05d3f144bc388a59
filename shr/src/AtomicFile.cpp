#include "shr/AtomicFile.h"

#include "shr/AtomicFileCalls.h"

#include "shr/Exception.h"
#include "shr/FileProblem.h"
#include "shr/Utf8.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace shr {
namespace {

[[noreturn]] void ThrowFileError(std::filesystem::path const& path, std::wstring const& what) {
    throw Exception(L"Shared", L"AtomicFile", 0, L"'" + FromUtf8(path.string()) + L"' " + what,
                    false);
}

/// Every step of a save fails the same way for the user: the file is not saved, for a
/// reason told in words.
[[noreturn]] void ThrowSaveError(std::filesystem::path const& path, int error) {
    ThrowFileError(path, L"cannot be saved: " + DescribeFileError(error));
}

[[noreturn]] void ThrowOpenError(std::filesystem::path const& path, int error) {
    std::error_code ignored;
    auto const type = std::filesystem::status(path, ignored).type();
    if (error == ENOENT) {
        ThrowFileError(path, std::filesystem::is_symlink(path, ignored)
                                 ? L"is a link to a file that does not exist"
                                 : L"does not exist");
    }
    // A socket cannot be opened at all; it is named for what it is.
    if (std::wstring const notAFile = DescribeNotAFile(type); !notAFile.empty()) {
        ThrowFileError(path, notAFile);
    }
    ThrowFileError(path, L"cannot be read: " + DescribeFileError(error));
}

std::filesystem::file_type TypeOfMode(mode_t mode) {
    using std::filesystem::file_type;
    if (S_ISREG(mode)) {
        return file_type::regular;
    }
    if (S_ISDIR(mode)) {
        return file_type::directory;
    }
    if (S_ISFIFO(mode)) {
        return file_type::fifo;
    }
    if (S_ISCHR(mode)) {
        return file_type::character;
    }
    if (S_ISBLK(mode)) {
        return file_type::block;
    }
    return S_ISSOCK(mode) ? file_type::socket : file_type::unknown;
}

/// Closes a descriptor on every way out of a read.
class ReadDescriptor {
public:
    explicit ReadDescriptor(int fd)
        : m_fd(fd) {}
    ReadDescriptor(ReadDescriptor const&) = delete;
    ReadDescriptor& operator=(ReadDescriptor const&) = delete;
    ~ReadDescriptor() { ::close(m_fd); }
    int Get() const { return m_fd; }

private:
    int m_fd;
};

AtomicFileCalls& InstalledCalls() {
    static AtomicFileCalls calls = {::write, ::fchmod, ::fsync, ::close};
    return calls;
}

constexpr std::string_view TemporarySuffix = ".XXXXXX";

/// ".NAME.XXXXXX" beside `target`. Appended piece by piece: GCC 12 at -O3 takes
/// `"." + string` for an overlapping copy and fails the build with -Werror=restrict.
std::string TemporaryNameFor(std::filesystem::path const& target) {
    std::string name = ".";
    name += target.filename().string();
    name += TemporarySuffix;
    return (target.parent_path() / name).string();
}

/// Whether `name` is one of our temporary names for `target`: its pattern with six
/// letters or digits in place of the X's.
bool IsTemporaryNameOf(std::string const& name, std::filesystem::path const& target) {
    std::string const pattern = std::filesystem::path(TemporaryNameFor(target)).filename();
    if (name.size() != pattern.size() ||
        name.compare(0, pattern.size() - TemporarySuffix.size(), pattern, 0,
                     pattern.size() - TemporarySuffix.size()) != 0) {
        return false;
    }
    return std::all_of(name.end() - 6, name.end(),
                       [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)) != 0; });
}

/// A save killed between writing and renaming leaves its temporary file behind; the
/// next save of the same file removes it. One younger than a minute may belong to a
/// save running in another process, so it is left alone.
void RemoveStaleTemporaries(std::filesystem::path const& target) {
    std::error_code error;
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    auto const now = std::filesystem::file_time_type::clock::now();
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::string const name = entry->path().filename().string();
        std::error_code ignored;
        if (IsTemporaryNameOf(name, target) && entry->is_regular_file(ignored) &&
            now - entry->last_write_time(ignored) > std::chrono::minutes(1)) {
            std::filesystem::remove(entry->path(), ignored);
        }
    }
}

/// Where a save of `path` must write: the file a symbolic link leads to, so that the
/// link stays a link.
std::filesystem::path ResolvedTarget(std::filesystem::path const& path) {
    std::filesystem::path target = path;
    std::error_code error;
    // A loop of links is left to the rename to report.
    for (int hop = 0; hop < 40 && std::filesystem::is_symlink(target, error); ++hop) {
        std::filesystem::path const next = std::filesystem::read_symlink(target, error);
        if (error) {
            break;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

/// Owns an open descriptor and the temporary file's name until the rename succeeds.
class TemporaryFile {
public:
    explicit TemporaryFile(std::filesystem::path const& target)
        : m_name(TemporaryNameFor(target)) {
        m_fd = ::mkstemp(m_name.data());
        if (m_fd < 0) {
            ThrowSaveError(target, errno);
        }
    }
    TemporaryFile(TemporaryFile const&) = delete;
    TemporaryFile& operator=(TemporaryFile const&) = delete;
    ~TemporaryFile() {
        Close();
        if (!m_renamed) {
            ::unlink(m_name.c_str());
        }
    }

    void Write(std::filesystem::path const& target, std::string_view content) const {
        while (!content.empty()) {
            errno = 0;
            ssize_t const written =
                CurrentAtomicFileCalls().write(m_fd, content.data(), content.size());
            if (written < 0 && errno == EINTR) {
                continue;
            }
            // A write that takes nothing would loop forever; the disk is as good as full.
            if (written <= 0) {
                ThrowSaveError(target, errno != 0 ? errno : ENOSPC);
            }
            content.remove_prefix(static_cast<std::size_t>(written));
        }
    }

    void Flush(std::filesystem::path const& target) const {
        if (CurrentAtomicFileCalls().fsync(m_fd) != 0) {
            ThrowSaveError(target, errno);
        }
    }

    void RenameOver(std::filesystem::path const& target) {
        // Keep the permissions of the file being replaced; mkstemp makes it private, and
        // a file that silently became private would lock out whoever shared it.
        std::error_code ignored;
        auto const status = std::filesystem::status(target, ignored);
        mode_t const mode = std::filesystem::exists(status)
                                ? static_cast<mode_t>(status.permissions())
                                : mode_t{0644};
        if (CurrentAtomicFileCalls().fchmod(m_fd, mode) != 0) {
            ThrowSaveError(target, errno);
        }
        // Some file systems report a failed write only when the file is closed.
        int const fd = std::exchange(m_fd, -1);
        if (CurrentAtomicFileCalls().close(fd) != 0) {
            ThrowSaveError(target, errno);
        }
        if (std::rename(m_name.c_str(), target.c_str()) != 0) {
            ThrowSaveError(target, errno);
        }
        m_renamed = true;
    }

private:
    void Close() {
        if (m_fd >= 0) {
            CurrentAtomicFileCalls().close(m_fd);
        }
        m_fd = -1;
    }

    std::string m_name;
    int m_fd = -1;
    bool m_renamed = false;
};

} // namespace

AtomicFileCalls const& CurrentAtomicFileCalls() {
    return InstalledCalls();
}

ScopedAtomicFileCalls::ScopedAtomicFileCalls(AtomicFileCalls const& calls)
    : m_previous(InstalledCalls()) {
    InstalledCalls() = calls;
}

ScopedAtomicFileCalls::~ScopedAtomicFileCalls() {
    InstalledCalls() = m_previous;
}

void ReplaceFileAtomically(std::filesystem::path const& path, std::string_view content,
                           std::function<void(AtomicWriteStep)> const& onStep) {
    auto const step = [&](AtomicWriteStep which) {
        if (onStep) {
            onStep(which);
        }
    };
    std::filesystem::path const target = ResolvedTarget(path);
    RemoveStaleTemporaries(target);
    TemporaryFile temporary(target);
    step(AtomicWriteStep::TemporaryCreated);
    temporary.Write(target, content);
    step(AtomicWriteStep::TemporaryWritten);
    temporary.Flush(target);
    step(AtomicWriteStep::TemporaryFlushed);
    step(AtomicWriteStep::BeforeRename);
    temporary.RenameOver(target);
}

std::string ReadWholeFile(std::filesystem::path const& path) {
    return ReadFileStart(path, std::string::npos);
}

std::string ReadFileStart(std::filesystem::path const& path, std::size_t limit) {
    // Opened without waiting, so that a named pipe or a device is refused rather than
    // blocking the program until something writes to it.
    int const fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        ThrowOpenError(path, errno);
    }
    ReadDescriptor const file(fd);
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0) {
        ThrowFileError(path, L"cannot be read: " + DescribeFileError(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        ThrowFileError(path, DescribeNotAFile(TypeOfMode(status.st_mode)));
    }
    std::string bytes;
    if (status.st_size > 0) {
        bytes.reserve(std::min(static_cast<std::size_t>(status.st_size), limit));
    }
    std::array<char, 65536> buffer{};
    while (bytes.size() < limit) {
        ssize_t const got =
            ::read(file.Get(), buffer.data(), std::min(buffer.size(), limit - bytes.size()));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            ThrowFileError(path, L"cannot be read: " + DescribeFileError(errno));
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer.data(), static_cast<std::size_t>(got));
    }
    return bytes;
}

} // namespace shr
