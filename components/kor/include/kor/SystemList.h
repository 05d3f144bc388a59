// kor::SystemList: the known coordinate systems (KORKnownSystemsList).
#pragma once

#include "kor/CSDef.h"
#include "kor/Export.h"
#include "kor/KnownCatalogue.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kor {

/// Positions First() to Last() inclusive. Names, kinds and codes are read from the
/// catalogue's listing; a full definition is built the first time Enum asks for it
/// and kept until another catalogue is installed.
class KOR_EXPORT SystemList {
public:
    int First() const { return 0; }
    int Last() const { return Count() - 1; }
    int Count() const;

    /// The full definition; null out of range or when it cannot be built (logged).
    CSDef const* Enum(int index) const;
    /// Cheap: these never build a definition. Empty / 0 / null out of range.
    /// The name decoded from the list's UTF-8 (EnumEntry's `name`).
    std::wstring EnumName(int index) const;
    int EnumType(int index) const;
    int EnumPOSC(int index) const;
    KnownSystem const* EnumEntry(int index) const;

    /// The position of `definition` in the list, or -1. A definition with an EPSG code
    /// is looked up by its code, one without by its full name. With `verify` the known
    /// definition must also Compare equal in its parameters. With `exhaustive`, when
    /// neither code nor name is found, every known system of the same kind is built
    /// and compared (slow: meant for identifying a system read from a file).
    int FindSystem(CSDef const* definition, bool verify, bool exhaustive) const;
    int FindByPOSC(int code) const;
    int FindByName(std::wstring_view fullName) const;

private:
    struct Cache;
    Cache& Current() const;
    mutable std::shared_ptr<Cache> m_cache;
};

extern KOR_EXPORT SystemList KORKnownSystemsList;

} // namespace kor
