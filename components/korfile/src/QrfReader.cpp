#include "QrfReader.h"

#include "FileError.h"

#include "kor/KORDef.h"
#include "kor/KORTypes.h"
#include "kor/UCSDef.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cwctype>
#include <map>
#include <optional>
#include <set>

namespace korfile {
namespace {

struct Entry {
    std::wstring value;
    int line = 0;
};

std::wstring Lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t ch) { return static_cast<wchar_t>(std::towlower(ch)); });
    return text;
}

/// The key = value lines of a QRF file, each remembered with its line number.
class QrfLines {
public:
    QrfLines(std::string_view content, std::filesystem::path const& path)
        : m_path(path) {
        if (!shr::IsValidUtf8(content)) {
            ThrowFileError(path, L"is not a QRF file: it is not UTF-8 text.");
        }
        std::wstring const text = shr::FromUtf8(content);
        bool isSigned = false;
        bool ended = false;
        int number = 0;
        for (std::size_t start = 0; start <= text.size();) {
            std::size_t end = text.find(L'\n', start);
            if (end == std::wstring::npos) {
                end = text.size();
            }
            std::wstring const line = shr::Trim(text.substr(start, end - start));
            start = end + 1;
            ++number;
            if (line.empty() || line.front() == L'#' || line.front() == L';') {
                continue;
            }
            if (ended) {
                FailAt(number, L"follows the closing 'end' line");
            }
            if (!isSigned) {
                if (line != L"QRF 1") {
                    FailAt(number, L"should be the signature 'QRF 1'; this is not a QRF file "
                                   L"of a version this program reads");
                }
                isSigned = true;
            } else if (line == L"end") {
                ended = true;
            } else {
                Add(line, number);
            }
        }
        if (!isSigned) {
            ThrowFileError(path, L"is not a QRF file: it lacks the signature 'QRF 1'.");
        }
        if (!ended) {
            ThrowFileError(path, L"is truncated: it lacks its closing 'end' line.");
        }
    }

    [[noreturn]] void FailAt(int line, std::wstring const& what) const {
        ThrowFileError(m_path, L"line " + std::to_wstring(line) + L": " + what + L".");
    }

    std::optional<Entry> Take(std::wstring const& key) {
        auto const found = m_entries.find(key);
        if (found == m_entries.end()) {
            return std::nullopt;
        }
        Entry entry = found->second;
        m_entries.erase(found);
        return entry;
    }

    Entry Require(std::wstring const& key) {
        if (auto entry = Take(key)) {
            return *entry;
        }
        ThrowFileError(m_path, L"lacks the required key '" + key + L"'.");
    }

    /// Keys under `prefix` (such as "datum.") not taken yet, in line order.
    std::vector<std::pair<std::wstring, Entry>> TakeAllUnder(std::wstring const& prefix) {
        std::vector<std::pair<std::wstring, Entry>> taken;
        for (auto it = m_entries.begin(); it != m_entries.end();) {
            if (it->first.starts_with(prefix)) {
                taken.emplace_back(it->first.substr(prefix.size()), it->second);
                it = m_entries.erase(it);
            } else {
                ++it;
            }
        }
        std::sort(taken.begin(), taken.end(),
                  [](auto const& a, auto const& b) { return a.second.line < b.second.line; });
        return taken;
    }

    /// Fails on the first key that nothing took.
    void CheckAllTaken() const {
        auto const first =
            std::min_element(m_entries.begin(), m_entries.end(), [](auto const& a, auto const& b) {
                return a.second.line < b.second.line;
            });
        if (first != m_entries.end()) {
            FailAt(first->second.line, L"the key '" + first->first + L"' is unknown here");
        }
    }

    double Number(Entry const& entry) const {
        std::string const bytes = shr::ToUtf8(entry.value);
        double value = 0.0;
        auto const [end, error] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), value);
        if (error != std::errc() || end != bytes.data() + bytes.size() || !std::isfinite(value)) {
            FailAt(entry.line, L"'" + entry.value + L"' is not a number");
        }
        return value;
    }

    int WholeNumber(Entry const& entry) const {
        std::string const bytes = shr::ToUtf8(entry.value);
        int value = 0;
        auto const [end, error] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), value);
        if (error != std::errc() || end != bytes.data() + bytes.size()) {
            FailAt(entry.line, L"'" + entry.value + L"' is not a whole number");
        }
        return value;
    }

    /// A number, or a name that `toNumber` knows (it gives 0 for an unknown name).
    template <typename NameToNumber>
    int NumberOrName(Entry const& entry, NameToNumber toNumber, wchar_t const* what) const {
        if (!entry.value.empty() && std::iswdigit(entry.value.front())) {
            return WholeNumber(entry);
        }
        int const number = toNumber(entry.value);
        if (number == 0) {
            FailAt(entry.line, L"'" + entry.value + L"' is not a known " + what);
        }
        return number;
    }

private:
    void Add(std::wstring const& line, int number) {
        std::size_t const equals = line.find(L'=');
        if (equals == std::wstring::npos) {
            FailAt(number, L"is not of the form 'key = value'");
        }
        std::wstring const key = Lower(shr::Trim(line.substr(0, equals)));
        if (key.empty()) {
            FailAt(number, L"has no key before '='");
        }
        auto const [it, inserted] =
            m_entries.emplace(key, Entry{shr::Trim(line.substr(equals + 1)), number});
        if (!inserted) {
            FailAt(number, L"the key '" + key + L"' was already given on line " +
                               std::to_wstring(it->second.line));
        }
    }

    std::filesystem::path const& m_path;
    std::map<std::wstring, Entry> m_entries;
};

/// The id of the parameter that `key` names, by number or by name ignoring case.
template <typename Definition> int ParameterId(std::wstring const& key) {
    if (!key.empty() &&
        std::all_of(key.begin(), key.end(), [](wchar_t ch) { return std::iswdigit(ch); })) {
        return key.size() < 4 ? std::stoi(key) : 0;
    }
    for (int id = 1; id < kor::MaxParameterId; ++id) {
        wchar_t const* name = Definition::ParameterName(id);
        if (name != nullptr && Lower(name) == key) {
            return id;
        }
    }
    return 0;
}

template <typename Definition>
void SetParameterFromEntry(QrfLines const& lines, Definition& definition, std::wstring const& key,
                           Entry const& entry) {
    int const id = ParameterId<Definition>(key);
    switch (id == 0 ? 0 : Definition::ParameterDataType(id)) {
    case kor::KORDataTypeDouble:
        definition.SetParameter(id, lines.Number(entry));
        return;
    case kor::KORDataTypeInt:
    case kor::KORDataTypeEnum:
        if constexpr (std::is_same_v<Definition, kor::DatumDef>) {
            if (id == kor::DatumDef::Target) {
                definition.SetParameter(
                    id, lines.NumberOrName(entry, kor::DatumDef::NameToTarget, L"target datum"));
                return;
            }
            if (id == kor::DatumDef::MREType) {
                definition.SetParameter(
                    id, lines.NumberOrName(entry, kor::DatumDef::NameToMREType, L"MRE type"));
                return;
            }
        }
        definition.SetParameter(id, lines.WholeNumber(entry));
        return;
    default:
        lines.FailAt(entry.line, L"'" + key + L"' is not a parameter that can be given here");
    }
}

kor::EllipsoidDef ReadEllipsoid(QrfLines& lines, std::filesystem::path const& path) {
    std::wstring const name = lines.Take(L"datum.ellipsoid.name").value_or(Entry{}).value;
    Entry const axis = lines.Require(L"datum.ellipsoid.a");
    Entry const inverse = lines.Require(L"datum.ellipsoid.rf");
    double const inverseFlattening = lines.Number(inverse);
    kor::EllipsoidDef ellipsoid(name, lines.Number(axis),
                                inverseFlattening == 0.0 ? 0.0 : 1.0 / inverseFlattening);
    std::wstring reason;
    if (!ellipsoid.CheckParameters(reason)) {
        ThrowFileError(path, L"line " + std::to_wstring(axis.line) + L": " + reason);
    }
    return ellipsoid;
}

kor::DatumDef ReadDatum(QrfLines& lines, std::filesystem::path const& path) {
    kor::DatumDef datum;
    datum.SetName(lines.Require(L"datum.name").value);
    if (auto const code = lines.Take(L"datum.epsg")) {
        datum.SetPOSCNumber(lines.WholeNumber(*code));
    }
    if (auto const method = lines.Take(L"datum.method")) {
        datum.SetParameter(
            kor::DatumDef::Method,
            lines.NumberOrName(*method, kor::DatumDef::NameToMethod, L"datum method"));
    }
    kor::EllipsoidDef const ellipsoid = ReadEllipsoid(lines, path);
    datum.SetParameter(kor::DatumDef::Ellipsoid, ellipsoid);
    for (auto const& [key, entry] : lines.TakeAllUnder(L"datum.")) {
        SetParameterFromEntry(lines, datum, key, entry);
    }
    return datum;
}

kor::ProjectionDef ReadProjection(QrfLines& lines) {
    Entry const methodEntry = lines.Require(L"projection.method");
    int const method =
        lines.NumberOrName(methodEntry, kor::ProjectionDef::NameToMethod, L"projection method");
    if (kor::ProjectionDef::MethodToName(method) == nullptr) {
        lines.FailAt(methodEntry.line,
                     L"projection method " + std::to_wstring(method) + L" is unknown");
    }
    kor::ProjectionDef projection(method);
    if (auto const unit = lines.Take(L"projection.units_per_meter")) {
        projection.SetParameter(kor::ProjectionDef::LinearUnit, lines.Number(*unit));
    }
    for (auto const& [key, entry] : lines.TakeAllUnder(L"projection.")) {
        SetParameterFromEntry(lines, projection, key, entry);
    }
    return projection;
}

kor::WarpDef ReadWarp(QrfLines const& lines, Entry const& entry) {
    kor::WarpDef warp;
    std::wstring rest = entry.value;
    for (int id = 1; id <= kor::WarpDef::NumParameters(); ++id) {
        rest = shr::Trim(rest);
        std::size_t const space =
            std::find_if(rest.begin(), rest.end(), shr::IsWhiteSpace) - rest.begin();
        if (rest.empty()) {
            lines.FailAt(entry.line, L"the warp needs six numbers");
        }
        warp.SetParameter(id, lines.Number(Entry{rest.substr(0, space), entry.line}));
        rest.erase(0, space);
    }
    if (!shr::Trim(rest).empty()) {
        lines.FailAt(entry.line, L"the warp takes six numbers, no more");
    }
    return warp;
}

} // namespace

std::unique_ptr<kor::CSDef> ReadQrf(std::string_view content, std::filesystem::path const& path) {
    QrfLines lines(content, path);
    Entry const name = lines.Require(L"name");
    std::wstring const type = Lower(lines.Take(L"type").value_or(Entry{L"referenced", 0}).value);
    std::unique_ptr<kor::CSDef> definition;
    if (type == L"referenced") {
        kor::DatumDef const datum = ReadDatum(lines, path);
        kor::ProjectionDef const projection = ReadProjection(lines);
        auto referenced = std::make_unique<kor::KORDef>(&datum, &projection, nullptr);
        if (auto const code = lines.Take(L"epsg")) {
            referenced->SetPOSC(lines.WholeNumber(*code));
        }
        definition = std::move(referenced);
    } else if (type == L"local") {
        double const scale = lines.Number(lines.Require(L"local.units_per_meter"));
        auto const originX = lines.Take(L"local.origin_x");
        auto const originY = lines.Take(L"local.origin_y");
        definition = std::make_unique<kor::UCSDef>(scale, originX ? lines.Number(*originX) : 0.0,
                                                   originY ? lines.Number(*originY) : 0.0, nullptr);
    } else {
        ThrowFileError(path, L"has the unknown type '" + type +
                                 L"'; it should be 'referenced' or 'local'.");
    }
    definition->SetName(name.value);
    if (auto const warpEntry = lines.Take(L"warp")) {
        kor::WarpDef const warp = ReadWarp(lines, *warpEntry);
        definition->SetWarp(&warp);
    }
    lines.CheckAllTaken();
    std::wstring reason;
    if (!definition->Check(reason)) {
        ThrowFileError(path, L"does not define a usable system: " + reason);
    }
    return definition;
}

} // namespace korfile
