#include "FreshProcess.h"

#include "Spread.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

namespace browserbench {

namespace {

namespace fs = std::filesystem;

struct Report {
    double seconds = 0;
    double residentMegabytes = 0;
    /// The process's user and system time over its whole life, which load does not stretch
    /// as it does the time to the shown line.
    double cpuSeconds = 0;
    /// What the program measured after it was shown, by name.
    std::map<std::string, double> counters;
};

/// The rest of the program's output: "counter NAME VALUE" lines.
void ReadCounters(int from, std::map<std::string, double>& counters) {
    std::string output;
    std::array<char, 256> buffer{};
    for (ssize_t got = 0; (got = ::read(from, buffer.data(), buffer.size())) > 0;) {
        output.append(buffer.data(), static_cast<std::size_t>(got));
    }
    std::istringstream lines(output);
    std::string word;
    std::string name;
    double value = 0;
    while (lines >> word >> name >> value) {
        if (word == "counter") {
            counters[name] = value;
        }
    }
}

/// Runs the program once; nothing when it fails or says nothing.
std::optional<Report> RunOnce(fs::path const& program, std::string const& backend) {
    std::array<int, 2> pipe{};
    if (::pipe(pipe.data()) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe[0]);
    std::string programText = program.string();
    std::string backendText = backend;
    char* argv[] = {programText.data(), backendText.data(), nullptr};
    auto const start = std::chrono::steady_clock::now();
    pid_t child = 0;
    int const spawned = posix_spawn(&child, programText.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    if (spawned != 0) {
        ::close(pipe[0]);
        return std::nullopt;
    }
    // The child writes one line, "shown RESIDENT_KB", once the tree is first painted.
    std::string line;
    char ch = 0;
    while (::read(pipe[0], &ch, 1) == 1 && ch != '\n') {
        line += ch;
    }
    auto const shown = std::chrono::steady_clock::now();
    std::map<std::string, double> counters;
    ReadCounters(pipe[0], counters);
    ::close(pipe[0]);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || line.rfind("shown ", 0) != 0) {
        return std::nullopt;
    }
    auto const seconds = [](timeval const& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    return Report{std::chrono::duration<double>(shown - start).count(),
                  std::atof(line.c_str() + 6) / 1024.0,
                  seconds(usage.ru_utime) + seconds(usage.ru_stime), std::move(counters)};
}

} // namespace

void OpenInFreshProcess(benchmark::State& state, std::string const& backend, bool firstStart,
                        std::string const& programName) {
    fs::path const program = fs::read_symlink("/proc/self/exe").parent_path() / programName;
    fs::path const cache = fs::temp_directory_path() / "gridlore-bench-cache";
    ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);
    if (!firstStart && !RunOnce(program, backend)) {
        state.SkipWithError((programName + " failed (built? a display?)").c_str());
        return;
    }
    Report last;
    Spread spread;
    std::map<std::string, std::vector<double>> counters;
    for (auto _ : state) {
        if (firstStart) {
            state.PauseTiming();
            fs::remove_all(cache);
            state.ResumeTiming();
        }
        auto const report = RunOnce(program, backend);
        if (!report) {
            state.SkipWithError((programName + " failed (built? a display?)").c_str());
            return;
        }
        spread.Add(state, report->seconds);
        for (auto const& [name, value] : report->counters) {
            counters[name].push_back(value);
        }
        counters["cpu ms"].push_back(report->cpuSeconds * 1000.0);
        last = *report;
    }
    spread.Report(state);
    state.counters["resident MB"] = last.residentMegabytes;
    for (auto& [name, values] : counters) {
        std::sort(values.begin(), values.end());
        state.counters[name + " (median)"] = values[values.size() / 2];
    }
    if (auto const cpu = counters.find("cpu ms"); cpu != counters.end()) {
        state.counters["cpu ms (min)"] = cpu->second.front();
    }
}

} // namespace browserbench
