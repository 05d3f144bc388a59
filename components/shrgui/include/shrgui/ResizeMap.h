// shrgui resize maps: which controls follow the dialog's size, and the layout arithmetic.
#pragma once

#include "platform/Geometry.h"
#include "shrgui/Export.h"

#include <map>
#include <vector>

namespace shrgui {

/// One row of a resize map: a control id and what it does when the dialog grows.
struct SHRGUI_EXPORT ResizeMapEntry {
    int id;
    unsigned flags;
};

enum ResizeFlags : unsigned {
    /// The width follows the dialog's width.
    ResizeSizeX = 0x1,
    ResizeSizeY = 0x2,
    /// Moves with the right edge.
    ResizeMoveX = 0x4,
    ResizeMoveY = 0x8,
    /// With id -1: members up to the closing row share the extra space proportionally.
    ResizeBeginGroup = 0x1000,
    ResizeEndGroup = 0x2000,
};

/// A map ends with the row {-1, 0}.
inline constexpr ResizeMapEntry ResizeMapEnd{-1, 0};

/// Where each mapped control goes when the client area grows by `growth` from the size
/// at which `cached` was taken. Outside groups, sizing moves the right or bottom edge
/// by the growth and moving shifts both edges. A group's members are stacked along each
/// flagged axis: the sized members share the growth in proportion to their sizes, the
/// gaps between them keep theirs, and every member moves by the growth of the sized
/// members before it. A member lying within a sized member of its group (a list in its
/// group box) keeps its margins to that member instead, so it stays inside it; one that
/// only moves follows that member's far edge. A control may have several rows (one per
/// axis).
/// A malformed map (a group not closed, a row for a control without a cached
/// rectangle) is an internal error.
SHRGUI_EXPORT std::map<int, platform::Rect>
ComputeResizeLayout(ResizeMapEntry const* map, std::map<int, platform::Rect> const& cached,
                    platform::Size growth);

/// The ids a map names, without the markers.
SHRGUI_EXPORT std::vector<int> ResizeMapControls(ResizeMapEntry const* map);

} // namespace shrgui
