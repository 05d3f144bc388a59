#include "shr/AtomicFile.h"

#include "shr/Exception.h"

#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>

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
            if (step == failAt)
                throw std::runtime_error("power cut");
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
