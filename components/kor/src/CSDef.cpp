#include "kor/CSDef.h"

namespace kor {

void CSDef::SetHint(CSHint hint, bool on) {
    m_hints = on ? (m_hints | hint) : (m_hints & ~hint);
}

void CSDef::SetWarp(WarpDef const* warp) {
    if (warp != nullptr) {
        m_warp = *warp;
    } else {
        m_warp.reset();
    }
}

bool CSDef::Compare(CSDef const& other, bool parametersOnly, std::wstring* difference) const {
    if (Type() != other.Type()) {
        if (difference != nullptr) {
            *difference = L"one system is referenced, the other local";
        }
        return false;
    }
    if (!parametersOnly && m_name != other.m_name) {
        if (difference != nullptr) {
            *difference = L"name '" + m_name + L"' against '" + other.m_name + L"'";
        }
        return false;
    }
    // A missing warp and an identity warp move no coordinate.
    WarpDef const identity;
    WarpDef const& mine = m_warp ? *m_warp : identity;
    WarpDef const& theirs = other.m_warp ? *other.m_warp : identity;
    if (!mine.Compare(theirs, difference)) {
        return false;
    }
    return CompareContents(other, difference);
}

} // namespace kor
