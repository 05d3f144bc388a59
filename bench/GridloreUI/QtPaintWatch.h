// browserbench::QtPaintWatch: on Qt's real windows, a result is shown once the tree is painted.
#pragma once

#include "ShownWatch.h"

#include <QObject>

class QEventLoop;

namespace browserbench {

/// Qt paints in its next frame, after the action's own work, so a clock stopped when the
/// action returns would miss the painting. Watches every tree view of the process.
class QtPaintWatch final : public ShownWatch, private QObject {
public:
    QtPaintWatch();
    ~QtPaintWatch() override;
    QtPaintWatch(QtPaintWatch const&) = delete;
    QtPaintWatch& operator=(QtPaintWatch const&) = delete;

    void Arm() override;
    void Wait() override;
    void Pause() override;
    /// Runs the loop until the report has run.
    void WaitForReport() override;

    /// How many waits ended without a painting of the tree.
    int Missed() const { return m_missed; }

private:
    bool eventFilter(QObject* watched, QEvent* event) override;

    bool m_painted = false;
    QEventLoop* m_waiting = nullptr;
    int m_missed = 0;
    /// While a paint is handed to its viewport by this filter, which sees it again.
    bool m_deliveringPaint = false;
};

} // namespace browserbench
