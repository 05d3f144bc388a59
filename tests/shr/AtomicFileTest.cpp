#include "shr/AtomicFile.h"

#include "shr/AtomicFileCalls.h"
#include "shr/Exception.h"

#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

/// What the file call `action` says when it fails, or "done" when it does not.
template <typename Action> std::wstring Problem(Action action) {
    try {
        action();
        return L"done";
    } catch (shr::Exception const& error) {
        return error.message;
    }
}

class AtomicFileTest : public ::testing::Test {
protected:
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(m_dir),
                                                      std::filesystem::directory_iterator()));
    }

    ScratchDirectory m_scratch;
    std::filesystem::path const m_dir = m_scratch.Path();
};

/// The system's calls with one of them failing as a full or broken disk makes it fail.
shr::AtomicFileCalls WithFailing(char const* which) {
    shr::AtomicFileCalls calls = shr::CurrentAtomicFileCalls();
    std::string const call = which;
    if (call == "fchmod") {
        calls.fchmod = [](int, mode_t) { return errno = EPERM, -1; };
    }
    if (call == "close") {
        calls.close = [](int fd) { return ::close(fd), errno = EIO, -1; };
    }
    if (call == "short write") {
        // The disk fills after the first few bytes: writes take less, then nothing.
        calls.write = [](int fd, void const* data, std::size_t size) -> ssize_t {
            static std::size_t room = 0;
            if (data == nullptr) {
                return static_cast<ssize_t>(room = 10);
            }
            std::size_t const taken = std::min(size, room);
            room -= taken;
            return taken == 0 ? 0 : ::write(fd, data, taken);
        };
    }
    if (call == "write") {
        calls.write = [](int, void const*, std::size_t) -> ssize_t { return errno = ENOSPC, -1; };
    }
    if (call == "read-only write") {
        calls.write = [](int, void const*, std::size_t) -> ssize_t { return errno = EROFS, -1; };
    }
    if (call == "fsync") {
        calls.fsync = [](int) { return errno = EIO, -1; };
    }
    return calls;
}

std::wstring ReadProblem(std::filesystem::path const& path) {
    return Problem([&] { (void)shr::ReadWholeFile(path); });
}

} // namespace

TEST_F(AtomicFileTest, a_save_interrupted_or_failing_at_any_step_keeps_the_old_file_and_mode) {
    std::filesystem::path const path = m_dir / "favorites.qrf2";
    shr::ReplaceFileAtomically(path, "old content");
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms(0644) & std::filesystem::perms::mask);
    std::filesystem::permissions(path, std::filesystem::perms(0664));
    auto const expectOldKept = [&](std::string const& how) {
        EXPECT_EQ(shr::ReadWholeFile(path), "old content") << how;
        EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0664)) << how;
        EXPECT_EQ(FilesInFolder(), 1U) << how << ": temporary file left behind";
    };
    for (auto const failAt :
         {shr::AtomicWriteStep::TemporaryCreated, shr::AtomicWriteStep::TemporaryWritten,
          shr::AtomicWriteStep::TemporaryFlushed, shr::AtomicWriteStep::BeforeRename}) {
        auto const interrupt = [failAt](shr::AtomicWriteStep step) {
            if (step == failAt) {
                throw std::runtime_error("power cut");
            }
        };
        EXPECT_THROW(shr::ReplaceFileAtomically(path, std::string(100000, 'n'), interrupt),
                     std::runtime_error);
        expectOldKept("interrupted at step " + std::to_string(static_cast<int>(failAt)));
    }
    std::vector<std::pair<char const*, std::wstring>> const failures = {
        {"fchmod", L"you do not have permission"},     {"close", L"the disk reported an error"},
        {"short write", L"the disk is full"},          {"write", L"the disk is full"},
        {"read-only write", L"the disk is read-only"}, {"fsync", L"the disk reported an error"}};
    for (auto const& [call, reason] : failures) {
        shr::AtomicFileCalls const failing = WithFailing(call);
        failing.write(-1, nullptr, 0); // fills the disk of the short-write stand-in anew
        {
            shr::ScopedAtomicFileCalls const installed(failing);
            EXPECT_EQ(Problem([&] { shr::ReplaceFileAtomically(path, std::string(100000, 'n')); }),
                      L"'" + path.wstring() + L"' cannot be saved: " + reason)
                << call;
        }
        expectOldKept(call);
    }
    shr::ReplaceFileAtomically(path, "new content");
    EXPECT_EQ(shr::ReadWholeFile(path), "new content");
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0664));
    EXPECT_EQ(FilesInFolder(), 1U);
}

TEST_F(AtomicFileTest, a_save_removes_temporaries_a_killed_save_left_but_not_a_running_one) {
    std::filesystem::path const path = m_dir / "favorites.qrf2";
    shr::ReplaceFileAtomically(path, "old");
    auto const leave = [this](std::string const& name, std::chrono::minutes age) {
        std::ofstream(m_dir / name) << "half a save";
        std::filesystem::last_write_time(m_dir / name,
                                         std::filesystem::file_time_type::clock::now() - age);
    };
    leave(".favorites.qrf2.a1B2c3", std::chrono::minutes(90)); // killed long ago
    leave(".favorites.qrf2.Zz9Yy8", std::chrono::minutes(0));  // another process saving now
    leave(".favorites.qrf2.bak", std::chrono::minutes(90));    // the user's, not our pattern
    leave(".other.qrf2.a1B2c3", std::chrono::minutes(90));     // another file's
    shr::ReplaceFileAtomically(path, "new");
    EXPECT_FALSE(std::filesystem::exists(m_dir / ".favorites.qrf2.a1B2c3"));
    EXPECT_TRUE(std::filesystem::exists(m_dir / ".favorites.qrf2.Zz9Yy8"));
    EXPECT_TRUE(std::filesystem::exists(m_dir / ".favorites.qrf2.bak"));
    EXPECT_TRUE(std::filesystem::exists(m_dir / ".other.qrf2.a1B2c3"));
    EXPECT_EQ(shr::ReadWholeFile(path), "new");
}

TEST_F(AtomicFileTest, saving_through_a_symbolic_link_replaces_the_file_it_leads_to) {
    std::filesystem::create_directory(m_dir / "real");
    std::filesystem::path const target = m_dir / "real" / "site.prj";
    shr::ReplaceFileAtomically(target, "old");
    std::filesystem::create_symlink("real/site.prj", m_dir / "link.prj");
    std::filesystem::create_symlink("link.prj", m_dir / "link-to-link.prj");
    shr::ReplaceFileAtomically(m_dir / "link-to-link.prj", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(m_dir / "link.prj"));
    EXPECT_TRUE(std::filesystem::is_symlink(m_dir / "link-to-link.prj"));
    EXPECT_EQ(shr::ReadWholeFile(target), "new");
    // A link to a file not made yet makes the file, where the link says.
    std::filesystem::create_symlink("real/later.prj", m_dir / "later.prj");
    shr::ReplaceFileAtomically(m_dir / "later.prj", "first");
    EXPECT_TRUE(std::filesystem::is_symlink(m_dir / "later.prj"));
    EXPECT_EQ(shr::ReadWholeFile(m_dir / "real" / "later.prj"), "first");
}

// A named pipe would once hold the program until something wrote to it.
TEST_F(AtomicFileTest, what_is_no_regular_file_or_has_no_folder_is_refused_at_once_in_words) {
    ASSERT_EQ(::mkfifo((m_dir / "pipe.csv").c_str(), 0600), 0);
    std::filesystem::create_directory(m_dir / "folder.csv");
    std::filesystem::create_symlink("loop-b.prj", m_dir / "loop-a.prj");
    std::filesystem::create_symlink("loop-a.prj", m_dir / "loop-b.prj");
    std::filesystem::create_symlink("gone.prj", m_dir / "dangling.prj");
    int const listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::string const socketPath = (m_dir / "socket.ini").string();
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listening, reinterpret_cast<sockaddr const*>(&address), sizeof address), 0);

    std::wstring const dir = m_dir.wstring() + L"/";
    EXPECT_EQ(ReadProblem(m_dir / "pipe.csv"),
              L"'" + dir + L"pipe.csv' is a named pipe, not a file");
    EXPECT_EQ(ReadProblem(m_dir / "folder.csv"),
              L"'" + dir + L"folder.csv' is a folder, not a file");
    EXPECT_EQ(ReadProblem("/dev/null"), L"'/dev/null' is a device, not a file");
    EXPECT_EQ(ReadProblem(m_dir / "socket.ini"),
              L"'" + dir + L"socket.ini' is a socket, not a file");
    EXPECT_EQ(ReadProblem(m_dir / "loop-a.prj"),
              L"'" + dir + L"loop-a.prj' cannot be read: its symbolic links lead round in a loop");
    EXPECT_EQ(ReadProblem(m_dir / "dangling.prj"),
              L"'" + dir + L"dangling.prj' is a link to a file that does not exist");
    EXPECT_EQ(ReadProblem(m_dir / "gone.prj"), L"'" + dir + L"gone.prj' does not exist");
    EXPECT_EQ(Problem([&] { shr::ReplaceFileAtomically(m_dir / "no-such-folder" / "f.qrf2", ""); }),
              L"'" + dir + L"no-such-folder/f.qrf2' cannot be saved: its folder does not exist");
    ::close(listening);

    shr::ReplaceFileAtomically(m_dir / "private.prj", "secret");
    std::filesystem::permissions(m_dir / "private.prj", std::filesystem::perms::none);
    if (::geteuid() != 0) { // permissions do not stop the superuser
        EXPECT_EQ(ReadProblem(m_dir / "private.prj"),
                  L"'" + dir + L"private.prj' cannot be read: you do not have permission");
    }
    std::filesystem::permissions(m_dir / "private.prj", std::filesystem::perms::owner_read);
    EXPECT_EQ(shr::ReadFileStart(m_dir / "private.prj", 3), "sec");
    shr::ReplaceFileAtomically(m_dir / "empty.prj", "");
    EXPECT_EQ(shr::ReadWholeFile(m_dir / "empty.prj"), "");
}
