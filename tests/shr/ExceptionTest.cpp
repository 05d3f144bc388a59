#include "shr/Exception.h"
#include "shr/ThrowInternalError.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(Exception, what_joins_module_file_line_and_message) {
    shr::Exception const error(L"Other", L"beta", 7, L"x", true);
    EXPECT_STREQ(error.what(), "Other::beta(7): x");
    EXPECT_EQ(error.module, L"Other");
    EXPECT_EQ(error.file, L"beta");
    EXPECT_EQ(error.line, 7);
    EXPECT_EQ(error.message, L"x");
    EXPECT_TRUE(error.flag);
}

TEST(Exception, lines_are_written_as_the_stream_writes_integers) {
    EXPECT_STREQ(shr::Exception(L"m", L"f", 0, L"z", false).what(), "m::f(0): z");
    EXPECT_STREQ(shr::Exception(L"m", L"f", -42, L"z", false).what(), "m::f(-42): z");
    EXPECT_STREQ(shr::Exception(L"", L"", 1, L"", false).what(), "::(1): ");
}

TEST(Exception, characters_without_a_narrow_form_become_0xFF_in_what_only) {
    // "é" has no single-byte form in the C locale the tests run in, nor "€" anywhere.
    shr::Exception const error(L"m", L"f", 1, L"caf\u00e9 \u20ac!", false);
    EXPECT_EQ(error.message, L"caf\u00e9 \u20ac!");
    EXPECT_EQ(std::string(error.what()), std::string("m::f(1): caf\xFF \xFF!"));
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

TEST(Exception, copies_keep_the_text_and_every_field) {
    shr::Exception const original(L"m", L"f", 3, L"msg", false);
    shr::Exception const copy = original; // NOLINT(performance-unnecessary-copy-initialization)
    EXPECT_STREQ(copy.what(), original.what());
    EXPECT_EQ(copy.module, original.module);
    EXPECT_EQ(copy.line, original.line);
    EXPECT_EQ(copy.message, original.message);
}

TEST(ThrowInternalError, throws_with_the_location_and_a_fixed_text) {
    try {
        shr::ThrowInternalError(L"Mod", L"file.cpp", 99);
        FAIL() << "returned";
    } catch (shr::Exception const& error) {
        EXPECT_EQ(error.module, L"Mod");
        EXPECT_EQ(error.file, L"file.cpp");
        EXPECT_EQ(error.line, 99);
        EXPECT_EQ(error.message, shr::InternalErrorText());
        EXPECT_FALSE(error.message.empty());
    }
}
