#include "gridui/Module.h"

#include "gridui/ResourceIds.h"

#include <gtest/gtest.h>

// ctest runs each test in a process of its own, and this one looks the template up before
// anything calls Module(): only the registration made at start-up can have found it.
TEST(Module, is_registered_at_start_up_before_anyone_asks_for_it) {
    platform::DialogTemplate const& found =
        platform::FindDialogTemplate(gridui::res::BrowserDialog);

    EXPECT_EQ(&found, gridui::Module().FindDialog(gridui::res::BrowserDialog));
    EXPECT_EQ(gridui::Module().Name(), L"GridloreUI");
}
