// CRSDlgImpl's search: the filter of one system, the second search text from the
// library's query, the lookup of a bare code and the status line.
#include "CRSDlgImpl.h"

#include "BrowserCategories.h"
#include "CategoryFilter.h"
#include "gridui/ResourceIds.h"
#include "kor/Definitions.h"
#include "shr/StringUtil.h"

#include <sstream>

namespace gridui {

using Gridlore::CoordinateSystem;

namespace {

/// Only the digits 4 and 8 mark a word: codes are full of them, names rarely.
bool IsMarked(std::wstring const& word) {
    return word.find_first_of(L"48") != std::wstring::npos;
}

platform::Rect WindowRectOf(platform::Window const& window) {
    return window.HasWindow() ? window.GetWindowRect() : platform::Rect{};
}

} // namespace

bool CRSDlgImpl::MatchesSearch(CoordinateSystem const& system, wchar_t const* search, int code) {
    if (!HasSearch(search)) {
        return true;
    }
    kor::CSDef const* definition = system.GetCSDef();
    if (code != 0 && definition != nullptr && CodeOf(*definition) == code) {
        return true;
    }
    return shr::Contains(system.GetLeafName(), search, false);
}

std::wstring CRSDlgImpl::QuerySearchDefinition(wchar_t const* search) {
    if (!HasSearch(search)) {
        return {};
    }
    // Two words that both look like numbers are most likely coordinates, and three or
    // more words are a phrase: neither names a system the library could look up.
    std::wistringstream words(search);
    std::wstring first;
    std::wstring second;
    words >> first;
    if (words >> second) {
        std::wstring third;
        if ((IsMarked(first) && IsMarked(second)) || words >> third) {
            return {};
        }
    }
    std::vector<std::wstring> const found = kor::QueryCSDefinitions(search, 1);
    if (found.empty()) {
        return {};
    }
    std::wstring const& entry = found.front();
    std::wstring const prefix = L"EPSG:";
    return entry.size() >= prefix.size() && entry.compare(0, prefix.size(), prefix) == 0
               ? entry.substr(prefix.size())
               : entry;
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
    // Shown, but not one of the systems the total counts: the total stays what every
    // other search counts.
    ++m_shownCount;
}

void CRSDlgImpl::OnSearch() {
    m_searchCombo.StoreValue(true);
    std::wstring const text = m_searchCombo.GetWindowText();
    Rebuild(text.c_str());
    ShowStatus(m_shownCount < m_totalCount);
}

void CRSDlgImpl::OnClearSearch() {
    m_searchCombo.SetWindowText({});
    OnSearch();
}

void CRSDlgImpl::ShowStatus(bool show) {
    m_status.SetWindowText(shr::ToString(L"%u of %u items shown", m_shownCount, m_totalCount));
    m_status.ShowWindow(show);
}

void CRSDlgImpl::ReserveStatusRoom() {
    platform::Rect const combo = WindowRectOf(m_searchCombo);
    platform::Rect const status = WindowRectOf(m_status);
    platform::Rect const tree = WindowRectOf(m_tree);
    // The line sits between the search box and the tree with the same gap below it as
    // above. Its room stays while it is hidden: a tree that moved at every search would
    // jump away from the pointer.
    int const moved = status.bottom + (status.top - combo.bottom) - tree.top;
    if (moved == 0) {
        return;
    }
    platform::Window* parent = m_tree.GetParent();
    platform::Rect rect = parent != nullptr ? parent->ScreenToClient(tree) : tree;
    rect.top += moved;
    m_tree.MoveWindow(rect);
}

void CRSDlgImpl::OnSelChangeSearch(platform::Dialog& host) {
    // Posted, so that the combo box has put the picked text into its field first.
    host.PostCommand(res::Search, res::SearchBox);
}

} // namespace gridui
