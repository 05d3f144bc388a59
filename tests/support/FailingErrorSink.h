// FailingErrorSink: a host's error sink that fails the test on anything it is told.
#pragma once

#include "shr/IError.h"
#include "shr/Utf8.h"

#include <gtest/gtest.h>

#include <string>

/// For tests in which nothing should reach the host: every report is a test failure
/// naming what was said.
class FailingErrorSink final : public shr::IError {
public:
    void ShowMessage(std::wstring const& caption, std::wstring const& message) override {
        Unexpected(caption, message);
    }
    bool AskQuestion(std::wstring const& caption, std::wstring const& message) override {
        Unexpected(caption, message);
        return false;
    }
    void ReportError(std::wstring const& caption, std::wstring const& message,
                     std::wstring const& /*module*/, std::wstring const& /*file*/,
                     int /*line*/) override {
        Unexpected(caption, message);
    }
    void ShowError(std::wstring const& caption, std::wstring const& message) override {
        Unexpected(caption, message);
    }

private:
    static void Unexpected(std::wstring const& caption, std::wstring const& message) {
        ADD_FAILURE() << "the host's sink was told (" << shr::ToUtf8(caption)
                      << "): " << shr::ToUtf8(message);
    }
};
