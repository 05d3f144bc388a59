#include "platform/Window.h"

#include "platform/Backend.h"
#include "platform/Error.h"

namespace platform {

Window::~Window() {
    if (m_native != nullptr && m_native->Wrapper() == this) {
        m_native->SetWrapper(nullptr);
    }
}

backend::NativeWindow& Window::Native() const {
    if (m_native == nullptr) {
        PLATFORM_ERROR(L"the window has not been created or bound to a control");
    }
    return *m_native;
}

bool Window::Accepts(backend::NativeWindow&) const {
    return true;
}

void Window::Attach(backend::NativeWindow& native) {
    if (!Accepts(native)) {
        PLATFORM_ERROR(L"control " + std::to_wstring(native.Id()) +
                       L" is not of the kind its wrapper needs");
    }
    Detach();
    m_native = &native;
    native.SetWrapper(this);
    PreSubclassWindow();
}

void Window::Detach() {
    if (m_native != nullptr && m_native->Wrapper() == this) {
        OnDestroy();
        m_native->SetWrapper(nullptr);
    }
    m_native = nullptr;
}

ControlId Window::GetDlgCtrlID() const {
    return Native().Id();
}

Window* Window::GetParent() const {
    backend::NativeWindow* parent = Native().Parent();
    return parent != nullptr ? parent->Wrapper() : nullptr;
}

std::wstring Window::GetWindowText() const {
    return Native().GetText();
}

void Window::SetWindowText(std::wstring const& text) {
    Native().SetText(text);
}

int Window::GetWindowTextLength() const {
    return static_cast<int>(Native().GetText().size());
}

void Window::EnableWindow(bool on) {
    Native().Enable(on);
}

bool Window::IsWindowEnabled() const {
    return Native().IsEnabled();
}

void Window::ShowWindow(bool on) {
    Native().Show(on);
}

bool Window::IsWindowVisible() const {
    return Native().IsVisible();
}

Rect Window::GetWindowRect() const {
    return Native().GetWindowRect();
}

Rect Window::GetClientRect() const {
    return Native().GetClientRect();
}

Point Window::ClientToScreen(Point point) const {
    return Native().ClientToScreen(point);
}

Point Window::ScreenToClient(Point point) const {
    Point const origin = Native().ClientToScreen({0, 0});
    return {point.x - origin.x, point.y - origin.y};
}

Rect Window::ScreenToClient(Rect rect) const {
    Point const origin = Native().ClientToScreen({0, 0});
    return rect.Offset(-origin.x, -origin.y);
}

void Window::MoveWindow(Rect rect) {
    Native().Move(rect);
}

void Window::SetRedraw(bool on) {
    Native().SetRedraw(on);
}

bool Window::IsRedrawOn() const {
    return Native().IsRedrawOn();
}

void Window::SetFocus() {
    Native().SetFocus();
}

bool Window::HasFocus() const {
    return Native().HasFocus();
}

bool Window::PreTranslateMessage(Message&) {
    return false;
}

bool Window::OnChildNotify(Message& message) {
    return OnCmdMsg(message);
}

} // namespace platform
