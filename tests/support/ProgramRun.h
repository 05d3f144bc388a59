// ProgramRun: runs a built program as a user's shell does and keeps what it said.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

struct ProgramRun {
    /// The exit code, or -1 when the program did not exit by itself (a signal, an abort).
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string Quoted(std::filesystem::path const& path) {
    std::string quoted = "'";
    for (char const ch : path.string())
        quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    return quoted + "'";
}

inline std::string FileText(std::filesystem::path const& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

/// Runs `command` under sh; its standard error goes through `errFile`. The host, started
/// without a terminal as here, would also show its errors in a box that nobody answers, so
/// the run asks it for none.
inline ProgramRun RunProgram(std::string const& command, std::filesystem::path const& errFile) {
    ProgramRun run;
    std::string const line = "GRIDLORE_HOST_NO_BOXES=1 " + command + " 2>" + Quoted(errFile);
    FILE* pipe = ::popen(line.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, got);
    int const status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = FileText(errFile);
    return run;
}
