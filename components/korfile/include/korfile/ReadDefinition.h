// korfile::ReadDefinition: a system named on a command line, as a file or as text.
#pragma once

#include "kor/CSDef.h"
#include "korfile/Export.h"

#include <memory>
#include <string>

namespace korfile {

/// The definition `input` gives: a reference file's (its format told from its content
/// first, its name second), else the text's as the model reads it (an EPSG code, WKT, a
/// PROJ string, PROJJSON). Never null: whatever cannot be read is a kor::KORException
/// whose message names `input`.
KORFILE_EXPORT std::unique_ptr<kor::CSDef> ReadDefinition(std::string const& input);

} // namespace korfile
