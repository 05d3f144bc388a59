#include "QtSheet.h"
#include "QtDialog.h"

#include "platform/qt/QtBackend.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace platform::qt {

QtSheet::QtSheet(std::wstring const& caption, backend::SheetEvents& events,
                 backend::NativeWindow* owner)
    : QtSheet(caption, events, new RunWindow(QtBackend::OwnerFor(owner))) {}

QtSheet::QtSheet(std::wstring const& caption, backend::SheetEvents& events, RunWindow* window)
    : ToolkitSheet(events, std::make_unique<ModalRun>(*window))
    , m_window(window)
    , m_book(new QTabWidget(window)) {
    m_window->setWindowTitle(ToQt(caption));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, m_window);
    // Enter and Escape reach the pages' handlers first, which press these through the
    // sheet; the buttons answer only to the mouse and the space bar.
    for (QAbstractButton* button : buttons->buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(button)) {
            push->setAutoDefault(false);
            push->setDefault(false);
        }
    }
    auto* column = new QVBoxLayout(m_window);
    column->addWidget(m_book, 1);
    column->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, m_window, [this] { Press(IDOK); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, m_window, [this] { Press(IDCANCEL); });
    m_window->OnReject([this] { Press(IDCANCEL); });
}

QtSheet::~QtSheet() {
    ClosePages();
    delete m_window.data();
}

std::unique_ptr<QtDialog> QtSheet::MakePage(DialogTemplate const& page,
                                            backend::DialogEvents& events) {
    auto made = std::make_unique<QtDialog>(page, events, *this);
    m_book->addTab(&made->Container(), ToQt(page.caption));
    return made;
}

void QtSheet::FitPages() {
    // Each page keeps the size its template gives it: the tabs hold the largest.
    int width = 0;
    int height = 0;
    for (auto const& page : Pages()) {
        width = std::max(width, page->Container().width());
        height = std::max(height, page->Container().height());
    }
    for (auto const& page : Pages()) {
        page->Container().setMinimumSize(width, height);
    }
    m_window->adjustSize();
}

void QtSheet::SetActivePage(int index) {
    m_book->setCurrentIndex(index);
}

int QtSheet::ActivePage() const {
    return m_book->currentIndex();
}

} // namespace platform::qt
