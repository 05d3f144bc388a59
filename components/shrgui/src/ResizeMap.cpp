#include "shrgui/ResizeMap.h"

#include "ToolkitError.h"

#include <algorithm>

namespace shrgui {

namespace {

struct Row {
    int id;
    unsigned flags;
    int group;
};

std::vector<Row> ReadMap(ResizeMapEntry const* map) {
    std::vector<Row> rows;
    int group = -1;
    int groups = 0;
    for (ResizeMapEntry const* entry = map;; ++entry) {
        if (entry->id != -1) {
            rows.push_back({entry->id, entry->flags, group});
            continue;
        }
        if (entry->flags == 0) {
            break;
        }
        if (entry->flags == ResizeBeginGroup && group == -1) {
            group = groups++;
        } else if (entry->flags == ResizeEndGroup && group != -1) {
            group = -1;
        } else {
            SHRGUI_ERROR(L"the resize map opens a group inside a group, closes one that is "
                         L"not open, or holds the unknown marker " +
                         std::to_wstring(entry->flags));
        }
    }
    if (group != -1) {
        SHRGUI_ERROR(L"the resize map ends inside a group");
    }
    return rows;
}

/// One axis of a row: which edges follow the growth.
struct Axis {
    bool size;
    bool move;
};

Axis AxisOf(unsigned flags, bool horizontal) {
    return horizontal ? Axis{(flags & ResizeSizeX) != 0, (flags & ResizeMoveX) != 0}
                      : Axis{(flags & ResizeSizeY) != 0, (flags & ResizeMoveY) != 0};
}

int& Low(platform::Rect& rect, bool horizontal) {
    return horizontal ? rect.left : rect.top;
}

int& High(platform::Rect& rect, bool horizontal) {
    return horizontal ? rect.right : rect.bottom;
}

int LowOf(platform::Rect const& rect, bool horizontal) {
    return horizontal ? rect.left : rect.top;
}

int HighOf(platform::Rect const& rect, bool horizontal) {
    return horizontal ? rect.right : rect.bottom;
}

/// Places one axis of every row outside groups: sizing moves the far edge by the growth,
/// moving shifts both edges.
void PlaceSingle(Row const& row, platform::Rect cached, platform::Rect& placed, bool horizontal,
                 int delta) {
    Axis const axis = AxisOf(row.flags, horizontal);
    if (!axis.size && !axis.move) {
        return;
    }
    Low(placed, horizontal) = LowOf(cached, horizontal) + (axis.move ? delta : 0);
    High(placed, horizontal) = HighOf(cached, horizontal) + delta;
}

/// Places one axis of a group's members that lie inside no other: stacked along the
/// axis, the sized members share the growth in proportion to their sizes, the gaps keep
/// theirs, and each member moves by the growth of the sized members before it.
void PlaceStacked(std::vector<Row const*> const& members,
                  std::map<int, platform::Rect> const& cached,
                  std::map<int, platform::Rect>& layout, bool horizontal, int delta) {
    auto const lengthOf = [&](Row const* row) {
        platform::Rect const& c = cached.at(row->id);
        return AxisOf(row->flags, horizontal).size ? HighOf(c, horizontal) - LowOf(c, horizontal)
                                                   : 0;
    };
    long long total = 0;
    for (Row const* row : members) {
        total += lengthOf(row);
    }
    // Rounded to the nearest pixel, halves up, for shrinking as for growing, so the
    // shares always add up to the growth.
    auto share = [&](long long upTo) {
        if (total == 0) {
            return 0;
        }
        long long const numerator = delta * upTo * 2 + total;
        long long const denominator = 2 * total;
        long long const quotient = numerator / denominator;
        return static_cast<int>(numerator % denominator < 0 ? quotient - 1 : quotient);
    };
    long long sized = 0;
    for (Row const* row : members) {
        platform::Rect const& c = cached.at(row->id);
        int const before = share(sized);
        sized += lengthOf(row);
        platform::Rect& placed = layout[row->id];
        Low(placed, horizontal) = LowOf(c, horizontal) + before;
        High(placed, horizontal) = HighOf(c, horizontal) + share(sized);
    }
}

/// Places one axis of a group. A member lying within a sized member before it (a list in
/// its group box) is nested in it: it keeps its distance from the container's near edge,
/// and when sized from the far edge too, so it never leaves the container; a nested
/// member that only moves follows the container's far edge. The others are stacked.
void PlaceGroup(std::vector<Row const*> members, std::map<int, platform::Rect> const& cached,
                std::map<int, platform::Rect>& layout, bool horizontal, int delta) {
    std::erase_if(members, [&](Row const* row) {
        Axis const axis = AxisOf(row->flags, horizontal);
        return !axis.size && !axis.move;
    });
    // Outer members first where two start together, so a container comes before its
    // contents.
    std::stable_sort(members.begin(), members.end(), [&](Row const* a, Row const* b) {
        platform::Rect const& ra = cached.at(a->id);
        platform::Rect const& rb = cached.at(b->id);
        if (LowOf(ra, horizontal) != LowOf(rb, horizontal)) {
            return LowOf(ra, horizontal) < LowOf(rb, horizontal);
        }
        return HighOf(ra, horizontal) > HighOf(rb, horizontal);
    });
    std::vector<Row const*> stacked;
    std::vector<std::pair<Row const*, Row const*>> nested;
    Row const* container = nullptr;
    for (Row const* row : members) {
        platform::Rect const& c = cached.at(row->id);
        if (container != nullptr) {
            platform::Rect const& outer = cached.at(container->id);
            if (LowOf(c, horizontal) >= LowOf(outer, horizontal) &&
                HighOf(c, horizontal) <= HighOf(outer, horizontal)) {
                nested.emplace_back(row, container);
                continue;
            }
        }
        stacked.push_back(row);
        if (AxisOf(row->flags, horizontal).size) {
            container = row;
        }
    }
    PlaceStacked(stacked, cached, layout, horizontal, delta);
    for (auto const& [row, outer] : nested) {
        platform::Rect const& c = cached.at(row->id);
        platform::Rect const& before = cached.at(outer->id);
        platform::Rect const& after = layout.at(outer->id);
        platform::Rect& placed = layout[row->id];
        int const farShift = HighOf(after, horizontal) - HighOf(before, horizontal);
        if (AxisOf(row->flags, horizontal).size) {
            Low(placed, horizontal) =
                LowOf(c, horizontal) + LowOf(after, horizontal) - LowOf(before, horizontal);
            High(placed, horizontal) = HighOf(c, horizontal) + farShift;
        } else {
            Low(placed, horizontal) = LowOf(c, horizontal) + farShift;
            High(placed, horizontal) = HighOf(c, horizontal) + farShift;
        }
    }
}

} // namespace

std::vector<int> ResizeMapControls(ResizeMapEntry const* map) {
    std::vector<int> ids;
    for (Row const& row : ReadMap(map)) {
        ids.push_back(row.id);
    }
    return ids;
}

std::map<int, platform::Rect> ComputeResizeLayout(ResizeMapEntry const* map,
                                                  std::map<int, platform::Rect> const& cached,
                                                  platform::Size growth) {
    std::vector<Row> const rows = ReadMap(map);
    std::map<int, platform::Rect> layout;
    std::map<int, std::vector<Row const*>> groups;
    for (Row const& row : rows) {
        auto const found = cached.find(row.id);
        if (found == cached.end()) {
            SHRGUI_ERROR(L"the resize map names control " + std::to_wstring(row.id) +
                         L", whose rectangle was never taken");
        }
        layout[row.id] = found->second;
        if (row.group != -1) {
            groups[row.group].push_back(&row);
        }
    }
    for (bool const horizontal : {true, false}) {
        int const delta = horizontal ? growth.width : growth.height;
        for (Row const& row : rows) {
            if (row.group == -1) {
                PlaceSingle(row, cached.at(row.id), layout[row.id], horizontal, delta);
            }
        }
        for (auto const& [group, members] : groups) {
            PlaceGroup(members, cached, layout, horizontal, delta);
        }
    }
    return layout;
}

} // namespace shrgui
