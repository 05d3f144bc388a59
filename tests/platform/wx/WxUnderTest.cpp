#include "../BackendUnderTest.h"

#include "platform/wx/WxBackend.h"

#include <wx/debug.h>
#include <wx/string.h>

#include <gtest/gtest.h>

#include <stdexcept>

platform::Backend& BackendUnderTest() {
    static bool const started = [] {
        static int argc = 1;
        static char name[] = "gridlore_wx_test";
        static char* argv[] = {name, nullptr};
        // A failed wx assertion fails the test that ran into it, never waits for someone
        // to close a box; the test goes on, as the program would.
        wxSetAssertHandler([](wxString const& file, int line, wxString const& function,
                              wxString const& condition, wxString const& message) {
            ADD_FAILURE_AT(file.utf8_str(), line)
                << "wx assertion " << condition.utf8_str() << " (" << message.utf8_str() << ") in "
                << function.utf8_str();
        });
        return platform::wx::WxBackend::StartApplication(argc, argv);
    }();
    if (!started) {
        throw std::runtime_error("the wx tests need a display (run them under xvfb-run)");
    }
    static platform::wx::WxBackend backend(L"GridloreUI-tests");
    return backend;
}
