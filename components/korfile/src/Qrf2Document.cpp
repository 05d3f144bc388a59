#include "Qrf2Document.h"

#include "FileError.h"

#include "kor/KORDef.h"
#include "kor/KORTypes.h"
#include "kor/UCSDef.h"
#include "shr/Utf8.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <optional>
#include <type_traits>

namespace korfile {
namespace {

using nlohmann::json;

json EllipsoidToJson(kor::EllipsoidDef const& ellipsoid) {
    json object = {{"a", ellipsoid.GetMajorRadius()}, {"f", ellipsoid.GetFlattening()}};
    if (ellipsoid.GetName() != nullptr) {
        object["name"] = shr::ToUtf8(ellipsoid.GetName());
    }
    if (ellipsoid.GetPOSCNumber() != 0) {
        object["epsg"] = ellipsoid.GetPOSCNumber();
    }
    return object;
}

json WarpToJson(kor::WarpDef const& warp) {
    json coefficients = json::array();
    for (int id = 1; id <= kor::WarpDef::NumParameters(); ++id) {
        double value = 0.0;
        warp.GetParameter(id, value);
        coefficients.push_back(value);
    }
    return coefficients;
}

/// The parameter `id` read as `Held`, in its JSON form; nothing when it is not held.
template <typename Held, typename Definition>
std::optional<json> HeldParameter(Definition const& definition, int id) {
    Held held{};
    if (!definition.GetParameter(id, held)) {
        return std::nullopt;
    }
    if constexpr (std::is_same_v<Held, kor::EllipsoidDef>) {
        return EllipsoidToJson(held);
    } else {
        return json(held);
    }
}

/// One held parameter as {"id", "name", "value"}; the name is for people reading the file.
/// Callers try every id, so nothing is built before the parameter is known to be held.
template <typename Definition>
void AppendParameter(json& list, Definition const& definition, int id) {
    std::optional<json> stored;
    switch (Definition::ParameterDataType(id)) {
    case kor::KORDataTypeDouble:
        stored = HeldParameter<double>(definition, id);
        break;
    case kor::KORDataTypeInt:
    case kor::KORDataTypeEnum:
        stored = HeldParameter<int>(definition, id);
        break;
    case kor::KORDataTypeBool:
        // Only some definitions hold flags.
        if constexpr (requires(bool& flag) { definition.GetParameter(id, flag); }) {
            stored = HeldParameter<bool>(definition, id);
        }
        break;
    case kor::KORDataTypeEllipsoid:
        stored = HeldParameter<kor::EllipsoidDef>(definition, id);
        break;
    default:
        break;
    }
    if (!stored) {
        return;
    }
    json entry = {{"id", id}};
    if (wchar_t const* name = Definition::ParameterName(id)) {
        entry["name"] = shr::ToUtf8(name);
    }
    entry["value"] = std::move(*stored);
    list.push_back(std::move(entry));
}

json DatumToJson(kor::DatumDef const& datum) {
    json object = {{"name", shr::ToUtf8(datum.GetName())}};
    if (datum.GetPOSCNumber() != 0) {
        object["epsg"] = datum.GetPOSCNumber();
    }
    if (!datum.GetToken().empty()) {
        object["token"] = shr::ToUtf8(datum.GetToken());
    }
    if (!datum.GetAuthorityGivenName().empty()) {
        object["authorityName"] = shr::ToUtf8(datum.GetAuthorityGivenName());
    }
    if (datum.GetGeographicCRSCodeNumber() != 0) {
        object["geographicEpsg"] = datum.GetGeographicCRSCodeNumber();
    }
    json parameters = json::array();
    for (int id = 1; id < kor::MaxParameterId; ++id) {
        AppendParameter(parameters, datum, id);
    }
    object["parameters"] = std::move(parameters);
    return object;
}

json ProjectionToJson(kor::ProjectionDef const& projection) {
    json object = {{"method", projection.GetMethod()}};
    if (wchar_t const* name = kor::ProjectionDef::MethodToName(projection.GetMethod())) {
        object["methodName"] = shr::ToUtf8(name);
    }
    json parameters = json::array();
    for (int id = 1; id < kor::MaxParameterId; ++id) {
        if (projection.HasParameter(id)) {
            AppendParameter(parameters, projection, id);
        }
    }
    object["parameters"] = std::move(parameters);
    json names = json::array();
    for (auto const& [id, name] : projection.GetWellKnownNames()) {
        names.push_back({{"id", id}, {"name", shr::ToUtf8(name)}});
    }
    if (!names.empty()) {
        object["wellKnownNames"] = std::move(names);
    }
    return object;
}

/// Reads members of one JSON object and says exactly where a value is wrong.
class ObjectReader {
public:
    ObjectReader(json const& object, std::filesystem::path const& path, std::string where)
        : m_object(object)
        , m_path(path)
        , m_where(std::move(where)) {
        if (!object.is_object()) {
            Fail(L"is not an object");
        }
    }

    [[noreturn]] void Fail(std::wstring const& what) const { FailAt(m_where, what); }

    /// Names the place as a JSON pointer, so a user can find it in any JSON viewer.
    [[noreturn]] void FailAt(std::string const& where, std::wstring const& what) const {
        std::wstring const place = where.empty() ? L"the document" : shr::FromUtf8(where);
        ThrowFileError(m_path, L"is not a valid QRF2 file: " + place + L" " + what + L".");
    }

    bool Has(char const* key) const { return m_object.contains(key); }

    json const& Member(char const* key) const {
        if (!Has(key)) {
            Fail(L"lacks \"" + shr::FromUtf8(key) + L"\"");
        }
        return m_object.at(key);
    }

    ObjectReader Child(char const* key) const { return {Member(key), m_path, Place(key)}; }
    ObjectReader Child(json const& value, std::string const& key) const {
        return {value, m_path, Place(key)};
    }

    std::string Place(std::string const& key) const { return m_where + "/" + key; }

    double Double(char const* key) const {
        json const& value = Member(key);
        if (!value.is_number()) {
            FailAt(Place(key), L"is not a number");
        }
        return value.get<double>();
    }
    double DoubleOr(char const* key, double fallback) const {
        return Has(key) ? Double(key) : fallback;
    }

    int Int(char const* key) const {
        json const& value = Member(key);
        if (!value.is_number_integer() || value.get<std::int64_t>() < INT32_MIN ||
            value.get<std::int64_t>() > INT32_MAX) {
            FailAt(Place(key), L"is not a whole number");
        }
        return value.get<int>();
    }
    int IntOr(char const* key, int fallback) const { return Has(key) ? Int(key) : fallback; }

    bool Bool(char const* key) const {
        json const& value = Member(key);
        if (!value.is_boolean()) {
            FailAt(Place(key), L"is not true or false");
        }
        return value.get<bool>();
    }

    std::wstring Text(char const* key) const {
        json const& value = Member(key);
        if (!value.is_string()) {
            FailAt(Place(key), L"is not a text");
        }
        return shr::FromUtf8(value.get_ref<std::string const&>());
    }
    std::wstring TextOr(char const* key) const { return Has(key) ? Text(key) : std::wstring(); }

    json const& Array(char const* key) const {
        json const& value = Member(key);
        if (!value.is_array()) {
            FailAt(Place(key), L"is not a list");
        }
        return value;
    }

    std::filesystem::path const& FilePath() const { return m_path; }

private:
    json const& m_object;
    std::filesystem::path const& m_path;
    std::string m_where;
};

kor::EllipsoidDef EllipsoidFromJson(ObjectReader const& reader) {
    kor::EllipsoidDef ellipsoid(reader.TextOr("name"), reader.Double("a"), reader.Double("f"),
                                reader.IntOr("epsg", 0));
    std::wstring reason;
    if (!ellipsoid.CheckParameters(reason)) {
        reader.Fail(L"is no usable ellipsoid: " + reason);
    }
    return ellipsoid;
}

kor::WarpDef WarpFromJson(ObjectReader const& owner) {
    json const& coefficients = owner.Array("warp");
    if (coefficients.size() != static_cast<std::size_t>(kor::WarpDef::NumParameters())) {
        owner.Fail(L"has a warp without its six coefficients");
    }
    kor::WarpDef warp;
    for (int id = 1; id <= kor::WarpDef::NumParameters(); ++id) {
        json const& value = coefficients[static_cast<std::size_t>(id - 1)];
        if (!value.is_number()) {
            owner.Fail(L"has a warp coefficient that is not a number");
        }
        warp.SetParameter(id, value.get<double>());
    }
    return warp;
}

/// Reads {"id", "value"} entries into `definition`, checking each value's type.
template <typename Definition>
void ParametersFromJson(ObjectReader const& owner, Definition& definition) {
    json const& list = owner.Array("parameters");
    for (std::size_t i = 0; i < list.size(); ++i) {
        ObjectReader const entry = owner.Child(list[i], "parameters/" + std::to_string(i));
        int const id = entry.Int("id");
        switch (Definition::ParameterDataType(id)) {
        case kor::KORDataTypeDouble:
            definition.SetParameter(id, entry.Double("value"));
            break;
        case kor::KORDataTypeInt:
        case kor::KORDataTypeEnum:
            definition.SetParameter(id, entry.Int("value"));
            break;
        case kor::KORDataTypeBool:
            if constexpr (requires(bool flag) { definition.SetParameter(id, flag); }) {
                definition.SetParameter(id, entry.Bool("value"));
                break;
            }
            entry.Fail(L"names parameter " + std::to_wstring(id) + L", which is unknown");
        case kor::KORDataTypeEllipsoid:
            definition.SetParameter(id, EllipsoidFromJson(entry.Child("value")));
            break;
        default:
            entry.Fail(L"names parameter " + std::to_wstring(id) + L", which is unknown");
        }
    }
}

kor::DatumDef DatumFromJson(ObjectReader const& reader) {
    kor::DatumDef datum;
    datum.SetName(reader.Text("name"));
    datum.SetPOSCNumber(reader.IntOr("epsg", 0));
    datum.SetToken(reader.TextOr("token"));
    datum.SetAuthorityGivenName(reader.TextOr("authorityName"));
    datum.SetGeographicCRSCodeNumber(reader.IntOr("geographicEpsg", 0));
    ParametersFromJson(reader, datum);
    if (kor::DatumDef::MethodToName(datum.GetMethod()) == nullptr) {
        reader.Fail(L"has the unknown datum method " + std::to_wstring(datum.GetMethod()));
    }
    return datum;
}

kor::ProjectionDef ProjectionFromJson(ObjectReader const& reader) {
    int const method = reader.Int("method");
    if (kor::ProjectionDef::MethodToName(method) == nullptr) {
        reader.Fail(L"has the unknown projection method " + std::to_wstring(method));
    }
    kor::ProjectionDef projection;
    projection.SetMethod(method);
    ParametersFromJson(reader, projection);
    if (reader.Has("wellKnownNames")) {
        json const& names = reader.Array("wellKnownNames");
        for (std::size_t i = 0; i < names.size(); ++i) {
            ObjectReader const entry =
                reader.Child(names[i], "wellKnownNames/" + std::to_string(i));
            projection.SetWellKnownName(entry.Int("id"), entry.Text("name"));
        }
    }
    return projection;
}

} // namespace

json SystemToJson(kor::CSDef const& definition) {
    json object = {{"name", shr::ToUtf8(definition.GetName())}};
    if (definition.GetHints() != 0) {
        object["hints"] = definition.GetHints();
    }
    if (auto const* referenced = dynamic_cast<kor::KORDef const*>(&definition)) {
        object["type"] = "referenced";
        if (referenced->GetPOSC() != 0) {
            object["epsg"] = referenced->GetPOSC();
        }
        if (referenced->GetDatum() != nullptr) {
            object["datum"] = DatumToJson(*referenced->GetDatum());
        }
        if (referenced->GetProjection() != nullptr) {
            object["projection"] = ProjectionToJson(*referenced->GetProjection());
        }
    } else if (auto const* local = dynamic_cast<kor::UCSDef const*>(&definition)) {
        object["type"] = "local";
        object["unitsPerMeter"] = local->GetLinearScale();
        object["originX"] = local->GetOrigin().x;
        object["originY"] = local->GetOrigin().y;
    }
    if (definition.GetWarp() != nullptr) {
        object["warp"] = WarpToJson(*definition.GetWarp());
    }
    return object;
}

std::unique_ptr<kor::CSDef> SystemFromJson(json const& object, std::filesystem::path const& path,
                                           std::string const& where) {
    ObjectReader const reader(object, path, where);
    std::wstring const type = reader.Text("type");
    std::unique_ptr<kor::CSDef> definition;
    if (type == L"referenced") {
        auto referenced = std::make_unique<kor::KORDef>();
        referenced->SetPOSC(reader.IntOr("epsg", 0));
        if (reader.Has("datum")) {
            kor::DatumDef const datum = DatumFromJson(reader.Child("datum"));
            referenced->SetDatum(&datum);
        }
        if (reader.Has("projection")) {
            kor::ProjectionDef const projection = ProjectionFromJson(reader.Child("projection"));
            referenced->SetProjection(&projection);
        }
        definition = std::move(referenced);
    } else if (type == L"local") {
        definition = std::make_unique<kor::UCSDef>(reader.Double("unitsPerMeter"),
                                                   reader.DoubleOr("originX", 0.0),
                                                   reader.DoubleOr("originY", 0.0), nullptr);
    } else {
        reader.Fail(L"has the unknown system type \"" + type + L"\"");
    }
    definition->SetName(reader.Text("name"));
    if (reader.Has("hints")) {
        json const& hints = reader.Member("hints");
        if (!hints.is_number_unsigned() || hints.get<std::uint64_t>() > UINT32_MAX) {
            reader.Fail(L"has hints that are not a 32-bit flag set");
        }
        definition->SetHint(hints.get<kor::CSHint>(), true);
    }
    if (reader.Has("warp")) {
        kor::WarpDef const warp = WarpFromJson(reader);
        definition->SetWarp(&warp);
    }
    return definition;
}

void CheckQrf2Header(json const& document, std::filesystem::path const& path) {
    ObjectReader const reader(document, path, "");
    if (reader.TextOr("format") != L"QRF2") {
        reader.Fail(L"does not declare \"format\": \"QRF2\"");
    }
    int const version = reader.Int("version");
    if (version < 1 || version > Qrf2Version) {
        reader.Fail(L"has version " + std::to_wstring(version) +
                    L", which this program does not read");
    }
}

} // namespace korfile
