#pragma once

#include "ModalRun.h"
#include "QtDialog.h"
#include "platform/ToolkitSheet.h"

#include <QPointer>

#include <memory>
#include <string>

class QTabWidget;

namespace platform::qt {

/// A dialog with a tab of each page and its own OK and Cancel.
class QtSheet final : public backend::ToolkitSheet<QtDialog> {
public:
    /// Owned by `owner`, or without one by the modal dialog on top.
    QtSheet(std::wstring const& caption, backend::SheetEvents& events,
            backend::NativeWindow* owner);
    ~QtSheet() override;

    void SetActivePage(int index) override;
    int ActivePage() const override;
    /// The tabs that hold the pages.
    QTabWidget& Book() const { return *m_book; }

private:
    QtSheet(std::wstring const& caption, backend::SheetEvents& events, RunWindow* window);
    std::unique_ptr<QtDialog> MakePage(DialogTemplate const& page,
                                       backend::DialogEvents& events) override;
    void FitPages() override;

    /// Gone already when its owner took it along.
    QPointer<RunWindow> m_window;
    QTabWidget* m_book;
};

} // namespace platform::qt
