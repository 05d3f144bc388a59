#pragma once

#include "ModalRun.h"
#include "WxDialog.h"
#include "WxWindow.h"

#include <wx/dialog.h>
#include <wx/notebook.h>
#include <wx/window.h>

#include <memory>
#include <string>
#include <vector>

namespace platform::wx {

/// A dialog with a notebook of pages and its own OK and Cancel.
class WxSheet final : public backend::NativeSheet {
public:
    /// Owned by `owner`, or without one by the modal dialog on top.
    WxSheet(std::wstring const& caption, backend::SheetEvents& events,
            backend::NativeWindow* owner);
    ~WxSheet() override;

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
    wxDialog* m_window;
    wxNotebook* m_book;
    ModalRun m_run;
    std::vector<std::unique_ptr<WxDialog>> m_pages;
};

} // namespace platform::wx
