// kor::LinearUnitList: the known linear units (KORKnownLinearUnitsList).
#pragma once

#include "kor/Export.h"
#include "kor/KnownCatalogue.h"

#include <memory>
#include <string_view>

namespace kor {

/// Positions First() (= 0) to Last(); the meter comes first. A unit's divider is the
/// number of units per meter.
class KOR_EXPORT LinearUnitList {
public:
    int First() const { return 0; }
    int Last() const { return Count() - 1; }
    int Count() const;

    wchar_t const* EnumName(int index) const;
    wchar_t const* EnumNamePlural(int index) const;
    /// 0 out of range.
    double EnumDivider(int index) const;
    int EnumPOSCNumber(int index) const;

    /// The unit whose singular or plural name equals `name` ignoring case, or -1.
    int FindByName(std::wstring_view name) const;
    /// The unit whose divider lies closest to `divider`, if within `tolerance`, or -1;
    /// never found for a divider that is not a positive number.
    int FindByDivider(double divider, double tolerance) const;

private:
    struct Cache;
    Cache& Current() const;
    mutable std::shared_ptr<Cache> m_cache;
};

extern KOR_EXPORT LinearUnitList KORKnownLinearUnitsList;

} // namespace kor
