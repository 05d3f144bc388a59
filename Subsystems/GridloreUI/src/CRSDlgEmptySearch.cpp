// CRSDlgImpl's answer to a search that shows nothing: one line in the tree's place.
#include "CRSDlgImpl.h"

namespace gridui {

void CRSDlgImpl::ExplainEmptySearch(std::wstring const& text) {
    // The rebuild before this took any earlier line away with the rest of the tree.
    m_emptySearchLine = {};
    if (!m_options.explainEmptySearch || text.empty() || m_tree.GetRootItem()) {
        return;
    }
    // An item of the tree rather than a label over it: its record is a folder's, so it is
    // never a system to choose and OK stays off, while the tree keeps its place in the tab
    // order and a reader hears the line where the results would be.
    m_emptySearchLine =
        InsertItem(L"No system matches \"" + text + L"\". Try a code, part of a name, or a place.",
                   Folder, 0, Root(), platform::InsertAfter::Last, {});
}

void CRSDlgImpl::RemoveEmptySearchLine() {
    if (!m_emptySearchLine) {
        return;
    }
    m_tree.DeleteItem(m_emptySearchLine);
    m_emptySearchLine = {};
}

} // namespace gridui
