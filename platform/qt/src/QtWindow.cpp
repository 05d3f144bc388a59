#include "QtWindow.h"
#include "QtDialog.h"

#include "platform/Error.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace platform::qt {

QWidget& WidgetOf(backend::NativeWindow& native) {
    return backend::ToolkitWindowOf<QWidget>(native, L"Qt");
}

void FocusAsByKeyboard(QWidget& widget) {
    widget.setFocus(Qt::OtherFocusReason);
    // Qt selects a box's text only when the focus arrives by Tab while its window is
    // active; a program's focus, or a window still to be shown, gets the caret alone.
    QLineEdit* edit = qobject_cast<QLineEdit*>(&widget);
    if (auto* combo = qobject_cast<QComboBox*>(&widget); combo != nullptr) {
        edit = combo->lineEdit();
    }
    if (edit != nullptr) {
        edit->selectAll();
    }
}

} // namespace platform::qt

namespace platform::backend {

using QtCalls = ToolkitWidget<QWidget>;

template <> std::wstring QtCalls::GetText(QWidget& widget) {
    if (auto* line = qobject_cast<QLineEdit*>(&widget)) {
        return qt::FromQt(line->text());
    }
    if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        return qt::FromQt(combo->currentText());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        return qt::FromQt(button->text());
    }
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        return qt::FromQt(label->text());
    }
    if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
        return qt::FromQt(group->title());
    }
    return qt::FromQt(widget.windowTitle());
}

template <> void QtCalls::SetText(QWidget& widget, std::wstring const& text) {
    QString const value = qt::ToQt(text);
    // The program's own changes notify nothing, as with the platform's edit controls; the
    // same text again would still be laid out anew and take the reader back to its start.
    QSignalBlocker const quiet(&widget);
    if (auto* line = qobject_cast<QLineEdit*>(&widget)) {
        if (line->text() != value) {
            line->setText(value);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(&widget);
               combo != nullptr && combo->isEditable()) {
        combo->setEditText(value);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(value);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setText(value);
    } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
        group->setTitle(value);
    } else {
        widget.setWindowTitle(value);
    }
}

template <> bool QtCalls::IsEnabled(QWidget& widget) {
    return widget.isEnabled();
}

template <> void QtCalls::Enable(QWidget& widget, bool on) {
    widget.setEnabled(on);
}

template <> bool QtCalls::IsVisible(QWidget& widget) {
    return !widget.isHidden();
}

template <> void QtCalls::Show(QWidget& widget, bool on) {
    widget.setVisible(on);
}

template <> Rect QtCalls::GetClientRect(QWidget& widget) {
    QRect const client = widget.contentsRect();
    return {0, 0, client.width(), client.height()};
}

template <> void QtCalls::Move(QWidget& widget, Rect rect) {
    widget.setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
}

template <> void QtCalls::SetRedraw(QWidget& widget, bool on) {
    widget.setUpdatesEnabled(on);
}

template <> bool QtCalls::IsRedrawOn(QWidget& widget) {
    return widget.updatesEnabled();
}

template <> void QtCalls::SetFocus(QWidget& widget) {
    qt::FocusAsByKeyboard(widget);
}

template <> bool QtCalls::HasFocus(QWidget& widget) {
    // The window's own focus: it holds whether or not the window is the active one.
    return widget.hasFocus();
}

template <> Size QtCalls::FullSize(QWidget& widget) {
    return {widget.width(), widget.height()};
}

template <> Point QtCalls::PositionInDialog(QWidget& widget) {
    return {widget.x(), widget.y()};
}

template <> Point QtCalls::ToScreen(QWidget& widget, Point point) {
    QPoint const screen = widget.mapToGlobal(QPoint(point.x, point.y));
    return {screen.x(), screen.y()};
}

} // namespace platform::backend

PLATFORM_FOR_EACH_NATIVE_WINDOW(PLATFORM_MAKE_TOOLKIT_WINDOW, QWidget)
