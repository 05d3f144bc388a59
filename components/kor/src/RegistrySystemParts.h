// kor::RegistrySystemParts: a registry system's datum and projection, read when first asked for.
#pragma once

#include "kor/DatumDef.h"
#include "kor/ProjectionDef.h"

#include <mutex>
#include <optional>

namespace kor {

/// Shared by a definition and its copies, which all hold the registry's system unchanged;
/// safe to read from several threads, as a definition built at once is.
class RegistrySystemParts final {
public:
    explicit RegistrySystemParts(int code)
        : m_code(code) {}

    int Code() const { return m_code; }
    /// Null when the registry cannot build the system (logged): as a definition without
    /// parts, it then fails its check.
    DatumDef const* Datum() const;
    ProjectionDef const* Projection() const;

private:
    void Read() const;

    int const m_code;
    mutable std::once_flag m_read;
    mutable std::optional<DatumDef> m_datum;
    mutable std::optional<ProjectionDef> m_projection;
};

} // namespace kor
