// Both programs given hostile files and arguments, run as a user runs them.
#include "ProgramRun.h"
#include "ScratchDirectory.h"

#include <gmock/gmock.h>

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

using ::testing::AnyOf;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

void Write(std::filesystem::path const& path, std::string const& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::size_t Lines(std::string const& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

/// The first line of `text`.
std::string FirstLine(std::string const& text) {
    return text.substr(0, text.find('\n'));
}

class ProgramInput : public ::testing::Test {
protected:
    // A program that waits on its input is killed, so a hang fails the test instead of
    // holding it.
    ProgramRun Crs(std::string const& arguments) const {
        return RunProgram("timeout -s KILL 60 " + Quoted(CRS_EXECUTABLE) + " " + arguments,
                          m_scratch / "stderr");
    }
    /// The host refuses a bad system before it needs a display.
    ProgramRun Host(std::string const& arguments) const {
        return RunProgram("XDG_CONFIG_HOME=" + Quoted(m_scratch.Path()) + " timeout -s KILL 60 " +
                              Quoted(HOST_EXECUTABLE) + " " + arguments,
                          m_scratch / "stderr");
    }

    ScratchDirectory m_scratch;
};

TEST_F(ProgramInput, json_that_is_no_definition_ends_both_programs_with_one_line_naming_the_file) {
    // Members of the wrong type once escaped the format detection as a library exception.
    for (std::string const& content :
         {std::string(R"({"format":1})"), std::string(R"({"format":"QRF2","version":"1"})"),
          std::string(R"({"type":5})"), std::string(R"({"type":["ProjectedCRS"]})"),
          std::string(R"({"format":"QRF2","version":1,"system":[]})"), std::string("[1,2]"),
          std::string(R"({"format":"QRF2","version":1,"system":{"type":"local",)"
                      R"("name":"x","unitsPerMeter":1e999}})")}) {
        for (char const* name : {"system.qrf2", "system.json", "system"}) {
            std::filesystem::path const file = m_scratch / name;
            Write(file, content);
            ProgramRun const crs = Crs("info " + Quoted(file));
            EXPECT_EQ(crs.exitCode, 1) << content << " as " << name << ": " << crs.err;
            EXPECT_EQ(Lines(crs.err), 1U) << crs.err;
            EXPECT_THAT(crs.err, HasSubstr(file.string()));

            ProgramRun const host = Host(Quoted(file));
            EXPECT_EQ(host.exitCode, 2) << content << " as " << name << ": " << host.err;
            EXPECT_THAT(host.err, StartsWith("gridlore-host: '" + file.string() + "'"));
            std::filesystem::remove(file);
        }
    }
}

// A script tells a bad command line (2) from input it cannot use (1); the host, which has
// no input of its own to fail on, refuses both with 2.
TEST_F(ProgramInput, exit_codes_tell_usage_from_input_and_name_a_missing_or_huge_argument_short) {
    std::filesystem::path const missing = m_scratch / "nowhere.prj";
    for (ProgramRun const& run : {Crs("info " + Quoted(missing)), Host(Quoted(missing))}) {
        EXPECT_THAT(run.err, HasSubstr("'" + missing.string() + "': no such file"));
    }
    EXPECT_EQ(Crs("identify " + Quoted(m_scratch.Path())).err,
              "gridlore-crs: '" + m_scratch.Path().string() + "': is a folder, not a file\n");

    std::string const huge(100000, 'x');
    for (auto const& [run, code] :
         {std::pair{Crs("info " + huge), 1}, std::pair{Crs("search " + huge), 1},
          std::pair{Crs("info EPSG:999999999"), 1}, std::pair{Crs(huge), 2},
          std::pair{Host(huge), 2}, std::pair{Host("EPSG:999999999"), 2},
          std::pair{Host("--" + huge), 2}}) {
        std::string const first = run.err.substr(0, run.err.find('\n'));
        EXPECT_EQ(run.exitCode, code) << first.substr(0, 400);
        EXPECT_LT(first.size(), 400U) << first.substr(0, 400);
        EXPECT_THAT(first.substr(0, 400),
                    AnyOf(HasSubstr("xxxxxxxxxx..."), HasSubstr("'EPSG:999999999'")));
    }
}

TEST_F(ProgramInput, what_is_no_regular_file_ends_both_programs_at_once_with_the_same_line) {
    std::filesystem::path const pipe = m_scratch / "site.prj";
    std::filesystem::path const bareName = m_scratch / "site";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(bareName.c_str(), 0600), 0);
    std::filesystem::create_symlink("loop-b.prj", m_scratch / "loop-a.prj");
    std::filesystem::create_symlink("loop-a.prj", m_scratch / "loop-b.prj");
    std::vector<std::pair<std::filesystem::path, std::string>> const inputs = {
        {pipe, "is a named pipe, not a file"},
        {bareName, "is a named pipe, not a file"},
        {"/dev/null", "is a device, not a file"},
        {m_scratch / "loop-a.prj", "cannot be read: its symbolic links lead round in a loop"}};
    for (auto const& [input, problem] : inputs) {
        std::string const line = "'" + input.string() + "': " + problem;
        ProgramRun const crs = Crs("info " + Quoted(input));
        EXPECT_EQ(crs.exitCode, 1) << input;
        EXPECT_EQ(crs.err, "gridlore-crs: " + line + "\n");
        ProgramRun const host = Host(Quoted(input));
        EXPECT_EQ(host.exitCode, 2) << input;
        EXPECT_EQ(FirstLine(host.err), "gridlore-host: " + line);
    }

    // The worksheet is named by its option, then as the tool names a file.
    std::filesystem::create_directory(m_scratch / "folder.csv");
    std::filesystem::create_symlink("loop-d.csv", m_scratch / "loop-c.csv");
    std::filesystem::create_symlink("loop-c.csv", m_scratch / "loop-d.csv");
    for (auto const& [name, problem] :
         {std::pair{"site.prj", "is a named pipe, not a file"},
          std::pair{"folder.csv", "is a folder, not a file"},
          std::pair{"missing.csv", "does not exist"},
          std::pair{"loop-c.csv", "cannot be read: its symbolic links lead round in a loop"}}) {
        ProgramRun const host = Host("--worksheet " + Quoted(m_scratch / name));
        EXPECT_EQ(host.exitCode, 2) << name;
        EXPECT_EQ(FirstLine(host.err),
                  "gridlore-host: --worksheet: '" + (m_scratch / name).string() + "' " + problem);
    }
}

TEST_F(ProgramInput, a_side_car_nested_too_deep_is_refused_and_left_as_it_was) {
    std::filesystem::path const sideCar = m_scratch / "ortho.tif.aux.xml";
    std::string nested = "<PAMDataset>";
    for (int level = 0; level < 7000; ++level) {
        nested += "<a>";
    }
    for (int level = 0; level < 7000; ++level) {
        nested += "</a>";
    }
    nested += "</PAMDataset>\n";
    Write(sideCar, nested);
    ProgramRun const run = Crs("convert EPSG:4326 " + Quoted(sideCar));
    EXPECT_EQ(run.exitCode, 1) << run.err;
    EXPECT_THAT(run.err, HasSubstr("nest more than"));
    EXPECT_EQ(FileText(sideCar), nested);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_scratch.Path()),
                            std::filesystem::directory_iterator()),
              2)
        << "only the side-car and the captured error";
}

} // namespace
