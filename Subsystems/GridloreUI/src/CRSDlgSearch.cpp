// CRSDlgImpl's search: the search entry points, the lookup of a bare code and the status
// line. What a search keeps is BrowserSearch's answer.
#include "CRSDlgImpl.h"

#include "BrowserCategories.h"
#include "KnownNames.h"
#include "KnownSearchIndex.h"
#include "gridui/ResourceIds.h"
#include "kor/Definitions.h"
#include "platform/WaitCursor.h"
#include "shr/StringUtil.h"
#include "shrgui/CDialogResize.h"

namespace gridui {

using Gridlore::CoordinateSystem;

namespace {

platform::Rect WindowRectOf(platform::Window const& window) {
    return window.HasWindow() ? window.GetWindowRect() : platform::Rect{};
}

} // namespace

void CRSDlgImpl::OnSearchWarmUp() {
    KnownNames::Current().PrepareSearch();
    if (m_options.forgivingSearch) {
        KnownSearchIndex::Current();
    }
    // Every search of words also asks the registry's words for a system the names miss.
    kor::PrepareCSDefinitionQueries();
    m_tree.WarmUp();
    // A search shows the busy cursor, whose first showing reads the cursor theme from disk.
    platform::WaitCursor::Prepare();
}

void CRSDlgImpl::AddByDefinition(wchar_t const* search) {
    int const code = SearchCode(search);
    if (code <= 0) {
        return;
    }
    std::wstring const text = shr::ToString(L"EPSG:%d", code);
    std::unique_ptr<kor::CSDef> const definition = LookupByDefinition(text);
    if (definition == nullptr) {
        return;
    }
    EnsureRootNode(m_customNode, CustomText);
    InsertCategorized(definition->GetName(), Known, -1, m_customNode, text);
    m_tree.Expand(m_customNode);
    ++m_shownCount;
    // A steady line's total stays what every other search counts.
    if (!m_options.steadyStatusLine) {
        ++m_totalCount;
    }
}

void CRSDlgImpl::OnSearch() {
    EndSearchPause();
    m_searchCombo.StoreValue(true);
    ShowSearch(m_searchCombo.GetWindowText());
}

void CRSDlgImpl::ShowSearch(std::wstring const& text) {
    Rebuild(text.c_str());
    ShowStatus(m_shownCount < m_totalCount);
    ExplainEmptySearch(text);
}

void CRSDlgImpl::OnClearSearch() {
    m_searchCombo.SetWindowText({});
    OnSearch();
}

void CRSDlgImpl::ShowStatus(bool show) {
    int const moved = ShowStatusLine(show);
    // A resizing host lays the tree out from its kept rectangle: keep the new top there.
    auto* resizing = dynamic_cast<shrgui::CDialogResize*>(m_tree.GetParent());
    if (moved != 0 && resizing != nullptr) {
        resizing->InflateCachedControl(res::Tree, 0, -moved, 0, 0);
    }
}

int CRSDlgImpl::ShowStatusLine(bool show) {
    // What a place search understood, or why the text is no place, is worth more than
    // the count.
    bool const aboutPlace = !PlaceStatus().empty();
    m_status.SetWindowText(
        aboutPlace ? PlaceStatus()
                   : shr::ToString(L"%u of %u items shown", m_shownCount, m_totalCount));
    show = show || aboutPlace;
    m_status.ShowWindow(show);
    // A steady line kept its room when the dialog opened.
    return m_options.steadyStatusLine ? 0 : PlaceTree(show);
}

int CRSDlgImpl::PlaceTree(bool belowStatus) {
    platform::Rect const combo = WindowRectOf(m_searchCombo);
    platform::Rect const status = WindowRectOf(m_status);
    platform::Rect const tree = WindowRectOf(m_tree);
    // Below the line, with the same gap below it as above; else the tree takes its place.
    int const top = belowStatus ? status.bottom + (status.top - combo.bottom) : status.top;
    int const moved = top - tree.top;
    if (moved == 0) {
        return 0;
    }
    platform::Window* parent = m_tree.GetParent();
    platform::Rect rect = parent != nullptr ? parent->ScreenToClient(tree) : tree;
    rect.top += moved;
    m_tree.MoveWindow(rect);
    return moved;
}

void CRSDlgImpl::OnSelChangeSearch(platform::Dialog& host) {
    // Posted, so that the combo box has put the picked text into its field first.
    host.PostCommand(res::Search, res::SearchBox);
}

} // namespace gridui
