// CRSDlgImpl's places: what a search read as a place, and the host's area of interest,
// which keeps the predefined systems whose area of use holds all of it.
#include "CRSDlgImpl.h"

#include "BrowserSearch.h"
#include "SystemsForArea.h"
#include "gridui/GeoGeometry.h"
#include "kor/CSDef.h"
#include "kor/SystemList.h"
#include "shr/Utf8.h"

namespace gridui {

void CRSDlgImpl::SetAreaOfInterest(GeoArea const& area) {
    m_areaKeeps.clear();
    if (!IsKnownArea(area) || area.south > area.north) {
        m_areaOfInterest.reset();
        m_onlyForArea = false;
    } else {
        m_areaOfInterest = area;
        // The host knows where its data lies: the systems for it are what the user looks
        // for.
        m_onlyForArea = true;
    }
    m_areaMap.SetAreaOfInterest(m_areaOfInterest);
}

bool CRSDlgImpl::IsOnlyForArea() const {
    return m_options.areaOfInterest && m_areaOfInterest.has_value() && m_onlyForArea;
}

void CRSDlgImpl::OnOnlyForArea() {
    m_onlyForArea = !m_onlyForArea;
    // The search shown stays; only what it runs over changes.
    std::wstring const text = m_searchCombo.GetWindowText();
    Rebuild(text.c_str());
    ShowStatus(m_shownCount < m_totalCount);
}

void CRSDlgImpl::OnUpdateOnlyForArea(platform::CmdUI& cmdUI) {
    cmdUI.Enable(true);
    cmdUI.SetCheck(IsOnlyForArea());
}

void CRSDlgImpl::NotePlace(TypedPlace const& place) {
    m_placeStatus = place.status;
    m_typedPoint.reset();
    if (place.kind == TypedPlace::Kind::Place) {
        m_typedPoint = place.point;
    }
    m_areaMap.SetPoint(m_typedPoint);
}

std::vector<bool> const& CRSDlgImpl::AreaKeeps() {
    // The area stays the same from one search to the next: worked out once.
    if (m_areaKeeps.empty() && m_areaOfInterest) {
        m_areaKeeps.assign(static_cast<std::size_t>(kor::KORKnownSystemsList.Count()), false);
        for (int const position : SystemsForArea(*m_areaOfInterest)) {
            m_areaKeeps[static_cast<std::size_t>(position)] = true;
        }
    }
    return m_areaKeeps;
}

bool CRSDlgImpl::IsForArea(ItemKind kind, std::size_t position) {
    int known = static_cast<int>(position);
    if (kind != Known) {
        kor::CSDef const* definition = SystemOf(kind, position).GetCSDef();
        int const code = definition != nullptr ? CodeOf(*definition) : 0;
        known = code > 0 ? kor::KORKnownSystemsList.FindByPOSC(code) : -1;
    }
    std::vector<bool> const& keeps = AreaKeeps();
    return known >= 0 && static_cast<std::size_t>(known) < keeps.size() &&
           keeps[static_cast<std::size_t>(known)];
}

void CRSDlgImpl::KeepForArea(CategoryAnswer& answer, bool searched) {
    std::erase_if(answer.hits,
                  [&](SearchHit const& hit) { return !IsForArea(Known, hit.position); });
    if (searched) {
        return;
    }
    // Nothing typed: the systems meant for the smallest area come first.
    for (SearchHit& hit : answer.hits) {
        kor::KnownSystem const* system =
            kor::KORKnownSystemsList.EnumEntry(static_cast<int>(hit.position));
        hit.match.reason = MatchReason::Place;
        hit.match.rank = {rank::Place, SphericalSize(BoundsOf(*system)), 0,
                          shr::DecodedLength(system->name)};
    }
}

void CRSDlgImpl::WidenStatusLine() {
    if (!m_status.HasWindow() || !m_tree.HasWindow() || m_tree.GetParent() == nullptr) {
        return;
    }
    platform::Window const& parent = *m_tree.GetParent();
    platform::Rect rect = parent.ScreenToClient(m_status.GetWindowRect());
    platform::Rect const tree = parent.ScreenToClient(m_tree.GetWindowRect());
    rect.right = tree.right;
    m_status.MoveWindow(rect);
}

} // namespace gridui
