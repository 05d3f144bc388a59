// gridhost::LoadFavorites: fills the process's favourites from the user's favourites file.
#pragma once

#include <filesystem>
#include <string>

namespace gridhost {

/// Replaces the favourites collection with the systems of the file at `path`. A missing
/// file leaves it empty. A damaged file is renamed aside, so that the next save of the
/// favourites cannot overwrite it, and the favourites start empty. Returns what the user
/// must be told (the file, what is wrong, where it went), or an empty text.
std::string LoadFavorites(std::filesystem::path const& path);

} // namespace gridhost
