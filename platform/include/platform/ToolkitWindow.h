// platform::backend::ToolkitWindow: every toolkit's native window, declared once.
#pragma once

#include "platform/Backend.h"
#include "platform/Driver.h"
#include "platform/HostWindowBase.h"
#include "platform/ToolkitAccess.h"

#include <memory>
#include <string>

namespace platform::backend {

/// The toolkit's dialog on `Widget` (ToolkitDialog.h).
template <typename Widget> class ToolkitDialog;
/// The toolkit's sheet on `Widget`, whose pages its dialogs are (ToolkitSheet.h).
template <typename Widget> class ToolkitSheet;

/// What a native window asks of its toolkit's `Widget`. Each toolkit defines these for its own
/// widget type in its backend, ahead of making its windows there, so that only the backend
/// reaches the toolkit's calls.
template <typename Widget> struct ToolkitWidget {
    static std::wstring GetText(Widget& widget);
    static void SetText(Widget& widget, std::wstring const& text);
    static bool IsEnabled(Widget& widget);
    static void Enable(Widget& widget, bool on);
    static bool IsVisible(Widget& widget);
    static void Show(Widget& widget, bool on);
    static Rect GetClientRect(Widget& widget);
    /// Places the widget at `rect` of its dialog's client area.
    static void Move(Widget& widget, Rect rect);
    static void SetRedraw(Widget& widget, bool on);
    static bool IsRedrawOn(Widget& widget);
    static void SetFocus(Widget& widget);
    static bool HasFocus(Widget& widget);
    /// The widget's full size.
    static Size FullSize(Widget& widget);
    /// The widget's top left in its dialog's client area.
    static Point PositionInDialog(Widget& widget);
    /// Where `point` of a widget without a dialog of ours stands on the screen.
    static Point ToScreen(Widget& widget, Point point);
};

/// A native window (`Base`, the interface it implements) on a toolkit's `Widget` that the
/// toolkit's dialog made, or with a null dialog one that belongs to no dialog of ours (a host's
/// window, or a dialog itself). It measures itself through its dialog and raises its messages
/// there, and asks the rest of its widget. Its members need the dialog whole and the toolkit's
/// calls: the toolkit makes them where both are (PLATFORM_MAKE_TOOLKIT_WINDOW) and declares so
/// (PLATFORM_EXTERN_TOOLKIT_WINDOW), which is why none is defined in the class.
template <typename Base, typename Widget>
class ToolkitWindow : public Base, public ToolkitAccess<Widget> {
public:
    /// The dialog type whose controls these are.
    using ParentDialog = ToolkitDialog<Widget>;

    ToolkitWindow(ParentDialog* parent, ControlId id, Widget* widget);

    ControlId Id() const override;
    NativeWindow* Parent() const override;
    std::wstring GetText() const override;
    void SetText(std::wstring const& text) override;
    bool IsEnabled() const override;
    void Enable(bool on) override;
    bool IsVisible() const override;
    void Show(bool on) override;
    Rect GetWindowRect() const override;
    Rect GetClientRect() const override;
    Point ClientToScreen(Point point) const override;
    void Move(Rect rect) override;
    void SetRedraw(bool on) override;
    bool IsRedrawOn() const override;
    void SetFocus() override;
    bool HasFocus() const override;
    Widget* Toolkit() const override;
    /// Sends `message` from this window to its dialog, guarded.
    void Raise(Message& message);
    /// Sends `event` from this window to its dialog, guarded.
    void Raise(Event event);

protected:
    using Calls = ToolkitWidget<Widget>;

    ParentDialog* m_parent;
    ControlId m_id;
    Widget* m_widget;
};

template <typename Base, typename Widget>
ToolkitWindow<Base, Widget>::ToolkitWindow(ParentDialog* parent, ControlId id, Widget* widget)
    : m_parent(parent)
    , m_id(id)
    , m_widget(widget) {}

template <typename Base, typename Widget> ControlId ToolkitWindow<Base, Widget>::Id() const {
    return m_id;
}

template <typename Base, typename Widget>
NativeWindow* ToolkitWindow<Base, Widget>::Parent() const {
    return m_parent;
}

template <typename Base, typename Widget>
std::wstring ToolkitWindow<Base, Widget>::GetText() const {
    return Calls::GetText(*m_widget);
}

template <typename Base, typename Widget>
void ToolkitWindow<Base, Widget>::SetText(std::wstring const& text) {
    Calls::SetText(*m_widget, text);
}

template <typename Base, typename Widget> bool ToolkitWindow<Base, Widget>::IsEnabled() const {
    return Calls::IsEnabled(*m_widget);
}

template <typename Base, typename Widget> void ToolkitWindow<Base, Widget>::Enable(bool on) {
    Calls::Enable(*m_widget, on);
}

template <typename Base, typename Widget> bool ToolkitWindow<Base, Widget>::IsVisible() const {
    return Calls::IsVisible(*m_widget);
}

template <typename Base, typename Widget> void ToolkitWindow<Base, Widget>::Show(bool on) {
    Calls::Show(*m_widget, on);
}

template <typename Base, typename Widget> Rect ToolkitWindow<Base, Widget>::GetWindowRect() const {
    Size const size = Calls::FullSize(*m_widget);
    Point const origin = ClientToScreen({0, 0});
    return Rect::FromXYWH(origin.x, origin.y, size.width, size.height);
}

template <typename Base, typename Widget> Rect ToolkitWindow<Base, Widget>::GetClientRect() const {
    return Calls::GetClientRect(*m_widget);
}

template <typename Base, typename Widget>
Point ToolkitWindow<Base, Widget>::ClientToScreen(Point point) const {
    // A control is measured through its dialog, so positions relative to it are exactly the
    // ones the controls were given, whether or not the windows are shown yet.
    if (m_parent == nullptr) {
        return Calls::ToScreen(*m_widget, point);
    }
    Point const position = Calls::PositionInDialog(*m_widget);
    return m_parent->ClientToScreen({position.x + point.x, position.y + point.y});
}

template <typename Base, typename Widget> void ToolkitWindow<Base, Widget>::Move(Rect rect) {
    Calls::Move(*m_widget, rect);
}

template <typename Base, typename Widget> void ToolkitWindow<Base, Widget>::SetRedraw(bool on) {
    Calls::SetRedraw(*m_widget, on);
}

template <typename Base, typename Widget> bool ToolkitWindow<Base, Widget>::IsRedrawOn() const {
    return Calls::IsRedrawOn(*m_widget);
}

template <typename Base, typename Widget> void ToolkitWindow<Base, Widget>::SetFocus() {
    Calls::SetFocus(*m_widget);
}

template <typename Base, typename Widget> bool ToolkitWindow<Base, Widget>::HasFocus() const {
    return Calls::HasFocus(*m_widget);
}

template <typename Base, typename Widget> Widget* ToolkitWindow<Base, Widget>::Toolkit() const {
    return m_widget;
}

template <typename Base, typename Widget>
void ToolkitWindow<Base, Widget>::Raise(Message& message) {
    if (message.window == nullptr) {
        message.window = this->Wrapper();
    }
    m_parent->Route(message);
}

template <typename Base, typename Widget> void ToolkitWindow<Base, Widget>::Raise(Event event) {
    Message message;
    message.event = event;
    message.id = m_id;
    Raise(message);
}

} // namespace platform::backend

namespace platform {

// The host's widget is seen as any other window of its toolkit; it answers to no control id
// and belongs to no dialog of ours.
template <typename Widget>
ToolkitHostWindow<Widget>::ToolkitHostWindow(Widget* window)
    : HostWindowBase(window == nullptr
                         ? nullptr
                         : std::make_unique<backend::ToolkitWindow<backend::NativeWindow, Widget>>(
                               nullptr, 0, window)) {}

} // namespace platform

/// Makes the window of native interface `Interface` on `Widget`, in the toolkit's backend after
/// its ToolkitWidget members, with its dialog whole; for every interface:
/// `PLATFORM_FOR_EACH_NATIVE_WINDOW(PLATFORM_MAKE_TOOLKIT_WINDOW, Widget)`.
#define PLATFORM_MAKE_TOOLKIT_WINDOW(Interface, Widget)                                            \
    template class platform::backend::ToolkitWindow<platform::backend::Interface, Widget>;
/// Declares the window of native interface `Interface` on `Widget` made in the backend.
#define PLATFORM_EXTERN_TOOLKIT_WINDOW(Interface, Widget)                                          \
    extern template class platform::backend::ToolkitWindow<platform::backend::Interface, Widget>;
