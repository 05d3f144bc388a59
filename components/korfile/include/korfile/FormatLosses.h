// korfile::FormatLosses: what a coordinate-reference format cannot keep of a system.
#pragma once

#include "kor/CSDef.h"
#include "korfile/Export.h"
#include "korfile/KORFileType.h"

#include <string>
#include <vector>

namespace korfile {

/// What a file of one format would keep of one definition, in words a user reads.
struct KORFILE_EXPORT FormatLosses {
    /// Why the format has no room for this system at all; empty when it can hold it.
    std::wstring refusal;
    /// The parts of the system the written file would lack ("the datum shift to WGS 84
    /// (Position Vector Transformation (7 parameters))"), in the order of the definition.
    std::vector<std::wstring> lost;

    bool CanHold() const { return refusal.empty(); }
    bool KeepsAll() const { return refusal.empty() && lost.empty(); }
};

/// What WriteReferenceFile(definition, type, ...) would lose, without writing anything.
/// Says nothing of a definition that fails its own check: the writer refuses that with
/// its reason.
KORFILE_EXPORT FormatLosses LossesOf(kor::CSDef const& definition, KORFileType type);

} // namespace korfile
