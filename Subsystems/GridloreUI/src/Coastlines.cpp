#include "Coastlines.h"
#include "CoastlinesData.h"

#include "Shared/ExecuteNoThrow.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace gridui {

namespace {

constexpr std::string_view Magic = "gridlore-coastlines 1 ";

class LineReader {
public:
    explicit LineReader(std::string_view text)
        : m_rest(text) {}

    bool Next(std::string_view& line) {
        if (m_rest.empty()) {
            return false;
        }
        std::size_t const end = m_rest.find('\n');
        line = m_rest.substr(0, end);
        m_rest = end == std::string_view::npos ? std::string_view() : m_rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        ++m_number;
        return true;
    }
    int Number() const { return m_number; }

private:
    std::string_view m_rest;
    int m_number = 0;
};

bool ParseNumber(std::string_view& rest, double& value) {
    std::size_t const start = rest.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return false;
    }
    rest.remove_prefix(start);
    auto const [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (error != std::errc() || (end != rest.data() + rest.size() && *end != ' ')) {
        return false;
    }
    rest.remove_prefix(static_cast<std::size_t>(end - rest.data()));
    return true;
}

/// The points of one shoreline line; empty when the line is not two points or more on
/// the globe.
std::vector<GeoPoint> ParseShoreline(std::string_view line) {
    std::vector<GeoPoint> points;
    GeoPoint point;
    while (ParseNumber(line, point.longitude)) {
        if (!ParseNumber(line, point.latitude) || point.longitude < -180.0 ||
            point.longitude > 180.0 || point.latitude < -90.0 || point.latitude > 90.0) {
            return {};
        }
        points.push_back(point);
    }
    if (line.find_first_not_of(' ') != std::string_view::npos || points.size() < 2) {
        return {};
    }
    return points;
}

CoastlinesRead Problem(std::wstring const& source, int line, std::wstring const& what) {
    return {{}, source + L", line " + std::to_wstring(line) + L": " + what};
}

} // namespace

CoastlinesRead ParseCoastlines(std::string_view text, std::wstring const& source) {
    LineReader reader(text);
    std::string_view line;
    while (reader.Next(line) && line.starts_with('#')) {
    }
    std::size_t count = 0;
    if (reader.Number() == 0 || !line.starts_with(Magic) ||
        std::from_chars(line.data() + Magic.size(), line.data() + line.size(), count).ec !=
            std::errc()) {
        return Problem(source, reader.Number(), L"not a coastline outline");
    }
    CoastlinesRead read;
    read.coastlines.lines.reserve(count);
    while (read.coastlines.lines.size() < count) {
        if (!reader.Next(line)) {
            return Problem(source, reader.Number(),
                           L"the outline ends after " +
                               std::to_wstring(read.coastlines.lines.size()) + L" of " +
                               std::to_wstring(count) + L" shorelines");
        }
        std::vector<GeoPoint> points = ParseShoreline(line);
        if (points.empty()) {
            return Problem(source, reader.Number(),
                           L"expected longitude/latitude pairs in degrees, at least two");
        }
        read.coastlines.lines.push_back(std::move(points));
    }
    return read;
}

CoastlinesRead ReadCoastlinesFile(std::filesystem::path const& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    if (!(file && content << file.rdbuf())) {
        return {{}, path.wstring() + L": the file cannot be read"};
    }
    return ParseCoastlines(content.str(), path.wstring());
}

Coastlines const& BuiltInCoastlines() {
    static Coastlines const coastlines = [] {
        std::span<unsigned char const> const bytes = CoastlinesData();
        CoastlinesRead read =
            bytes.empty()
                ? CoastlinesRead{{}, L"the library was built without its coastline outline"}
                : ParseCoastlines({reinterpret_cast<char const*>(bytes.data()), bytes.size()},
                                  L"the built-in coastline outline");
        if (!read.problem.empty()) {
            shared::LogNoThrow(shr::LogWarning, L"The area-of-use map draws no coastlines: %ls.",
                               read.problem.c_str());
        }
        return std::move(read.coastlines);
    }();
    return coastlines;
}

} // namespace gridui
