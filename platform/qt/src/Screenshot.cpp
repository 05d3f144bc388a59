#include "platform/qt/Screenshot.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QWidget>

namespace platform::qt {

bool SaveScreenshot(QWidget& window, std::string const& path) {
    // Pending layouts and repaints run from the loop; the widget then paints itself
    // afresh into the picture, whatever the screen shows over it.
    QCoreApplication::processEvents();
    return window.grab().save(QString::fromStdString(path), "PNG");
}

} // namespace platform::qt
