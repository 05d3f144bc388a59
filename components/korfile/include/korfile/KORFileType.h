// korfile::KORFileType: the coordinate-reference file formats we read and write.
#pragma once

#include "korfile/Export.h"

namespace korfile {

enum KORFileType : int {
    /// The older line-based text format; read only.
    QRF = 0,
    /// The current format: a versioned JSON document holding the whole definition.
    QRF2 = 1,
    /// Well-known text: WKT1 (.prj as other GIS programs write it), WKT2 and PROJJSON.
    WKT = 4,
    /// The raster side-car's SRS element.
    AuxXml = 5,
};

/// A short human name of the format, for messages.
KORFILE_EXPORT wchar_t const* FileTypeName(KORFileType type);

} // namespace korfile
