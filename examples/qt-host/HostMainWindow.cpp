#include "HostMainWindow.h"

#include "HostErrorSink.h"

#include "gridui/CRSDefineDlg.h"
#include "gridui/CRSDialog.h"
#include "gridui/DefineUCSDlg.h"
#include "kor/Definitions.h"
#include "kor/KORException.h"
#include "kor/UCSDef.h"
#include "platform/qt/HostWindow.h"

#include <QKeySequence>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>

#include <exception>

HostMainWindow::HostMainWindow(std::filesystem::path favoritesPath, bool scripted)
    : m_favoritesPath(std::move(favoritesPath))
    , m_errorSink(std::make_shared<HostErrorSink>(this, scripted))
    , m_current(L"EPSG:4326", true)
    , m_text(new QPlainTextEdit(this)) {
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    setCentralWidget(m_text);

    QMenu* menu = menuBar()->addMenu(tr("&System"));
    auto const add = [&](QString const& text, QKeySequence const& keys,
                         bool (HostMainWindow::*command)()) {
        menu->addAction(text, keys, this, [this, command] { RunFromMenu(command); });
    };
    add(tr("&Choose Coordinate System..."), QKeySequence(Qt::CTRL | Qt::Key_K),
        &HostMainWindow::ChooseSystem);
    add(tr("&Define Coordinate System..."), QKeySequence(Qt::CTRL | Qt::Key_D),
        &HostMainWindow::DefineSystem);
    add(tr("Define &Local System..."), QKeySequence(Qt::CTRL | Qt::Key_L),
        &HostMainWindow::DefineLocalSystem);
    menu->addSeparator();
    menu->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);

    resize(640, 400);
    ShowSystem();
}

template <typename Dialog> bool HostMainWindow::Accept(Dialog& dialog) {
    if (dialog.DoModal() != platform::IDOK) {
        return false;
    }
    m_current = dialog.Result();
    ShowSystem();
    return true;
}

bool HostMainWindow::ChooseSystem() {
    // The browser is modal for this window, transient for it and centred on it.
    platform::qt::HostWindow host(this);
    gridui::CRSDialog dialog(m_current, m_favoritesPath.wstring(), m_errorSink, &host,
                             Gridlore::CoordinateSystemCollection{});
    // A search for a zone or a datum shows its systems at once, not only their folders.
    dialog.SetOpenResultsUpTo(50);
    return Accept(dialog);
}

bool HostMainWindow::DefineSystem() {
    platform::qt::HostWindow host(this);
    gridui::CRSDefineDlg dialog(m_current, m_errorSink, &host);
    return Accept(dialog);
}

bool HostMainWindow::DefineLocalSystem() {
    // The dialog edits local systems only: from any other, the user starts a new grid.
    Gridlore::CoordinateSystem start = m_current;
    if (!start.IsUnreferenced()) {
        kor::UCSDef meters(1.0, 0.0, 0.0, nullptr);
        meters.SetName(L"Local grid");
        start = Gridlore::CoordinateSystem(meters);
    }
    platform::qt::HostWindow host(this);
    gridui::DefineUCSDlg dialog(start, m_errorSink, &host);
    return Accept(dialog);
}

void HostMainWindow::RunFromMenu(bool (HostMainWindow::*command)()) {
    try {
        (this->*command)();
    } catch (std::exception const& error) {
        QMessageBox::critical(this, tr("Qt host"), QString::fromUtf8(error.what()));
    }
}

void HostMainWindow::ShowSystem() {
    setWindowTitle(QString::fromStdWString(m_current.GetLeafName()) + tr(" - GridloreUI Qt host"));
    if (m_current.GetCSDef() == nullptr) {
        m_text->clear();
        return;
    }
    try {
        m_text->setPlainText(QString::fromStdWString(
            kor::ExportDefinition(*m_current.GetCSDef(), kor::DefinitionFormat::WKT2)));
    } catch (kor::KORException const& error) {
        // A local system has no well-known text: say why instead.
        m_text->setPlainText(QString::fromStdWString(error.Message()));
    }
}
