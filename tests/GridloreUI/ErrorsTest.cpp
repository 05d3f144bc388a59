#include "gridui/Errors.h"

#include "shr/Exception.h"
#include "shr/ThrowInternalError.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(Errors, ModuleName_is_a_constant_in_static_storage) {
    EXPECT_STREQ(gridui::ModuleName(), L"GridloreUI");
    EXPECT_EQ(gridui::ModuleName(), gridui::ModuleName());
}

TEST(Errors, ThrowErrorImpl_with_a_null_module_uses_the_library_name) {
    try {
        gridui::ThrowErrorImpl(nullptr, L"alpha", 12, L"Bad value");
        FAIL() << "returned";
    } catch (shr::Exception const& error) {
        EXPECT_EQ(error.module, L"GridloreUI");
        EXPECT_EQ(error.file, L"alpha");
        EXPECT_EQ(error.line, 12);
        EXPECT_EQ(error.message, L"Bad value");
        EXPECT_FALSE(error.flag);
        EXPECT_STREQ(error.what(), "GridloreUI::alpha(12): Bad value");
    }
}

TEST(Errors, ThrowErrorImpl_keeps_a_named_module_and_is_a_standard_exception) {
    EXPECT_THROW(gridui::ThrowErrorImpl(L"Other", L"beta", 7, L"x"), std::runtime_error);
    try {
        gridui::ThrowErrorImpl(L"Other", L"beta", 7, L"x");
    } catch (std::exception const& error) {
        EXPECT_STREQ(error.what(), "Other::beta(7): x");
    }
    try {
        gridui::ThrowErrorImpl(nullptr, L"f", -3, L"\u4e2d");
    } catch (std::runtime_error const& error) {
        EXPECT_STREQ(error.what(), "GridloreUI::f(-3): \xFF");
    }
}

TEST(Errors, ThrowInternalError_never_returns_and_names_the_library_and_place) {
    for (int const line : {0, -1, 1, 2147483647}) {
        try {
            gridui::ThrowInternalError(L"CRSDlgImpl.cpp", line);
            FAIL() << "returned for line " << line;
        } catch (shr::Exception const& error) {
            EXPECT_EQ(error.module, L"GridloreUI");
            EXPECT_EQ(error.file, L"CRSDlgImpl.cpp");
            EXPECT_EQ(error.line, line);
            EXPECT_EQ(error.message, shr::InternalErrorText());
        }
    }
}

TEST(Errors, the_internal_error_macro_reports_the_source_file_relative_to_the_tree) {
    try {
        GRIDUI_INTERNAL_ERROR();
    } catch (shr::Exception const& error) {
        EXPECT_EQ(error.file, L"tests/GridloreUI/ErrorsTest.cpp");
        EXPECT_GT(error.line, 0);
    }
}
