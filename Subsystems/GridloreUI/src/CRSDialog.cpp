#include "gridui/CRSDialog.h"

#include "BrowserResources.h"
#include "BrowserRoutes.h"
#include "CRSDlgImpl.h"
#include "gridui/ResourceIds.h"

#include <vector>

namespace gridui {

namespace {

// WS_CLIPCHILDREN | WS_THICKFRAME: the frame a resizable dialog asks for.
constexpr unsigned ResizingStyle = 0x2040000;

} // namespace

CRSDialog::CRSDialog(Gridlore::CoordinateSystem const& current, std::wstring const& favoritesPath,
                     std::shared_ptr<shr::IError> const& errorSink, platform::Window* parent,
                     Gridlore::CoordinateSystemCollection const& inUse,
                     std::wstring const& customSystemsPath)
    : CDialogResize(res::BrowserDialog, parent, true)
    , m_impl(std::make_unique<CRSDlgImpl>(current, favoritesPath, errorSink, inUse,
                                          customSystemsPath)) {}

CRSDialog::~CRSDialog() = default;

void CRSDialog::SetCaption(wchar_t const* text) {
    m_caption = text != nullptr ? text : L"";
}

void CRSDialog::SetOptions(BrowserOptions const& options) {
    m_impl->SetOptions(options);
}

BrowserOptions const& CRSDialog::GetOptions() const {
    return m_impl->Options();
}

void CRSDialog::SetAreaOfInterest(GeoArea const& area) {
    m_impl->SetAreaOfInterest(area);
}

void CRSDialog::SetOpenResultsUpTo(std::uint32_t count) {
    m_impl->Options().openResultsUpTo = count;
}

Gridlore::CoordinateSystem const& CRSDialog::CurrentCoordinateSystem() const {
    return m_impl->CurrentCoordinateSystem();
}

shrgui::ResizeMapEntry const* CRSDialog::GetDlgResizeMap() const {
    using namespace shrgui;
    // The tree and the description share the extra height; the buttons and the
    // toolbar keep their distance from the right edge, OK and Cancel from the corner.
    static std::vector<ResizeMapEntry> const classic = {
        {-1, ResizeBeginGroup},
        {res::Tree, ResizeSizeY},
        {res::Description, ResizeSizeY},
        {-1, ResizeEndGroup},
        {res::SearchBox, ResizeSizeX},
        {res::Tree, ResizeSizeX},
        {res::Description, ResizeSizeX},
        {platform::ToolBarWindowId, ResizeMoveX},
        {res::NewLocal, ResizeMoveX},
        {res::NewGeographic, ResizeMoveX},
        {res::Modify, ResizeMoveX},
        {res::AddToFavorites, ResizeMoveX},
        {res::Remove, ResizeMoveX},
        {res::LoadFromFile, ResizeMoveX},
        {res::SaveToFile, ResizeMoveX},
        {platform::IDOK, ResizeMoveX | ResizeMoveY},
        {platform::IDCANCEL, ResizeMoveX | ResizeMoveY},
        ResizeMapEnd,
    };
    // The map keeps its size below the description, so its world never stretches.
    static std::vector<ResizeMapEntry> const withMap = [] {
        std::vector<ResizeMapEntry> map = classic;
        map.insert(map.end() - 1, {res::AreaMap, ResizeMoveY});
        return map;
    }();
    return (HasDlgItem(res::AreaMap) ? withMap : classic).data();
}

void CRSDialog::AdjustTemplate(platform::DialogTemplate& dialog) const {
    AdjustBrowserTemplate(dialog, m_impl->Options());
}

platform::MessageMap const& CRSDialog::GetMessageMap() const {
    static platform::MessageMap const map(&CDialogResize::GetMessageMap(), [] {
        std::vector<platform::Route> routes = BrowserRoutes::For<CRSDialog>();
        routes.push_back(
            platform::OnNotify(platform::Event::DblClk, res::Tree, &CRSDialog::OnDblClkTree));
        return routes;
    }());
    return map;
}

bool CRSDialog::OnInitDialog() {
    CDialogResize::OnInitDialog();
    if (!m_caption.empty()) {
        SetWindowText(m_caption);
    }
    bool const result = m_impl->OnInitDialog(*this);
    InitResizing(true, true, ResizingStyle);
    return result;
}

void CRSDialog::SafeDoDataExchange(platform::DataExchange& exchange) {
    m_impl->DoDataExchange(exchange);
}

void CRSDialog::OnDblClkTree(platform::Message& message) {
    message.result = 0;
    // A folder or nothing selected: OK is off and a double click only opens or closes.
    if (!GetDlgItem(platform::IDOK).IsWindowEnabled()) {
        return;
    }
    if (m_impl->IsOnItem(message.point)) {
        OnOK();
    }
}

} // namespace gridui
