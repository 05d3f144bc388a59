#include "gridui/CRSDefineDlg.h"

#include "CRSDefineDlgImpl.h"
#include "DisplayName.h"
#include "ErrorMacros.h"
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
    , m_impl(std::make_unique<CRSDefineDlgImpl>(*this, current, errorSink)) {}

CRSDefineDlg::~CRSDefineDlg() = default;

std::shared_ptr<Gridlore::CoordinateSystem> CRSDefineDlg::CurrentCoordinateSystem() const {
    return m_impl->Built();
}

Gridlore::CoordinateSystem const& CRSDefineDlg::Result() const {
    return m_impl->Built() ? *m_impl->Built() : m_impl->Initial();
}

platform::MessageMap const& CRSDefineDlg::GetMessageMap() const {
    using platform::Event;
    // Every row hands the event to the implementation.
    auto const toImpl = [](Event event, platform::ControlId id,
                           void (CRSDefineDlgImpl::*handler)()) -> platform::Route {
        return {event, id, id, [handler](platform::CmdTarget& target, platform::Message&) {
                    (*static_cast<CRSDefineDlg&>(target).m_impl.*handler)();
                }};
    };
    static platform::MessageMap const map(
        &CDialogResize::GetMessageMap(),
        {
            toImpl(Event::ComboSelChange, res::DefineProjectionCombo,
                   &CRSDefineDlgImpl::OnSelchangeProjection),
            toImpl(Event::ComboSelChange, res::DefineDatumCombo,
                   &CRSDefineDlgImpl::OnSelchangeDatum),
            {Event::PropertyChanged, platform::AnyControl, platform::AnyControl,
             [](platform::CmdTarget& target, platform::Message& message) {
                 message.result = static_cast<CRSDefineDlg&>(target).m_impl->OnPropertyChanged(
                     static_cast<std::uint64_t>(message.id), message.param);
             }},
            toImpl(Event::EditChange, res::DefineName, &CRSDefineDlgImpl::OnEnChangeName),
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
    m_impl->BindControls(exchange);
}

bool CRSDefineDlg::OnInitDialog() {
    platform::WaitCursor wait;
    m_impl->StartWorkingCopies();
    bool const result = CDialogResize::OnInitDialog();
    if (!m_impl->CreatePropertyLists()) {
        EndDialog(platform::IDCANCEL);
    }
    InitResizing(true, true, ResizingStyle);
    m_impl->FillControls();
    return result;
}

void CRSDefineDlg::OnOK() {
    if (m_impl->BuildResult()) {
        CDialogResize::OnOK();
    }
}

CRSDefineDlgImpl::CRSDefineDlgImpl(CRSDefineDlg& dialog, Gridlore::CoordinateSystem const& current,
                                   std::shared_ptr<shr::IError> const& errorSink)
    : m_dialog(dialog)
    , m_initial(current)
    , m_error(errorSink) {}

void CRSDefineDlgImpl::BindControls(platform::DataExchange& exchange) {
    platform::DDX_Control(exchange, res::DefineName, m_name);
    platform::DDX_Control(exchange, res::DefineProjectionCombo, m_projectionCombo);
    platform::DDX_Control(exchange, res::DefineDatumCombo, m_datumCombo);
}

void CRSDefineDlgImpl::StartWorkingCopies() {
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
}

bool CRSDefineDlgImpl::CreatePropertyLists() {
    return CreatePropertyList(res::DefineProjectionPlaceholder, m_projectionList,
                              res::DefineProjectionList) &&
           CreatePropertyList(res::DefineDatumPlaceholder, m_datumList, res::DefineDatumList);
}

void CRSDefineDlgImpl::FillControls() {
    shrgui::CProperty::SetDoubleOutputFormat(shr::NumberFormat);
    CollectDatums(m_datumCombo);
    CollectProjections(m_projectionCombo);
    SynchronizeInitialCS();
    OnEnChangeName();
}

bool CRSDefineDlgImpl::CreatePropertyList(int placeholderId, shrgui::CPropertyList& list,
                                          int listId) {
    platform::Rect const place =
        m_dialog.ScreenToClient(m_dialog.GetDlgItem(placeholderId).GetWindowRect());
    if (!list.Create(PropertyListStyle, place, m_dialog, listId)) {
        return false;
    }
    list.ShowWindow(true);
    list.EnableHeaderCtrl(true, L"Parameter", L"Value");
    return true;
}

void CRSDefineDlgImpl::SynchronizeInitialCS() {
    SynchronizeInitialName();
    SynchronizeInitialDatum();
    SynchronizeInitialProjection();
}

void CRSDefineDlgImpl::SynchronizeInitialName() {
    m_name.SetWindowText(EditedName(m_initial.GetLeafName()));
}

void CRSDefineDlgImpl::OnEnChangeName() {
    m_dialog.GetDlgItem(platform::IDOK).EnableWindow(m_name.GetWindowTextLength() != 0);
}

long CRSDefineDlgImpl::OnPropertyChanged(std::uint64_t listId, std::int64_t property) {
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

bool CRSDefineDlgImpl::BuildResult() {
    // The panels go first, so a bad parameter is reported before an empty name.
    if (!UIToProjection() || !UIToDatum()) {
        return false;
    }
    std::wstring const name = m_name.GetWindowText();
    if (name.empty()) {
        m_error->ReportError(L"", L"Invalid (empty) coordinate system name", ModuleName(),
                             GRIDUI_WFILE, __LINE__);
        return false;
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
        return false;
    }
    definition->SetName(name);
    definition->SetHint(kor::CSHintUserDefined, true);
    m_result = std::make_shared<Gridlore::CoordinateSystem>(*definition);
    return true;
}

} // namespace gridui
