#pragma once

#include "ModalRun.h"
#include "QtDialog.h"

#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class QTabWidget;

namespace platform::qt {

/// A dialog with a tab of each page and its own OK and Cancel.
class QtSheet final : public backend::NativeSheet {
public:
    /// Owned by `owner`, or without one by the modal dialog on top.
    QtSheet(std::wstring const& caption, backend::SheetEvents& events,
            backend::NativeWindow* owner);
    ~QtSheet() override;
    QtSheet(QtSheet const&) = delete;
    QtSheet& operator=(QtSheet const&) = delete;

    backend::NativeDialog& AddPage(DialogTemplate const& page,
                                   backend::DialogEvents& events) override;
    int RunModal() override;
    void End(int result) override { m_run.End(result); }
    void SetActivePage(int index) override;
    int ActivePage() const override;

    ModalRun& Run() { return m_run; }
    void Press(ControlId button) override;

private:
    backend::SheetEvents& m_events;
    /// Gone already when its owner took it along.
    QPointer<RunWindow> m_window;
    QTabWidget* m_book;
    ModalRun m_run;
    std::vector<std::unique_ptr<QtDialog>> m_pages;
};

} // namespace platform::qt
