// CRSDlgImpl's search: the filter of one system, the second search text from the
// library's query, the lookup of a bare code and the status line.
#include "CRSDlgImpl.h"

#include "BrowserCategories.h"
#include "CategoryFilter.h"
#include "gridui/ResourceIds.h"
#include "kor/Definitions.h"
#include "shr/StringUtil.h"
#include "shrgui/CDialogResize.h"

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
    m_status.SetWindowText(shr::ToString(L"%u of %u items shown", m_shownCount, m_totalCount));
    m_status.ShowWindow(show);
    // A steady line kept its room when the dialog opened.
    if (m_options.steadyStatusLine) {
        return;
    }
    int const moved = PlaceTree(show);
    // A resizing host lays the tree out from its kept rectangle: keep the new top there.
    auto* resizing = dynamic_cast<shrgui::CDialogResize*>(m_tree.GetParent());
    if (moved != 0 && resizing != nullptr) {
        resizing->InflateCachedControl(res::Tree, 0, -moved, 0, 0);
    }
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
