// RecordingErrorSink: a host's error sink that keeps every report for the test to read.
#pragma once

#include "shr/IError.h"

#include <string>
#include <vector>

/// Reports land in `reports` in order; questions are answered with `answer`.
class RecordingErrorSink final : public shr::IError {
public:
    enum class Kind { Message, Question, Report, Error };
    struct Report {
        Kind kind;
        std::wstring caption;
        std::wstring message;
        std::wstring module;
    };

    void ShowMessage(std::wstring const& caption, std::wstring const& message) override {
        reports.push_back({Kind::Message, caption, message, {}});
    }
    bool AskQuestion(std::wstring const& caption, std::wstring const& message) override {
        reports.push_back({Kind::Question, caption, message, {}});
        return answer;
    }
    void ReportError(std::wstring const& caption, std::wstring const& message,
                     std::wstring const& module, std::wstring const& /*file*/,
                     int /*line*/) override {
        reports.push_back({Kind::Report, caption, message, module});
    }
    void ShowError(std::wstring const& caption, std::wstring const& message) override {
        reports.push_back({Kind::Error, caption, message, {}});
    }

    /// The messages of every report, in order.
    std::vector<std::wstring> Messages() const {
        std::vector<std::wstring> messages;
        for (Report const& report : reports) {
            messages.push_back(report.message);
        }
        return messages;
    }

    std::vector<Report> reports;
    bool answer = false;
};
