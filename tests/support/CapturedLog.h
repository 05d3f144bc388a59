// CapturedLog: the process logger's lines, kept for a test to read while the object lives.
#pragma once

#include "shr/Logger.h"

#include <string>
#include <vector>

/// Lines sent to the process logger land in `lines` instead of the log file.
class CapturedLog final {
public:
    struct Line {
        int level;
        std::wstring text;
    };

    CapturedLog() {
        shr::ProcessLogger.SetSink([this](int level, std::wstring const& text) {
            lines.push_back({level, text});
        });
    }
    ~CapturedLog() { shr::ProcessLogger.SetSink({}); }
    CapturedLog(CapturedLog const&) = delete;
    CapturedLog& operator=(CapturedLog const&) = delete;

    /// The texts logged at `level`.
    std::vector<std::wstring> At(int level) const {
        std::vector<std::wstring> texts;
        for (Line const& line : lines) {
            if (line.level == level) {
                texts.push_back(line.text);
            }
        }
        return texts;
    }

    std::vector<Line> lines;
};
