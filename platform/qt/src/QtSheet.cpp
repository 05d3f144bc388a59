// The sheet's members for Qt are specialised here before QtSheet.h, which declares the
// class's instantiation to the files that use it, comes in to instantiate it at the end.
#include "platform/ToolkitSheet.h"

#include "ModalRun.h"
#include "QtDialog.h"
#include "platform/qt/QtBackend.h"

#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace platform::backend {

template <> struct ToolkitSheet<QWidget>::Parts {
    /// Gone already when its owner took it along.
    QPointer<qt::RunWindow> window;
    QTabWidget* book;
};

template <>
ToolkitSheet<QWidget>::ToolkitSheet(std::wstring const& caption, SheetEvents& events,
                                    NativeWindow* owner)
    : m_events(events)
    , m_parts(std::make_unique<Parts>(
          Parts{new qt::RunWindow(qt::QtBackend::OwnerFor(owner)), nullptr}))
    , m_run(std::make_unique<qt::ModalRun>(*m_parts->window)) {
    qt::RunWindow& window = *m_parts->window;
    m_parts->book = new QTabWidget(&window);
    window.setWindowTitle(qt::ToQt(caption));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &window);
    // Enter and Escape reach the pages' handlers first, which press these through the
    // sheet; the buttons answer only to the mouse and the space bar.
    for (QAbstractButton* button : buttons->buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(button)) {
            push->setAutoDefault(false);
            push->setDefault(false);
        }
    }
    auto* column = new QVBoxLayout(&window);
    column->addWidget(m_parts->book, 1);
    column->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &window, [this] { Press(IDOK); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, [this] { Press(IDCANCEL); });
    window.OnReject([this] { Press(IDCANCEL); });
}

template <> ToolkitSheet<QWidget>::~ToolkitSheet() {
    ClosePages();
    delete m_parts->window.data();
}

template <> QWidget& ToolkitSheet<QWidget>::Book() const {
    return *m_parts->book;
}

template <> void ToolkitSheet<QWidget>::AddTab(qt::QtDialog& page, std::wstring const& caption) {
    m_parts->book->addTab(&page.Container(), qt::ToQt(caption));
}

template <> void ToolkitSheet<QWidget>::FitPages() {
    // Each page keeps the size its template gives it: the tabs hold the largest.
    int width = 0;
    int height = 0;
    for (auto const& page : m_pages) {
        width = std::max(width, page->Container().width());
        height = std::max(height, page->Container().height());
    }
    for (auto const& page : m_pages) {
        page->Container().setMinimumSize(width, height);
    }
    m_parts->window->adjustSize();
}

template <> void ToolkitSheet<QWidget>::SetActivePage(int index) {
    m_parts->book->setCurrentIndex(index);
}

template <> int ToolkitSheet<QWidget>::ActivePage() const {
    return m_parts->book->currentIndex();
}

} // namespace platform::backend

// The class whole, now that every member of the toolkit's is specialised.
#include "QtSheet.h"

template class platform::backend::ToolkitSheet<QWidget>;
