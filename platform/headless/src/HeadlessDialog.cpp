#include "HeadlessDialog.h"
#include "HeadlessCombo.h"
#include "HeadlessPropertyGrid.h"
#include "HeadlessSheet.h"
#include "HeadlessSurface.h"
#include "HeadlessToolBar.h"
#include "HeadlessTree.h"
#include "HeadlessUser.h"
#include "HeadlessWindow.h"

#include "platform/Error.h"
#include "platform/Window.h"

namespace platform::headless {

namespace {

ControlTemplate Frame(DialogTemplate const& dialog) {
    return {0, ControlKind::Static, dialog.caption,
            Rect{0, 0, dialog.size.width, dialog.size.height}, 0};
}

/// The frame around the client area: borders and a caption bar.
constexpr int Border = 8;
constexpr int Caption = 31;

} // namespace

HeadlessDialog::HeadlessDialog(DialogTemplate const& dialog, backend::DialogEvents& events,
                               backend::NativeWindow* owner, HeadlessSheet* sheet)
    : HeadlessWindow(nullptr, Frame(dialog))
    , m_events(events)
    , m_owner(owner)
    , m_sheet(sheet) {
    m_id = dialog.id;
    for (ControlTemplate const& control : dialog.controls) {
        AddControl(control);
    }
}

HeadlessDialog::~HeadlessDialog() {
    // Wrappers keep their state while the controls are still whole.
    for (auto const& [id, child] : m_children) {
        if (Window* wrapper = child->Wrapper()) {
            wrapper->Detach();
        }
    }
}

template <typename T> T& HeadlessDialog::AddChild(ControlTemplate const& control) {
    auto child = std::make_unique<T>(this, control);
    T& added = *child;
    if (control.id == -1) {
        // Labels the code never addresses still exist, under ids of their own.
        m_children.emplace(-1 - static_cast<int>(m_children.size()) - 1000000, std::move(child));
        return added;
    }
    if (!m_children.emplace(control.id, std::move(child)).second) {
        PLATFORM_ERROR(L"dialog " + std::to_wstring(m_id) + L" already has a control " +
                       std::to_wstring(control.id));
    }
    return added;
}

backend::NativeWindow& HeadlessDialog::AddControl(ControlTemplate const& control) {
    // Kinds with state of their own have a class each; any other holds only its text and
    // flags.
    switch (control.kind) {
    case ControlKind::ComboBox:
        return AddChild<HeadlessCombo>(control);
    case ControlKind::TreeView:
        return AddChild<HeadlessTree>(control);
    case ControlKind::PropertyGrid:
        return AddChild<HeadlessPropertyGrid>(control);
    case ControlKind::DrawingSurface:
        return AddChild<HeadlessSurface>(control);
    default:
        return AddChild<HeadlessControl>(control);
    }
}

Rect HeadlessDialog::GetWindowRect() const {
    return {ClientOrigin.x - Border, ClientOrigin.y - Caption,
            ClientOrigin.x + m_rect.Width() + Border, ClientOrigin.y + m_rect.Height() + Border};
}

backend::NativeWindow* HeadlessDialog::FindChild(ControlId id) const {
    if (id == -1) {
        return nullptr;
    }
    auto const found = m_children.find(id);
    return found == m_children.end() ? nullptr : found->second.get();
}

bool HeadlessDialog::HasEnded() const {
    return m_sheet != nullptr ? m_sheet->HasEnded() : m_ended;
}

int HeadlessDialog::RunModal() {
    if (m_sheet != nullptr) {
        PLATFORM_ERROR(L"page " + std::to_wstring(m_id) + L" runs only inside its sheet");
    }
    Driver* driver = InstalledDriver();
    if (driver == nullptr) {
        PLATFORM_ERROR(L"dialog " + std::to_wstring(m_id) +
                       L" opened on the headless backend without a driver to play the user");
    }
    Scene scene = driver->TakeDialogScene(m_id);
    m_events.OnNativeInit();
    HeadlessUser(*this).Play(scene);
    return m_result;
}

void HeadlessDialog::End(int result) {
    if (m_sheet != nullptr) {
        m_sheet->End(result);
        return;
    }
    m_ended = true;
    m_result = result;
}

Point HeadlessDialog::DialogUnitsToPixels(Point units) const {
    return headless::DialogUnitsToPixels(units);
}

void HeadlessDialog::SetClientSize(Size size) {
    if (m_resizable) {
        size = {std::max(size.width, m_minimum.width), std::max(size.height, m_minimum.height)};
    }
    m_rect = Rect::FromXYWH(0, 0, size.width, size.height);
    Message message;
    message.event = Event::Size;
    message.size = size;
    message.window = Wrapper();
    m_events.OnNativeMessage(message);
}

void HeadlessDialog::SetResizable(Size minimum) {
    m_resizable = true;
    m_minimum = minimum;
}

backend::NativePropertyGrid& HeadlessDialog::CreatePropertyGrid(ControlId id, Rect client) {
    auto& grid = AddChild<HeadlessPropertyGrid>({id, ControlKind::PropertyGrid, L"", {}, 0});
    grid.Move(client);
    return grid;
}

backend::NativeToolBar& HeadlessDialog::CreateToolBar(ControlId id) {
    return AddChild<HeadlessToolBar>({id, ControlKind::Static, L"", {}, 0});
}

bool HeadlessDialog::ExpireNextTimer() {
    return !HasEnded() && m_timers.ExpireNext([this](ControlId id) {
        Message message = backend::TimerSchedule::Expiry(id, Wrapper());
        m_events.OnNativeMessage(message);
    });
}

void HeadlessDialog::DeliverPosted() {
    while (!m_posted.empty() && !HasEnded()) {
        Message message = m_posted.front();
        m_posted.pop_front();
        m_events.OnNativeMessage(message);
    }
}

std::vector<HeadlessTree*> HeadlessDialog::Trees() const {
    std::vector<HeadlessTree*> trees;
    for (auto const& [id, child] : m_children) {
        if (auto* tree = dynamic_cast<HeadlessTree*>(child.get())) {
            trees.push_back(tree);
        }
    }
    return trees;
}

} // namespace platform::headless
