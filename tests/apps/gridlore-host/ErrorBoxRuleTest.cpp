#include "ErrorBoxRule.h"

#include <gtest/gtest.h>

#include <cstdlib>

using gridhost::LaunchContext;
using gridhost::ShowsErrorsInBox;

TEST(ErrorBoxRule, only_a_desktop_start_shows_errors_in_a_box_never_a_script_or_a_test) {
    LaunchContext desktop;
    desktop.display = true;
    EXPECT_TRUE(ShowsErrorsInBox(desktop));
    // A terminal's stderr is read; without a display no box shows; a tour or a test has no
    // one to answer.
    for (bool LaunchContext::*reason :
         {&LaunchContext::terminal, &LaunchContext::scripted, &LaunchContext::boxesOff}) {
        LaunchContext other = desktop;
        other.*reason = true;
        EXPECT_FALSE(ShowsErrorsInBox(other));
    }
    desktop.display = false;
    EXPECT_FALSE(ShowsErrorsInBox(desktop));
}

TEST(ErrorBoxRule, the_process_context_follows_the_environment) {
    ::setenv("GRIDLORE_HOST_NO_BOXES", "1", 1);
    ::setenv("DISPLAY", ":99", 1);
    LaunchContext const off = gridhost::CurrentLaunch(true);
    EXPECT_TRUE(off.boxesOff);
    EXPECT_TRUE(off.display);
    EXPECT_TRUE(off.scripted);
    ::unsetenv("GRIDLORE_HOST_NO_BOXES");
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    LaunchContext const bare = gridhost::CurrentLaunch(false);
    EXPECT_FALSE(bare.boxesOff);
    EXPECT_FALSE(bare.display);
    EXPECT_FALSE(bare.scripted);
}
