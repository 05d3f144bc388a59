#include "../BackendUnderTest.h"

#include "platform/qt/QtBackend.h"

#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

namespace {

/// A Qt warning or critical fails the test that ran into it, as a wx assertion does; the
/// test goes on, as the program would. A fatal one still ends the process, failed.
void FailOnQtComplaint(QtMsgType type, QMessageLogContext const& context, QString const& text) {
    if (type == QtDebugMsg || type == QtInfoMsg) {
        return;
    }
    ADD_FAILURE_AT(context.file != nullptr ? context.file : "(Qt)", context.line)
        << "Qt "
        << (type == QtWarningMsg ? "warning"
            : type == QtFatalMsg ? "fatal"
                                 : "critical")
        << ": " << text.toStdString();
    if (type == QtFatalMsg) {
        std::abort();
    }
}

} // namespace

platform::Backend& BackendUnderTest() {
    static bool const started = [] {
        static int argc = 1;
        static char name[] = "gridlore_qt_test";
        static char* argv[] = {name, nullptr};
        qInstallMessageHandler(&FailOnQtComplaint);
        // Outside a login session Qt warns of the missing runtime folder, once, in whichever
        // test first asks for it; the tests get a private one.
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            static QTemporaryDir const runtime;
            qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        }
        return platform::qt::QtBackend::StartApplication(argc, argv);
    }();
    if (!started) {
        throw std::runtime_error("the Qt tests need a display (run them under xvfb-run)");
    }
    static platform::qt::QtBackend backend(L"GridloreUI-tests");
    return backend;
}
