// The user's members for Qt are specialised here before the class is instantiated at the
// end: QtUser.h, which declares that instantiation to the files that use it, must not come first.
#include "platform/ToolkitUser.h"

#include "QtCombo.h"
#include "QtDialog.h"
#include "QtPropertyGrid.h"
#include "QtSheet.h"
#include "QtTree.h"

#include "platform/Error.h"
#include "platform/ToolkitInput.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace platform::qt {

namespace {

/// A user types into the widget that has the focus; moving it there only when it is
/// elsewhere keeps the caret and selection where the user left them.
void FocusOn(QWidget& widget) {
    if (!widget.hasFocus()) {
        widget.setFocus(Qt::OtherFocusReason);
    }
}

/// Replaces the text of an edit the user can type in, with the one change notification
/// the user's typing ends with; false for any other widget.
bool ReplaceText(QWidget& widget, std::wstring const& text) {
    if (auto* line = qobject_cast<QLineEdit*>(&widget); line != nullptr && !line->isReadOnly()) {
        // The caret ends where the typist's does.
        line->setText(ToQt(text));
        return true;
    }
    if (auto* edit = qobject_cast<QPlainTextEdit*>(&widget);
        edit != nullptr && !edit->isReadOnly()) {
        edit->setPlainText(ToQt(text));
        edit->moveCursor(QTextCursor::End);
        return true;
    }
    if (auto* box = qobject_cast<QComboBox*>(&widget); box != nullptr && box->isEditable()) {
        return ReplaceText(*box->lineEdit(), text);
    }
    return false;
}

/// Where a pressed key goes: an open pop-up (a drop-down list) takes every key, else the
/// widget with the focus.
QWidget& KeyTarget(QWidget& focus) {
    QWidget* popup = QApplication::activePopupWidget();
    if (popup == nullptr) {
        return focus;
    }
    return popup->focusWidget() != nullptr ? *popup->focusWidget() : *popup;
}

/// The widget a mouse event over `widget` reaches: a list's viewport, or the widget.
QWidget& MouseTarget(QWidget& widget) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&widget)) {
        return *area->viewport();
    }
    return widget;
}

/// Qt's own delivery of a user's input: QTest's keys and clicks, events sent to the widget.
/// The focus is the window's own, which it keeps while another window is active.
struct QtInput {
    using Combo = QtCombo;
    using Tree = QtTree;

    static QWidget* Focus(QWidget& widget) { return widget.window()->focusWidget(); }

    static bool Within(QWidget& widget, QWidget const* inner) {
        return inner != nullptr && (inner == &widget || widget.isAncestorOf(inner));
    }

    static void MoveFocusTo(QWidget& widget) { FocusOn(widget); }

    static void SendEnterOrEscape(QtDialog&, QWidget& focus, bool enter) {
        QTest::keyClick(&KeyTarget(focus), enter ? Qt::Key_Return : Qt::Key_Escape);
    }

    static bool IsButton(QWidget& widget) { return qobject_cast<QPushButton*>(&widget) != nullptr; }

    static void Click(QWidget& widget) { QTest::mouseClick(&widget, Qt::LeftButton); }

    /// Opens the box's list, moves to item `index` and takes it with Enter, as a user
    /// picking with the keyboard does.
    static void Pick(QtCombo& combo, int index) {
        // A Qt combo box's widget is the box itself.
        auto& box = static_cast<QComboBox&>(WidgetOf(combo));
        FocusOn(box);
        box.showPopup();
        QAbstractItemView& list = *box.view();
        list.setCurrentIndex(box.model()->index(index, 0));
        QTest::keyClick(&list, Qt::Key_Return);
    }

    static void OpenContextMenu(QWidget& widget, Point screen) {
        QWidget& target = MouseTarget(widget);
        QPoint const at(screen.x, screen.y);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, target.mapFromGlobal(at), at);
        QCoreApplication::sendEvent(&target, &menu);
    }

    static void MoveMouse(QWidget& widget, Point client) {
        QWidget& target = MouseTarget(widget);
        QPointF const local = target.mapFrom(&widget, QPoint(client.x, client.y));
        QMouseEvent motion(QEvent::MouseMove, local, target.mapToGlobal(local), Qt::NoButton,
                           Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &motion);
    }
};

} // namespace

} // namespace platform::qt

namespace platform::backend {

using qt::QtDialog;

template <> void ToolkitUser<QtDialog>::RunPending() {
    QCoreApplication::processEvents();
}

template <> void ToolkitUser<QtDialog>::TypeInto(NativeWindow& control, std::wstring const& text) {
    if (auto* grid = dynamic_cast<qt::QtPropertyGrid*>(&control)) {
        QWidget& editor = grid->EditorToTypeIn();
        if (!qt::ReplaceText(editor, text)) {
            // A pick list searches its options as the keys come.
            QTest::keyClicks(&editor, qt::ToQt(text));
        }
        return;
    }
    QWidget& widget = qt::WidgetOf(control);
    if (auto* combo = dynamic_cast<qt::QtCombo*>(&control);
        combo != nullptr && !combo->IsEditable()) {
        qt::FocusOn(widget);
        QTest::keyClicks(&widget, qt::ToQt(text));
        return;
    }
    qt::FocusOn(widget);
    if (!qt::ReplaceText(widget, text)) {
        PLATFORM_ERROR(L"control " + std::to_wstring(control.Id()) +
                       L" is not an edit the user can type in");
    }
}

template <> void ToolkitUser<QtDialog>::Deliver(NativeWindow& control, Message& input) {
    DeliverInput<qt::QtInput>(m_dialog, control, qt::WidgetOf(control), input);
}

template class ToolkitUser<QtDialog>;

} // namespace platform::backend
