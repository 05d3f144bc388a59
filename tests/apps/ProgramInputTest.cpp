// Both programs given hostile files and arguments, run as a user runs them.
#include "ProgramRun.h"
#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace {

void Write(std::filesystem::path const& path, std::string const& content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::size_t Lines(std::string const& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

class ProgramInput : public ::testing::Test {
protected:
    ProgramRun Crs(std::string const& arguments) const {
        return RunProgram(Quoted(CRS_EXECUTABLE) + " " + arguments, m_scratch / "stderr");
    }
    /// The host refuses a bad system before it needs a display.
    ProgramRun Host(std::string const& arguments) const {
        return RunProgram("XDG_CONFIG_HOME=" + Quoted(m_scratch.Path()) + " " +
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
            EXPECT_NE(crs.err.find(file.string()), std::string::npos) << crs.err;

            ProgramRun const host = Host(Quoted(file));
            EXPECT_EQ(host.exitCode, 2) << content << " as " << name << ": " << host.err;
            EXPECT_EQ(host.err.rfind("gridlore-host: '" + file.string() + "'", 0), 0U) << host.err;
            std::filesystem::remove(file);
        }
    }
}

TEST_F(ProgramInput, a_missing_file_is_named_as_missing_and_a_huge_argument_is_shortened) {
    std::filesystem::path const missing = m_scratch / "nowhere.prj";
    for (ProgramRun const& run : {Crs("info " + Quoted(missing)), Host(Quoted(missing))}) {
        EXPECT_NE(run.err.find("'" + missing.string() + "': no such file"), std::string::npos)
            << run.err;
    }
    EXPECT_EQ(Crs("identify " + Quoted(m_scratch.Path())).err,
              "gridlore-crs: '" + m_scratch.Path().string() + "': is a folder, not a file\n");

    std::string const huge(100000, 'x');
    for (ProgramRun const& run :
         {Crs("info " + huge), Crs("search " + huge), Crs(huge), Host(huge), Host("--" + huge)}) {
        EXPECT_TRUE(run.exitCode == 1 || run.exitCode == 2) << run.exitCode;
        std::string const first = run.err.substr(0, run.err.find('\n'));
        EXPECT_LT(first.size(), 400U) << first.substr(0, 400);
        EXPECT_NE(first.find("xxxxxxxxxx..."), std::string::npos) << first.substr(0, 400);
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
    EXPECT_NE(run.err.find("nest more than"), std::string::npos) << run.err;
    EXPECT_EQ(FileText(sideCar), nested);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_scratch.Path()),
                            std::filesystem::directory_iterator()),
              2)
        << "only the side-car and the captured error";

    Write(sideCar, "<PAMDataset>\n  <Metadata><MDI key=\"a\">b</MDI></Metadata>\n</PAMDataset>\n");
    ASSERT_EQ(Crs("convert EPSG:4326 " + Quoted(sideCar)).exitCode, 0);
    std::string const written = FileText(sideCar);
    EXPECT_NE(written.find("<SRS>GEOGCS["), std::string::npos) << written;
    EXPECT_NE(written.find("\n  <Metadata><MDI key=\"a\">b</MDI></Metadata>\n</PAMDataset>\n"),
              std::string::npos)
        << written;
    ProgramRun const back = Crs("identify " + Quoted(sideCar));
    EXPECT_EQ(back.out.substr(0, 10), "EPSG:4326\t") << back.err;
}

} // namespace
