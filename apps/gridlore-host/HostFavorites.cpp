#include "HostFavorites.h"

#include "gridlore/CFavoritesCollection.h"
#include "gridlore/UserCollectionFile.h"
#include "shr/Singleton.h"
#include "shr/Utf8.h"

namespace gridhost {

std::string LoadFavorites(std::filesystem::path const& path) {
    auto& favorites = shr::Singleton<Gridlore::CFavoritesCollection>::Instance();
    favorites.clear();
    std::optional<Gridlore::SetAsideFile> damaged;
    for (Gridlore::CoordinateSystem const& system : Gridlore::LoadUserCollection(path, damaged)) {
        favorites.push_back(system);
    }
    return damaged ? shr::ToUtf8(damaged->Explain(L"favourites", L"adding a favourite")) : "";
}

} // namespace gridhost
