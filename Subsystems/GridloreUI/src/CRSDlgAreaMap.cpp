#include "CRSDlgAreaMap.h"

#include "SystemsForArea.h"
#include "gridui/GeoGeometry.h"
#include "gridui/ResourceIds.h"
#include "kor/KORDef.h"
#include "kor/SystemList.h"
#include "shr/Utf8.h"

namespace gridui {

std::optional<AreaOfUse> FindAreaOfUse(Gridlore::CoordinateSystem const& system) {
    auto const* referenced = dynamic_cast<kor::KORDef const*>(system.GetCSDef());
    if (referenced == nullptr || referenced->GetPOSC() <= 0) {
        return std::nullopt;
    }
    int const index = kor::KORKnownSystemsList.FindByPOSC(referenced->GetPOSC());
    kor::KnownSystem const* known = kor::KORKnownSystemsList.EnumEntry(index);
    if (known == nullptr || !IsKnownArea(BoundsOf(*known))) {
        return std::nullopt;
    }
    return AreaOfUse{BoundsOf(*known), shr::FromUtf8(known->areaName)};
}

CRSDlgAreaMap::CRSDlgAreaMap()
    : m_map(BuiltInCoastlines) {}

void CRSDlgAreaMap::DoDataExchange(platform::DataExchange& exchange) {
    if (exchange.GetDialog().HasDlgItem(res::AreaMap)) {
        platform::DDX_Control(exchange, res::AreaMap, m_surface);
    }
}

void CRSDlgAreaMap::ShowSystem(Gridlore::CoordinateSystem const& system) {
    if (!IsShown()) {
        return;
    }
    std::optional<AreaOfUse> const area = FindAreaOfUse(system);
    m_map.SetArea(area ? std::optional(area->bounds) : std::nullopt);
    // Drawn in the map: a label would make the toolkit lay out the whole dialog again at
    // every selection, several times the cost of the rest of it.
    m_map.SetNote(area ? area->name : L"No area of use");
    Redraw();
}

void CRSDlgAreaMap::SetAreaOfInterest(std::optional<GeoArea> area) {
    m_map.SetAreaOfInterest(area);
    if (IsShown()) {
        Redraw();
    }
}

void CRSDlgAreaMap::SetPoint(std::optional<GeoPoint> point) {
    m_map.SetPoint(point);
    if (IsShown()) {
        Redraw();
    }
}

void CRSDlgAreaMap::Redraw() {
    platform::Rect const client = m_surface.GetClientRect();
    platform::Size const size{client.Width(), client.Height()};
    // The map keeps its size when the dialog grows, so its base is drawn once per window
    // (a base always holds the graticule).
    if (m_surface.GetBase().lines.empty()) {
        m_surface.SetBase(m_map.Base(size));
    }
    m_surface.SetOverlay(m_map.Overlay(size));
}

} // namespace gridui
