// gridhost::ConfigDirectory: where the host keeps the user's favourites and settings.
#pragma once

#include <filesystem>

namespace gridhost {

/// The application name: the folder under the user's config directory, and the name
/// the settings store files its settings under (so both land in one folder).
inline constexpr wchar_t AppName[] = L"gridlore-host";

/// $XDG_CONFIG_HOME/gridlore-host, else ~/.config/gridlore-host. Not created here.
std::filesystem::path ConfigDirectory();

/// The favourites file inside ConfigDirectory().
std::filesystem::path FavoritesPath();

/// The file inside ConfigDirectory() that keeps the browser's custom systems.
std::filesystem::path CustomSystemsPath();

} // namespace gridhost
