// The generic helpers that turn one parameter of a projection or a datum into rows of a
// property list and back, by the parameter's data type.
#include "CRSDefineDlgImpl.h"

#include "DefinePanels.h"
#include "ErrorMacros.h"
#include "PropertyValues.h"
#include "kor/EllipsoidList.h"
#include "shr/StringUtil.h"

#include <limits>
#include <type_traits>

namespace gridui {

namespace {

constexpr double DoubleEpsilon = std::numeric_limits<double>::epsilon();

double InverseFlatteningOf(kor::EllipsoidDef const& ellipsoid) {
    double const flattening = ellipsoid.GetFlattening();
    return flattening <= DoubleEpsilon ? 0.0 : 1.0 / flattening;
}

std::unique_ptr<shrgui::CProperty> Value(std::wstring const& name, platform::Variant value,
                                         std::uint64_t data) {
    return std::make_unique<shrgui::CProperty>(name, std::move(value), std::wstring(), data);
}

std::unique_ptr<shrgui::CProperty> EllipsoidGroup(std::wstring const& name, int id,
                                                  kor::EllipsoidDef const& ellipsoid) {
    wchar_t const* ownName = ellipsoid.GetName();
    std::wstring const shown = ownName != nullptr ? ownName : L"<custom>";
    auto selector = Value(L"Name", shown, CRSDefineDlgImpl::EllipsoidNameData);
    selector->AddOption(L"<custom>", true, 0);
    auto const& known = kor::KORKnownEllipsoidsList;
    for (int index = known.First(); index <= known.Last(); ++index) {
        if (wchar_t const* option = known.EnumName(index)) {
            selector->AddOption(option, true, 0);
        }
    }
    // A name read from a file that the list does not know is still the ellipsoid's own,
    // so it is offered rather than replaced by another.
    selector->AddOption(shown, true, 0);
    selector->AllowEdit(false);
    selector->SetSelector(true);

    auto group = std::make_unique<shrgui::CProperty>(name, static_cast<std::uint64_t>(id), false);
    group->AddSubItem(std::move(selector));
    // The model keeps the axes in meters whatever unit the system's coordinates are in.
    auto major =
        Value(L"Semimajor Axis", ellipsoid.GetMajorRadius(), CRSDefineDlgImpl::SemimajorAxisData);
    auto minor =
        Value(L"Semiminor Axis", ellipsoid.GetMinorRadius(), CRSDefineDlgImpl::SemiminorAxisData);
    major->SetUnits(L"metres");
    minor->SetUnits(L"metres");
    group->AddSubItem(std::move(major));
    group->AddSubItem(std::move(minor));
    group->AddSubItem(Value(L"Inverse Flattening (1/f)", InverseFlatteningOf(ellipsoid),
                            CRSDefineDlgImpl::InverseFlatteningData));
    return group;
}

void ReportUnknownDataType(shr::IError& sink, int dataType, int id, int line) {
    sink.ReportError(L"",
                     shr::ToString(L"Unknown data type (%d) for parameter id %d", dataType, id),
                     ModuleName(), GRIDUI_WFILE, line);
}

// A datum holds no boolean parameters of its own: it reads and stores them as 0 or 1.
template <typename Def> bool ReadBool(Def const& def, int id) {
    if constexpr (std::is_same_v<Def, kor::ProjectionDef>) {
        bool value = false;
        def.GetParameter(id, value);
        return value;
    } else {
        int value = 0;
        def.GetParameter(id, value);
        return value != 0;
    }
}

template <typename Def> void WriteBool(Def& def, int id, bool value) {
    if constexpr (std::is_same_v<Def, kor::ProjectionDef>) {
        def.SetParameter(id, value);
    } else {
        def.SetParameter(id, value ? 1 : 0);
    }
}

} // namespace

void PointAt(shrgui::CPropertyList& list, shrgui::CProperty* property) {
    list.SetCurSel(property);
    list.EnsureVisible(property);
}

bool AcceptParameters(int badId, std::wstring const& reason, shrgui::CPropertyList& list,
                      shr::IError& sink) {
    if (badId == 0) {
        return true;
    }
    if (shrgui::CProperty* entry = list.FindItemByData(static_cast<std::uint64_t>(badId), true)) {
        PointAt(list, entry);
    }
    sink.ReportError(L"", reason, ModuleName(), GRIDUI_WFILE, __LINE__);
    return false;
}

template <typename Def>
bool CRSDefineDlgImpl::ParameterToUI(Def const& def, int id, kor::KORDataTypeID dataType,
                                     shrgui::CPropertyList& list, shr::IError& sink) {
    std::wstring const name = Def::ParameterName(id);
    auto const data = static_cast<std::uint64_t>(id);
    switch (dataType) {
    case kor::KORDataTypeDouble: {
        double value = 0.0;
        def.GetParameter(id, value);
        list.AddProperty(Value(name, value, data));
        return true;
    }
    case kor::KORDataTypeInt:
    case kor::KORDataTypeEnum: {
        int value = 0;
        def.GetParameter(id, value);
        list.AddProperty(Value(name, value, data));
        return true;
    }
    case kor::KORDataTypeBool:
        list.AddProperty(Value(name, ReadBool(def, id), data));
        return true;
    case kor::KORDataTypeEllipsoid: {
        kor::EllipsoidDef ellipsoid;
        def.GetParameter(id, ellipsoid);
        list.AddProperty(EllipsoidGroup(name, id, ellipsoid));
        return true;
    }
    default:
        ReportUnknownDataType(sink, dataType, id, __LINE__);
        return false;
    }
}

template <typename Def>
bool CRSDefineDlgImpl::UIToParameter(shrgui::CPropertyList& list, shrgui::CProperty& property,
                                     Def& def, int id, kor::KORDataTypeID dataType,
                                     shr::IError& sink) {
    switch (dataType) {
    case kor::KORDataTypeDouble:
        def.SetParameter(id, ToDouble(property.GetValue()));
        return true;
    case kor::KORDataTypeInt:
    case kor::KORDataTypeEnum:
        def.SetParameter(id, ToInt(property.GetValue()));
        return true;
    case kor::KORDataTypeBool:
        WriteBool(def, id, ToBool(property.GetValue()));
        return true;
    case kor::KORDataTypeEllipsoid:
        break;
    default:
        PointAt(list, &property);
        ReportUnknownDataType(sink, dataType, id, __LINE__);
        return false;
    }
    if (property.GetSubItemsCount() < 4) {
        GRIDUI_INTERNAL_ERROR();
    }
    // The semiminor axis is only shown: a and 1/f define the ellipsoid.
    kor::EllipsoidDef ellipsoid;
    ellipsoid.SetName(ToText(property.GetSubItem(0)->GetValue()));
    ellipsoid.SetMajorRadius(ToDouble(property.GetSubItem(1)->GetValue()));
    shrgui::CProperty* inverseItem = property.GetSubItem(3);
    double const inverse = ToDouble(inverseItem->GetValue());
    if (inverse != 0.0 && !(inverse > 1.0)) {
        PointAt(list, inverseItem);
        sink.ReportError(L"",
                         L"Inverse flattening must be 0.0 (for sphere) or > 1.0 (for ellipsoid)",
                         ModuleName(), GRIDUI_WFILE, __LINE__);
        return false;
    }
    ellipsoid.SetFlattening(inverse > DoubleEpsilon ? 1.0 / inverse : 0.0);
    def.SetParameter(id, ellipsoid);
    return true;
}

template bool CRSDefineDlgImpl::ParameterToUI(kor::ProjectionDef const&, int, kor::KORDataTypeID,
                                              shrgui::CPropertyList&, shr::IError&);
template bool CRSDefineDlgImpl::ParameterToUI(kor::DatumDef const&, int, kor::KORDataTypeID,
                                              shrgui::CPropertyList&, shr::IError&);
template bool CRSDefineDlgImpl::UIToParameter(shrgui::CPropertyList&, shrgui::CProperty&,
                                              kor::ProjectionDef&, int, kor::KORDataTypeID,
                                              shr::IError&);
template bool CRSDefineDlgImpl::UIToParameter(shrgui::CPropertyList&, shrgui::CProperty&,
                                              kor::DatumDef&, int, kor::KORDataTypeID,
                                              shr::IError&);

} // namespace gridui
