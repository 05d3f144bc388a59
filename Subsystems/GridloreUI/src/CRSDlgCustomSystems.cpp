// CRSDlgImpl's custom systems: the file that keeps them from one browser to the next, and
// their deletion.
#include "CRSDlgImpl.h"
#include "gridlore/UserCollectionFile.h"
#include "gridui/ResourceIds.h"
#include "kor/KORException.h"
#include "platform/MessageBox.h"
#include "shr/Utf8.h"

#include <iterator>

namespace gridui {

using Gridlore::CoordinateSystem;
using platform::TreeItem;

namespace {

wchar_t const* const CustomSystemsCaption = L"Custom Coordinate Systems";

} // namespace

void CRSDlgImpl::AppendCustom(CoordinateSystem const& system, bool kept) {
    m_custom.push_back(system);
    m_customKept.push_back(kept);
}

void CRSDlgImpl::LoadCustomSystems() {
    if (m_customPath.empty()) {
        return;
    }
    std::optional<Gridlore::SetAsideFile> damaged;
    for (CoordinateSystem const& system :
         Gridlore::LoadUserCollection(shr::ToUtf8(m_customPath), damaged)) {
        AppendCustom(system, true);
    }
    if (damaged) {
        m_error->ShowError(CustomSystemsCaption,
                           damaged->Explain(L"custom systems", L"the next custom system"));
    }
}

void CRSDlgImpl::SaveCustomSystems() const {
    if (m_customPath.empty()) {
        return;
    }
    Gridlore::CoordinateSystemCollection kept;
    for (std::size_t position = 0; position < m_custom.size(); ++position) {
        if (m_customKept[position]) {
            kept.push_back(m_custom.at(position));
        }
    }
    try {
        kept.Save(m_customPath);
    } catch (kor::KORException const& error) {
        // Unlike a favourite, a custom system may exist nowhere else: ending the browser
        // here would lose it, so the user is told and keeps working.
        std::wstring message = L"The custom systems cannot be saved: " + error.Message();
        if (message.find(m_customPath) == std::wstring::npos) {
            message += L" ('" + m_customPath + L"')";
        }
        m_error->ShowError(CustomSystemsCaption, message + L"\nThey stay in this browser until it "
                                                           L"closes; choose one or add it to the "
                                                           L"favourites to keep it.");
    }
}

void CRSDlgImpl::OnDeleteCustom() {
    TreeItem const item = m_tree.GetSelectedItem();
    if (!item || GetRecord(item).kind != Custom) {
        return;
    }
    int const found = GetRecord(item).index;
    std::wstring const question = L"Delete the custom coordinate system '" +
                                  m_tree.GetItemText(item) + L"'? This cannot be undone.";
    if (platform::MessageBox(nullptr, question, L"Delete Custom Coordinate System",
                             platform::MB_YESNO | platform::MB_ICONQUESTION) != platform::IDYES) {
        return;
    }
    DeleteOtherItems(Custom, found, item);
    // The records after it keep designating their own systems.
    for (TreeItemRecord& record : m_records) {
        if (record.kind == Custom && record.index > found) {
            --record.index;
        }
    }
    m_custom.erase(std::next(m_custom.begin(), found));
    m_customKept.erase(std::next(m_customKept.begin(), found));
    m_records[m_tree.GetItemData(item)].item = {};
    m_tree.DeleteItem(item);
    if (m_options.oneFavoritePerSystem && m_tree.GetSelectedItem()) {
        m_tree.EnsureVisible(m_tree.GetSelectedItem());
    }
    // Saved last: a file that cannot be written leaves the tree and the list agreeing.
    SaveCustomSystems();
}

} // namespace gridui
