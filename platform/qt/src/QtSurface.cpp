#include "QtSurface.h"
#include "QtDialog.h"

#include <QPainter>
#include <QPolygonF>

#include <utility>

namespace platform::qt {

namespace {

QColor QtColour(Colour colour) {
    return {colour.red, colour.green, colour.blue, colour.alpha};
}

/// Paints `drawing` in its order; the painter's pixels are the surface's client pixels.
void Paint(QPainter& painter, Drawing const& drawing, QWidget const& widget) {
    painter.setRenderHint(QPainter::Antialiasing);
    if (drawing.background.alpha != 0) {
        painter.fillRect(widget.rect(), QtColour(drawing.background));
    }
    QPolygonF points;
    for (Polyline const& line : drawing.lines) {
        points.clear();
        // Half a pixel in: a one-pixel line then covers whole pixels instead of two halves.
        for (Point const point : line.points) {
            points.append(QPointF(point.x + 0.5, point.y + 0.5));
        }
        painter.setPen(QtColour(line.colour));
        painter.drawPolyline(points);
    }
    for (FilledRect const& shape : drawing.rects) {
        painter.setPen(shape.border.alpha != 0 ? QPen(QtColour(shape.border)) : QPen(Qt::NoPen));
        painter.setBrush(shape.fill.alpha != 0 ? QBrush(QtColour(shape.fill)) : QBrush());
        painter.drawRect(QRectF(shape.rect.left + 0.5, shape.rect.top + 0.5, shape.rect.Width() - 1,
                                shape.rect.Height() - 1));
    }
    for (Marker const& marker : drawing.markers) {
        painter.setPen(Qt::white);
        painter.setBrush(QtColour(marker.colour));
        painter.drawEllipse(QPointF(marker.centre.x + 0.5, marker.centre.y + 0.5), marker.radius,
                            marker.radius);
    }
    painter.setFont(widget.font());
    for (Text const& text : drawing.texts) {
        painter.setPen(QtColour(text.colour));
        // The text's origin is its top left corner, as the other backends place it.
        painter.drawText(QRectF(text.origin.x, text.origin.y, widget.width(), widget.height()),
                         Qt::AlignLeft | Qt::AlignTop, ToQt(text.text));
    }
}

} // namespace

/// The surface's widget: every pixel is painted by its native window.
class SurfaceWidget final : public QWidget {
public:
    SurfaceWidget(QtSurface& surface, QWidget& parent)
        : QWidget(&parent)
        , m_surface(surface) {
        // Everything is painted here; erasing first would only flicker.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override { m_surface.Paint(); }

private:
    QtSurface& m_surface;
};

QtSurface::QtSurface(QtDialog* parent, ControlId id, Rect pixels)
    : ModelBackedSurface(parent, id, nullptr) {
    m_widget = new SurfaceWidget(*this, parent->Container());
    m_widget->setGeometry(pixels.left, pixels.top, pixels.Width(), pixels.Height());
}

void QtSurface::ShowLayer(backend::SurfaceLayer layer) {
    if (layer == backend::SurfaceLayer::Base) {
        m_baseImage = QPixmap();
    }
    m_widget->update();
}

void QtSurface::Paint() {
    QSize const size = m_widget->size();
    if (size.isEmpty()) {
        return;
    }
    if (m_baseImage.size() != size) {
        m_baseImage = QPixmap(size);
        m_baseImage.fill(m_widget->palette().color(QPalette::Window));
        QPainter base(&m_baseImage);
        qt::Paint(base, Layer(backend::SurfaceLayer::Base), *m_widget);
    }
    QPainter painter(m_widget);
    painter.drawPixmap(0, 0, m_baseImage);
    qt::Paint(painter, Layer(backend::SurfaceLayer::Overlay), *m_widget);
}

} // namespace platform::qt
