// platform::backend::ToolkitWindow: what every toolkit's native window keeps alike.
#pragma once

#include "platform/Backend.h"
#include "platform/Driver.h"

namespace platform::backend {

/// A native window (`Base`, the interface it implements) that `Dialog` made, or with a null
/// dialog one that belongs to no dialog of ours (a host's window, or a dialog itself). It
/// measures itself through its dialog and raises its messages there; the toolkit says how
/// large its widget is and where it stands.
///
/// The members that reach the dialog need `Dialog` whole: a toolkit instantiates the template
/// where its dialog is complete and declares those instantiations `extern` elsewhere.
template <typename Base, typename Dialog> class ToolkitWindow : public Base {
public:
    /// The dialog type whose controls these are.
    using ParentDialog = Dialog;

    ControlId Id() const override { return m_id; }
    NativeWindow* Parent() const override;
    Rect GetWindowRect() const override;
    Point ClientToScreen(Point point) const override;
    /// Sends `message` from this window to its dialog, guarded.
    void Raise(Message& message);

protected:
    ToolkitWindow(Dialog* parent, ControlId id)
        : m_parent(parent)
        , m_id(id) {}

    /// The widget's full size.
    virtual Size WidgetSize() const = 0;
    /// The widget's top left in its dialog's client area.
    virtual Point PositionInDialog() const = 0;
    /// Where `point` of a window without a dialog of ours stands on the screen.
    virtual Point WidgetToScreen(Point point) const = 0;

    Dialog* m_parent;
    ControlId m_id;
};

template <typename Base, typename Dialog>
NativeWindow* ToolkitWindow<Base, Dialog>::Parent() const {
    return m_parent;
}

template <typename Base, typename Dialog> Rect ToolkitWindow<Base, Dialog>::GetWindowRect() const {
    Size const size = WidgetSize();
    Point const origin = ClientToScreen({0, 0});
    return Rect::FromXYWH(origin.x, origin.y, size.width, size.height);
}

template <typename Base, typename Dialog>
Point ToolkitWindow<Base, Dialog>::ClientToScreen(Point point) const {
    // A control is measured through its dialog, so positions relative to it are exactly the
    // ones the controls were given, whether or not the windows are shown yet.
    if (m_parent == nullptr) {
        return WidgetToScreen(point);
    }
    Point const position = PositionInDialog();
    return m_parent->ClientToScreen({position.x + point.x, position.y + point.y});
}

template <typename Base, typename Dialog>
void ToolkitWindow<Base, Dialog>::Raise(Message& message) {
    if (message.window == nullptr) {
        message.window = this->Wrapper();
    }
    m_parent->Route(message);
}

} // namespace platform::backend
