// platform::backend::ToolkitDialog: every toolkit's native dialog, declared once.
#pragma once

#include "platform/Backend.h"
#include "platform/ChildWindows.h"
#include "platform/Driver.h"
#include "platform/Error.h"
#include "platform/ModalRun.h"
#include "platform/TimerSchedule.h"
#include "platform/ToolkitTimers.h"
#include "platform/ToolkitWindow.h"

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace platform::backend {

/// A toolkit's dialog on its `Widget`s, of its own or a page of one of its sheets. Its
/// controls, its modal run, the messages posted to it and its timers behave alike on every
/// toolkit. What a toolkit does its own way is declared here once: the toolkit defines those
/// members in its backend (making its window and its plain controls, measuring, posting,
/// showing, and keeping its own `Parts`), names the classes of its other controls, delivers its
/// events through the Route functions, and runs posted work from its loop. Its backend's header
/// declares those members the toolkit's own (PLATFORM_TOOLKIT_DIALOG).
template <typename Widget> class ToolkitDialog final : public ToolkitWindow<NativeDialog, Widget> {
public:
    /// The toolkit's sheet, whose pages these dialogs can be.
    using SheetClass = ToolkitSheet<Widget>;

    /// How the toolkit makes the controls whose model the platform keeps, and plays a scene.
    struct Classes {
        std::unique_ptr<NativeCombo> (*combo)(ToolkitDialog& dialog, ControlTemplate const& control,
                                              Rect pixels);
        std::unique_ptr<NativeTree> (*tree)(ToolkitDialog& dialog, ControlTemplate const& control,
                                            Rect pixels);
        std::unique_ptr<NativePropertyGrid> (*propertyGrid)(ToolkitDialog& dialog, ControlId id,
                                                            Rect pixels);
        std::unique_ptr<NativeToolBar> (*toolBar)(ToolkitDialog& dialog, ControlId id);
        void (*play)(ToolkitDialog& dialog, Scene const& scene);
    };

    /// A dialog of its own, owned by `owner`, or without one by the modal dialog on top.
    ToolkitDialog(DialogTemplate const& dialog, DialogEvents& events, NativeWindow* owner);
    /// A page of `sheet`, placed in its tabs.
    ToolkitDialog(DialogTemplate const& dialog, DialogEvents& events, SheetClass& sheet);
    ~ToolkitDialog() override;
    ToolkitDialog(ToolkitDialog const&) = delete;
    ToolkitDialog& operator=(ToolkitDialog const&) = delete;

    Rect GetWindowRect() const override;
    Point DialogUnitsToPixels(Point units) const override;
    void SetClientSize(Size size) override;
    void SetResizable(Size minimum) override;
    bool SaveScreenshot(std::string const& path) override;

    /// The widget the controls live in: the dialog's own window, or the page's.
    Widget& Container() const { return *this->m_widget; }

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
        return Take(id, m_classes.propertyGrid(*this, id, client));
    }
    NativeToolBar& CreateToolBar(ControlId id) final {
        return Take(id, m_classes.toolBar(*this, id));
    }

    /// Detaches the wrappers while the controls are whole; then no event reaches them, and
    /// no event of the toolkit reaches the dialog.
    void PrepareClose();
    /// Plays `scene` as a user of the toolkit, from inside the dialog's loop.
    void PlayScene(Scene const& scene) { m_classes.play(*this, scene); }

private:
    /// What only the toolkit keeps of a dialog, if anything.
    struct Parts;

    /// The classes whose constructors take the dialog first and then what the Classes
    /// members are given; `User` plays a scene as its member Play.
    template <typename Combo, typename Tree, typename PropertyGrid, typename ToolBar, typename User>
    static Classes ClassesOf() {
        return {
            [](ToolkitDialog& dialog, ControlTemplate const& control,
               Rect pixels) -> std::unique_ptr<NativeCombo> {
                return std::make_unique<Combo>(&dialog, control, pixels);
            },
            [](ToolkitDialog& dialog, ControlTemplate const& control,
               Rect pixels) -> std::unique_ptr<NativeTree> {
                return std::make_unique<Tree>(&dialog, control, pixels);
            },
            [](ToolkitDialog& dialog, ControlId id,
               Rect pixels) -> std::unique_ptr<NativePropertyGrid> {
                return std::make_unique<PropertyGrid>(&dialog, id, pixels);
            },
            [](ToolkitDialog& dialog, ControlId id) -> std::unique_ptr<NativeToolBar> {
                return std::make_unique<ToolBar>(&dialog, id);
            },
            [](ToolkitDialog& dialog, Scene const& scene) { User(dialog).Play(scene); },
        };
    }

    /// The toolkit's classes of the controls whose model the platform keeps.
    static Classes ToolkitClasses();
    /// Makes the widget of a page in `sheet`'s tabs.
    static Widget* NewPage(SheetClass& sheet);

    /// A dialog of its own, in `window`, the toolkit's dialog window, shown by a run of its own.
    template <typename Window>
    ToolkitDialog(ControlId id, Window* window, DialogEvents& events, Classes classes)
        : ToolkitWindow<NativeDialog, Widget>(nullptr, id, window)
        , m_classes(classes)
        , m_events(events)
        , m_ownRun(std::make_unique<WindowModalRun<Window>>(*window))
        , m_run(m_ownRun.get())
        , m_children(id) {}

    /// A page of `sheet`, in `widget`, shown by the sheet's `run`.
    ToolkitDialog(ControlId id, Widget* widget, DialogEvents& events, Classes classes,
                  NativeSheet& sheet, ModalRun& run)
        : ToolkitWindow<NativeDialog, Widget>(nullptr, id, widget)
        , m_classes(classes)
        , m_events(events)
        , m_sheet(&sheet)
        , m_run(&run)
        , m_children(id) {}

    bool IsPage() const { return m_sheet != nullptr; }

    /// Runs `action` from the toolkit's loop once the running handler has returned.
    void CallLater(std::function<void()> const& action);
    /// The toolkit hears of a control the dialog has just taken.
    void Adopt(NativeWindow& control);
    /// Sizes the container for `dialog` and makes its controls, with what the toolkit hooks to
    /// the container.
    void CreateControls(DialogTemplate const& dialog);

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
    NativeWindow& CreateControl(ControlTemplate const& control, Rect pixels);

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

    /// Timer `timer` ran out; no timer of a dialog that has ended expires.
    void RaiseTimer(ControlId timer) {
        if (!HasEnded()) {
            Message message = TimerSchedule::Expiry(timer, this->Wrapper());
            Route(message);
        }
    }
    /// Detaches the wrappers and closes the run, as the toolkit's PrepareClose ends.
    void DetachAndClose() {
        m_children.DetachWrappers();
        m_run->Close();
    }

    NativeWindow& CreateChild(ControlTemplate const& control, Rect pixels) {
        switch (control.kind) {
        case ControlKind::ComboBox:
            return Take(control.id, m_classes.combo(*this, control, pixels));
        case ControlKind::TreeView:
            return Take(control.id, m_classes.tree(*this, control, pixels));
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

    // The toolkit's parts are whole only in its backend, which makes them and hands over how
    // they go.
    std::unique_ptr<Parts, void (*)(Parts*)> m_parts{nullptr, nullptr};
    Classes m_classes;
    DialogEvents& m_events;
    NativeSheet* m_sheet = nullptr;
    std::unique_ptr<ModalRun> m_ownRun;
    ModalRun* m_run;
    ChildWindows m_children;
    std::deque<Message> m_posted;
    Size m_routedSize;
    int m_routedSizes = 0;
    /// Made by the toolkit, on its own one-shot timer, with its controls.
    std::unique_ptr<ToolkitTimers> m_timers;
};

template <typename Widget>
ToolkitDialog<Widget>::ToolkitDialog(DialogTemplate const& dialog, DialogEvents& events,
                                     SheetClass& sheet)
    : ToolkitDialog(dialog.id, NewPage(sheet), events, ToolkitClasses(), sheet, sheet.Run()) {
    CreateControls(dialog);
}

} // namespace platform::backend

// `Widget` names a type in these declarations, where parentheses would not compile.
// NOLINTBEGIN(bugprone-macro-parentheses)
/// Declares the members of the dialog on `Widget` that its toolkit defines, for every file
/// that reaches the dialog: the backend's header for the dialog holds this line.
#define PLATFORM_TOOLKIT_DIALOG(Widget)                                                            \
    namespace platform::backend {                                                                  \
    template <>                                                                                    \
    ToolkitDialog<Widget>::ToolkitDialog(DialogTemplate const& dialog, DialogEvents& events,       \
                                         NativeWindow* owner);                                     \
    template <> ToolkitDialog<Widget>::Classes ToolkitDialog<Widget>::ToolkitClasses();            \
    template <> Widget* ToolkitDialog<Widget>::NewPage(SheetClass& sheet);                         \
    template <> ToolkitDialog<Widget>::~ToolkitDialog();                                           \
    template <> Rect ToolkitDialog<Widget>::GetWindowRect() const;                                 \
    template <> Point ToolkitDialog<Widget>::DialogUnitsToPixels(Point units) const;               \
    template <> void ToolkitDialog<Widget>::SetClientSize(Size size);                              \
    template <> void ToolkitDialog<Widget>::SetResizable(Size minimum);                            \
    template <> bool ToolkitDialog<Widget>::SaveScreenshot(std::string const& path);               \
    template <> void ToolkitDialog<Widget>::PrepareClose();                                        \
    template <> void ToolkitDialog<Widget>::CallLater(std::function<void()> const& action);        \
    template <> void ToolkitDialog<Widget>::Adopt(NativeWindow& control);                          \
    template <> void ToolkitDialog<Widget>::CreateControls(DialogTemplate const& dialog);          \
    template <>                                                                                    \
    NativeWindow& ToolkitDialog<Widget>::CreateControl(ControlTemplate const& control,             \
                                                       Rect pixels);                               \
    }
// NOLINTEND(bugprone-macro-parentheses)
