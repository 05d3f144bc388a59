#include "korfile/FormatLosses.h"

#include "kor/KORDef.h"
#include "kor/UCSDef.h"

namespace korfile {

namespace {

template <typename T> T ParameterOr(kor::DatumDef const& datum, int id, T fallback) {
    T value = fallback;
    datum.GetParameter(id, value);
    return value;
}

/// What ESRI's dialect of well-known text has no element for: a datum shift, an MRE
/// type, an axis order other than east/north and a warp. Everything else of a referenced
/// system reads back the same.
std::vector<std::wstring> EsriWktLosses(kor::KORDef const& system) {
    std::vector<std::wstring> lost;
    if (kor::DatumDef const* datum = system.GetDatum()) {
        kor::DatumMethod const method = datum->GetMethod();
        if (method != kor::DatumDef::MethodNone) {
            wchar_t const* target = kor::DatumDef::TargetToName(
                ParameterOr(*datum, kor::DatumDef::Target, int{kor::DatumDef::TargetWGS84}));
            wchar_t const* name = kor::DatumDef::MethodToName(method);
            lost.push_back(std::wstring(L"the datum shift to ") +
                           (target != nullptr ? target : L"another datum") + L" (" +
                           (name != nullptr ? name : L"unknown method") + L")");
        }
        int const mre = ParameterOr(*datum, kor::DatumDef::MREType, 1);
        if (wchar_t const* mreName = kor::DatumDef::MRETypeToName(mre); mre != 1) {
            lost.push_back(std::wstring(L"the MRE type (") +
                           (mreName != nullptr ? mreName : L"unknown") + L")");
        }
    }
    if (kor::ProjectionDef const* projection = system.GetProjection();
        projection != nullptr && !system.IsGeographic()) {
        int order = kor::ProjectionDef::AxisEastNorth;
        projection->GetParameter(kor::ProjectionDef::AxisOrder, order);
        if (order != kor::ProjectionDef::AxisEastNorth) {
            wchar_t const* name = kor::ProjectionDef::AxisOrderToName(order);
            lost.push_back(std::wstring(L"the axis order (") +
                           (name != nullptr ? name : L"unknown") +
                           L"; the file is read as east, north)");
        }
    }
    if (kor::WarpDef const* warp = system.GetWarp(); warp != nullptr && !warp->IsIdentity()) {
        lost.emplace_back(L"the affine warp of the coordinates");
    }
    return lost;
}

} // namespace

FormatLosses LossesOf(kor::CSDef const& definition, KORFileType type) {
    FormatLosses losses;
    if (type == QRF2) {
        return losses;
    }
    if (type == QRF) {
        losses.refusal = L"QRF files can be read but not written; save as QRF2 instead.";
        return losses;
    }
    if (type != WKT && type != AuxXml) {
        losses.refusal = L"file type " + std::to_wstring(type) + L" is unknown.";
        return losses;
    }
    auto const* referenced = dynamic_cast<kor::KORDef const*>(&definition);
    if (referenced == nullptr) {
        losses.refusal = std::wstring(L"a local system is not tied to the earth, and ") +
                         FileTypeName(type) +
                         L" holds only systems that are; save it as QRF2 instead.";
        return losses;
    }
    losses.lost = EsriWktLosses(*referenced);
    return losses;
}

} // namespace korfile
