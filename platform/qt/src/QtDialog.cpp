#include "QtDialog.h"
#include "ModalRun.h"
#include "QtCombo.h"
#include "QtMultiLineEdit.h"
#include "QtPropertyGrid.h"
#include "QtSheet.h"
#include "QtSurface.h"
#include "QtToolBar.h"
#include "QtTree.h"
#include "QtUser.h"
#include "QtWindow.h"

#include "platform/Error.h"
#include "platform/Window.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/Screenshot.h"

#include <QAbstractEventDispatcher>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <array>
#include <chrono>
#include <memory>
#include <utility>

namespace {

/// How long a scene waits for its window to become active before it plays anyway.
constexpr std::chrono::milliseconds ActivationWait{3000};

} // namespace

namespace platform::backend {

template <> void WindowModalRun<qt::RunWindow>::ShowModal(std::function<void()> const& first) {
    // Initialisation may have grown the window: it is centred at its final size on the
    // widget it belongs to (a host's widget, or the dialog that opened it), which Qt
    // would centre on that widget's window instead.
    if (QWidget const* owner = m_window.parentWidget()) {
        QPoint const centre = owner->mapToGlobal(owner->rect().center());
        m_window.move(centre - m_window.rect().center());
    }
    // The dialog opens on the control initialisation chose, or else on its first stop of
    // the Tab key, the way its keys would have reached it.
    QWidget* focus = m_window.focusWidget();
    for (QWidget* next = m_window.nextInFocusChain(); focus == nullptr && next != &m_window;
         next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) != 0 && next->isEnabled() &&
            next->isVisibleTo(&m_window) && m_window.isAncestorOf(next)) {
            focus = next;
        }
    }
    if (focus != nullptr) {
        qt::FocusAsByKeyboard(*focus);
    }
    // A scripted user's first input plays once the window is active, as a real user's key
    // could reach it only then; on a busy display that comes after the loop's first turn.
    // A display that never activates it still plays, after a wait.
    auto const played = std::make_shared<bool>(false);
    QMetaObject::Connection activated;
    if (first) {
        auto const playOnce = [played, first] {
            if (!std::exchange(*played, true)) {
                first();
            }
        };
        activated = QObject::connect(
            qApp, &QGuiApplication::focusWindowChanged, &m_window,
            [this, playOnce](QWindow* focused) {
                if (focused != nullptr && focused == m_window.windowHandle()) {
                    QMetaObject::invokeMethod(&m_window, playOnce, Qt::QueuedConnection);
                }
            });
        QTimer::singleShot(ActivationWait, &m_window, playOnce);
        QTimer::singleShot(0, &m_window, [this, playOnce] {
            if (m_window.isActiveWindow()) {
                playOnce();
            }
        });
    }
    m_window.exec();
    // Nothing plays into a run that is over.
    *played = true;
    QObject::disconnect(activated);
}

template <> void WindowModalRun<qt::RunWindow>::EndModal(int result) {
    if (m_window.isVisible()) {
        m_window.done(result);
    }
}

} // namespace platform::backend

namespace platform::qt {

RunWindow::RunWindow(QWidget* owner)
    : QDialog(owner) {}

void RunWindow::reject() {
    if (m_reject) {
        m_reject();
    }
}

namespace {

/// The keys a dialog takes before its controls, as the platform names them.
constexpr std::array<std::pair<int, int>, 4> DialogKeys{{
    {Qt::Key_Return, KeyReturn},
    {Qt::Key_Enter, KeyReturn},
    {Qt::Key_Escape, KeyEscape},
    {Qt::Key_Delete, KeyDelete},
}};

/// The platform's name of the event's key when the dialog takes it; 0 for any other key.
int KeyOf(QKeyEvent const& event) {
    auto const found = std::ranges::find(DialogKeys, event.key(), &std::pair<int, int>::first);
    return found == DialogKeys.end() ? 0 : found->second;
}

/// Whether `receiver` is where a key event starts rather than a parent it rises to
/// because the focused widget inside it let the key pass.
bool StartsHere(QWidget const& receiver) {
    QWidget const* focus = receiver.window()->focusWidget();
    return focus == nullptr || focus == &receiver || !receiver.isAncestorOf(focus);
}

} // namespace

} // namespace platform::qt

namespace platform::backend {

using qt::QtDialog;

template <> ToolkitOneShot<QTimer>::ToolkitOneShot(std::function<void()> const& expire) {
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, expire);
}

template <> void ToolkitOneShot<QTimer>::Start(std::chrono::milliseconds delay) {
    m_timer.start(delay);
}

template <> void ToolkitOneShot<QTimer>::Stop() {
    m_timer.stop();
}

template <> struct ToolkitDialog<QWidget>::Parts {
    class EventHook;

    /// The dialog's own window, none for a page; gone already when its owner took it along.
    QPointer<qt::RunWindow> ownWindow;
    std::unique_ptr<EventHook> hook;
    bool idleDue = true;
};

/// The dialog's view of the application's events: its keys before any control sees them
/// (as the platform's dialogs take Enter, Escape and Delete), its size, and context menus
/// asked of its controls. Popups are windows of their own, so an open drop-down list keeps
/// its keys.
class ToolkitDialog<QWidget>::Parts::EventHook final : public QObject {
public:
    explicit EventHook(QtDialog& dialog)
        : m_dialog(dialog) {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        QEvent::Type const type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::Resize && type != QEvent::ContextMenu) {
            return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        QWidget& container = m_dialog.Container();
        if (widget == &container) {
            if (type == QEvent::Resize) {
                QSize const size = container.size();
                m_dialog.RouteSize({size.width(), size.height()});
            }
        } else if (widget == nullptr || !container.isAncestorOf(widget)) {
            return false;
        }
        if (type == QEvent::KeyPress) {
            int const key = qt::KeyOf(static_cast<QKeyEvent&>(*event));
            return key != 0 && qt::StartsHere(*widget) && m_dialog.OfferKey(ControlAt(widget), key);
        }
        if (type == QEvent::ContextMenu) {
            return OfferContextMenu(widget, static_cast<QContextMenuEvent&>(*event));
        }
        return false;
    }

private:
    /// The id of the control that is or holds `widget`; 0 for none.
    ControlId ControlAt(QWidget* widget) const {
        // The control is the widget itself or one that contains it (a list's viewport, a
        // combo box's edit field).
        for (; widget != nullptr && widget != &m_dialog.Container();
             widget = widget->parentWidget()) {
            ControlId const id = m_dialog.Children().IdWhere(
                [widget](NativeWindow& child) { return &qt::WidgetOf(child) == widget; });
            if (id != 0) {
                return id;
            }
            if (widget->isWindow()) {
                break;
            }
        }
        return 0;
    }

    /// Routes a context menu asked of a control's own area; false when it belongs to
    /// something inside the control.
    bool OfferContextMenu(QWidget* target, QContextMenuEvent const& event) {
        NativeWindow* native = m_dialog.FindChild(ControlAt(target));
        if (native == nullptr) {
            return false;
        }
        QWidget& control = qt::WidgetOf(*native);
        // An editor open inside a control keeps its own menu; the control's own area and
        // the viewport it scrolls belong to the dialog's handlers.
        auto const* area = qobject_cast<QAbstractScrollArea const*>(&control);
        if (target != &control && (area == nullptr || target != area->viewport())) {
            return false;
        }
        m_dialog.RouteContextMenu(*native,
                                  event.reason() == QContextMenuEvent::Keyboard
                                      ? Point{-1, -1}
                                      : Point{event.globalPos().x(), event.globalPos().y()});
        return true;
    }

    QtDialog& m_dialog;
};

template <>
QtDialog::ToolkitDialog(DialogTemplate const& dialog, DialogEvents& events, NativeWindow* owner)
    : ToolkitDialog(dialog.id, new qt::RunWindow(qt::QtBackend::OwnerFor(owner)), events,
                    ToolkitClasses()) {
    Container().setWindowTitle(qt::ToQt(dialog.caption));
    CreateControls(dialog);
    // The container is the window the dialog was just made in.
    auto& window = static_cast<qt::RunWindow&>(Container());
    m_parts->ownWindow = &window;
    // Until the dialog asks for resizing, the size is pinned.
    window.setFixedSize(window.size());
    window.OnReject([this] { RouteClose(); });
}

template <> QtDialog::Classes QtDialog::ToolkitClasses() {
    return ClassesOf<qt::QtCombo, qt::QtTree, qt::QtPropertyGrid, qt::QtToolBar, qt::QtUser>();
}

template <> QWidget* QtDialog::NewPage(qt::QtSheet& sheet) {
    return new QWidget(&sheet.Book());
}

template <> void QtDialog::CreateControls(DialogTemplate const& dialog) {
    m_timers = std::make_unique<OneShotTimers<ToolkitOneShot<QTimer>>>(
        [this](ControlId timer) { RaiseTimer(timer); });
    m_parts = {new Parts, [](Parts* parts) { delete parts; }};
    QWidget& window = Container();
    Point const size = DialogUnitsToPixels({dialog.size.width, dialog.size.height});
    window.resize(size.x, size.y);
    CreateChildren(dialog);
    m_parts->hook = std::make_unique<Parts::EventHook>(*this);
    // The loop goes idle when it is about to wait for the window system, once for each
    // time it woke up: idle work that changes nothing lets it sleep.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, m_parts->hook.get(),
                     [this] { m_parts->idleDue = true; });
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, m_parts->hook.get(),
                     [this] {
                         if (m_parts->idleDue && Container().isVisible() && !HasEnded()) {
                             m_parts->idleDue = false;
                             Guard([this] { RouteIdle(); });
                         }
                     });
}

template <> void QtDialog::PrepareClose() {
    // Events still come while the widgets go; none may reach a wrapper or a handler.
    m_parts->hook.reset();
    DetachAndClose();
}

template <> QtDialog::~ToolkitDialog() {
    // A page's widget belongs to its sheet's tab widget, which lets it go.
    if (!IsPage()) {
        PrepareClose();
        delete m_parts->ownWindow.data();
    }
}

namespace {

QWidget* MakeEdit(QWidget& dialog, ControlTemplate const& control) {
    bool const readOnly = (control.style & EditReadOnly) != 0;
    if ((control.style & EditMultiLine) != 0) {
        // A multi-line box wraps its long lines rather than making the reader scroll
        // sideways.
        auto* edit = new QPlainTextEdit(qt::ToQt(control.text), &dialog);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit->setReadOnly(readOnly);
        return edit;
    }
    auto* edit = new QLineEdit(qt::ToQt(control.text), &dialog);
    edit->setReadOnly(readOnly);
    return edit;
}

} // namespace

template <> NativeWindow& QtDialog::CreateControl(ControlTemplate const& control, Rect pixels) {
    QWidget& dialog = Container();
    QString const text = qt::ToQt(control.text);
    NativeWindow* added = nullptr;
    switch (control.kind) {
    case ControlKind::DrawingSurface:
        added = &AddChild<qt::QtSurface>(control.id, this, control.id, pixels);
        break;
    case ControlKind::Edit: {
        QWidget* edit = MakeEdit(dialog, control);
        if (auto* lines = qobject_cast<QPlainTextEdit*>(edit)) {
            auto& native = AddChild<qt::QtMultiLineEdit>(control.id, this, control.id, lines);
            qt::RaiseOn(lines, &QPlainTextEdit::textChanged, native, Event::EditChange);
            added = &native;
        } else {
            auto& native = AddChild<qt::QtControl>(control.id, this, control.id, edit);
            qt::RaiseOn(static_cast<QLineEdit*>(edit), &QLineEdit::textChanged, native,
                        Event::EditChange);
            added = &native;
        }
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(text, &dialog);
        // The dialog's key hook gives Enter to the default command; no other button takes
        // it for having the focus.
        button->setAutoDefault(false);
        button->setDefault((control.style & ButtonDefault) != 0);
        auto& native = AddChild<qt::QtControl>(control.id, this, control.id, button);
        qt::RaiseOn(button, &QPushButton::clicked, native, Event::Command);
        added = &native;
        break;
    }
    case ControlKind::GroupBox:
        added =
            &AddChild<qt::QtControl>(control.id, this, control.id, new QGroupBox(text, &dialog));
        break;
    case ControlKind::Static:
        if ((control.style & StaticFrame) != 0) {
            auto* frame = new QFrame(&dialog);
            frame->setFrameStyle(QFrame::Box | QFrame::Plain);
            added = &AddChild<qt::QtControl>(control.id, this, control.id, frame);
        } else {
            auto* label = new QLabel(text, &dialog);
            // A static text wraps within its rectangle and starts at its top, as the
            // templates were laid out for.
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            added = &AddChild<qt::QtControl>(control.id, this, control.id, label);
        }
        break;
    default:
        PLATFORM_ERROR(L"the dialog makes its combo boxes, trees and property grids itself");
    }
    qt::WidgetOf(*added).setGeometry(pixels.left, pixels.top, pixels.Width(), pixels.Height());
    return *added;
}

template <> Rect QtDialog::GetWindowRect() const {
    QRect const frame = Container().isWindow()
                            ? Container().frameGeometry()
                            : QRect(Container().mapToGlobal(QPoint(0, 0)), Container().size());
    return Rect::FromXYWH(frame.x(), frame.y(), frame.width(), frame.height());
}

template <> void QtDialog::CallLater(std::function<void()> const& action) {
    QMetaObject::invokeMethod(m_parts->hook.get(), action, Qt::QueuedConnection);
}

// Qt's event hook hears every control's context menu already.
template <> void QtDialog::Adopt(NativeWindow& /*control*/) {}

template <> Point QtDialog::DialogUnitsToPixels(Point units) const {
    // A dialog unit is a quarter of the font's average letter across and an eighth of its
    // line down.
    QFontMetrics const metrics(Container().font());
    static QString const letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    int const average = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    int const height = metrics.height();
    return {units.x * average / 4, units.y * height / 8};
}

template <> void QtDialog::SetClientSize(Size size) {
    Container().window()->resize(size.width, size.height);
}

template <> void QtDialog::SetResizable(Size minimum) {
    if (!IsPage()) {
        m_parts->ownWindow->setMinimumSize(minimum.width, minimum.height);
        m_parts->ownWindow->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

template <> bool QtDialog::SaveScreenshot(std::string const& path) {
    return qt::SaveScreenshot(*Container().window(), path);
}

} // namespace platform::backend
