#include "gridlore/CoordinateSystem.h"

#include "kor/Definitions.h"
#include "kor/KORDef.h"
#include "kor/KORException.h"
#include "kor/LinearUnitList.h"
#include "kor/MeridianList.h"
#include "kor/SystemList.h"
#include "kor/UCSDef.h"

#include "shr/NumberFormat.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <cmath>

namespace Gridlore {

namespace {

std::wstring Number(double value) {
    return shr::FormatNumber(value);
}

/// The plural name of the unit of `unitsPerMeter`: a known unit's, else "custom units";
/// "unknown units" for a scale that is not positive.
std::wstring UnitName(double unitsPerMeter) {
    if (!(unitsPerMeter > 0.0)) {
        return L"unknown units";
    }
    int const known =
        kor::KORKnownLinearUnitsList.FindByDivider(unitsPerMeter, 1e-9 * unitsPerMeter);
    return known >= 0 ? kor::KORKnownLinearUnitsList.EnumNamePlural(known)
                      : std::wstring(L"custom units");
}

std::wstring UnitText(double unitsPerMeter) {
    if (!(unitsPerMeter > 0.0)) {
        return L"unknown";
    }
    return UnitName(unitsPerMeter) + L" (" + Number(unitsPerMeter) + L" per meter)";
}

/// The origin as the local-system dialog shows it: in the system's own unit, which is
/// how the user typed it; a system of unknown unit keeps the numbers as stored.
std::wstring OriginText(kor::UCSDef const& local) {
    double const scale = local.GetLinearScale();
    double const factor = scale > 0.0 ? scale : 1.0;
    return Number(local.GetOrigin().x * factor) + L", " + Number(local.GetOrigin().y * factor) +
           L" " + UnitName(scale);
}

void DescribeDatum(kor::DatumDef const& datum, std::wstring& text) {
    text += L"Datum: " + (datum.GetName().empty() ? std::wstring(L"(unnamed)") : datum.GetName());
    if (datum.GetPOSCNumber() > 0) {
        text += L" [EPSG:" + std::to_wstring(datum.GetPOSCNumber()) + L"]";
    }
    text += L"\r\n";
    if (auto const* ellipsoid = datum.GetEllipsoid()) {
        text +=
            L"Ellipsoid: " +
            std::wstring(ellipsoid->GetName() != nullptr ? ellipsoid->GetName() : L"(unnamed)") +
            L", a = " + Number(ellipsoid->GetMajorRadius()) + L" m, 1/f = " +
            (ellipsoid->GetFlattening() > 0.0 ? Number(ellipsoid->GetInverseFlattening())
                                              : std::wstring(L"0 (sphere)")) +
            L"\r\n";
    }
    double longitude = 0.0;
    datum.GetParameter(kor::DatumDef::PrimeMeridian, longitude);
    int const meridian = kor::KORKnownMeridiansList.FindByLongitude(longitude, 1e-9);
    text += L"Prime meridian: " +
            (meridian >= 0 ? std::wstring(kor::KORKnownMeridiansList.EnumName(meridian)) + L" "
                           : std::wstring()) +
            L"(" + Number(longitude) + L"°)\r\n";
    kor::DatumMethod const method = datum.GetMethod();
    if (method == kor::DatumDef::MethodNone) {
        return;
    }
    int target = 0;
    datum.GetParameter(kor::DatumDef::Target, target);
    text += std::wstring(L"Datum shift to ") +
            (kor::DatumDef::TargetToName(target) != nullptr ? kor::DatumDef::TargetToName(target)
                                                            : L"?") +
            L": " +
            (kor::DatumDef::MethodToName(method) != nullptr ? kor::DatumDef::MethodToName(method)
                                                            : L"?") +
            L"\r\n";
    for (int index = 0; index < kor::DatumDef::NumParameters(method); ++index) {
        int const id = kor::DatumDef::EnumParameter(method, index);
        double value = 0.0;
        if (id < kor::DatumDef::DeltaX || id > kor::DatumDef::ScaleDifference ||
            !datum.GetParameter(id, value)) {
            continue;
        }
        text += std::wstring(L"    ") + kor::DatumDef::ParameterName(id) + L": " + Number(value) +
                L"\r\n";
    }
}

void DescribeProjection(kor::ProjectionDef const& projection, std::wstring& text) {
    kor::ProjectionMethod const method = projection.GetMethod();
    wchar_t const* name = kor::ProjectionDef::MethodToName(method);
    text +=
        std::wstring(L"Projection: ") + (name != nullptr ? name : L"(unknown method)") + L"\r\n";
    for (int index = 0; index < kor::ProjectionDef::NumParameters(method); ++index) {
        int const id = kor::ProjectionDef::EnumParameter(method, index);
        double value = 0.0;
        if (id == kor::ProjectionDef::Ellipsoid || id == kor::ProjectionDef::LinearUnit ||
            id == kor::ProjectionDef::AngularUnit || !projection.GetParameter(id, value)) {
            continue;
        }
        std::wstring shown = Number(value);
        if (id == kor::ProjectionDef::AxisOrder) {
            wchar_t const* order = kor::ProjectionDef::AxisOrderToName(static_cast<int>(value));
            shown = order != nullptr ? order : shown;
        }
        text +=
            std::wstring(L"    ") + kor::ProjectionDef::ParameterName(id) + L": " + shown + L"\r\n";
    }
}

void DescribeArea(int code, std::wstring& text) {
    auto const* entry =
        kor::KORKnownSystemsList.EnumEntry(kor::KORKnownSystemsList.FindByPOSC(code));
    if ((entry == nullptr) || entry->areaName.empty()) {
        return;
    }
    text += L"Area of use: " + shr::FromUtf8(entry->areaName);
    if (std::isfinite(entry->west)) {
        text += L" (west " + Number(entry->west) + L"°, south " + Number(entry->south) +
                L"°, east " + Number(entry->east) + L"°, north " + Number(entry->north) + L"°)";
    }
    text += L"\r\n";
}

} // namespace

std::wstring CoordinateSystem::GetDescription() const {
    if (!m_definition) {
        return L"No coordinate system.";
    }
    std::wstring text;
    std::wstring name = GetLeafName();
    StripAuthorityTagSuffixFromName(name);
    text += L"Name: " + name + L"\r\n";
    if (auto const* local = dynamic_cast<kor::UCSDef const*>(m_definition.get())) {
        text += L"Kind: local (unreferenced) system\r\n";
        text += L"Linear units: " + UnitText(local->GetLinearScale()) + L"\r\n";
        text += L"Origin offset: " + OriginText(*local) + L"\r\n";
        return text;
    }
    auto const& referenced = static_cast<kor::KORDef const&>(*m_definition);
    if (referenced.GetPOSC() > 0) {
        text += L"Authority code: EPSG:" + std::to_wstring(referenced.GetPOSC()) + L"\r\n";
    }
    text += referenced.IsGeographic() ? L"Kind: geographic system (latitude, longitude)\r\n"
                                      : L"Kind: projected system\r\n";
    if (auto const* datum = referenced.GetDatum()) {
        DescribeDatum(*datum, text);
    }
    if (!referenced.IsGeographic()) {
        DescribeProjection(*referenced.GetProjection(), text);
        text += L"Linear units: " + UnitText(referenced.GetLinearScale()) + L"\r\n";
    }
    double unitsPerDegree = 1.0;
    if (auto const* projection = referenced.GetProjection()) {
        projection->GetParameter(kor::ProjectionDef::AngularUnit, unitsPerDegree);
    }
    if (unitsPerDegree == 1.0) {
        text += L"Angular units: degrees\r\n";
    } else if (std::fabs(unitsPerDegree - 400.0 / 360.0) < 1e-12) {
        text += L"Angular units: grads\r\n";
    } else {
        text += L"Angular units: " + Number(unitsPerDegree) + L" per degree\r\n";
    }
    if (referenced.GetPOSC() > 0) {
        DescribeArea(referenced.GetPOSC(), text);
    } else {
        // Identification asks the registry; a failure only leaves the line out.
        try {
            if (int const code = kor::IdentifyEPSGCode(referenced); code > 0) {
                text += L"Equivalent to: EPSG:" + std::to_wstring(code) + L"\r\n";
                DescribeArea(code, text);
            }
        } catch (kor::KORException const&) {
        }
    }
    if (auto const* warp = referenced.GetWarp(); (warp != nullptr) && !warp->IsIdentity()) {
        text += L"Warp: affine\r\n";
    }
    return text;
}

} // namespace Gridlore
