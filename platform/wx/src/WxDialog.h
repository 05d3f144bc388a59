#pragma once

#include "ModalRun.h"
#include "WxWindow.h"
#include "platform/ChildWindows.h"
#include "platform/ToolkitTimers.h"

#include <wx/event.h>
#include <wx/window.h>

#include <chrono>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>

class wxTimer;

namespace platform::wx {

class WxSheet;

class WxDialog final : public WxWindow<backend::NativeDialog> {
public:
    /// A dialog of its own, owned by `owner`, or without one by the modal dialog on top.
    WxDialog(DialogTemplate const& dialog, backend::DialogEvents& events,
             backend::NativeWindow* owner);
    /// A page of `sheet`, placed in `book`.
    WxDialog(DialogTemplate const& dialog, backend::DialogEvents& events, wxWindow* book,
             WxSheet& sheet);
    ~WxDialog() override;

    backend::NativeWindow* Parent() const override { return nullptr; }
    Rect GetWindowRect() const override;
    Point ClientToScreen(Point point) const override;
    backend::NativeWindow* FindChild(ControlId id) const override;
    int RunModal() override;
    void End(int result) override;
    void Post(Message const& message) override;
    Point DialogUnitsToPixels(Point units) const override;
    void SetClientSize(Size size) override;
    void SetResizable(Size minimum) override;
    backend::NativePropertyGrid& CreatePropertyGrid(ControlId id, Rect client) override;
    backend::NativeToolBar& CreateToolBar(ControlId id) override;
    bool SaveScreenshot(std::string const& path) override;
    void StartTimer(ControlId id, std::chrono::milliseconds delay) override;
    void StopTimer(ControlId id) override;
    bool ExpireNextTimer() override;

    backend::DialogEvents& Events() { return m_events; }
    /// The window the controls live in: the dialog, or the page's panel.
    wxWindow& Container() const { return *m_window; }
    WxSheet* Sheet() const { return m_sheet; }
    bool HasEnded() const override { return m_run->HasEnded(); }
    void Guard(std::function<void()> const& action) { m_run->Guard(action); }
    /// Detaches the wrappers while the controls are whole; then no event reaches them.
    void PrepareClose();
    void Route(Message& message);
    void DeliverPosted();
    /// The client size the dialog's handlers saw last, and how many sizes they saw.
    Size RoutedSize() const { return m_routedSize; }
    int RoutedSizes() const { return m_routedSizes; }

private:
    template <typename T, typename... Args> T& AddChild(ControlId id, Args&&... args);
    void CreateControls(DialogTemplate const& dialog);
    void CreateControl(ControlTemplate const& control);
    void OnCharHook(wxKeyEvent& event);
    /// Timers whose expiry the dialog hears of until it ends.
    std::unique_ptr<backend::ToolkitTimers> MakeTimers();

    backend::DialogEvents& m_events;
    WxSheet* m_sheet = nullptr;
    std::unique_ptr<ModalRun> m_ownRun;
    ModalRun* m_run;
    backend::ChildWindows m_children;
    std::deque<Message> m_posted;
    Size m_routedSize;
    int m_routedSizes = 0;
    std::unique_ptr<backend::ToolkitTimers> m_timers;
};

} // namespace platform::wx
