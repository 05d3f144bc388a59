// kor::DatumList: the known datums (KORKnownDatumsList).
#pragma once

#include "kor/DatumDef.h"
#include "kor/Export.h"

#include <memory>
#include <string_view>

namespace kor {

/// Positions 0 ("<unknown>") and 1 ("<custom>") are placeholders without a datum;
/// the datums of the catalogue follow from First() (= 2) to Last(). A datum's
/// parameters (ellipsoid, prime meridian, shift to WGS 84) are read when Enum first
/// asks for it.
class KOR_EXPORT DatumList {
public:
    static constexpr int UnknownPlaceholder = 0;
    static constexpr int CustomPlaceholder = 1;

    int First() const { return 2; }
    int Last() const { return Count() - 1; }
    /// Placeholders included.
    int Count() const;

    /// Null for a placeholder, a position out of range or a datum that cannot be read.
    DatumDef const* Enum(int index) const;
    /// The placeholders' texts at 0 and 1; null out of range.
    wchar_t const* EnumName(int index) const;
    int EnumPOSCNumber(int index) const;

    /// Position of the datum with that exact name (placeholders included), or -1.
    /// `copy`, when given, receives the datum.
    int FindByName(std::wstring_view name, DatumDef* copy = nullptr) const;
    /// Position of the datum with that EPSG code, or `notFound`.
    int FindByPOSCNumber(int code, DatumDef* copy = nullptr, int notFound = -1) const;
    /// Position of the datum with that token (see DatumDef::GetToken), or -1.
    int FindByToken(std::wstring_view token) const;

private:
    struct Cache;
    Cache& Current() const;
    mutable std::shared_ptr<Cache> m_cache;
};

extern KOR_EXPORT DatumList KORKnownDatumsList;

} // namespace kor
