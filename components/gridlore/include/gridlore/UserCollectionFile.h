// Gridlore::LoadUserCollection: reads a user's collection file, moving a damaged one aside.
#pragma once

#include "gridlore/CoordinateSystemCollection.h"
#include "gridlore/Export.h"

#include <filesystem>
#include <optional>
#include <string>

namespace Gridlore {

/// A user's collection file that could not be read, and where it went.
struct GRIDLORE_EXPORT SetAsideFile {
    std::filesystem::path path;
    /// What is wrong with it.
    std::wstring problem;
    /// Where it now is; empty when it could not be moved.
    std::filesystem::path aside;
    /// Why it could not be moved.
    std::wstring moveFailure;

    /// Tells the user, in a few lines, that the `what` ("favourites") cannot be loaded,
    /// why, and what became of the file; `nextSave` names what would replace a file that
    /// could not be moved ("adding a favourite").
    std::wstring Explain(std::wstring const& what, std::wstring const& nextSave) const;
};

/// The systems of the collection file `path`; none for a missing file. A damaged file is
/// renamed to "path.damaged" (or ".damaged.2", ..., never over an earlier one), so that
/// the next save cannot overwrite what the user may still want; it is then described in
/// `damaged` and no system is given.
GRIDLORE_EXPORT CoordinateSystemCollection LoadUserCollection(std::filesystem::path const& path,
                                                              std::optional<SetAsideFile>& damaged);

} // namespace Gridlore
