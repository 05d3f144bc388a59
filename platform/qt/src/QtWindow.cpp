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

template <typename Base>
QtWindow<Base>::QtWindow(QtDialog* parent, ControlId id, QWidget* widget)
    : backend::ToolkitWindow<Base, QtDialog, QWidget>(parent, id)
    , m_widget(widget) {}

template <typename Base> std::wstring QtWindow<Base>::GetText() const {
    if (auto* line = qobject_cast<QLineEdit*>(m_widget)) {
        return FromQt(line->text());
    }
    if (auto* combo = qobject_cast<QComboBox*>(m_widget)) {
        return FromQt(combo->currentText());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(m_widget)) {
        return FromQt(button->text());
    }
    if (auto* label = qobject_cast<QLabel*>(m_widget)) {
        return FromQt(label->text());
    }
    if (auto* group = qobject_cast<QGroupBox*>(m_widget)) {
        return FromQt(group->title());
    }
    return FromQt(m_widget->windowTitle());
}

template <typename Base> void QtWindow<Base>::SetText(std::wstring const& text) {
    QString const value = ToQt(text);
    // The program's own changes notify nothing, as with the platform's edit controls; the
    // same text again would still be laid out anew and take the reader back to its start.
    QSignalBlocker const quiet(m_widget);
    if (auto* line = qobject_cast<QLineEdit*>(m_widget)) {
        if (line->text() != value) {
            line->setText(value);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(m_widget);
               combo != nullptr && combo->isEditable()) {
        combo->setEditText(value);
    } else if (auto* button = qobject_cast<QAbstractButton*>(m_widget)) {
        button->setText(value);
    } else if (auto* label = qobject_cast<QLabel*>(m_widget)) {
        label->setText(value);
    } else if (auto* group = qobject_cast<QGroupBox*>(m_widget)) {
        group->setTitle(value);
    } else {
        m_widget->setWindowTitle(value);
    }
}

template <typename Base> Rect QtWindow<Base>::GetClientRect() const {
    QRect const client = m_widget->contentsRect();
    return {0, 0, client.width(), client.height()};
}

template <typename Base> Size QtWindow<Base>::WidgetSize() const {
    return {m_widget->width(), m_widget->height()};
}

template <typename Base> Point QtWindow<Base>::PositionInDialog() const {
    return {m_widget->x(), m_widget->y()};
}

template <typename Base> Point QtWindow<Base>::WidgetToScreen(Point point) const {
    QPoint const screen = m_widget->mapToGlobal(QPoint(point.x, point.y));
    return {screen.x(), screen.y()};
}

template <typename Base> void QtWindow<Base>::Move(Rect rect) {
    m_widget->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
}

template <typename Base> void QtWindow<Base>::SetFocus() {
    FocusAsByKeyboard(*m_widget);
}

template <typename Base> bool QtWindow<Base>::HasFocus() const {
    // The window's own focus: it holds whether or not the window is the active one.
    return m_widget->hasFocus();
}

} // namespace platform::qt

// The windows of every native interface, with what they share, are made here, where the
// dialog they reach is whole.
#define PLATFORM_INSTANTIATE(Interface)                                                            \
    template class platform::backend::ToolkitWindow<platform::backend::Interface,                  \
                                                    platform::qt::QtDialog, QWidget>;              \
    template class platform::qt::QtWindow<platform::backend::Interface>;
PLATFORM_FOR_EACH_NATIVE_WINDOW(PLATFORM_INSTANTIATE)
#undef PLATFORM_INSTANTIATE
