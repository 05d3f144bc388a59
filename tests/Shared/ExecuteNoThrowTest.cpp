#include "Shared/ExecuteNoThrow.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct LoggedLine {
    int level;
    std::wstring text;
};

/// Sends the logger's lines to a vector for the life of a test.
class CapturedLog : public ::testing::Test {
protected:
    void SetUp() override {
        shr::ProcessLogger.SetSink([this](int level, std::wstring const& text) {
            m_lines.push_back({level, text});
        });
    }
    void TearDown() override { shr::ProcessLogger.SetSink({}); }

    std::vector<LoggedLine> m_lines;
};

/// Turns a flag back on when it ends, however it ends, as the scope guards do.
struct RestoringGuard {
    bool& restored;
    ~RestoringGuard() {
        shared::ExecuteNoThrow([this] {
            restored = true;
            throw std::runtime_error("restore failed");
        });
    }
};

} // namespace

TEST_F(CapturedLog, ExecuteNoThrow_runs_the_action_and_logs_nothing_on_success) {
    int calls = 0;
    shared::ExecuteNoThrow([&] { ++calls; });
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(m_lines.empty());
}

TEST_F(CapturedLog, ExecuteNoThrow_logs_any_exception_once_at_its_own_location) {
    shared::ExecuteNoThrow([] { throw std::runtime_error("redraw"); });
    shared::ExecuteNoThrow([] { throw 7; });
    ASSERT_EQ(m_lines.size(), 2U);
    EXPECT_EQ(m_lines[0].text,
              L"Exception caught in Shared::Subsystems/Shared/include/Shared/ExecuteNoThrow.h(27): "
              L"redraw");
    EXPECT_NE(m_lines[1].text.find(L"(27): an exception of unknown type"), std::wstring::npos);
}

TEST_F(CapturedLog, a_throwing_clean_up_in_a_destructor_leaves_the_result_unchanged) {
    bool restored = false;
    auto const operation = [&] {
        RestoringGuard const guard{restored};
        return 42;
    };
    EXPECT_EQ(operation(), 42);
    EXPECT_TRUE(restored);
    EXPECT_EQ(m_lines.size(), 1U);
}

TEST_F(CapturedLog, a_throwing_logger_leaves_no_trace_and_does_not_interrupt) {
    shr::ProcessLogger.SetSink([](int, std::wstring const&) { throw std::runtime_error("full"); });
    int after = 0;
    EXPECT_NO_THROW(shared::ExecuteNoThrow([] { throw std::runtime_error("x"); }));
    EXPECT_NO_THROW(shared::LogNoThrow(8, L"Failed factory KOR lookup: %ls", L"EPSG:1"));
    ++after;
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(m_lines.empty());
}

TEST_F(CapturedLog, LogNoThrow_formats_one_line_at_the_given_level) {
    shared::LogNoThrow(8, L"Failed factory KOR lookup: %ls\n\tReason: %ls", L"EPSG:0",
                       L"unknown code");
    ASSERT_EQ(m_lines.size(), 1U);
    EXPECT_EQ(m_lines[0].level, 8);
    EXPECT_EQ(m_lines[0].text, L"Failed factory KOR lookup: EPSG:0\n\tReason: unknown code");
}
