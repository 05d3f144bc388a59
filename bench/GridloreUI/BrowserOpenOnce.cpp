// Opens the browser once on the backend its argument names ("wx" or "headless") and, when
// it is idle with its tree filled and painted, prints "shown RESIDENT_KB" and closes it;
// "wx-toolkit-only" does the same with a bare dialog of the toolkit's, as a floor.
// The fresh-process benchmarks time it from its start to that line. Two more scenes follow
// the first open in the same process and print what they measured as "counter NAME VALUE"
// lines: "wx-first-search" (the sample host's options) times the process's first search
// against later ones, and "wx-reopen" opens and closes the browser again and again to see
// whether the process grows.
#include "OpenOnceScenes.h"
#include "ToolkitOnly.h"
#include "TreePaintWatch.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/wx/WxBackend.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

/// The same on the toolkit alone, with nothing of ours.
int OpenToolkitOnly(browserbench::ShownWatch& shown) {
    browserbench::ToolkitOnlyDialog dialog;
    dialog.CallAfter([&] {
        browserbench::ReportShown(shown);
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
    std::fputs(
        "usage: gridloreui_open_once wx|wx-toolkit-only|wx-first-search|wx-reopen|headless\n",
        stderr);
    return 2;
}
