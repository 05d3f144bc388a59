#include "shr/Logger.h"

#include "shr/Exception.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <cstdlib>
#include <ctime>
#include <exception>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace shr {

Logger ProcessLogger;

namespace {

std::filesystem::path StateDirectory() {
    if (char const* state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state != '\0') {
        return std::filesystem::path(state);
    }
    if (char const* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return std::filesystem::path(home) / ".local" / "state";
    }
    return std::filesystem::temp_directory_path();
}

} // namespace

std::filesystem::path Logger::DefaultFilePath() {
    return StateDirectory() / "GridloreUI" / "gridlore.log";
}

void Logger::SetSink(Sink sink) {
    m_sink = std::move(sink);
}

void Logger::SetFilePath(std::filesystem::path path) {
    m_path = std::move(path);
}

std::filesystem::path Logger::FilePath() const {
    return m_path.empty() ? DefaultFilePath() : m_path;
}

void Logger::SendVAImpl(int level, wchar_t const* format, va_list args) {
    std::wstring const text = ToStringV(format, args);
    if (m_sink) {
        m_sink(level, text);
        return;
    }
    WriteToFile(level, text);
}

void Logger::Send(int level, wchar_t const* format, ...) {
    va_list args;
    va_start(args, format);
    try {
        SendVAImpl(level, format, args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
}

void Logger::WriteToFile(int level, std::wstring const& text) const {
    std::filesystem::path const path = FilePath();
    std::filesystem::create_directories(path.parent_path());
    std::time_t const now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char stamp[32] = {};
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%SZ", &utc);
    std::string const line =
        std::string(stamp) + " [" + std::to_string(level) + "] " + ToUtf8(text) + '\n';
    // Opened without waiting and written only when it is a regular file: a log that is a
    // named pipe would otherwise hold the program at its first line.
    int const fd = ::open(path.c_str(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644);
    struct stat status {};
    bool const written = fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
                         ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    if (fd >= 0) {
        ::close(fd);
    }
    if (!written) {
        throw Exception(L"Shared", L"Logger", 0, L"The log file could not be written.", false);
    }
}

std::wstring DescribeCurrentException() {
    std::exception_ptr const current = std::current_exception();
    if (!current) {
        return L"no exception";
    }
    try {
        std::rethrow_exception(current);
    } catch (Exception const& error) {
        return error.module + L"::" + error.file + L"(" + std::to_wstring(error.line) + L"): " +
               error.message;
    } catch (std::exception const& error) {
        return FromUtf8(error.what());
    } catch (...) {
        return L"an exception of unknown type";
    }
}

void LogExceptionInfo(wchar_t const* module, wchar_t const* file, int line) noexcept {
    try {
        std::wstring const what = DescribeCurrentException();
        ProcessLogger.Send(LogError, L"Exception caught in %ls::%ls(%d): %ls",
                           module != nullptr ? module : L"", file != nullptr ? file : L"", line,
                           what.c_str());
    } catch (...) {
        // A log that cannot be written must not turn clean-up into a failure.
    }
}

} // namespace shr
