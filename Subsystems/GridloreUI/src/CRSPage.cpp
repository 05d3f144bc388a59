#include "gridui/CRSPage.h"

#include "BrowserResources.h"
#include "BrowserRoutes.h"
#include "CRSDlgImpl.h"
#include "gridui/ResourceIds.h"

namespace gridui {

CRSPage::CRSPage(Gridlore::CoordinateSystem const& current, std::wstring const& favoritesPath,
                 std::shared_ptr<shr::IError> const& errorSink,
                 std::wstring const& customSystemsPath)
    : PropertyPage(res::BrowserDialog)
    , m_impl(std::make_unique<CRSDlgImpl>(current, favoritesPath, errorSink,
                                          Gridlore::CoordinateSystemCollection{},
                                          customSystemsPath)) {}

CRSPage::~CRSPage() = default;

void CRSPage::SetCaption(wchar_t const* text) {
    m_caption = text != nullptr ? text : L"";
}

void CRSPage::SetOptions(BrowserOptions const& options) {
    m_impl->SetOptions(options);
}

BrowserOptions const& CRSPage::GetOptions() const {
    return m_impl->Options();
}

void CRSPage::SetAreaOfInterest(GeoArea const& area) {
    m_impl->SetAreaOfInterest(area);
}

void CRSPage::SetOpenResultsUpTo(std::uint32_t count) {
    m_impl->Options().openResultsUpTo = count;
}

Gridlore::CoordinateSystem const& CRSPage::CurrentCoordinateSystem() const {
    return m_impl->CurrentCoordinateSystem();
}

void CRSPage::AdjustTemplate(platform::DialogTemplate& dialog) const {
    AdjustBrowserTemplate(dialog, m_impl->Options());
}

platform::MessageMap const& CRSPage::GetMessageMap() const {
    static platform::MessageMap const map(&PropertyPage::GetMessageMap(),
                                          BrowserRoutes::For<CRSPage>());
    return map;
}

bool CRSPage::OnInitDialog() {
    bool const result = PropertyPage::OnInitDialog();
    if (!m_caption.empty()) {
        SetWindowText(m_caption);
    }
    m_impl->OnInitDialog(*this);
    // The sheet's OK and Cancel accept or drop the choice.
    for (platform::ControlId const id : {platform::IDOK, platform::IDCANCEL}) {
        GetDlgItem(id).EnableWindow(false);
        GetDlgItem(id).ShowWindow(false);
    }
    return result;
}

void CRSPage::DoDataExchange(platform::DataExchange& exchange) {
    m_impl->DoDataExchange(exchange);
}

} // namespace gridui
