// Opens the browser once on the backend its argument names ("wx" or "headless") and, when
// it is idle with its tree filled and painted, prints "shown RESIDENT_KB" and closes it;
// "wx-toolkit-only" does the same with a bare dialog of the toolkit's, as a floor.
// The fresh-process benchmarks time it from its start to that line.
#include "CountingSink.h"
#include "ToolkitOnly.h"
#include "TreePaintWatch.h"
#include "gridlore/CoordinateSystem.h"
#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "kor/Definitions.h"
#include "platform/Driver.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/wx/WxBackend.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

/// Waits until the window is shown and says so, with the resident size, to whoever
/// started this process.
void ReportShown(browserbench::ShownWatch& shown) {
    shown.Wait();
    std::printf("shown %ld\n", ResidentKilobytes());
    std::fflush(stdout);
}

int OpenOnce(platform::Backend& backend, browserbench::ShownWatch& shown) {
    platform::BackendScope const installed(backend);
    platform::Driver driver;
    platform::DriverScope const driving(driver);
    auto const sink = std::make_shared<benchsupport::CountingSink>();
    std::wstring const favorites =
        (std::filesystem::temp_directory_path() / "gridlore-bench-favourites.qrf2").wstring();
    gridui::CRSDialog dialog(
        Gridlore::CoordinateSystem(*kor::CreateCSDefByDefinition(L"EPSG:4326")), favorites, sink,
        nullptr, {});
    driver.OnDialog(gridui::res::BrowserDialog, [&](platform::User& user) {
        user.Idle();
        ReportShown(shown);
        user.Close();
    });
    dialog.DoModal();
    return sink->reports == 0 ? 0 : 1;
}

/// The same on the toolkit alone, with nothing of ours.
int OpenToolkitOnly(browserbench::ShownWatch& shown) {
    browserbench::ToolkitOnlyDialog dialog;
    dialog.CallAfter([&] {
        ReportShown(shown);
        dialog.EndModal(0);
    });
    dialog.ShowModal();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string const backend = argc > 1 ? argv[1] : "";
    if (backend == "headless") {
        platform::headless::HeadlessBackend headless;
        browserbench::ShownWatch immediately;
        return OpenOnce(headless, immediately);
    }
    if (backend == "wx" || backend == "wx-toolkit-only") {
        // The toolkit would take the backend's name for an option of its own.
        int toolkitArgc = 1;
        if (!platform::wx::WxBackend::StartApplication(toolkitArgc, argv)) {
            std::fputs("no display\n", stderr);
            return 1;
        }
        browserbench::TreePaintWatch painted;
        if (backend == "wx-toolkit-only") {
            return OpenToolkitOnly(painted);
        }
        platform::wx::WxBackend wx(L"GridloreUI-bench");
        return OpenOnce(wx, painted);
    }
    std::fputs("usage: gridloreui_open_once wx|wx-toolkit-only|headless\n", stderr);
    return 2;
}
