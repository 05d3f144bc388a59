// shr::Logger: the process-wide log, written to a file the user can find.
#pragma once

#include "shr/Export.h"

#include <cstdarg>
#include <filesystem>
#include <functional>
#include <string>

namespace shr {

/// Levels of a log line; a smaller number is more severe.
enum LogLevel : int {
    LogError = 1,
    LogWarning = 2,
    LogInfo = 4,
    /// Diagnostics of lookups and fall-backs that the user did not see fail.
    LogDiagnostic = 8,
};

/// Writes one line per call. By default the lines go to `gridlore.log` under the
/// user's state directory ($XDG_STATE_HOME/GridloreUI, else ~/.local/state/GridloreUI);
/// a host may send them to a file of its own or to a sink of its own.
class SHR_EXPORT Logger {
public:
    using Sink = std::function<void(int level, std::wstring const& text)>;

    /// Formats and writes one line. Throws when the line cannot be written or the
    /// format does not fit its arguments; callers that must not fail swallow that.
    void SendVAImpl(int level, wchar_t const* format, va_list args);
    void Send(int level, wchar_t const* format, ...);

    /// Sends lines to `sink` instead of the file; an empty sink restores the file.
    void SetSink(Sink sink);
    /// Writes lines to `path`; an empty path restores the default file.
    void SetFilePath(std::filesystem::path path);
    std::filesystem::path FilePath() const;

    static std::filesystem::path DefaultFilePath();

private:
    void WriteToFile(int level, std::wstring const& text) const;

    Sink m_sink;
    std::filesystem::path m_path;
};

/// The one logger of the process.
extern SHR_EXPORT Logger ProcessLogger;

/// Records the exception being handled with the place that caught it. Call only inside
/// a catch handler; never throws.
SHR_EXPORT void LogExceptionInfo(wchar_t const* module, wchar_t const* file, int line) noexcept;

/// A one-line description of the exception being handled, for logs.
SHR_EXPORT std::wstring DescribeCurrentException();

} // namespace shr
