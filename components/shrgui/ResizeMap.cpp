#include "shrgui/ResizeMap.h"

#include "ToolkitError.h"

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

/// Moves the span [low, high) of one axis: by `delta` outside a group, scaled within
/// the group's span [groupLow, groupHigh) inside one.
void Place(int& low, int& high, int cachedLow, int cachedHigh, bool size, bool move, int delta,
           int const* groupLow, int const* groupHigh) {
    if (!size && !move) {
        return;
    }
    if (groupLow == nullptr) {
        low = move ? cachedLow + delta : cachedLow;
        high = cachedHigh + delta;
        return;
    }
    long long const span = *groupHigh - *groupLow;
    auto const scale = [&](int value) {
        if (span == 0) {
            return value;
        }
        long long const offset = static_cast<long long>(value - *groupLow) * (span + delta);
        return *groupLow + static_cast<int>((offset + span / 2) / span);
    };
    low = scale(cachedLow);
    high = size ? scale(cachedHigh) : low + (cachedHigh - cachedLow);
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
                                                  platform::Size delta) {
    std::vector<Row> const rows = ReadMap(map);
    std::map<int, platform::Rect> layout;
    std::map<int, platform::Rect> bounds;
    for (Row const& row : rows) {
        auto const found = cached.find(row.id);
        if (found == cached.end()) {
            SHRGUI_ERROR(L"the resize map names control " + std::to_wstring(row.id) +
                         L", whose rectangle was never taken");
        }
        layout[row.id] = found->second;
        if (row.group != -1) {
            auto [box, added] = bounds.try_emplace(row.group, found->second);
            platform::Rect& b = box->second;
            platform::Rect const& c = found->second;
            b = {std::min(b.left, c.left), std::min(b.top, c.top), std::max(b.right, c.right),
                 std::max(b.bottom, c.bottom)};
        }
    }
    for (Row const& row : rows) {
        platform::Rect const& c = cached.at(row.id);
        platform::Rect& r = layout[row.id];
        platform::Rect const* group = row.group == -1 ? nullptr : &bounds.at(row.group);
        Place(r.left, r.right, c.left, c.right, (row.flags & ResizeSizeX) != 0,
              (row.flags & ResizeMoveX) != 0, delta.width, group ? &group->left : nullptr,
              group ? &group->right : nullptr);
        Place(r.top, r.bottom, c.top, c.bottom, (row.flags & ResizeSizeY) != 0,
              (row.flags & ResizeMoveY) != 0, delta.height, group ? &group->top : nullptr,
              group ? &group->bottom : nullptr);
    }
    return layout;
}

} // namespace shrgui
