// Opens the browser once on the backend its argument names ("wx" or "headless"), prints
// "shown RESIDENT_KB" as soon as its tree is first painted (headless, without a screen:
// when the driver first plays), then its resident size after the first idle as a counter,
// and closes it; "wx-toolkit-only" does the same with a bare dialog of the toolkit's, as a
// floor. The fresh-process benchmarks time it from its start to that line. Two more scenes
// follow the first open in the same process and print what they measured as "counter NAME
// VALUE" lines: "wx-first-search" (the sample host's options) times the process's first
// search against later ones, and "wx-reopen" opens and closes the browser again and again to
// see whether the process grows. "registry-list" only lists the registry's systems, as the
// browser does at its first start after a PROJ upgrade (run without a cache).
#include "OpenOnceScenes.h"
#include "ToolkitOnly.h"
#include "TreePaintWatch.h"
#include "kor/KnownCatalogue.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/wx/WxBackend.h"

#include <wx/app.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

namespace {

/// The same on the toolkit alone, with nothing of ours.
int OpenToolkitOnly(browserbench::ShownWatch& shown) {
    browserbench::ToolkitOnlyDialog dialog;
    shown.ReportAfterPaint(browserbench::PrintShown);
    dialog.CallAfter([&] {
        shown.WaitForReport();
        wxTheApp->ProcessIdle();
        browserbench::PrintResidentAfterIdle();
        dialog.EndModal(0);
    });
    dialog.ShowModal();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string const backend = argc > 1 ? argv[1] : "";
    if (backend == "registry-list") {
        // Timed apart too, in processor time as well, which load does not stretch: the
        // process's own start loads the toolkits this program links.
        auto const start = std::chrono::steady_clock::now();
        std::clock_t const startCpu = std::clock();
        bool const any = !kor::OpenRegistryCatalogue()->Systems().empty();
        std::chrono::duration<double, std::milli> const listing =
            std::chrono::steady_clock::now() - start;
        double const listingCpu =
            1000.0 * static_cast<double>(std::clock() - startCpu) / CLOCKS_PER_SEC;
        browserbench::PrintShown();
        browserbench::PrintCounter("listing_ms", listing.count());
        browserbench::PrintCounter("listing_cpu_ms", listingCpu);
        return any ? 0 : 1;
    }
    if (backend == "headless") {
        platform::headless::HeadlessBackend headless;
        browserbench::ShownWatch immediately;
        return browserbench::OpenOnce(headless, immediately, {});
    }
    if (backend.rfind("wx", 0) == 0) {
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
        return browserbench::OpenOnce(wx, painted,
                                      backend.substr(std::min<std::size_t>(backend.size(), 3)));
    }
    std::fputs("usage: gridloreui_open_once "
               "wx|wx-toolkit-only|wx-first-search|wx-reopen|headless|registry-list\n",
               stderr);
    return 2;
}
