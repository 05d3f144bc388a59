#include "platform/PropertySheet.h"

#include "platform/Error.h"
#include "platform/Resources.h"

#include <vector>

namespace platform {

backend::NativeSheet::~NativeSheet() = default;

PropertyPage::PropertyPage(int templateId)
    : Dialog(templateId, nullptr) {}

PropertyPage::~PropertyPage() {
    if (m_sheet != nullptr) {
        std::erase(m_sheet->m_pages, this);
    }
}

bool PropertyPage::OnApply() {
    return UpdateData(true);
}

bool PropertyPage::PreTranslateMessage(Message& message) {
    if (m_sheet == nullptr || message.event != Event::KeyDown ||
        (message.key != KeyReturn && message.key != KeyEscape)) {
        return Dialog::PreTranslateMessage(message);
    }
    m_sheet->OnSheetButton(message.key == KeyReturn ? IDOK : IDCANCEL);
    return true;
}

void PropertyPage::OnOK() {
    if (m_sheet == nullptr) {
        Dialog::OnOK();
        return;
    }
    m_sheet->OnSheetButton(IDOK);
}

void PropertyPage::OnCancel() {
    if (m_sheet == nullptr) {
        Dialog::OnCancel();
        return;
    }
    m_sheet->OnSheetButton(IDCANCEL);
}

PropertySheet::PropertySheet(std::wstring caption, Window* parent)
    : m_caption(std::move(caption))
    , m_parent(parent) {}

PropertySheet::~PropertySheet() {
    for (PropertyPage* page : m_pages) {
        page->m_sheet = nullptr;
    }
}

void PropertySheet::AddPage(PropertyPage& page) {
    if (m_native != nullptr) {
        PLATFORM_ERROR(L"a page was added to a property sheet while it runs");
    }
    m_pages.push_back(&page);
    page.m_sheet = this;
}

int PropertySheet::DoModal() {
    if (m_pages.empty()) {
        PLATFORM_ERROR(L"a property sheet was opened without pages");
    }
    backend::NativeWindow* parent =
        m_parent != nullptr && m_parent->HasWindow() ? &m_parent->Native() : nullptr;
    m_native = CurrentBackend().CreateSheet(m_caption, *this, parent);
    // Pages let their windows go however the run ends, before the sheet does.
    struct Closer {
        PropertySheet& sheet;
        ~Closer() {
            for (PropertyPage* page : sheet.m_pages) {
                page->Close();
            }
            sheet.m_native.reset();
        }
    } const closer{*this};
    for (PropertyPage* page : m_pages) {
        page->Open(m_native->AddPage(page->MakeTemplate(), *page));
    }
    return m_native->RunModal();
}

int PropertySheet::GetActiveIndex() const {
    return m_native != nullptr ? m_native->ActivePage() : -1;
}

void PropertySheet::SetActivePage(int index) {
    if (m_native == nullptr || index < 0 || index >= GetPageCount()) {
        PLATFORM_ERROR(L"the property sheet has no open page " + std::to_wstring(index));
    }
    m_native->SetActivePage(index);
}

void PropertySheet::OnSheetInit() {
    for (PropertyPage* page : m_pages) {
        page->OnInitDialog();
    }
}

void PropertySheet::OnSheetButton(ControlId id) {
    if (id != IDOK) {
        m_native->End(IDCANCEL);
        return;
    }
    for (PropertyPage* page : m_pages) {
        if (!page->OnApply()) {
            return;
        }
    }
    m_native->End(IDOK);
}

} // namespace platform
