#include "WxSurface.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>

#include <memory>
#include <utility>
#include <vector>

namespace platform::wx {

namespace {

wxColour WxColour(Colour colour) {
    return {colour.red, colour.green, colour.blue, colour.alpha};
}

/// Paints `drawing` in its order; the context's pixels are the surface's client pixels.
void Paint(wxGraphicsContext& context, Drawing const& drawing, wxWindow const& window) {
    wxSize const size = window.GetClientSize();
    if (drawing.background.alpha != 0) {
        context.SetPen(*wxTRANSPARENT_PEN);
        context.SetBrush(wxBrush(WxColour(drawing.background)));
        context.DrawRectangle(0, 0, size.x, size.y);
    }
    std::vector<wxPoint2DDouble> points;
    for (Polyline const& line : drawing.lines) {
        points.clear();
        // Half a pixel in: a one-pixel line then covers whole pixels instead of two halves.
        for (Point const point : line.points) {
            points.emplace_back(point.x + 0.5, point.y + 0.5);
        }
        context.SetPen(wxPen(WxColour(line.colour)));
        context.StrokeLines(points.size(), points.data());
    }
    for (FilledRect const& shape : drawing.rects) {
        context.SetPen(shape.border.alpha != 0 ? wxPen(WxColour(shape.border))
                                               : *wxTRANSPARENT_PEN);
        context.SetBrush(shape.fill.alpha != 0 ? wxBrush(WxColour(shape.fill))
                                               : *wxTRANSPARENT_BRUSH);
        context.DrawRectangle(shape.rect.left + 0.5, shape.rect.top + 0.5, shape.rect.Width() - 1,
                              shape.rect.Height() - 1);
    }
    for (Marker const& marker : drawing.markers) {
        context.SetPen(*wxWHITE_PEN);
        context.SetBrush(wxBrush(WxColour(marker.colour)));
        double const diameter = 2.0 * marker.radius;
        context.DrawEllipse(marker.centre.x - marker.radius + 0.5,
                            marker.centre.y - marker.radius + 0.5, diameter, diameter);
    }
    for (Text const& text : drawing.texts) {
        context.SetFont(window.GetFont(), WxColour(text.colour));
        context.DrawText(ToWx(text.text), text.origin.x, text.origin.y);
    }
}

} // namespace

WxSurface::WxSurface(WxDialog* parent, ControlId id, wxPanel* panel)
    : ModelBackedSurface(parent, id, panel) {
    // Everything is painted here; erasing first would only flicker.
    panel->SetBackgroundStyle(wxBG_STYLE_PAINT);
    panel->Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
}

void WxSurface::ShowLayer(backend::SurfaceLayer layer) {
    if (layer == backend::SurfaceLayer::Base) {
        m_baseImage = wxBitmap();
    }
    m_widget->Refresh(false);
}

void WxSurface::OnPaint() {
    wxSize const size = m_widget->GetClientSize();
    if (size.x <= 0 || size.y <= 0) {
        wxPaintDC empty(m_widget);
        return;
    }
    if (!m_baseImage.IsOk() || m_baseImage.GetSize() != size) {
        m_baseImage = wxBitmap(size);
        wxMemoryDC memory(m_baseImage);
        memory.SetBackground(wxBrush(m_widget->GetBackgroundColour()));
        memory.Clear();
        std::unique_ptr<wxGraphicsContext> const context(wxGraphicsContext::Create(memory));
        if (context != nullptr) {
            Paint(*context, Layer(backend::SurfaceLayer::Base), *m_widget);
        }
    }
    wxPaintDC dc(m_widget);
    dc.DrawBitmap(m_baseImage, 0, 0);
    std::unique_ptr<wxGraphicsContext> const context(wxGraphicsContext::Create(dc));
    if (context != nullptr) {
        Paint(*context, Layer(backend::SurfaceLayer::Overlay), *m_widget);
    }
}

} // namespace platform::wx
