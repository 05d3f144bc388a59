// platform::backend::ScriptedUser: a User acting on one open native dialog of any backend.
#pragma once

#include "platform/Backend.h"
#include "platform/Driver.h"
#include "platform/Export.h"

#include <functional>
#include <string>

namespace platform::backend {

/// What a user does is the same on every backend: the checks a real user could not get
/// past, one input to a control, then idle. The backend delivers each input the way its
/// toolkit delivers the user's, and runs its idle work.
class PLATFORM_EXPORT ScriptedUser : public User {
public:
    Dialog& GetDialog() final;
    void Select(ControlId tree, TreeItem item) final;
    void Type(ControlId id, std::wstring const& text) final;
    void PressKey(ControlId id, int key) final;
    void Click(ControlId button) final;
    void ClickToolButton(ControlId bar, ControlId command) final;
    void Pick(ControlId combo, int index) final;
    void RightClick(ControlId id, Point client) final;
    void DoubleClick(ControlId tree, Point client) final;
    void EditProperty(ControlId grid, std::wstring const& path, std::wstring const& text) final;
    void ClickProperty(ControlId grid, std::wstring const& path) final;
    void MoveMouse(ControlId id, Point client) final;
    void Resize(Size size) override;
    void Close() final;

    using User::Pick;
    using User::Select;

    /// Plays `scene` on the dialog; a scene that leaves it open is an internal error.
    void Play(Scene const& scene);

protected:
    /// `sheet` holds the dialog as a page; null for a dialog of its own.
    ScriptedUser(NativeDialog& dialog, NativeSheet* sheet);

    /// Delivers the user's `input` to `control`: Command (a button's click), ComboSelChange
    /// (the item `param` picked), ContextMenu and DblClk (at `point` on the screen),
    /// MouseMove (at `point` in the control) or KeyDown (`key`).
    virtual void Deliver(NativeWindow& control, Message& input) = 0;
    /// Types `text` into `control`, as User::Type says.
    virtual void TypeInto(NativeWindow& control, std::wstring const& text) = 0;
    /// Sends `message` to the dialog's handlers.
    virtual void Route(Message& message) = 0;

    /// Runs the user's action, then lets the dialog go idle unless the action ended it.
    void Act(std::function<void()> const& action);
    template <typename T> T& Usable(ControlId id) {
        return User::Usable<T>(m_dialog, m_dialog.HasEnded(), id);
    }

private:
    /// Delivers `input` to `control` as an action of the user's.
    void Input(NativeWindow& control, Message input);

    NativeDialog& m_dialog;
    NativeSheet* m_sheet;
};

} // namespace platform::backend
