#include "gridui/CRSConvertWksDlg.h"

#include "ErrorMacros.h"
#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "shrgui/DialogUtil.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace gridui {

namespace {

// Short sheets still offer the first 26 columns, and the target lists five more than the
// sheet uses, so new columns can be written beside the old ones.
constexpr unsigned MinimumListed = 26;
constexpr unsigned ExtraTargetColumns = 5;

// A list shorter than the box wants means the labels cannot be trusted for it, so the box
// stays empty. A stored column beyond the entries listed is left unselected.
void FillColumnCombo(platform::ComboBox& combo, std::vector<std::wstring> const& labels,
                     unsigned length, int column) {
    if (labels.size() < length) {
        return;
    }
    for (unsigned index = 0; index < length; ++index) {
        if (!labels[index].empty()) {
            combo.AddString(labels[index]);
        }
    }
    if (column >= 0 && column < combo.GetCount()) {
        combo.SetCurSel(column);
    }
}

shr::IError& SharedSink(std::shared_ptr<shr::IError> const& errorSink) {
    if (!errorSink) {
        GRIDUI_INTERNAL_ERROR();
    }
    return *errorSink;
}

} // namespace

CRSConvertWksDlg::CRSConvertWksDlg(Gridlore::CRSConvertWks& wks,
                                   std::shared_ptr<shr::IError> const& errorSink,
                                   platform::Window* parent)
    : CRSConvertWksDlg(wks, SharedSink(errorSink), parent) {
    m_sharedErrorSink = errorSink;
}

CRSConvertWksDlg::CRSConvertWksDlg(Gridlore::CRSConvertWks& wks, shr::IError& errorSink,
                                   platform::Window* parent)
    : CDialogEx(res::ConvertWksDialog, parent, true, false)
    , m_wks(wks)
    , m_errorSink(errorSink) {}

CRSConvertWksDlg::~CRSConvertWksDlg() = default;

platform::MessageMap const& CRSConvertWksDlg::GetMessageMap() const {
    static platform::MessageMap const map(
        &CDialogEx::GetMessageMap(),
        {
            platform::OnCommand(res::SrcCSButton, &CRSConvertWksDlg::OnChangeSrcCS),
            platform::OnCommand(res::DstCSButton, &CRSConvertWksDlg::OnChangeDstCS),
        });
    return map;
}

bool CRSConvertWksDlg::OnInitDialog() {
    bool const result = CDialogEx::OnInitDialog();

    unsigned const columns = m_wks.GetColumnCount();
    unsigned const sourceLength = std::max(columns, MinimumListed);
    unsigned const targetLength = std::max(columns + ExtraTargetColumns, MinimumListed);
    std::vector<std::wstring> const labels = m_wks.GetColumnLabels(targetLength);

    FillColumnCombo(m_srcXCombo, labels, sourceLength, m_wks.GetSourceCols().first);
    FillColumnCombo(m_srcYCombo, labels, sourceLength, m_wks.GetSourceCols().second);
    FillColumnCombo(m_dstXCombo, labels, targetLength, m_wks.GetDestCols().first);
    FillColumnCombo(m_dstYCombo, labels, targetLength, m_wks.GetDestCols().second);

    SetDlgItemText(res::SrcCSEdit, m_wks.m_sourceCS.GetLeafName());
    SetDlgItemText(res::DstCSEdit, m_wks.m_destCS.GetLeafName());
    return result;
}

void CRSConvertWksDlg::SafeDoDataExchange(platform::DataExchange& exchange) {
    platform::DDX_Control(exchange, res::SrcXCombo, m_srcXCombo);
    platform::DDX_Control(exchange, res::SrcYCombo, m_srcYCombo);
    platform::DDX_Control(exchange, res::DstXCombo, m_dstXCombo);
    platform::DDX_Control(exchange, res::DstYCombo, m_dstYCombo);
    if (!exchange.SaveAndValidate()) {
        return;
    }
    // A pair is written only once both its boxes are read; a failing box ends it there.
    int const sourceX = ColumnFromComboBox(res::SrcXCombo);
    int const sourceY = ColumnFromComboBox(res::SrcYCombo);
    m_wks.m_sourceCols = {sourceX, sourceY};
    int const targetX = ColumnFromComboBox(res::DstXCombo);
    int const targetY = ColumnFromComboBox(res::DstYCombo);
    m_wks.m_destCols = {targetX, targetY};
    // The settings object tells the user why itself.
    if (!m_wks.Validate()) {
        platform::ThrowUserException();
    }
}

int CRSConvertWksDlg::ColumnFromComboBox(int controlId) {
    std::wstring const text = GetDlgItemText(controlId);
    int const column = m_wks.ColumnFromLabel(text);
    if (column >= 0) {
        return column;
    }
    m_errorSink.ShowError(L"Error", L"Unrecognized column label: " + text);
    shrgui::SetDlgErrorFocus(*this, controlId, true);
    platform::ThrowUserException();
}

void CRSConvertWksDlg::SetBrowserChoices(std::wstring customSystemsPath,
                                         BrowserOptions const& options) {
    m_customSystemsPath = std::move(customSystemsPath);
    m_browserOptions = options;
}

void CRSConvertWksDlg::OnChangeSrcCS() {
    ChangeSystem(m_wks.m_sourceCS, res::SrcCSEdit, false);
}

void CRSConvertWksDlg::OnChangeDstCS() {
    // The points are to be converted into the target: it must be meant for all of them.
    ChangeSystem(m_wks.m_destCS, res::DstCSEdit, true);
}

void CRSConvertWksDlg::ChangeSystem(Gridlore::CoordinateSystem& system, int editId,
                                    bool forTheArea) {
    CRSDialog browser(system, m_wks.GetFavoritesPath(), m_wks.GetErrorSink(), nullptr, {},
                      m_customSystemsPath);
    browser.SetOptions(m_browserOptions);
    if (forTheArea && m_areaOfInterest) {
        browser.SetAreaOfInterest(*m_areaOfInterest);
    }
    if (browser.DoModal() != platform::IDOK) {
        return;
    }
    system = browser.CurrentCoordinateSystem();
    SetDlgItemText(editId, system.GetLeafName());
}

} // namespace gridui
