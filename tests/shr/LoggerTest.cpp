#include "shr/Logger.h"

#include "shr/Exception.h"

#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

class LoggerTest : public ::testing::Test {
protected:
    void TearDown() override {
        shr::ProcessLogger.SetSink({});
        shr::ProcessLogger.SetFilePath({});
    }

    static std::string ReadAll(std::filesystem::path const& path) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    ScratchDirectory m_scratch;
    std::filesystem::path const m_dir = m_scratch.Path();
};

} // namespace

TEST_F(LoggerTest, default_file_lives_under_the_users_state_directory) {
    std::string const saved =
        std::getenv("XDG_STATE_HOME") != nullptr ? std::getenv("XDG_STATE_HOME") : "";
    ::setenv("XDG_STATE_HOME", m_dir.c_str(), 1);
    EXPECT_EQ(shr::Logger::DefaultFilePath(), m_dir / "GridloreUI" / "gridlore.log");
    ::setenv("XDG_STATE_HOME", "", 1);
    std::filesystem::path const home = std::getenv("HOME");
    EXPECT_EQ(shr::Logger::DefaultFilePath(),
              home / ".local" / "state" / "GridloreUI" / "gridlore.log");
    if (saved.empty()) {
        ::unsetenv("XDG_STATE_HOME");
    } else {
        ::setenv("XDG_STATE_HOME", saved.c_str(), 1);
    }
}

TEST_F(LoggerTest, lines_are_appended_to_the_file_as_utf8_creating_its_folder) {
    std::filesystem::path const path = m_dir / "nested" / "host.log";
    shr::ProcessLogger.SetFilePath(path);
    EXPECT_EQ(shr::ProcessLogger.FilePath(), path);
    shr::ProcessLogger.Send(8, L"Failed factory KOR lookup: %ls\n\tReason: %ls", L"EPSG:99999",
                            L"caf\u00e9");
    shr::ProcessLogger.Send(1, L"second");
    std::string const text = ReadAll(path);
    EXPECT_NE(text.find("[8] Failed factory KOR lookup: EPSG:99999\n\tReason: caf\xC3\xA9\n"),
              std::string::npos);
    EXPECT_NE(text.find("[1] second\n"), std::string::npos);
    EXPECT_LT(text.find("EPSG:99999"), text.find("second"));
}

TEST_F(LoggerTest, a_log_file_that_cannot_be_written_is_an_error_for_the_caller) {
    std::filesystem::create_directories(m_dir / "taken");
    shr::ProcessLogger.SetFilePath(m_dir / "taken"); // a folder, not a file
    EXPECT_ANY_THROW(shr::ProcessLogger.Send(1, L"lost"));
    // A named pipe with no reader would once hold the program at its first line.
    ASSERT_EQ(::mkfifo((m_dir / "pipe.log").c_str(), 0600), 0);
    shr::ProcessLogger.SetFilePath(m_dir / "pipe.log");
    EXPECT_ANY_THROW(shr::ProcessLogger.Send(1, L"lost"));
}

TEST_F(LoggerTest, a_sink_receives_the_formatted_line_instead_of_the_file) {
    std::vector<std::pair<int, std::wstring>> lines;
    shr::ProcessLogger.SetFilePath(m_dir / "unused.log");
    shr::ProcessLogger.SetSink(
        [&](int level, std::wstring const& text) { lines.emplace_back(level, text); });
    shr::ProcessLogger.Send(4, L"%d systems", 6000);
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0], std::make_pair(4, std::wstring(L"6000 systems")));
    EXPECT_FALSE(std::filesystem::exists(m_dir / "unused.log"));
}

TEST_F(LoggerTest, LogExceptionInfo_records_the_handled_exception_and_never_throws) {
    std::vector<std::wstring> lines;
    shr::ProcessLogger.SetSink([&](int, std::wstring const& text) { lines.push_back(text); });
    try {
        throw shr::Exception(L"GridloreUI", L"a.cpp", 5, L"broken", false);
    } catch (...) {
        shr::LogExceptionInfo(L"Shared", L"h.h", 27);
    }
    try {
        throw 42;
    } catch (...) {
        shr::LogExceptionInfo(nullptr, nullptr, 1);
    }
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0], L"Exception caught in Shared::h.h(27): GridloreUI::a.cpp(5): broken");
    EXPECT_EQ(lines[1], L"Exception caught in ::(1): an exception of unknown type");

    shr::ProcessLogger.SetSink([](int, std::wstring const&) { throw std::runtime_error("disk"); });
    try {
        throw std::runtime_error("x");
    } catch (...) {
        EXPECT_NO_THROW(shr::LogExceptionInfo(L"Shared", L"h.h", 27));
    }
}
