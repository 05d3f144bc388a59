// platform::Window: a handle to a native window, addressed by its control id in its dialog.
#pragma once

#include "platform/Export.h"
#include "platform/Geometry.h"
#include "platform/Ids.h"
#include "platform/MessageMap.h"

#include <string>

namespace platform {

namespace backend {
class NativeWindow;
}

/// Not attached until a dialog binds it (DDX_Control) or creates it. Operations on a
/// window that is not attached are internal errors, except HasWindow.
class PLATFORM_EXPORT Window : public CmdTarget {
public:
    Window() = default;
    ~Window() override;
    Window(Window const&) = delete;
    Window& operator=(Window const&) = delete;

    bool HasWindow() const { return m_native != nullptr; }
    ControlId GetDlgCtrlID() const;
    /// The dialog that holds this control (null for a dialog without an owner).
    Window* GetParent() const;

    std::wstring GetWindowText() const;
    void SetWindowText(std::wstring const& text);
    int GetWindowTextLength() const;
    void EnableWindow(bool on = true);
    bool IsWindowEnabled() const;
    void ShowWindow(bool on);
    bool IsWindowVisible() const;
    /// In screen coordinates.
    Rect GetWindowRect() const;
    /// In client coordinates: left and top are 0.
    Rect GetClientRect() const;
    Point ClientToScreen(Point point) const;
    Point ScreenToClient(Point point) const;
    Rect ScreenToClient(Rect rect) const;
    /// `rect` in the parent's client coordinates.
    void MoveWindow(Rect rect);
    /// Drawing off and on (WM_SETREDRAW); changes made while off show when it is back on.
    void SetRedraw(bool on);
    bool IsRedrawOn() const;
    void SetFocus();
    bool HasFocus() const;

    /// Sees a key going down in this control before the dialog does; true stops it.
    virtual bool PreTranslateMessage(Message& message);
    /// Sees the events this control raises before its dialog does (its own table by
    /// default); true stops them there.
    virtual bool OnChildNotify(Message& message);

    /// Binds this wrapper to a native window, which then routes its own events through
    /// this object's table first. Used by the dialogs' data exchange.
    void Attach(backend::NativeWindow& native);
    /// Called when either side goes away.
    void Detach();
    backend::NativeWindow& Native() const;

protected:
    /// Runs once the window is attached (a control sets up its helpers here).
    virtual void PreSubclassWindow() {}
    /// Runs while the attached window is about to go (a control keeps its state here).
    virtual void OnDestroy() {}
    /// Checks the native window is of the kind the wrapper needs.
    virtual bool Accepts(backend::NativeWindow& native) const;

private:
    friend class Dialog;
    /// Refers to a native window without taking its events (GetDlgItem's handles).
    void Refer(backend::NativeWindow& native) { m_native = &native; }

    backend::NativeWindow* m_native = nullptr;
};

} // namespace platform
