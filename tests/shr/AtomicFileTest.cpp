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
#include <unistd.h>

namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(m_dir),
                                                      std::filesystem::directory_iterator()));
    }

    ScratchDirectory m_scratch;
    std::filesystem::path const m_dir = m_scratch.Path();
};

} // namespace

TEST_F(AtomicFileTest, a_save_interrupted_at_any_step_leaves_the_old_file_whole) {
    std::filesystem::path const path = m_dir / "favorites.qrf2";
    shr::ReplaceFileAtomically(path, "old content");
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
        EXPECT_EQ(shr::ReadWholeFile(path), "old content") << static_cast<int>(failAt);
        EXPECT_EQ(FilesInFolder(), 1U) << "temporary file left behind";
    }
    shr::ReplaceFileAtomically(path, "new content");
    EXPECT_EQ(shr::ReadWholeFile(path), "new content");
    EXPECT_EQ(FilesInFolder(), 1U);
}

TEST_F(AtomicFileTest, replacing_keeps_the_permissions_of_the_old_file) {
    std::filesystem::path const path = m_dir / "shared.qrf2";
    shr::ReplaceFileAtomically(path, "a");
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms(0644) & std::filesystem::perms::mask);
    std::filesystem::permissions(path, std::filesystem::perms(0664));
    shr::ReplaceFileAtomically(path, "b");
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0664));
}

TEST_F(AtomicFileTest, failures_name_the_file_and_the_reason) {
    std::filesystem::path const missingFolder = m_dir / "no-such-folder" / "f.qrf2";
    try {
        shr::ReplaceFileAtomically(missingFolder, "x");
        FAIL() << "wrote into a missing folder";
    } catch (shr::Exception const& error) {
        EXPECT_NE(error.message.find(L"no-such-folder/f.qrf2"), std::wstring::npos);
        EXPECT_NE(error.message.find(L"No such file or directory"), std::wstring::npos);
    }
    try {
        (void)shr::ReadWholeFile(m_dir / "absent.prj");
        FAIL() << "read a missing file";
    } catch (shr::Exception const& error) {
        EXPECT_NE(error.message.find(L"absent.prj' does not exist"), std::wstring::npos);
    }
    EXPECT_THROW((void)shr::ReadWholeFile(m_dir), shr::Exception);
    EXPECT_EQ(shr::ReadWholeFile((shr::ReplaceFileAtomically(m_dir / "e", ""), m_dir / "e")), "");
}

namespace {

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
    if (call == "fsync") {
        calls.fsync = [](int) { return errno = EIO, -1; };
    }
    return calls;
}

} // namespace

TEST_F(AtomicFileTest, a_failing_system_call_fails_the_save_and_keeps_the_old_file_and_mode) {
    std::filesystem::path const path = m_dir / "favorites.qrf2";
    shr::ReplaceFileAtomically(path, "old content");
    std::filesystem::permissions(path, std::filesystem::perms(0664));
    for (char const* call : {"fchmod", "close", "short write", "write", "fsync"}) {
        shr::AtomicFileCalls const failing = WithFailing(call);
        failing.write(-1, nullptr, 0); // fills the disk of the short-write stand-in anew
        {
            shr::ScopedAtomicFileCalls const installed(failing);
            try {
                shr::ReplaceFileAtomically(path, std::string(100000, 'n'));
                ADD_FAILURE() << "a failing " << call << " went unnoticed";
            } catch (shr::Exception const& error) {
                EXPECT_NE(error.message.find(path.filename().wstring()), std::wstring::npos)
                    << call;
            }
        }
        EXPECT_EQ(shr::ReadWholeFile(path), "old content") << call;
        EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0664))
            << call;
        EXPECT_EQ(FilesInFolder(), 1U) << call << ": temporary file left behind";
    }
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
