// kor::MeridianList: the known prime meridians (KORKnownMeridiansList).
#pragma once

#include "kor/Export.h"
#include "kor/MeridianInfo.h"

#include <memory>
#include <string_view>

namespace kor {

/// Positions First() (= 0) to Last(); Greenwich comes first.
class KOR_EXPORT MeridianList {
public:
    int First() const { return 0; }
    int Last() const { return Count() - 1; }
    int Count() const;

    bool Enum(int index, MeridianInfo& meridian) const;
    wchar_t const* EnumName(int index) const;

    /// Exact name, or -1.
    int FindByName(std::wstring_view name) const;
    /// The first meridian within `tolerance` degrees of `longitude`, or -1.
    int FindByLongitude(double longitude, double tolerance = 1e-9) const;
    int FindByPOSCNumber(int code) const;

private:
    struct Cache;
    Cache& Current() const;
    mutable std::shared_ptr<Cache> m_cache;
};

extern KOR_EXPORT MeridianList KORKnownMeridiansList;

} // namespace kor
