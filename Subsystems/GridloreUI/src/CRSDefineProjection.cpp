// The projection panel of the define dialog: the method combo and the parameter list.
#include "CRSDefineDlgImpl.h"

#include "DefinePanels.h"
#include "ErrorMacros.h"
#include "LinearUnitsGroup.h"
#include "shrgui/DialogUtil.h"

namespace gridui {

namespace {

LinearUnitsGroup const& LinearUnits() {
    static LinearUnitsGroup const group(CRSDefineDlgImpl::LinearUnitsData,
                                        CRSDefineDlgImpl::LinearUnitNameData,
                                        kor::ProjectionDef::LinearUnit);
    return group;
}

// Angles are edited in degrees and lengths in the system's linear unit, so their rows say
// which; run again when the unit is picked anew.
void ShowParameterUnits(shrgui::CPropertyList& list, kor::ProjectionMethod method) {
    std::wstring const linear = LinearUnits().ValueUnit(list);
    for (int index = 0; index < kor::ProjectionDef::NumParameters(method); ++index) {
        int const id = kor::ProjectionDef::EnumParameter(method, index);
        shrgui::CProperty* row = list.FindItemByData(static_cast<std::uint64_t>(id), true);
        if (row == nullptr) {
            continue;
        }
        switch (kor::ProjectionDef::ParameterMeasure(id)) {
        case kor::ProjectionDef::Measure::Degrees:
            row->SetUnits(L"degrees");
            break;
        case kor::ProjectionDef::Measure::LinearUnit:
            row->SetUnits(linear);
            break;
        case kor::ProjectionDef::Measure::Plain:
            break;
        }
    }
}

} // namespace

void CRSDefineDlgImpl::CollectProjections(platform::ComboBox& combo) {
    combo.ResetContent();
    int const geographic = combo.AddString(kor::ProjectionDef::MethodToName(1));
    if (geographic >= 0) {
        combo.SetItemData(geographic, kor::ProjectionDef::GeographicMethod);
    }
    for (kor::ProjectionMethod method = kor::ProjectionDef::FirstProjectionMethod;
         method <= kor::ProjectionDef::LastProjectionMethod; ++method) {
        wchar_t const* name = kor::ProjectionDef::MethodToName(method);
        if (name != nullptr && *name != L'\0') {
            combo.SetItemData(combo.AddString(name), method);
        }
    }
}

void CRSDefineDlgImpl::SynchronizeInitialProjection() {
    // Methods 0 to 2 all mean "no projection", which the combo offers as method 1.
    kor::ProjectionMethod method = m_projection.GetMethod();
    if (method < kor::ProjectionDef::FirstProjectionMethod) {
        method = kor::ProjectionDef::GeographicMethod;
    }
    m_projectionCombo.SetCurSel(shrgui::FindComboData(m_projectionCombo, method));
    ProjectionToUI();
}

void CRSDefineDlgImpl::OnSelchangeProjection() {
    int const selection = m_projectionCombo.GetCurSel();
    if (selection < 0) {
        GRIDUI_INTERNAL_ERROR();
    }
    m_projection.SetMethod(
        static_cast<kor::ProjectionMethod>(m_projectionCombo.GetItemData(selection)));
    m_projection.SetDefaultParameters();
    ProjectionToUI();
}

void CRSDefineDlgImpl::ProjectionToUI() {
    m_projectionList.RemoveAll();
    kor::ProjectionMethod const method = m_projection.GetMethod();
    for (int index = 0; index < kor::ProjectionDef::NumParameters(method); ++index) {
        int const id = kor::ProjectionDef::EnumParameter(method, index);
        if (id == kor::ProjectionDef::Ellipsoid) {
            continue;
        }
        if (id == kor::ProjectionDef::LinearUnit) {
            double divider = 0.0;
            m_projection.GetParameter(id, divider);
            AddLinearUnitProperty(id, kor::ProjectionDef::ParameterName(id), divider);
            continue;
        }
        ParameterToUI(m_projection, id, kor::ProjectionDef::ParameterDataType(id), m_projectionList,
                      *m_error);
    }
    ShowParameterUnits(m_projectionList, method);
}

void CRSDefineDlgImpl::AddLinearUnitProperty(int id, wchar_t const* name, double divider) {
    LinearUnitsGroup const group(LinearUnitsData, LinearUnitNameData,
                                 static_cast<std::uint64_t>(id));
    m_projectionList.AddProperty(group.Make(name, divider));
}

void CRSDefineDlgImpl::OnProjectionPropertyChanged(shrgui::CProperty const& property) {
    std::uint64_t const data = property.GetData();
    if (data >= EllipsoidNameData && data <= InverseFlatteningData) {
        OnEllipsoidPropertyChanged(m_projectionList, property);
        return;
    }
    if (LinearUnits().OnPropertyChanged(m_projectionList, property)) {
        ShowParameterUnits(m_projectionList, m_projection.GetMethod());
    }
}

bool CRSDefineDlgImpl::UIToProjection() {
    int const selection = m_projectionCombo.GetCurSel();
    if (selection < 0) {
        return true;
    }
    kor::ProjectionDef const before = m_projection;
    m_projection.Flush();
    m_projection.SetMethod(
        static_cast<kor::ProjectionMethod>(m_projectionCombo.GetItemData(selection)));
    m_projection.SetDefaultParameters();
    for (int index = 0; index < m_projectionList.GetPropertyCount(); ++index) {
        shrgui::CProperty* entry = m_projectionList.GetProperty(index);
        auto id = static_cast<int>(entry->GetData());
        if (entry->GetData() == LinearUnitsData) {
            entry = m_projectionList.FindItemByData(kor::ProjectionDef::LinearUnit, true);
            if (entry == nullptr) {
                GRIDUI_INTERNAL_ERROR();
            }
            id = kor::ProjectionDef::LinearUnit;
        }
        if (!UIToParameter(m_projectionList, *entry, m_projection, id,
                           kor::ProjectionDef::ParameterDataType(id), *m_error)) {
            return false;
        }
    }
    std::wstring reason;
    int const bad = m_projection.CheckParameters(reason);
    if (!AcceptParameters(bad, reason, m_projectionList, *m_error)) {
        return false;
    }
    // Names another program knew parameters by survive an edit with the same method, and
    // so do the values behind them that this method does not use.
    if (m_projection.GetMethod() == before.GetMethod()) {
        for (auto const& [id, name] : before.GetWellKnownNames()) {
            m_projection.SetWellKnownName(id, name);
            if (!m_projection.UsesParameter(id)) {
                m_projection.SetParameter(id, before);
            }
        }
    }
    return true;
}

} // namespace gridui
