// platform::PropertySheet and PropertyPage: dialogs shown as tabbed pages of one window.
#pragma once

#include "platform/Dialog.h"
#include "platform/Export.h"

#include <memory>
#include <string>
#include <vector>

namespace platform {

class PropertySheet;

/// A dialog shown as a page of a sheet. It runs OnInitDialog like any dialog; the
/// sheet's OK asks every page to apply, and ending a page ends the sheet.
class PLATFORM_EXPORT PropertyPage : public Dialog {
public:
    explicit PropertyPage(int templateId);
    /// Leaves its sheet, which may outlive it.
    ~PropertyPage() override;

    /// Default: saves through the data exchange; false keeps the sheet open.
    virtual bool OnApply();
    /// Enter and Escape that no control takes press the sheet's OK and Cancel.
    bool PreTranslateMessage(Message& message) override;

protected:
    /// A page's OK and Cancel are its sheet's: every page applies, or none.
    void OnOK() override;
    void OnCancel() override;

private:
    friend class PropertySheet;
    PropertySheet* m_sheet = nullptr;
};

/// A modal window of pages with its own OK and Cancel. DoModal returns IDOK when every
/// page applied, IDCANCEL otherwise. A driver plays a sheet with the scene of its first
/// page's template; the user's OK and Cancel there are the sheet's.
class PLATFORM_EXPORT PropertySheet final : private backend::SheetEvents {
public:
    PropertySheet(std::wstring caption, Window* parent);
    ~PropertySheet();
    PropertySheet(PropertySheet const&) = delete;
    PropertySheet& operator=(PropertySheet const&) = delete;

    /// The page must outlive the sheet's run. Adding pages while it runs is an error.
    void AddPage(PropertyPage& page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    int DoModal();
    /// Index of the page shown; -1 while the sheet is not open.
    int GetActiveIndex() const;
    void SetActivePage(int index);

private:
    friend class PropertyPage;
    void OnSheetInit() override;
    void OnSheetButton(ControlId id) override;

    std::wstring m_caption;
    Window* m_parent;
    std::vector<PropertyPage*> m_pages;
    std::unique_ptr<backend::NativeSheet> m_native;
};

} // namespace platform
