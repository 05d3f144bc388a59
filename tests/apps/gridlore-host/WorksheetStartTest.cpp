// The host started on a worksheet it cannot show: refused before any window, in one line.
#include "ProgramRun.h"
#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

TEST(WorksheetStart, a_sheet_wider_than_the_host_shows_is_refused_in_one_line_naming_it) {
    ScratchDirectory const scratch;
    std::filesystem::path const wide = scratch / "wide.csv";
    std::ofstream(wide) << "lon,lat\n15,51\n" << std::string(2000, ',') << "\n16,52\n";

    ProgramRun const run = RunProgram(
        Quoted(HOST_EXECUTABLE) + " --worksheet " + Quoted(wide) + " </dev/null", scratch / "err");
    EXPECT_EQ(run.exitCode, 2);
    std::string const told = run.err.substr(0, run.err.find('\n'));
    EXPECT_TRUE(told.starts_with("gridlore-host: ")) << told;
    EXPECT_TRUE(told.ends_with(
        wide.string() +
        ":3: the row has more than 1024 cells; the host shows at most that many columns"))
        << told;
    EXPECT_EQ(FileText(wide).size(), 2021U) << "the file is left as it was";
}
