#pragma once

#include "ModalRun.h"
#include "QtWindow.h"
#include "platform/ChildWindows.h"
#include "platform/ToolkitTimers.h"

#include <QPointer>
#include <QWidget>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <string>

class QContextMenuEvent;
class QTabWidget;

namespace platform::qt {

class QtSheet;

class QtDialog final : public QtWindow<backend::NativeDialog> {
public:
    /// A dialog of its own, owned by `owner`, or without one by the modal dialog on top.
    QtDialog(DialogTemplate const& dialog, backend::DialogEvents& events,
             backend::NativeWindow* owner);
    /// A page of `sheet`, placed in `book`.
    QtDialog(DialogTemplate const& dialog, backend::DialogEvents& events, QTabWidget* book,
             QtSheet& sheet);
    ~QtDialog() override;
    QtDialog(QtDialog const&) = delete;
    QtDialog& operator=(QtDialog const&) = delete;

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
    /// The widget the controls live in: the dialog, or the page's widget.
    QWidget& Container() const { return *m_widget; }
    QtSheet* Sheet() const { return m_sheet; }
    bool HasEnded() const override { return m_run->HasEnded(); }
    void Guard(std::function<void()> const& action) { m_run->Guard(action); }
    /// Detaches the wrappers while the controls are whole; then no event reaches them.
    void PrepareClose();
    void Route(Message& message);
    void DeliverPosted();
    /// Routes the idle message, as the loop does once it has nothing left to do.
    void RouteIdle();
    /// Routes the container's new size.
    void RouteSize();
    /// The client size the dialog's handlers saw last, and how many sizes they saw.
    Size RoutedSize() const { return m_routedSize; }
    int RoutedSizes() const { return m_routedSizes; }
    /// Offers a key going down in `target` to the dialog's handlers, as the dialog's key
    /// hook does; true when they took it.
    bool OfferKey(QWidget* target, int key);
    /// Routes a context menu asked of a control's own area; false when it belongs to
    /// something inside the control.
    bool OfferContextMenu(QWidget* target, QContextMenuEvent const& event);
    /// The id of the control that is or holds `widget`; 0 for none.
    ControlId ControlAt(QWidget* widget) const;

private:
    class EventHook;
    class Timers;

    template <typename T, typename... Args> T& AddChild(ControlId id, Args&&... args);
    void CreateControls(DialogTemplate const& dialog);
    void CreateControl(ControlTemplate const& control);
    /// Timers whose expiry the dialog hears of until it ends.
    std::unique_ptr<backend::ToolkitTimers> MakeTimers();

    backend::DialogEvents& m_events;
    QtSheet* m_sheet = nullptr;
    /// The dialog's own window; gone already when its owner took it along.
    QPointer<RunWindow> m_ownWindow;
    std::unique_ptr<ModalRun> m_ownRun;
    ModalRun* m_run;
    backend::ChildWindows m_children;
    std::deque<Message> m_posted;
    Size m_routedSize;
    int m_routedSizes = 0;
    std::unique_ptr<backend::ToolkitTimers> m_timers;
    std::unique_ptr<EventHook> m_hook;
    bool m_idleDue = true;
};

} // namespace platform::qt
