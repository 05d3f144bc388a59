// The Qt twin of gridloreui_open_once, kept apart so that no process links both toolkits:
// "qt" opens the browser once on Qt's real windows, prints "shown RESIDENT_KB" as soon as
// its tree is first painted, then its resident size after the first idle as a counter, and
// closes it ("qt-first-search" and "qt-reopen" play the same later scenes as on wx);
// "qt-toolkit-only" does the same with a bare Qt dialog.
#include "OpenOnceScenes.h"
#include "QtPaintWatch.h"
#include "QtToolkitOnly.h"
#include "platform/qt/QtBackend.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

/// The same on the toolkit alone, with nothing of ours.
int OpenToolkitOnly(browserbench::ShownWatch& shown) {
    browserbench::QtToolkitOnlyDialog dialog;
    shown.ReportAfterPaint(browserbench::PrintShown);
    QTimer::singleShot(0, &dialog, [&] {
        shown.WaitForReport();
        QCoreApplication::processEvents();
        browserbench::PrintResidentAfterIdle();
        dialog.done(0);
    });
    dialog.exec();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::string const backend = argc > 1 ? argv[1] : "";
    if (backend.rfind("qt", 0) != 0) {
        std::fputs("usage: gridloreui_open_once_qt qt|qt-toolkit-only|qt-first-search|qt-reopen\n",
                   stderr);
        return 2;
    }
    // The toolkit would take the backend's name for an option of its own.
    static int toolkitArgc = 1;
    if (!platform::qt::QtBackend::StartApplication(toolkitArgc, argv)) {
        std::fputs("no display\n", stderr);
        return 1;
    }
    browserbench::QtPaintWatch painted;
    if (backend == "qt-toolkit-only") {
        return OpenToolkitOnly(painted);
    }
    platform::qt::QtBackend qt(L"GridloreUI-bench");
    return browserbench::OpenOnce(qt, painted,
                                  backend.substr(std::min<std::size_t>(backend.size(), 3)));
}
