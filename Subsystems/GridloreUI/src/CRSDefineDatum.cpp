// The datum panel of the define dialog: the datum combo, the parameter list with its
// prime meridian and ellipsoid groups, and the rules that keep their values in step.
#include "CRSDefineDlgImpl.h"

#include "DefinePanels.h"
#include "ErrorMacros.h"
#include "PropertyValues.h"
#include "kor/DatumList.h"
#include "kor/EllipsoidList.h"
#include "kor/MeridianList.h"
#include "shrgui/DialogUtil.h"

#include <limits>

namespace gridui {

namespace {

constexpr std::intptr_t CustomDatum = -1;
wchar_t const* const CustomText = L"<custom>";

using Names = wchar_t const* (*)(int);

// A selector of the library's names: its value, the options from `first` to `last`,
// then the value itself when it is none of them.
std::unique_ptr<shrgui::CProperty> NameSelector(std::wstring const& label, Names names, int value,
                                                int first, int last, std::uint64_t data) {
    wchar_t const* shown = names(value);
    auto selector = std::make_unique<shrgui::CProperty>(
        label, std::wstring(shown != nullptr ? shown : L""), std::wstring(), data);
    for (int option = first; option <= last; ++option) {
        if (wchar_t const* name = names(option)) {
            selector->AddOption(name, true, 0);
        }
    }
    if (shown != nullptr) {
        selector->AddOption(shown, true, 0);
    }
    selector->AllowEdit(false);
    return selector;
}

std::unique_ptr<shrgui::CProperty> PrimeMeridianGroup(double longitude) {
    auto const& meridians = kor::KORKnownMeridiansList;
    int const found = meridians.FindByLongitude(longitude);
    std::wstring const name = found >= 0 ? meridians.EnumName(found) : CustomText;
    auto selector = std::make_unique<shrgui::CProperty>(L"Name", name, std::wstring(),
                                                        CRSDefineDlgImpl::PrimeMeridianNameData);
    selector->AddOption(CustomText, true, 0);
    for (int index = meridians.First(); index <= meridians.Last(); ++index) {
        selector->AddOption(meridians.EnumName(index), true, 0);
    }
    selector->AllowEdit(false);
    selector->SetSelector(true);

    auto group = std::make_unique<shrgui::CProperty>(L"Prime Meridian",
                                                     CRSDefineDlgImpl::PrimeMeridianData, false);
    group->AddSubItem(std::move(selector));
    group->AddSubItem(std::make_unique<shrgui::CProperty>(
        kor::DatumDef::ParameterName(kor::DatumDef::PrimeMeridian), longitude, std::wstring(),
        kor::DatumDef::PrimeMeridian));
    return group;
}

int IntParameter(kor::DatumDef const& datum, int id) {
    int value = 0;
    datum.GetParameter(id, value);
    return value;
}

} // namespace

void CRSDefineDlgImpl::CollectDatums(platform::ComboBox& combo) {
    combo.ResetContent();
    combo.SetItemData(combo.AddString(CustomText), CustomDatum);
    auto const& datums = kor::KORKnownDatumsList;
    for (int index = datums.First(); index <= datums.Last(); ++index) {
        wchar_t const* name = datums.EnumName(index);
        if (name != nullptr && *name != L'\0') {
            combo.SetItemData(combo.AddString(name), index);
        }
    }
}

void CRSDefineDlgImpl::SynchronizeInitialDatum() {
    // The list's first two places are placeholders, never a datum of its own.
    int index = kor::KORKnownDatumsList.FindByName(m_datum.GetName(), nullptr);
    if (index < kor::KORKnownDatumsList.First()) {
        index = static_cast<int>(CustomDatum);
    }
    m_datumCombo.SetCurSel(shrgui::FindComboData(m_datumCombo, index));
    DatumToUI();
}

void CRSDefineDlgImpl::OnSelchangeDatum() {
    int const selection = m_datumCombo.GetCurSel();
    if (selection < 0) {
        GRIDUI_INTERNAL_ERROR();
    }
    auto const index = static_cast<int>(m_datumCombo.GetItemData(selection));
    if (index >= kor::KORKnownDatumsList.First()) {
        kor::DatumDef const* known = kor::KORKnownDatumsList.Enum(index);
        if (known == nullptr) {
            GRIDUI_INTERNAL_ERROR();
        }
        m_datum = *known;
    }
    DatumToUI();
}

void CRSDefineDlgImpl::DatumToUI() {
    using D = kor::DatumDef;
    m_datumList.RemoveAll();
    kor::DatumMethod const method = m_datum.GetMethod();
    for (int index = 0; index < D::NumParameters(method); ++index) {
        int const id = D::EnumParameter(method, index);
        switch (id) {
        case D::Method:
            m_datumList.AddProperty(NameSelector(D::ParameterName(id), &D::MethodToName, method,
                                                 D::MethodNone, D::MethodSevenParameter, id));
            break;
        case D::Target:
            m_datumList.AddProperty(NameSelector(D::ParameterName(id), &D::TargetToName,
                                                 IntParameter(m_datum, id), D::TargetWGS84,
                                                 D::TargetGDA2020, id));
            break;
        case D::PrimeMeridian: {
            double longitude = 0.0;
            m_datum.GetParameter(id, longitude);
            m_datumList.AddProperty(PrimeMeridianGroup(longitude));
            break;
        }
        case D::MREType:
            m_datumList.AddProperty(NameSelector(D::ParameterName(id), &D::MRETypeToName,
                                                 IntParameter(m_datum, id), 1, 8, id));
            break;
        default:
            ParameterToUI(m_datum, id, D::ParameterDataType(id), m_datumList, *m_error);
            break;
        }
    }
}

void CRSDefineDlgImpl::OnDatumPropertyChanged(shrgui::CProperty const& property) {
    // Any edit makes the datum the user's own: it no longer is the known one picked.
    m_datumCombo.SetCurSel(shrgui::FindComboData(m_datumCombo, CustomDatum));
    m_datum.SetName(L"");
    std::uint64_t const data = property.GetData();
    if (data == kor::DatumDef::Method) {
        // Read before the list is redrawn, which destroys the property.
        std::wstring const picked = ToText(property.GetValue());
        m_datum.SetParameter(kor::DatumDef::Method, kor::DatumDef::NameToMethod(picked));
        OnSelchangeDatum();
    } else if (data == kor::DatumDef::PrimeMeridian) {
        if (shrgui::CProperty* name = m_datumList.FindItemByData(PrimeMeridianNameData, true)) {
            name->SetValue(std::wstring(CustomText));
        }
    } else if (data == PrimeMeridianNameData) {
        auto const& meridians = kor::KORKnownMeridiansList;
        int const found = meridians.FindByName(ToText(property.GetValue()));
        kor::MeridianInfo meridian;
        shrgui::CProperty* longitude = m_datumList.FindItemByData(kor::DatumDef::PrimeMeridian);
        if (found >= 0 && meridians.Enum(found, meridian) && longitude != nullptr) {
            longitude->SetValue(meridian.GetLongitude());
        }
    } else if (data >= EllipsoidNameData && data <= InverseFlatteningData) {
        OnEllipsoidPropertyChanged(m_datumList, property);
    }
}

void CRSDefineDlgImpl::OnEllipsoidPropertyChanged(shrgui::CPropertyList const& list,
                                                  shrgui::CProperty const& property) {
    shrgui::CProperty* name = list.FindItemByData(EllipsoidNameData, true);
    shrgui::CProperty* major = list.FindItemByData(SemimajorAxisData, true);
    shrgui::CProperty* minor = list.FindItemByData(SemiminorAxisData, true);
    shrgui::CProperty* inverse = list.FindItemByData(InverseFlatteningData, true);
    std::uint64_t const data = property.GetData();
    if (data == EllipsoidNameData) {
        kor::EllipsoidDef known;
        int const index = kor::KORKnownEllipsoidsList.FindByName(ToText(property.GetValue()));
        if (index < kor::KORKnownEllipsoidsList.First() ||
            !kor::KORKnownEllipsoidsList.Enum(index, known)) {
            return;
        }
        if (major != nullptr) {
            major->SetValue(known.GetMajorRadius());
        }
        if (minor != nullptr) {
            minor->SetValue(known.GetMinorRadius());
        }
        if (inverse != nullptr) {
            double const flattening = known.GetFlattening();
            inverse->SetValue(
                flattening <= std::numeric_limits<double>::epsilon() ? 0.0 : 1.0 / flattening);
        }
        return;
    }
    if (major == nullptr || minor == nullptr || inverse == nullptr) {
        return;
    }
    if (data == SemimajorAxisData || data == SemiminorAxisData) {
        // Axes closer than single precision tell apart are taken for a sphere.
        double const a = ToDouble(major->GetValue());
        double const difference = a - ToDouble(minor->GetValue());
        inverse->SetValue(difference > std::numeric_limits<float>::epsilon() ? a / difference
                                                                             : 0.0);
    } else if (data == InverseFlatteningData) {
        double const typed = ToDouble(inverse->GetValue());
        double const flattening = typed > 1.0 ? 1.0 / typed : 0.0;
        double const a = ToDouble(major->GetValue());
        minor->SetValue(a - a * flattening);
    } else {
        return;
    }
    if (name != nullptr) {
        name->SetValue(std::wstring(CustomText));
    }
}

bool CRSDefineDlgImpl::UIToDatum() {
    int const selection = m_datumCombo.GetCurSel();
    if (selection < 0) {
        return true;
    }
    kor::DatumDef const before = m_datum;
    m_datum.Flush();
    auto const index = static_cast<int>(m_datumCombo.GetItemData(selection));
    wchar_t const* knownName = index >= kor::KORKnownDatumsList.First()
                                   ? kor::KORKnownDatumsList.EnumName(index)
                                   : nullptr;
    m_datum.SetName(knownName != nullptr ? knownName : L"");
    for (int position = 0; position < m_datumList.GetPropertyCount(); ++position) {
        shrgui::CProperty* entry = m_datumList.GetProperty(position);
        std::wstring const text = ToText(entry->GetValue());
        switch (entry->GetData()) {
        case kor::DatumDef::Method:
            m_datum.SetParameter(kor::DatumDef::Method, kor::DatumDef::NameToMethod(text));
            continue;
        case kor::DatumDef::Target:
            m_datum.SetParameter(kor::DatumDef::Target, kor::DatumDef::NameToTarget(text));
            continue;
        case kor::DatumDef::MREType:
            m_datum.SetParameter(kor::DatumDef::MREType, kor::DatumDef::NameToMREType(text));
            continue;
        default:
            break;
        }
        int id = static_cast<int>(entry->GetData());
        if (entry->GetData() == PrimeMeridianData) {
            id = kor::DatumDef::PrimeMeridian;
            entry = m_datumList.FindItemByData(kor::DatumDef::PrimeMeridian, true);
            if (entry == nullptr) {
                GRIDUI_INTERNAL_ERROR();
            }
        }
        if (!UIToParameter(m_datumList, *entry, m_datum, id, kor::DatumDef::ParameterDataType(id),
                           *m_error)) {
            return false;
        }
    }
    std::wstring reason;
    int const bad = m_datum.CheckParameters(reason);
    if (!AcceptParameters(bad, reason, m_datumList, *m_error)) {
        return false;
    }
    // Codes name the datum they came with: they stay only while its parameters do.
    if (before.CompareParameters(m_datum)) {
        m_datum.SetPOSCNumber(before.GetPOSCNumber());
        m_datum.SetToken(before.GetToken());
        m_datum.SetAuthorityGivenName(before.GetAuthorityGivenName());
        m_datum.SetGeographicCRSCodeNumber(before.GetGeographicCRSCodeNumber());
    }
    return true;
}

} // namespace gridui
