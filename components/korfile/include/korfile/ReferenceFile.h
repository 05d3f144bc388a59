// korfile reading and writing of coordinate-reference files and of collections of systems.
#pragma once

#include "kor/CSDef.h"
#include "korfile/Export.h"
#include "korfile/IsReferenceFile.h"
#include "korfile/KORFileType.h"

#include "shr/AtomicFile.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace korfile {

/// The definition a file of `type` holds, or null when the file holds none (a side-car
/// without an SRS element). Throws kor::KORException with a message that names the file
/// and says what is wrong: missing, unreadable, empty, of another format, truncated,
/// naming an unknown method or holding impossible values. The two numbers are reserved
/// and must be 0.
KORFILE_EXPORT std::unique_ptr<kor::CSDef> ReadReferenceFile(KORFileType type,
                                                             std::filesystem::path const& path,
                                                             double reserved1, double reserved2);

/// Writes `definition` as a file of `type` (QRF2, well-known text or .aux.xml; QRF is
/// read only). The file is replaced atomically; an .aux.xml side-car keeps everything
/// but its SRS element. With `checkFirst`, a definition that fails its check is refused.
/// Throws kor::KORException naming the file on failure.
KORFILE_EXPORT void WriteReferenceFile(kor::CSDef const& definition, KORFileType type,
                                       std::filesystem::path const& path, double reserved1,
                                       double reserved2, bool checkFirst);

/// The definitions of a collection file (the favourites), in order. A missing file holds
/// none; a damaged one throws kor::KORException and is left untouched.
KORFILE_EXPORT std::vector<std::unique_ptr<kor::CSDef>>
ReadCollectionFile(std::filesystem::path const& path);

/// Writes `definitions` to a collection file, replacing it atomically. `onStep` is passed
/// to shr::ReplaceFileAtomically, so a test can interrupt the save at each of its steps.
KORFILE_EXPORT void
WriteCollectionFile(std::vector<kor::CSDef const*> const& definitions,
                    std::filesystem::path const& path,
                    std::function<void(shr::AtomicWriteStep)> const& onStep = {});

} // namespace korfile
