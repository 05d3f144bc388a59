#include "gridui/CRSDefineDlg.h"

#include "DisplayName.h"
#include "gridui/Errors.h"
#include "gridui/ResourceIds.h"
#include "kor/KORDef.h"
#include "kor/ProjectionMethods.h"
#include "platform/WaitCursor.h"
#include "shr/NumberFormat.h"

namespace gridui {

namespace {

// WS_CLIPCHILDREN | WS_THICKFRAME: the frame a resizable dialog asks for.
constexpr unsigned ResizingStyle = 0x2040000;
// WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP.
constexpr unsigned PropertyListStyle = 0x50810000;

} // namespace

CRSDefineDlg::CRSDefineDlg(Gridlore::CoordinateSystem const& current,
                           std::shared_ptr<shr::IError> const& errorSink, platform::Window* parent)
    : CDialogResize(res::DefineDialog, parent, true)
    , m_initial(current)
    , m_error(errorSink) {}

CRSDefineDlg::~CRSDefineDlg() = default;

std::shared_ptr<Gridlore::CoordinateSystem> CRSDefineDlg::CurrentCoordinateSystem() const {
    return m_result;
}

platform::MessageMap const& CRSDefineDlg::GetMessageMap() const {
    using platform::Event;
    static platform::MessageMap const map(
        &CDialogResize::GetMessageMap(),
        {
            platform::OnNotify(Event::ComboSelChange, res::DefineProjectionCombo,
                               &CRSDefineDlg::OnSelchangeProjection),
            platform::OnNotify(Event::ComboSelChange, res::DefineDatumCombo,
                               &CRSDefineDlg::OnSelchangeDatum),
            platform::OnPropertyChanged(&CRSDefineDlg::OnPropertyChanged),
            platform::OnNotify(Event::EditChange, res::DefineName, &CRSDefineDlg::OnEnChangeName),
        });
    return map;
}

shrgui::ResizeMapEntry const* CRSDefineDlg::GetDlgResizeMap() const {
    using namespace shrgui;
    // The two panels grow together in height; everything but the buttons widens.
    static ResizeMapEntry const map[] = {
        {res::DefineName, ResizeSizeX},
        {-1, ResizeBeginGroup},
        {res::DefineProjectionGroup, ResizeSizeY},
        {res::DefineProjectionList, ResizeSizeY},
        {res::DefineDatumCombo, ResizeSizeY},
        {res::DefineDatumGroup, ResizeSizeY},
        {res::DefineDatumList, ResizeSizeY},
        {-1, ResizeEndGroup},
        {res::DefineProjectionCombo, ResizeSizeX},
        {res::DefineProjectionGroup, ResizeSizeX},
        {res::DefineProjectionList, ResizeSizeX},
        {res::DefineDatumCombo, ResizeSizeX},
        {res::DefineDatumGroup, ResizeSizeX},
        {res::DefineDatumList, ResizeSizeX},
        {platform::IDOK, ResizeMoveX},
        {platform::IDCANCEL, ResizeMoveX},
        ResizeMapEnd,
    };
    return map;
}

void CRSDefineDlg::SafeDoDataExchange(platform::DataExchange& exchange) {
    platform::DDX_Control(exchange, res::DefineName, m_name);
    platform::DDX_Control(exchange, res::DefineProjectionCombo, m_projectionCombo);
    platform::DDX_Control(exchange, res::DefineDatumCombo, m_datumCombo);
}

bool CRSDefineDlg::OnInitDialog() {
    platform::WaitCursor wait;
    if (kor::ProjectionDef const* projection = m_initial.GetProjection()) {
        m_projection = *projection;
    } else {
        m_projection.SetMethod(kor::methods::NotSet);
    }
    if (kor::DatumDef const* datum = m_initial.GetDatum()) {
        m_datum = *datum;
    } else {
        m_datum.Flush();
    }
    bool const result = CDialogResize::OnInitDialog();
    if (!CreatePropertyList(res::DefineProjectionPlaceholder, m_projectionList,
                            res::DefineProjectionList) ||
        !CreatePropertyList(res::DefineDatumPlaceholder, m_datumList, res::DefineDatumList)) {
        EndDialog(platform::IDCANCEL);
    }
    InitResizing(true, true, ResizingStyle);
    shrgui::CProperty::SetDoubleOutputFormat(shr::NumberFormat);
    CollectDatums(m_datumCombo);
    CollectProjections(m_projectionCombo);
    SynchronizeInitialCS();
    GetDlgItem(platform::IDOK).EnableWindow(m_name.GetWindowTextLength() != 0);
    return result;
}

bool CRSDefineDlg::CreatePropertyList(int placeholderId, shrgui::CPropertyList& list, int listId) {
    platform::Rect const place = ScreenToClient(GetDlgItem(placeholderId).GetWindowRect());
    if (!list.Create(PropertyListStyle, place, *this, listId)) {
        return false;
    }
    list.ShowWindow(true);
    list.EnableHeaderCtrl(true, L"Parameter", L"Value");
    return true;
}

void CRSDefineDlg::SynchronizeInitialCS() {
    SynchronizeInitialName();
    SynchronizeInitialDatum();
    SynchronizeInitialProjection();
}

void CRSDefineDlg::SynchronizeInitialName() {
    m_name.SetWindowText(EditedName(m_initial.GetLeafName()));
}

void CRSDefineDlg::OnEnChangeName() {
    GetDlgItem(platform::IDOK).EnableWindow(m_name.GetWindowTextLength() != 0);
}

long CRSDefineDlg::OnPropertyChanged(std::uint64_t listId, std::int64_t property) {
    auto const* changed = shrgui::CProperty::FromNotification(property);
    if (changed == nullptr) {
        return 0;
    }
    if (listId == res::DefineProjectionList) {
        OnProjectionPropertyChanged(*changed);
    } else if (listId == res::DefineDatumList) {
        OnDatumPropertyChanged(*changed);
    }
    return 0;
}

void CRSDefineDlg::OnOK() {
    // The panels go first, so a bad parameter is reported before an empty name.
    if (!UIToProjection() || !UIToDatum()) {
        return;
    }
    std::wstring const name = m_name.GetWindowText();
    if (name.empty()) {
        m_error->ReportError(L"", L"Invalid (empty) coordinate system name", ModuleName(),
                             GRIDUI_WFILE, __LINE__);
        return;
    }
    // The projection's ellipsoid always comes from the datum; one that cannot be used
    // gives way to Clarke 1866 so the system can still be built.
    kor::EllipsoidDef const* ellipsoid = m_datum.GetEllipsoid();
    if (ellipsoid == nullptr || !ellipsoid->CheckParameters()) {
        ellipsoid = &kor::PredefinedEllipsoidClarke1866();
    }
    m_projection.SetParameter(kor::ProjectionDef::Ellipsoid, *ellipsoid);
    auto definition = std::make_unique<kor::KORDef>(&m_datum, &m_projection, nullptr);
    std::wstring reason;
    if (!definition->Check(reason)) {
        m_error->ReportError(L"", L"Coordinate system validation failed.\r\n" + reason,
                             ModuleName(), GRIDUI_WFILE, __LINE__);
        return;
    }
    definition->SetName(name);
    definition->SetHint(kor::CSHintUserDefined, true);
    m_result = std::make_shared<Gridlore::CoordinateSystem>(*definition);
    CDialogResize::OnOK();
}

} // namespace gridui
