#include "platform/Dialog.h"

#include "platform/Error.h"
#include "platform/Resources.h"

namespace platform {

void ThrowUserException() {
    throw UserException{};
}

void DataExchange::Control(ControlId id, Window& control) {
    if (control.HasWindow()) {
        return;
    }
    backend::NativeWindow* native = m_dialog.NativeDialog().FindChild(id);
    if (native == nullptr) {
        PLATFORM_ERROR(L"dialog " + std::to_wstring(m_dialog.GetTemplateId()) +
                       L" has no control " + std::to_wstring(id) + L" to bind");
    }
    control.Attach(*native);
}

Dialog::Dialog(int templateId, Window* parent)
    : m_templateId(templateId)
    , m_parentWindow(parent) {}

void Dialog::AdjustTemplate(DialogTemplate& /*dialog*/) const {}

DialogTemplate Dialog::MakeTemplate() const {
    DialogTemplate dialog = FindDialogTemplate(m_templateId);
    AdjustTemplate(dialog);
    return dialog;
}

Dialog::~Dialog() {
    m_items.clear();
    Detach();
}

backend::NativeDialog& Dialog::NativeDialog() const {
    if (m_native == nullptr) {
        PLATFORM_ERROR(L"dialog " + std::to_wstring(m_templateId) + L" is not open");
    }
    return *m_native;
}

int Dialog::DoModal() {
    DialogTemplate const dialog = MakeTemplate();
    backend::NativeWindow* parent = nullptr;
    if (m_parentWindow != nullptr && m_parentWindow->HasWindow()) {
        parent = &m_parentWindow->Native();
    }
    m_owned = CurrentBackend().CreateDialog(dialog, *this, parent);
    Open(*m_owned);
    // The window goes away however the run ends, so handles and bound controls never
    // point at a dead window.
    struct Closer {
        Dialog& dialog;
        ~Closer() { dialog.Close(); }
    } const closer{*this};
    return m_native->RunModal();
}

void Dialog::Open(backend::NativeDialog& native) {
    m_native = &native;
    Attach(native);
}

void Dialog::Close() {
    m_items.clear();
    Detach();
    m_native = nullptr;
    m_owned.reset();
}

void Dialog::EndDialog(int result) {
    NativeDialog().End(result);
}

bool Dialog::UpdateData(bool save) {
    DataExchange exchange(*this, save);
    try {
        DoDataExchange(exchange);
    } catch (UserException const&) {
        return false;
    }
    return true;
}

Window& Dialog::GetDlgItem(ControlId id) {
    backend::NativeWindow* native = NativeDialog().FindChild(id);
    if (native == nullptr) {
        PLATFORM_ERROR(L"dialog " + std::to_wstring(m_templateId) + L" has no control " +
                       std::to_wstring(id));
    }
    if (native->Wrapper() != nullptr) {
        return *native->Wrapper();
    }
    std::unique_ptr<Window>& handle = m_items[id];
    if (handle == nullptr) {
        handle = std::make_unique<Window>();
    }
    handle->Refer(*native);
    return *handle;
}

bool Dialog::HasDlgItem(ControlId id) const {
    return m_native != nullptr && m_native->FindChild(id) != nullptr;
}

std::wstring Dialog::GetDlgItemText(ControlId id) {
    return GetDlgItem(id).GetWindowText();
}

void Dialog::SetDlgItemText(ControlId id, std::wstring const& text) {
    GetDlgItem(id).SetWindowText(text);
}

void Dialog::PostCommand(ControlId command, ControlId from) {
    Message message;
    message.event = Event::Command;
    message.id = command;
    if (from != 0) {
        message.window = &GetDlgItem(from);
    }
    NativeDialog().Post(message);
}

void Dialog::SetTimer(ControlId id, std::chrono::milliseconds delay) {
    NativeDialog().StartTimer(id, delay);
}

void Dialog::KillTimer(ControlId id) {
    NativeDialog().StopTimer(id);
}

Rect Dialog::MapDialogRect(Rect units) const {
    Point const topLeft = NativeDialog().DialogUnitsToPixels({units.left, units.top});
    Point const bottomRight = NativeDialog().DialogUnitsToPixels({units.right, units.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void Dialog::SetClientSize(Size size) {
    NativeDialog().SetClientSize(size);
}

void Dialog::EnableResizing() {
    Rect const client = GetClientRect();
    NativeDialog().SetResizable({client.Width(), client.Height()});
}

bool Dialog::SaveScreenshot(std::string const& path) {
    return NativeDialog().SaveScreenshot(path);
}

MessageMap const& Dialog::GetMessageMap() const {
    return CmdTarget::GetMessageMap();
}

bool Dialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void Dialog::DoDataExchange(DataExchange&) {}

void Dialog::OnOK() {
    if (UpdateData(true)) {
        EndDialog(IDOK);
    }
}

void Dialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void Dialog::OnNativeInit() {
    OnInitDialog();
}

void Dialog::OnNativeMessage(Message& message) {
    RouteMessage(message);
}

void Dialog::RouteMessage(Message& message) {
    if (message.event == Event::ContextMenu && message.window == nullptr &&
        HasDlgItem(message.id)) {
        message.window = &GetDlgItem(message.id);
    }
    if (RouteToControl(message) || OnCmdMsg(message)) {
        return;
    }
    DefaultHandling(message);
}

bool Dialog::RouteToControl(Message& message) {
    // Controls see what they raise first, as reflected notifications; a context menu
    // and command-state queries belong to the dialog alone.
    if (message.window == nullptr || message.window == this ||
        message.event == Event::ContextMenu || message.event == Event::UpdateCommandUI) {
        return false;
    }
    return message.window->OnChildNotify(message);
}

void Dialog::DefaultHandling(Message& message) {
    if (message.event != Event::Command) {
        return;
    }
    if (message.id == IDOK) {
        OnOK();
    } else if (message.id == IDCANCEL) {
        OnCancel();
    }
}

bool Dialog::OnNativeKeyDown(ControlId id, int key) {
    Message message;
    message.event = Event::KeyDown;
    message.id = id;
    message.key = key;
    if (HasDlgItem(id)) {
        Window* control = NativeDialog().FindChild(id)->Wrapper();
        if (control != nullptr && control != this && control->PreTranslateMessage(message)) {
            return true;
        }
    }
    if (PreTranslateMessage(message)) {
        return true;
    }
    ControlId command = 0;
    if (key == KeyReturn) {
        command = IDOK;
    } else if (key == KeyEscape) {
        command = IDCANCEL;
    } else {
        return false;
    }
    // Enter presses the default button only while the user could press it.
    if (HasDlgItem(command) && !GetDlgItem(command).IsWindowEnabled()) {
        return true;
    }
    Message pressed;
    pressed.event = Event::Command;
    pressed.id = command;
    RouteMessage(pressed);
    return true;
}

} // namespace platform
