#include "QtSheet.h"
#include "QtDialog.h"
#include "QtUser.h"

#include "platform/Error.h"
#include "platform/qt/QtBackend.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace platform::qt {

QtSheet::QtSheet(std::wstring const& caption, backend::SheetEvents& events,
                 backend::NativeWindow* owner)
    : m_events(events)
    , m_window(new RunWindow(QtBackend::OwnerFor(owner)))
    , m_book(new QTabWidget(m_window))
    , m_run(*m_window) {
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
    // Wrappers let go while every control is whole; then the windows go, and last the
    // pages' records of them.
    for (auto const& page : m_pages) {
        page->PrepareClose();
    }
    m_run.Close();
    delete m_window.data();
    m_pages.clear();
}

backend::NativeDialog& QtSheet::AddPage(DialogTemplate const& page, backend::DialogEvents& events) {
    m_pages.push_back(std::make_unique<QtDialog>(page, events, m_book, *this));
    m_book->addTab(&m_pages.back()->Container(), ToQt(page.caption));
    return *m_pages.back();
}

int QtSheet::RunModal() {
    if (m_pages.empty()) {
        PLATFORM_ERROR(L"a property sheet opened without pages");
    }
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
    m_window->adjustSize();
    return m_run.Run(
        m_pages.front()->Id(), [this] { m_events.OnSheetInit(); },
        [this](Scene const& scene) {
            QtUser user(*m_pages.at(static_cast<std::size_t>(ActivePage())));
            user.Play(scene);
        });
}

void QtSheet::SetActivePage(int index) {
    m_book->setCurrentIndex(index);
}

int QtSheet::ActivePage() const {
    return m_book->currentIndex();
}

void QtSheet::Press(ControlId button) {
    m_run.Guard([&] { m_events.OnSheetButton(button); });
}

} // namespace platform::qt
