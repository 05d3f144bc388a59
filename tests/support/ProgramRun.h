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

/// Runs `command` under sh; its standard error goes through `errFile`.
inline ProgramRun RunProgram(std::string const& command, std::filesystem::path const& errFile) {
    ProgramRun run;
    FILE* pipe = ::popen((command + " 2>" + Quoted(errFile)).c_str(), "r");
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
