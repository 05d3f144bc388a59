#include "platform/qt/QtBackend.h"

#include "QtDialog.h"
#include "QtFileDialog.h"
#include "QtSheet.h"
#include "platform/FileDialog.h"
#include "platform/IniFileSettings.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>

#include <filesystem>

namespace platform::qt {

namespace {

/// The settings file under the user's config directory.
std::filesystem::path SettingsPath(std::wstring const& appName) {
    QString const base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::filesystem::path(base.toStdWString()) / appName / "settings.ini";
}

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

/// What Qt shows a real user.
struct QtShows {
    static int MessageBox(backend::NativeWindow* owner, std::wstring const& text,
                          std::wstring const& caption, unsigned style) {
        QMessageBox box(ToQtIcon(style), ToQt(caption), ToQt(text), ToQtButtons(style),
                        QtBackend::OwnerFor(owner));
        return FromQtAnswer(box.exec());
    }

    static std::optional<FileChoice> FileDialog(FileDialogRequest const& request) {
        return ShowFileDialog(request, QtBackend::OwnerFor(nullptr));
    }

    static ControlId PopupMenu(MenuPopupTemplate const& popup, std::vector<CmdUI> const& states,
                               backend::NativeWindow& owner, Point screen) {
        QMenu menu(&WidgetOf(owner));
        for (std::size_t i = 0; i < popup.items.size(); ++i) {
            MenuItemTemplate const& item = popup.items[i];
            if (item.command == 0) {
                menu.addSeparator();
                continue;
            }
            QAction* action = menu.addAction(ToQt(item.text));
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

    static void ToolTip(backend::NativeWindow& tool, std::wstring const& text) {
        WidgetOf(tool).setToolTip(ToQt(text));
    }
};

} // namespace

QtBackend::QtBackend(std::wstring const& appName)
    : ScriptableBackend(ClassesOf<QtDialog, QtSheet>(),
                        std::make_unique<IniFileSettings>(SettingsPath(appName)),
                        ToolkitOf<QtShows>()) {}

bool QtBackend::StartApplication(int& argc, char** argv) {
    if (QCoreApplication::instance() != nullptr) {
        return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
    }
    // Without a display Qt ends the process instead of failing; the caller hears of it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return false;
    }
    // The application serves every dialog until the process ends.
    new QApplication(argc, argv);
    return true;
}

QWidget* QtBackend::OwnerFor(backend::NativeWindow* owner) {
    if (owner != nullptr) {
        return &WidgetOf(*owner);
    }
    return QApplication::activeModalWidget();
}

} // namespace platform::qt
