// gridui::Coastlines: the shorelines the area-of-use map draws, and their reader.
#pragma once

#include "gridui/GeoArea.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace gridui {

/// Shorelines as open polylines of longitude/latitude points in degrees.
struct Coastlines {
    std::vector<std::vector<GeoPoint>> lines;
};

/// What reading gave: the shorelines, or none and why, in a reader's words.
struct CoastlinesRead {
    Coastlines coastlines;
    /// Empty when the whole outline was read.
    std::wstring problem;
};

/// Reads the outline format that resources/make_coastlines.py writes: lines of comments
/// ("#"), a header "gridlore-coastlines 1 COUNT", then COUNT lines of "lon lat" pairs.
/// Anything else (a point off the globe, a short or truncated file) is a problem naming
/// `source` and the line; nothing of a damaged outline is kept.
CoastlinesRead ParseCoastlines(std::string_view text, std::wstring const& source);
/// ParseCoastlines on a file's content; a file that cannot be read is a problem too.
CoastlinesRead ReadCoastlinesFile(std::filesystem::path const& path);

/// The outline built into the library, read on first use. When it is missing or
/// damaged the map draws without it and the log says so, once per process.
Coastlines const& BuiltInCoastlines();

} // namespace gridui
