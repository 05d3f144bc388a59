#include "gridui/DefineUCSDlg.h"

#include "DefineUCSDlgImpl.h"
#include "DisplayName.h"
#include "ErrorMacros.h"
#include "LinearUnitsGroup.h"
#include "gridui/ResourceIds.h"
#include "kor/UCSDef.h"
#include "shr/NumberFormat.h"

namespace gridui {

namespace {

// Every row carries its own data number, so a look-up never meets another row.
enum RowData : std::uint64_t {
    UnitsGroupData = 0,
    UnitNameData = 1,
    UnitsPerMeterData = 2,
    XOffsetData = 3,
    YOffsetData = 4,
};

LinearUnitsGroup const LinearUnits(UnitsGroupData, UnitNameData, UnitsPerMeterData);

// The origin is kept in meters but edited in the system's own unit; an unknown unit (0)
// leaves it as it is.
double ToLocalUnit(double meters, double unitsPerMeter) {
    return unitsPerMeter > 0.0 ? meters * unitsPerMeter : meters;
}

double ToMeters(double shown, double unitsPerMeter) {
    return unitsPerMeter > 0.0 ? shown / unitsPerMeter : shown;
}

// The grid's value rows of this dialog are numbers; anything else is a broken row.
double NumberOf(shrgui::CProperty const& item) {
    platform::Variant const value = item.GetValue();
    auto const* number = std::get_if<double>(&value);
    if (number == nullptr) {
        GRIDUI_INTERNAL_ERROR();
    }
    return *number;
}

// The offsets are in the local unit, so their rows say which one it is now.
void ShowOffsetUnits(shrgui::CPropertyList& list) {
    std::wstring const unit = LinearUnits.ValueUnit(list);
    for (std::uint64_t const data : {XOffsetData, YOffsetData}) {
        if (shrgui::CProperty* row = list.FindItemByData(data, true)) {
            row->SetUnits(unit);
        }
    }
}

} // namespace

DefineUCSDlg::DefineUCSDlg(Gridlore::CoordinateSystem const& system,
                           std::shared_ptr<shr::IError> const& errorSink, platform::Window* parent)
    : CDialogEx(res::LocalSystemDialog, parent, true, false)
    , m_impl(std::make_unique<DefineUCSDlgImpl>(*this, system, errorSink)) {}

DefineUCSDlg::~DefineUCSDlg() = default;

std::shared_ptr<Gridlore::CoordinateSystem> DefineUCSDlg::CurrentCoordinateSystem() const {
    return m_impl->Built();
}

Gridlore::CoordinateSystem const& DefineUCSDlg::Result() const {
    return m_impl->Built() ? *m_impl->Built() : m_impl->Initial();
}

platform::MessageMap const& DefineUCSDlg::GetMessageMap() const {
    static platform::MessageMap const map(
        &CDialogEx::GetMessageMap(),
        {
            {platform::Event::PropertyChanged, platform::AnyControl, platform::AnyControl,
             [](platform::CmdTarget& target, platform::Message& message) {
                 message.result = static_cast<DefineUCSDlg&>(target).m_impl->OnPropertyChanged(
                     static_cast<std::uint64_t>(message.id), message.param);
             }},
            {platform::Event::EditChange, res::LocalNameEdit, res::LocalNameEdit,
             [](platform::CmdTarget& target, platform::Message&) {
                 static_cast<DefineUCSDlg&>(target).m_impl->OnEnChangeName();
             }},
        });
    return map;
}

void DefineUCSDlg::SafeDoDataExchange(platform::DataExchange& exchange) {
    m_impl->BindControls(exchange);
}

bool DefineUCSDlg::OnInitDialog() {
    m_impl->CheckStartingSystem();
    bool const result = CDialogEx::OnInitDialog();
    if (!m_impl->FillControls()) {
        EndDialog(platform::IDCANCEL);
        return false;
    }
    return result;
}

void DefineUCSDlg::OnOK() {
    if (m_impl->BuildResult()) {
        CDialogEx::OnOK();
    }
}

DefineUCSDlgImpl::DefineUCSDlgImpl(DefineUCSDlg& dialog, Gridlore::CoordinateSystem const& system,
                                   std::shared_ptr<shr::IError> const& errorSink)
    : m_dialog(dialog)
    , m_system(system)
    , m_errorSink(errorSink) {}

void DefineUCSDlgImpl::BindControls(platform::DataExchange& exchange) {
    platform::DDX_Control(exchange, res::LocalNameEdit, m_nameEdit);
}

void DefineUCSDlgImpl::CheckStartingSystem() const {
    if (!m_system.IsUnreferenced() ||
        dynamic_cast<kor::UCSDef const*>(m_system.GetCSDef()) == nullptr) {
        GRIDUI_INTERNAL_ERROR();
    }
}

bool DefineUCSDlgImpl::FillControls() {
    auto const& definition = dynamic_cast<kor::UCSDef const&>(*m_system.GetCSDef());
    m_unitsPerMeter = definition.GetLinearScale();
    // Written so that a scale that is not a number fails too.
    if (!(m_unitsPerMeter >= 0.0)) {
        GRIDUI_INTERNAL_ERROR();
    }
    m_origin = definition.GetOrigin();

    if (!CreatePropertyList(res::LocalGridPlaceholder, m_propertyList, res::LocalGrid)) {
        return false;
    }
    shrgui::CProperty::SetDoubleOutputFormat(shr::NumberFormat);
    m_nameEdit.SetWindowText(EditedName(m_system.GetLeafName()));
    UnreferencedToUI();
    OnEnChangeName();
    return true;
}

bool DefineUCSDlgImpl::CreatePropertyList(int placeholderId, shrgui::CPropertyList& list,
                                          int listId) {
    platform::Rect const place =
        m_dialog.ScreenToClient(m_dialog.GetDlgItem(placeholderId).GetWindowRect());
    if (!list.Create(0, place, m_dialog, listId)) {
        return false;
    }
    list.EnableHeaderCtrl(true, L"Parameter", L"Value");
    return true;
}

void DefineUCSDlgImpl::AddLinearUnitGroup(int dataId, wchar_t const* label, double unitsPerMeter) {
    LinearUnitsGroup const group(UnitsGroupData, UnitNameData, static_cast<std::uint64_t>(dataId));
    m_propertyList.AddProperty(group.Make(label, unitsPerMeter));
}

void DefineUCSDlgImpl::UnreferencedToUI() {
    AddLinearUnitGroup(UnitsPerMeterData, L"Units per meter", m_unitsPerMeter);
    m_propertyList.AddProperty(std::make_unique<shrgui::CProperty>(
        L"X Offset", platform::Variant(ToLocalUnit(m_origin.x, m_unitsPerMeter)), std::wstring(),
        XOffsetData));
    m_propertyList.AddProperty(std::make_unique<shrgui::CProperty>(
        L"Y Offset", platform::Variant(ToLocalUnit(m_origin.y, m_unitsPerMeter)), std::wstring(),
        YOffsetData));
    ShowOffsetUnits(m_propertyList);
}

long DefineUCSDlgImpl::OnPropertyChanged(std::uint64_t controlId, std::int64_t property) {
    auto const* changed = shrgui::CProperty::FromNotification(property);
    if (changed == nullptr || controlId != static_cast<std::uint64_t>(res::LocalGrid)) {
        GRIDUI_INTERNAL_ERROR();
    }
    // A notification must name one of this grid's own value rows.
    if (changed->IsGroup() || m_propertyList.FindItemByData(changed->GetData(), true) != changed) {
        GRIDUI_INTERNAL_ERROR();
    }
    LinearUnits.OnPropertyChanged(m_propertyList, *changed);
    ShowOffsetUnits(m_propertyList);
    return 0;
}

void DefineUCSDlgImpl::OnEnChangeName() {
    m_dialog.GetDlgItem(platform::IDOK).EnableWindow(m_nameEdit.GetWindowTextLength() > 0);
}

bool DefineUCSDlgImpl::UIToUnreferenced() {
    int const count = m_propertyList.GetPropertyCount();
    for (int index = 0; index < count; ++index) {
        shrgui::CProperty* item = m_propertyList.GetProperty(index);
        if (item == nullptr) {
            GRIDUI_INTERNAL_ERROR();
        }
        switch (item->GetData()) {
        case UnitsGroupData: {
            shrgui::CProperty* value = m_propertyList.FindItemByData(UnitsPerMeterData, true);
            if (value == nullptr) {
                GRIDUI_INTERNAL_ERROR();
            }
            double const unitsPerMeter = NumberOf(*value);
            if (unitsPerMeter < 0.0) {
                m_propertyList.SetCurSel(value);
                m_propertyList.EnsureVisible(value);
                ReportError(L"'Units per meter' must be greater than or equal to 0.0", __LINE__);
                return false;
            }
            m_unitsPerMeter = unitsPerMeter;
            break;
        }
        // The group stands first, so the offsets go back through the scale just read.
        case XOffsetData:
            m_origin.x = ToMeters(NumberOf(*item), m_unitsPerMeter);
            break;
        case YOffsetData:
            m_origin.y = ToMeters(NumberOf(*item), m_unitsPerMeter);
            break;
        default:
            GRIDUI_INTERNAL_ERROR();
        }
    }
    return true;
}

bool DefineUCSDlgImpl::BuildResult() {
    if (!UIToUnreferenced()) {
        return false;
    }
    std::wstring const name = m_nameEdit.GetWindowText();
    if (name.empty()) {
        ReportError(L"Invalid (empty) coordinate system name", __LINE__);
        return false;
    }
    kor::UCSDef definition(m_unitsPerMeter, m_origin.x, m_origin.y, nullptr);
    std::wstring reason;
    if (!definition.Check(reason)) {
        ReportError(L"Coordinate system validation failed.\r\n" + reason, __LINE__);
        return false;
    }
    definition.SetName(name);
    m_result = std::make_shared<Gridlore::CoordinateSystem>(definition);
    return true;
}

void DefineUCSDlgImpl::ReportError(std::wstring const& message, int line) const {
    m_errorSink->ReportError(std::wstring(), message, ModuleName(), GRIDUI_WFILE, line);
}

} // namespace gridui
