// CRSDlgImpl's places: a latitude and longitude typed into the search box, and the host's
// area of interest, each keeping the systems whose area of use holds it.
#include "CRSDlgImpl.h"

#include "CategoryFilter.h"
#include "SystemsForArea.h"
#include "gridui/GeoGeometry.h"
#include "gridui/TypedPlace.h"
#include "kor/CSDef.h"
#include "kor/SystemList.h"

namespace gridui {

namespace {

/// A flag per known position, set for `positions`.
std::vector<bool> FlagsFor(std::vector<int> const& positions) {
    std::vector<bool> flags(static_cast<std::size_t>(kor::KORKnownSystemsList.Count()), false);
    for (int const position : positions) {
        flags[static_cast<std::size_t>(position)] = true;
    }
    return flags;
}

bool Flagged(std::vector<bool> const& flags, std::size_t position) {
    return position < flags.size() && flags[position];
}

} // namespace

void CRSDlgImpl::SetAreaOfInterest(GeoArea const& area) {
    m_areaSystems.clear();
    m_areaKeeps.clear();
    if (!IsKnownArea(area) || area.south > area.north) {
        m_areaOfInterest.reset();
        m_onlyForArea = false;
        return;
    }
    m_areaOfInterest = area;
    // The host knows where its data lies: the systems for it are what the user looks for.
    m_onlyForArea = true;
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

wchar_t const* CRSDlgImpl::PreparePlaces(wchar_t const* search) {
    m_typedPoint.reset();
    m_placeStatus.clear();
    m_pointSystems.clear();
    m_pointKeeps.clear();
    if (IsOnlyForArea()) {
        // The area stays the same from one search to the next: ranked once.
        if (m_areaKeeps.empty()) {
            m_areaSystems = SystemsForArea(*m_areaOfInterest);
            m_areaKeeps = FlagsFor(m_areaSystems);
        }
    } else {
        m_areaSystems.clear();
        m_areaKeeps.clear();
    }
    if (!m_options.placeSearch || search == nullptr) {
        return search;
    }
    TypedPlace const place = ParsePlace(search);
    m_placeStatus = place.status;
    if (place.kind != TypedPlace::Kind::Place) {
        // A refusal is said in the status line; the text is still searched as words.
        return search;
    }
    m_typedPoint = place.point;
    m_pointSystems = SystemsForArea(AreaAt(place.point));
    m_pointKeeps = FlagsFor(m_pointSystems);
    return nullptr;
}

bool CRSDlgImpl::PlacesKeep(std::size_t position, int type) const {
    if (m_typedPoint && !Flagged(m_pointKeeps, position)) {
        return false;
    }
    // The area of interest is the host's word on the predefined systems only.
    return type != kor::CSDef::TypeReferenced || m_areaKeeps.empty() ||
           Flagged(m_areaKeeps, position);
}

bool CRSDlgImpl::PlaceKeeps(Gridlore::CoordinateSystem const& system) const {
    if (!m_typedPoint) {
        return true;
    }
    kor::CSDef const* definition = system.GetCSDef();
    int const code = definition != nullptr ? CodeOf(*definition) : 0;
    int const position = code > 0 ? kor::KORKnownSystemsList.FindByPOSC(code) : -1;
    return position >= 0 && Flagged(m_pointKeeps, static_cast<std::size_t>(position));
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
