// gridui::CRSDlgAreaMap: the browser's map of the selected system's area of use.
#pragma once

#include "AreaOfUseMap.h"
#include "gridlore/CoordinateSystem.h"
#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "platform/DrawingSurface.h"

#include <optional>
#include <string>

namespace gridui {

/// The registry's area of use of a system: its bounds and name.
struct AreaOfUse {
    GeoArea bounds;
    std::wstring name;
};

/// The area of use of the registry's system with `system`'s EPSG code; none for a system
/// without a code (a local system, or one defined by hand) or a code without bounds.
std::optional<AreaOfUse> FindAreaOfUse(Gridlore::CoordinateSystem const& system);

/// Present only when the host's `showAreaMap` put the map in the browser's template;
/// without it every call does nothing.
class CRSDlgAreaMap {
public:
    CRSDlgAreaMap();

    void DoDataExchange(platform::DataExchange& exchange);
    bool IsShown() const { return m_surface.HasWindow(); }

    /// Shows `system`'s area of use, and its name or "No area of use" under the world.
    void ShowSystem(Gridlore::CoordinateSystem const& system);
    /// The extent of the host's data, outlined on the map.
    void SetAreaOfInterest(std::optional<GeoArea> area);
    /// A place the user typed, marked on the map.
    void SetPoint(std::optional<GeoPoint> point);

    platform::DrawingSurface const& Surface() const { return m_surface; }

private:
    void Redraw();

    AreaOfUseMap m_map;
    platform::DrawingSurface m_surface;
};

} // namespace gridui
