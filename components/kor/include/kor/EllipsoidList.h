// kor::EllipsoidList: the known ellipsoids (KORKnownEllipsoidsList).
#pragma once

#include "kor/EllipsoidDef.h"
#include "kor/Export.h"

#include <memory>
#include <string_view>

namespace kor {

/// Positions 0 ("<unknown>") and 1 ("<custom>") are placeholders; the ellipsoids of
/// the catalogue follow from First() (= 2) to Last().
class KOR_EXPORT EllipsoidList {
public:
    int First() const { return 2; }
    int Last() const { return Count() - 1; }
    int Count() const;

    /// False for a placeholder or a position out of range.
    bool Enum(int index, EllipsoidDef& ellipsoid) const;
    wchar_t const* EnumName(int index) const;

    /// Position of the ellipsoid with that exact name (placeholders included), or -1.
    int FindByName(std::wstring_view name, EllipsoidDef* copy = nullptr) const;
    int FindByPOSCNumber(int code) const;

private:
    struct Cache;
    Cache& Current() const;
    mutable std::shared_ptr<Cache> m_cache;
};

extern KOR_EXPORT EllipsoidList KORKnownEllipsoidsList;

} // namespace kor
