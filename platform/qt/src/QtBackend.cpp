#include "platform/qt/QtBackend.h"

#include "QtDialog.h"
#include "QtFileDialog.h"
#include "QtSheet.h"
#include "platform/FileDialog.h"
#include "platform/ToolkitServices.h"
#include "platform/qt/Export.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>

#include <filesystem>

namespace platform::backend {

namespace {

QMessageBox::StandardButtons ToQtButtons(unsigned style) {
    switch (style & 0xFU) {
    case MB_OKCANCEL:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNO:
        return QMessageBox::Yes | QMessageBox::No;
    case MB_YESNOCANCEL:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon ToQtIcon(unsigned style) {
    switch (style & 0xF0U) {
    case MB_ICONERROR:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int FromQtAnswer(int answer) {
    switch (answer) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

} // namespace

/// How the Qt backend starts, and what Qt shows a real user.
template <> struct ToolkitServices<QWidget> {
    static std::filesystem::path ConfigDirectory() {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            .toStdWString();
    }

    static bool StartApplication(int& argc, char** argv) {
        if (QCoreApplication::instance() != nullptr) {
            return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
        }
        // Without a display Qt ends the process instead of failing; the caller hears of it.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            return false;
        }
        // The application serves every dialog until the process ends.
        new QApplication(argc, argv);
        return true;
    }

    static QWidget* OwnerFor(NativeWindow* owner) {
        if (owner != nullptr) {
            return &qt::WidgetOf(*owner);
        }
        return QApplication::activeModalWidget();
    }

    static int MessageBox(NativeWindow* owner, std::wstring const& text,
                          std::wstring const& caption, unsigned style) {
        QMessageBox box(ToQtIcon(style), qt::ToQt(caption), qt::ToQt(text), ToQtButtons(style),
                        OwnerFor(owner));
        return FromQtAnswer(box.exec());
    }

    static std::optional<FileChoice> FileDialog(FileDialogRequest const& request) {
        return qt::ShowFileDialog(request, OwnerFor(nullptr));
    }

    static ControlId PopupMenu(MenuPopupTemplate const& popup, std::vector<CmdUI> const& states,
                               NativeWindow& owner, Point screen) {
        QMenu menu(&qt::WidgetOf(owner));
        for (std::size_t i = 0; i < popup.items.size(); ++i) {
            MenuItemTemplate const& item = popup.items[i];
            if (item.command == 0) {
                menu.addSeparator();
                continue;
            }
            QAction* action = menu.addAction(qt::ToQt(item.text));
            action->setData(item.command);
            action->setEnabled(i < states.size() && states[i].enabled);
        }
        QAction const* chosen = menu.exec(QPoint(screen.x, screen.y));
        return chosen == nullptr ? 0 : chosen->data().toInt();
    }

    static void WaitCursor(bool on) {
        if (on) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QGuiApplication::restoreOverrideCursor();
        }
    }

    static void ToolTip(NativeWindow& tool, std::wstring const& text) {
        qt::WidgetOf(tool).setToolTip(qt::ToQt(text));
    }
};

// Made here, where the services are whole, for hosts that include only its declaration.
template class PLATFORM_QT_EXPORT ToolkitBackend<QWidget>;

} // namespace platform::backend
