#include "QtPaintWatch.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QTreeView>

#include <stdexcept>

namespace browserbench {

namespace {

/// Runs a loop of its own for `milliseconds` at most, or until `loop` is quit. Between two
/// dialogs only this loop runs, which is all a pause needs.
void RunFor(QEventLoop& loop, int milliseconds) {
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

/// A view paints its rows on its viewport, the view's child.
bool IsTreeViewport(QObject* object) {
    auto const* widget = qobject_cast<QWidget*>(object);
    return widget != nullptr && qobject_cast<QTreeView*>(widget->parentWidget()) != nullptr;
}

} // namespace

QtPaintWatch::QtPaintWatch() {
    QApplication::instance()->installEventFilter(this);
}

QtPaintWatch::~QtPaintWatch() {
    QApplication::instance()->removeEventFilter(this);
}

void QtPaintWatch::Arm() {
    m_painted = false;
}

void QtPaintWatch::Wait() {
    if (!m_painted) {
        // Far longer than a frame: a tree the action did not change is never repainted.
        QEventLoop loop;
        m_waiting = &loop;
        RunFor(loop, 250);
        m_waiting = nullptr;
    }
    if (!m_painted) {
        ++m_missed;
    }
}

void QtPaintWatch::Pause() {
    // A user's next key comes far later than the frame after the last action.
    QEventLoop loop;
    RunFor(loop, 250);
}

void QtPaintWatch::WaitForReport() {
    // Long enough for a cold start on a loaded machine.
    QEventLoop loop;
    m_waiting = &loop;
    for (int round = 0; round < 40 && IsReportDue(); ++round) {
        RunFor(loop, 250);
    }
    m_waiting = nullptr;
    if (IsReportDue()) {
        throw std::runtime_error("the tree was never painted");
    }
}

bool QtPaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && IsReportDue() && !m_deliveringPaint &&
        IsTreeViewport(watched)) {
        // The report comes after the view's own painting, which is part of the wait.
        m_deliveringPaint = true;
        QCoreApplication::sendEvent(watched, event);
        m_deliveringPaint = false;
        m_painted = true;
        RunReport();
        if (m_waiting != nullptr) {
            m_waiting->quit();
        }
        return true;
    }
    if (event->type() == QEvent::Paint && IsTreeViewport(watched)) {
        m_painted = true;
        // The loop ends once this paint has been delivered.
        if (m_waiting != nullptr) {
            m_waiting->quit();
        }
    }
    return false;
}

} // namespace browserbench
