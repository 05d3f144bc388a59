#include "ConfigDirectory.h"

#include <cstdlib>

namespace gridhost {

std::filesystem::path ConfigDirectory() {
    char const* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && *config != '\0') {
        return std::filesystem::path(config) / AppName;
    }
    char const* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : ".") / ".config" / AppName;
}

std::filesystem::path FavoritesPath() {
    return ConfigDirectory() / "favorites.qrf2";
}

std::filesystem::path CustomSystemsPath() {
    return ConfigDirectory() / "custom-systems.qrf2";
}

} // namespace gridhost
