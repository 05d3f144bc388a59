// platform::backend::ToolkitWindow: what every toolkit's native window keeps alike.
#pragma once

#include "platform/Backend.h"
#include "platform/Driver.h"
#include "platform/ToolkitAccess.h"

namespace platform::backend {

/// A native window (`Base`, the interface it implements) on a toolkit's `Widget` that `Dialog`
/// made, or with a null dialog one that belongs to no dialog of ours (a host's window, or a
/// dialog itself). It measures itself through its dialog and raises its messages there; the
/// toolkit says how large its widget is and where it stands. The members that reach the
/// dialog need it whole: the toolkit instantiates them where it is, and declares so.
template <typename Base, typename Dialog, typename Widget>
class ToolkitWindow : public Base, public ToolkitAccess<Widget> {
public:
    /// The dialog type whose controls these are.
    using ParentDialog = Dialog;

    ControlId Id() const override { return m_id; }
    NativeWindow* Parent() const override;
    Rect GetWindowRect() const override;
    Point ClientToScreen(Point point) const override;
    /// Sends `message` from this window to its dialog, guarded.
    void Raise(Message& message);
    /// Sends `event` from this window to its dialog, guarded.
    void Raise(Event event) {
        Message message;
        message.event = event;
        message.id = Id();
        Raise(message);
    }

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

template <typename Base, typename Dialog, typename Widget>
NativeWindow* ToolkitWindow<Base, Dialog, Widget>::Parent() const {
    return m_parent;
}

template <typename Base, typename Dialog, typename Widget>
Rect ToolkitWindow<Base, Dialog, Widget>::GetWindowRect() const {
    Size const size = WidgetSize();
    Point const origin = ClientToScreen({0, 0});
    return Rect::FromXYWH(origin.x, origin.y, size.width, size.height);
}

template <typename Base, typename Dialog, typename Widget>
Point ToolkitWindow<Base, Dialog, Widget>::ClientToScreen(Point point) const {
    // A control is measured through its dialog, so positions relative to it are exactly the
    // ones the controls were given, whether or not the windows are shown yet.
    if (m_parent == nullptr) {
        return WidgetToScreen(point);
    }
    Point const position = PositionInDialog();
    return m_parent->ClientToScreen({position.x + point.x, position.y + point.y});
}

template <typename Base, typename Dialog, typename Widget>
void ToolkitWindow<Base, Dialog, Widget>::Raise(Message& message) {
    if (message.window == nullptr) {
        message.window = this->Wrapper();
    }
    m_parent->Route(message);
}

} // namespace platform::backend
