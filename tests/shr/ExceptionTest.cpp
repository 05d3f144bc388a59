#include "shr/Exception.h"

#include <gtest/gtest.h>

#include <stdexcept>

// Lines are written as the stream writes integers; a character without a single-byte form
// in the C locale the tests run in ("é", and "€" anywhere) is 0xFF in what() only.
TEST(Exception, what_joins_module_file_line_and_message_and_a_copy_keeps_it) {
    struct Case {
        wchar_t const* module;
        int line;
        wchar_t const* message;
        char const* what;
    };
    Case const cases[] = {
        {L"Other", 7, L"x", "Other::f(7): x"},
        {L"m", 0, L"z", "m::f(0): z"},
        {L"m", -42, L"", "m::f(-42): "},
        {L"", 1, L"caf\u00e9 \u20ac!", "::f(1): caf\xFF \xFF!"},
    };
    for (Case const& c : cases) {
        shr::Exception const error(c.module, L"f", c.line, c.message, true);
        shr::Exception const copy = error; // NOLINT(performance-unnecessary-copy-initialization)
        EXPECT_STREQ(copy.what(), c.what);
        EXPECT_EQ(copy.message, c.message);
        EXPECT_EQ(copy.line, c.line);
        EXPECT_EQ(copy.module, c.module);
    }
}

TEST(Exception, a_user_reads_the_message_alone_and_other_errors_as_they_say_it) {
    // The place that raised an error means nothing to a user, and its 0xFF stand-ins
    // would spoil the message.
    EXPECT_EQ(shr::UserMessage(shr::Exception(L"Shared", L"AtomicFile", 0,
                                              L"'caf\u00e9.csv' is a folder, not a file", false)),
              L"'caf\u00e9.csv' is a folder, not a file");
    EXPECT_EQ(shr::UserMessage(std::runtime_error("caf\xC3\xA9 closed")), L"caf\u00e9 closed");
    try {
        throw shr::Exception(L"m", L"f", 1, L"disk full", false);
    } catch (...) {
        EXPECT_EQ(shr::UserMessageOfCurrentException(), L"disk full");
    }
    try {
        throw 42;
    } catch (...) {
        EXPECT_EQ(shr::UserMessageOfCurrentException(), L"an unexpected failure");
    }
}
