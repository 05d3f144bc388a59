#include "Shared/ExecuteNoThrow.h"

#include "CapturedLog.h"

#include <gtest/gtest.h>

#include <stdexcept>

// That the action runs, that its failure leaves the caller's result alone and where the line
// says it was caught are the scope guards' tests; a throwing log is the logger's.
TEST(ExecuteNoThrow, what_the_action_throws_is_logged_once_with_its_own_text) {
    CapturedLog const log;
    shared::ExecuteNoThrow([] { throw std::runtime_error("redraw"); });
    ASSERT_EQ(log.lines.size(), 1U);
    EXPECT_EQ(log.lines[0].level, shr::LogError);
    EXPECT_EQ(log.lines[0].text,
              L"Exception caught in Shared::Subsystems/Shared/include/Shared/ExecuteNoThrow.h(27): "
              L"redraw");
}

TEST(ExecuteNoThrow, LogNoThrow_formats_one_line_at_its_level_and_drops_it_when_the_log_fails) {
    CapturedLog const log;
    shared::LogNoThrow(8, L"Failed factory KOR lookup: %ls\n\tReason: %ls", L"EPSG:0",
                       L"unknown code");
    ASSERT_EQ(log.lines.size(), 1U);
    EXPECT_EQ(log.lines[0].level, 8);
    EXPECT_EQ(log.lines[0].text, L"Failed factory KOR lookup: EPSG:0\n\tReason: unknown code");

    shr::ProcessLogger.SetSink([](int, std::wstring const&) { throw std::runtime_error("full"); });
    EXPECT_NO_THROW(shared::LogNoThrow(8, L"Failed factory KOR lookup: %ls", L"EPSG:1"));
}
