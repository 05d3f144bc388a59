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

class QtOneShot final {
public:
    explicit QtOneShot(std::function<void()> const& expire) {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, expire);
    }
    void Start(std::chrono::milliseconds delay) { m_timer.start(delay); }
    void Stop() { m_timer.stop(); }

private:
    QTimer m_timer;
};

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

/// The dialog's view of the application's events: its keys before any control sees them
/// (as the platform's dialogs take Enter, Escape and Delete), its size, and context menus
/// asked of its controls. Popups are windows of their own, so an open drop-down list keeps
/// its keys.
class QtDialog::EventHook final : public QObject {
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
                m_dialog.RouteSize();
            }
        } else if (widget == nullptr || !container.isAncestorOf(widget)) {
            return false;
        }
        if (type == QEvent::KeyPress) {
            int const key = KeyOf(static_cast<QKeyEvent&>(*event));
            return key != 0 && StartsHere(*widget) &&
                   m_dialog.OfferKey(m_dialog.ControlAt(widget), key);
        }
        if (type == QEvent::ContextMenu) {
            return m_dialog.OfferContextMenu(widget, static_cast<QContextMenuEvent&>(*event));
        }
        return false;
    }

private:
    QtDialog& m_dialog;
};

QtDialog::QtDialog(DialogTemplate const& dialog, backend::DialogEvents& events,
                   backend::NativeWindow* owner)
    : QtDialog(dialog, events, new RunWindow(QtBackend::OwnerFor(owner))) {}

QtDialog::QtDialog(DialogTemplate const& dialog, backend::DialogEvents& events, RunWindow* window)
    : ToolkitDialog(dialog.id, window, events,
                    ClassesOf<QtCombo, QtTree, QtPropertyGrid, QtToolBar, QtUser>(),
                    std::make_unique<ModalRun>(*window))
    , m_ownWindow(window) {
    m_ownWindow->setWindowTitle(ToQt(dialog.caption));
    CreateControls(dialog);
    // Until the dialog asks for resizing, the size is pinned.
    m_ownWindow->setFixedSize(m_ownWindow->size());
    m_ownWindow->OnReject([this] { RouteClose(); });
}

QtDialog::QtDialog(DialogTemplate const& dialog, backend::DialogEvents& events, QtSheet& sheet)
    : ToolkitDialog(dialog.id, new QWidget(&sheet.Book()), events,
                    ClassesOf<QtCombo, QtTree, QtPropertyGrid, QtToolBar, QtUser>(), sheet,
                    sheet.Run()) {
    CreateControls(dialog);
}

void QtDialog::CreateControls(DialogTemplate const& dialog) {
    QWidget& window = Container();
    Point const size = DialogUnitsToPixels({dialog.size.width, dialog.size.height});
    window.resize(size.x, size.y);
    CreateChildren(dialog);
    m_hook = std::make_unique<EventHook>(*this);
    // The loop goes idle when it is about to wait for the window system, once for each
    // time it woke up: idle work that changes nothing lets it sleep.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    QObject::connect(dispatcher, &QAbstractEventDispatcher::awake, m_hook.get(),
                     [this] { m_idleDue = true; });
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, m_hook.get(), [this] {
        if (m_idleDue && Container().isVisible() && !HasEnded()) {
            m_idleDue = false;
            Guard([this] { RouteIdle(); });
        }
    });
}

void QtDialog::PrepareClose() {
    // Events still come while the widgets go; none may reach a wrapper or a handler.
    m_hook.reset();
    ToolkitDialog::PrepareClose();
}

QtDialog::~QtDialog() {
    // A page's widget belongs to its sheet's tab widget, which lets it go.
    if (!IsPage()) {
        PrepareClose();
        delete m_ownWindow.data();
    }
}

namespace {

QWidget* MakeEdit(QWidget& dialog, ControlTemplate const& control) {
    bool const readOnly = (control.style & EditReadOnly) != 0;
    if ((control.style & EditMultiLine) != 0) {
        // A multi-line box wraps its long lines rather than making the reader scroll
        // sideways.
        auto* edit = new QPlainTextEdit(ToQt(control.text), &dialog);
        edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        edit->setReadOnly(readOnly);
        return edit;
    }
    auto* edit = new QLineEdit(ToQt(control.text), &dialog);
    edit->setReadOnly(readOnly);
    return edit;
}

} // namespace

backend::NativeWindow& QtDialog::CreateControl(ControlTemplate const& control, Rect pixels) {
    QWidget& dialog = Container();
    QString const text = ToQt(control.text);
    backend::NativeWindow* added = nullptr;
    switch (control.kind) {
    case ControlKind::DrawingSurface:
        added = &AddChild<QtSurface>(control.id, this, control.id, pixels);
        break;
    case ControlKind::Edit: {
        QWidget* edit = MakeEdit(dialog, control);
        if (auto* lines = qobject_cast<QPlainTextEdit*>(edit)) {
            auto& native = AddChild<QtMultiLineEdit>(control.id, this, control.id, lines);
            RaiseOn(lines, &QPlainTextEdit::textChanged, native, Event::EditChange);
            added = &native;
        } else {
            auto& native = AddChild<QtControl>(control.id, this, control.id, edit);
            RaiseOn(static_cast<QLineEdit*>(edit), &QLineEdit::textChanged, native,
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
        auto& native = AddChild<QtControl>(control.id, this, control.id, button);
        RaiseOn(button, &QPushButton::clicked, native, Event::Command);
        added = &native;
        break;
    }
    case ControlKind::GroupBox:
        added = &AddChild<QtControl>(control.id, this, control.id, new QGroupBox(text, &dialog));
        break;
    case ControlKind::Static:
        if ((control.style & StaticFrame) != 0) {
            auto* frame = new QFrame(&dialog);
            frame->setFrameStyle(QFrame::Box | QFrame::Plain);
            added = &AddChild<QtControl>(control.id, this, control.id, frame);
        } else {
            auto* label = new QLabel(text, &dialog);
            // A static text wraps within its rectangle and starts at its top, as the
            // templates were laid out for.
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            added = &AddChild<QtControl>(control.id, this, control.id, label);
        }
        break;
    default:
        PLATFORM_ERROR(L"the dialog makes its combo boxes, trees and property grids itself");
    }
    WidgetOf(*added).setGeometry(pixels.left, pixels.top, pixels.Width(), pixels.Height());
    return *added;
}

Rect QtDialog::GetWindowRect() const {
    QRect const frame = Container().isWindow()
                            ? Container().frameGeometry()
                            : QRect(Container().mapToGlobal(QPoint(0, 0)), Container().size());
    return Rect::FromXYWH(frame.x(), frame.y(), frame.width(), frame.height());
}

void QtDialog::RouteSize() {
    QSize const size = Container().size();
    ToolkitDialog::RouteSize({size.width(), size.height()});
}

ControlId QtDialog::ControlAt(QWidget* widget) const {
    // The control is the widget itself or one that contains it (a list's viewport, a
    // combo box's edit field).
    for (; widget != nullptr && widget != m_widget; widget = widget->parentWidget()) {
        ControlId const id = Children().IdWhere(
            [widget](backend::NativeWindow& child) { return &WidgetOf(child) == widget; });
        if (id != 0) {
            return id;
        }
        if (widget->isWindow()) {
            break;
        }
    }
    return 0;
}

bool QtDialog::OfferContextMenu(QWidget* target, QContextMenuEvent const& event) {
    backend::NativeWindow* native = FindChild(ControlAt(target));
    if (native == nullptr) {
        return false;
    }
    QWidget& control = WidgetOf(*native);
    // An editor open inside a control keeps its own menu; the control's own area and
    // the viewport it scrolls belong to the dialog's handlers.
    auto const* area = qobject_cast<QAbstractScrollArea const*>(&control);
    if (target != &control && (area == nullptr || target != area->viewport())) {
        return false;
    }
    RouteContextMenu(*native, event.reason() == QContextMenuEvent::Keyboard
                                  ? Point{-1, -1}
                                  : Point{event.globalPos().x(), event.globalPos().y()});
    return true;
}

void QtDialog::CallLater(std::function<void()> action) {
    QMetaObject::invokeMethod(m_hook.get(), std::move(action), Qt::QueuedConnection);
}

Point QtDialog::DialogUnitsToPixels(Point units) const {
    // A dialog unit is a quarter of the font's average letter across and an eighth of its
    // line down.
    QFontMetrics const metrics(Container().font());
    static QString const letters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    int const average = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    int const height = metrics.height();
    return {units.x * average / 4, units.y * height / 8};
}

void QtDialog::SetClientSize(Size size) {
    Container().window()->resize(size.width, size.height);
}

void QtDialog::SetResizable(Size minimum) {
    if (!IsPage()) {
        m_ownWindow->setMinimumSize(minimum.width, minimum.height);
        m_ownWindow->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

bool QtDialog::SaveScreenshot(std::string const& path) {
    return platform::qt::SaveScreenshot(*Container().window(), path);
}

} // namespace platform::qt
