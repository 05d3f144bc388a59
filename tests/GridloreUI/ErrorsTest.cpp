#include "ErrorMacros.h"

#include "shr/Exception.h"
#include "shr/ThrowInternalError.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

/// The exception `raise` throws; a test failure when it returns.
shr::Exception Caught(std::function<void()> const& raise) {
    try {
        raise();
    } catch (shr::Exception const& error) {
        return error;
    }
    ADD_FAILURE() << "returned";
    return shr::Exception(L"", L"", 0, L"", true);
}

} // namespace

// How what() spells the fields is the exception's own business, tested with it.
TEST(Errors, errors_name_the_library_unless_another_module_is_given_and_keep_the_place) {
    shr::Exception const unnamed =
        Caught([] { gridui::ThrowErrorImpl(nullptr, L"alpha", 12, L"Bad value"); });
    EXPECT_EQ(unnamed.module, L"GridloreUI");
    EXPECT_EQ(unnamed.file, L"alpha");
    EXPECT_EQ(unnamed.line, 12);
    EXPECT_EQ(unnamed.message, L"Bad value");
    EXPECT_FALSE(unnamed.flag);
    EXPECT_EQ(Caught([] { gridui::ThrowErrorImpl(L"Other", L"beta", 7, L"x"); }).module, L"Other");
    EXPECT_THROW(gridui::ThrowErrorImpl(L"Other", L"beta", 7, L"x"), std::runtime_error);

    shr::Exception const internal =
        Caught([] { gridui::ThrowInternalError(L"CRSDlgImpl.cpp", -1); });
    EXPECT_EQ(internal.module, L"GridloreUI");
    EXPECT_EQ(internal.file, L"CRSDlgImpl.cpp");
    EXPECT_EQ(internal.line, -1);
    EXPECT_EQ(internal.message, shr::InternalErrorText());
    EXPECT_FALSE(internal.message.empty());
}

TEST(Errors, the_internal_error_macro_reports_the_source_file_relative_to_the_tree) {
    shr::Exception const error = Caught([] { GRIDUI_INTERNAL_ERROR(); });
    EXPECT_EQ(error.file, L"tests/GridloreUI/ErrorsTest.cpp");
    EXPECT_GT(error.line, 0);
}
