// CountingSink: the host's sink for benchmarks, which only counts what it is told.
#pragma once

#include "shr/IError.h"

#include <string>

namespace benchsupport {

/// Nothing measured reports to the host; a report would mean a broken run.
class CountingSink final : public shr::IError {
public:
    void ShowMessage(std::wstring const&, std::wstring const&) override { ++reports; }
    bool AskQuestion(std::wstring const&, std::wstring const&) override {
        ++reports;
        return false;
    }
    void ReportError(std::wstring const&, std::wstring const&, std::wstring const&,
                     std::wstring const&, int) override {
        ++reports;
    }
    void ShowError(std::wstring const&, std::wstring const&) override { ++reports; }

    int reports = 0;
};

} // namespace benchsupport
