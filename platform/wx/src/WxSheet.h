#pragma once

#include "ModalRun.h"
#include "WxDialog.h"
#include "platform/ToolkitSheet.h"

#include <wx/dialog.h>
#include <wx/notebook.h>

#include <memory>
#include <string>

namespace platform::wx {

/// A dialog with a notebook of pages and its own OK and Cancel.
class WxSheet final : public backend::ToolkitSheet<WxDialog> {
public:
    /// Owned by `owner`, or without one by the modal dialog on top.
    WxSheet(std::wstring const& caption, backend::SheetEvents& events,
            backend::NativeWindow* owner);
    ~WxSheet() override;

    void SetActivePage(int index) override;
    int ActivePage() const override;
    /// The notebook that holds the pages.
    wxNotebook& Book() const { return *m_book; }

private:
    WxSheet(backend::SheetEvents& events, wxDialog* window);
    std::unique_ptr<WxDialog> MakePage(DialogTemplate const& page,
                                       backend::DialogEvents& events) override;
    void FitPages() override { m_window->Fit(); }

    wxDialog* m_window;
    wxNotebook* m_book;
};

} // namespace platform::wx
