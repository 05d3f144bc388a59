// platform::backend::ToolkitDialog: what a native dialog does alike on every toolkit.
#pragma once

#include "platform/Backend.h"
#include "platform/ChildWindows.h"
#include "platform/Driver.h"
#include "platform/Error.h"
#include "platform/ModalRun.h"
#include "platform/TimerSchedule.h"
#include "platform/ToolkitTimers.h"

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace platform::backend {

/// A toolkit's dialog (`Window`, its window template over NativeDialog), of its own or a
/// page of a sheet, with timers on the toolkit's `OneShot` (as OneShotTimers takes it). Its
/// controls, its modal run, the messages posted to it and its timers behave alike on every
/// toolkit; the toolkit makes its window and its plain controls, names the classes of the
/// others, delivers its events through the Route functions, and runs posted work from its loop.
template <typename Window, typename OneShot> class ToolkitDialog : public Window {
    /// The toolkit's dialog class, which derives from this one.
    using Dialog = typename Window::ParentDialog;

public:
    /// How the toolkit makes the controls whose model the platform keeps, and plays a scene.
    struct Classes {
        std::unique_ptr<NativeCombo> (*combo)(Dialog& dialog, ControlTemplate const& control,
                                              Rect pixels);
        std::unique_ptr<NativeTree> (*tree)(Dialog& dialog, ControlTemplate const& control,
                                            Rect pixels);
        std::unique_ptr<NativePropertyGrid> (*propertyGrid)(Dialog& dialog, ControlId id,
                                                            Rect pixels);
        std::unique_ptr<NativeToolBar> (*toolBar)(Dialog& dialog, ControlId id);
        void (*play)(Dialog& dialog, Scene const& scene);
    };

    ~ToolkitDialog() override = default;
    ToolkitDialog(ToolkitDialog const&) = delete;
    ToolkitDialog& operator=(ToolkitDialog const&) = delete;

    NativeWindow* Parent() const final { return nullptr; }
    NativeWindow* FindChild(ControlId id) const final { return m_children.Find(id); }

    int RunModal() final {
        if (IsPage()) {
            PLATFORM_ERROR(L"page " + std::to_wstring(this->Id()) + L" runs only inside its sheet");
        }
        return m_run->Run(
            this->Id(), [this] { m_events.OnNativeInit(); },
            [this](Scene const& scene) { PlayScene(scene); });
    }

    void End(int result) final { m_run->End(result); }
    bool HasEnded() const final { return m_run->HasEnded(); }

    void Post(Message const& message) final {
        m_posted.push_back(message);
        CallLater([this] { Guard([this] { DeliverPosted(); }); });
    }

    void StartTimer(ControlId id, std::chrono::milliseconds delay) final {
        m_timers->Start(id, delay);
    }
    void StopTimer(ControlId id) final { m_timers->Stop(id); }
    bool ExpireNextTimer() final { return !HasEnded() && m_timers->ExpireNext(); }

    DialogEvents& Events() { return m_events; }
    /// The sheet the dialog is a page of; null for a dialog of its own.
    NativeSheet* Sheet() const { return m_sheet; }
    void Guard(std::function<void()> const& action) { m_run->Guard(action); }
    void Route(Message& message) {
        Guard([&] { m_events.OnNativeMessage(message); });
    }
    void DeliverPosted() {
        while (!m_posted.empty() && !HasEnded()) {
            Message message = m_posted.front();
            m_posted.pop_front();
            Route(message);
        }
    }
    /// Routes the idle message, as the loop does once it has nothing left to do.
    void RouteIdle() {
        Message message;
        message.event = Event::KickIdle;
        message.window = this->Wrapper();
        Route(message);
    }
    /// Offers a key going down in control `id` (0: none) to the dialog's handlers; true
    /// when they took it.
    bool OfferKey(ControlId id, int key) {
        bool handled = false;
        Guard([&] { handled = m_events.OnNativeKeyDown(id, key); });
        return handled;
    }
    /// The client size the dialog's handlers saw last, and how many sizes they saw.
    Size RoutedSize() const { return m_routedSize; }
    int RoutedSizes() const { return m_routedSizes; }

    NativePropertyGrid& CreatePropertyGrid(ControlId id, Rect client) final {
        return Take(id, m_classes.propertyGrid(Self(), id, client));
    }
    NativeToolBar& CreateToolBar(ControlId id) final {
        return Take(id, m_classes.toolBar(Self(), id));
    }

    /// Detaches the wrappers while the controls are whole; then no event reaches them.
    virtual void PrepareClose() {
        m_children.DetachWrappers();
        m_run->Close();
    }
    /// Plays `scene` as a user of the toolkit, from inside the dialog's loop.
    void PlayScene(Scene const& scene) { m_classes.play(Self(), scene); }

protected:
    /// The classes whose constructors take the dialog first and then what the Classes
    /// members are given; `User` plays a scene as its member Play.
    template <typename Combo, typename Tree, typename PropertyGrid, typename ToolBar, typename User>
    static Classes ClassesOf() {
        return {
            [](Dialog& dialog, ControlTemplate const& control,
               Rect pixels) -> std::unique_ptr<NativeCombo> {
                return std::make_unique<Combo>(&dialog, control, pixels);
            },
            [](Dialog& dialog, ControlTemplate const& control,
               Rect pixels) -> std::unique_ptr<NativeTree> {
                return std::make_unique<Tree>(&dialog, control, pixels);
            },
            [](Dialog& dialog, ControlId id, Rect pixels) -> std::unique_ptr<NativePropertyGrid> {
                return std::make_unique<PropertyGrid>(&dialog, id, pixels);
            },
            [](Dialog& dialog, ControlId id) -> std::unique_ptr<NativeToolBar> {
                return std::make_unique<ToolBar>(&dialog, id);
            },
            [](Dialog& dialog, Scene const& scene) { User(dialog).Play(scene); },
        };
    }

    /// A dialog of its own, in `widget`, shown by `run`.
    template <typename Widget>
    ToolkitDialog(ControlId id, Widget* widget, DialogEvents& events, Classes classes,
                  std::unique_ptr<ModalRun> run)
        : Window(nullptr, id, widget)
        , m_classes(classes)
        , m_events(events)
        , m_ownRun(std::move(run))
        , m_run(m_ownRun.get())
        , m_children(id) {}

    /// A page of `sheet`, in `widget`, shown by the sheet's `run`.
    template <typename Widget>
    ToolkitDialog(ControlId id, Widget* widget, DialogEvents& events, Classes classes,
                  NativeSheet& sheet, ModalRun& run)
        : Window(nullptr, id, widget)
        , m_classes(classes)
        , m_events(events)
        , m_sheet(&sheet)
        , m_run(&run)
        , m_children(id) {}

    bool IsPage() const { return m_sheet != nullptr; }

    /// Runs `action` from the toolkit's loop once the running handler has returned.
    virtual void CallLater(std::function<void()> action) = 0;
    /// The toolkit hears of a control the dialog has just taken.
    virtual void Adopt(NativeWindow& /*control*/) {}

    /// Makes the template's controls, each shown and enabled as its style says.
    void CreateChildren(DialogTemplate const& dialog) {
        for (ControlTemplate const& control : dialog.controls) {
            Point const position = this->DialogUnitsToPixels({control.rect.left, control.rect.top});
            Point const size = this->DialogUnitsToPixels({control.rect.right, control.rect.bottom});
            NativeWindow& added =
                CreateChild(control, Rect::FromXYWH(position.x, position.y, size.x, size.y));
            added.Show((control.style & StyleHidden) == 0);
            added.Enable((control.style & StyleDisabled) == 0);
        }
    }
    /// The toolkit makes `control`, a plain control (neither a combo box, a tree nor a property
    /// grid), at `pixels` in the dialog's client area.
    virtual NativeWindow& CreateControl(ControlTemplate const& control, Rect pixels) = 0;

    template <typename T, typename... Args> T& AddChild(ControlId id, Args&&... args) {
        return Take(id, std::make_unique<T>(std::forward<Args>(args)...));
    }
    ChildWindows const& Children() const { return m_children; }

    /// The window's close box asks what the dialog's Cancel asks.
    void RouteClose() {
        Message message;
        message.event = Event::Command;
        message.id = IDCANCEL;
        message.window = this->Wrapper();
        Route(message);
    }
    /// The container's client area has a new `size`.
    void RouteSize(Size size) {
        Message message;
        message.event = Event::Size;
        message.size = size;
        message.window = this->Wrapper();
        m_routedSize = size;
        ++m_routedSizes;
        Route(message);
    }
    /// The user asked for `control`'s context menu at `screen` ({-1, -1}: by the keyboard).
    void RouteContextMenu(NativeWindow& control, Point screen) {
        Message message;
        message.event = Event::ContextMenu;
        message.id = control.Id();
        message.window = control.Wrapper();
        message.point = screen;
        Route(message);
    }

private:
    Dialog& Self() { return static_cast<Dialog&>(*this); }

    NativeWindow& CreateChild(ControlTemplate const& control, Rect pixels) {
        switch (control.kind) {
        case ControlKind::ComboBox:
            return Take(control.id, m_classes.combo(Self(), control, pixels));
        case ControlKind::TreeView:
            return Take(control.id, m_classes.tree(Self(), control, pixels));
        case ControlKind::PropertyGrid:
            return CreatePropertyGrid(control.id, pixels);
        default:
            return CreateControl(control, pixels);
        }
    }

    /// The dialog's children own `made`; the toolkit hears of it.
    template <typename T> T& Take(ControlId id, std::unique_ptr<T> made) {
        T& added = *made;
        m_children.Add(id, std::move(made));
        Adopt(added);
        return added;
    }

    Classes m_classes;
    DialogEvents& m_events;
    NativeSheet* m_sheet = nullptr;
    std::unique_ptr<ModalRun> m_ownRun;
    ModalRun* m_run;
    ChildWindows m_children;
    std::deque<Message> m_posted;
    Size m_routedSize;
    int m_routedSizes = 0;
    // No timer of a dialog that has ended expires.
    std::unique_ptr<ToolkitTimers> m_timers =
        std::make_unique<OneShotTimers<OneShot>>([this](ControlId timer) {
            if (!HasEnded()) {
                Message message = TimerSchedule::Expiry(timer, this->Wrapper());
                Route(message);
            }
        });
};

} // namespace platform::backend
