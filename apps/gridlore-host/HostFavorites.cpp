#include "HostFavorites.h"

#include "gridlore/CFavoritesCollection.h"
#include "kor/KORException.h"
#include "shr/FileProblem.h"
#include "shr/Singleton.h"
#include "shr/Utf8.h"

namespace gridhost {
namespace {

/// The first of "name.damaged", "name.damaged.2", ... that does not exist, so that an
/// earlier damaged file is never replaced either.
std::filesystem::path AsidePath(std::filesystem::path const& path) {
    std::filesystem::path aside = path;
    aside += ".damaged";
    for (int number = 2; std::filesystem::exists(aside); ++number) {
        aside = path;
        aside += ".damaged." + std::to_string(number);
    }
    return aside;
}

} // namespace

std::string LoadFavorites(std::filesystem::path const& path) {
    auto& favorites = shr::Singleton<Gridlore::CFavoritesCollection>::Instance();
    favorites.clear();
    try {
        for (Gridlore::CoordinateSystem const& system :
             Gridlore::CoordinateSystemCollection::Load(shr::FromUtf8(path.string()))) {
            favorites.push_back(system);
        }
        return {};
    } catch (kor::KORException const& error) {
        std::string problem = "The favourites cannot be loaded: " + shr::ToUtf8(error.Message());
        if (problem.find(path.string()) == std::string::npos) {
            problem += " ('" + path.string() + "')";
        }
        std::error_code failed;
        std::filesystem::path const aside = AsidePath(path);
        std::filesystem::rename(path, aside, failed);
        if (failed) {
            return problem + "\nIt could not be moved aside (" +
                   shr::ToUtf8(shr::DescribeFileError(failed.value())) +
                   "), so adding a favourite will replace it.";
        }
        return problem + "\nIt was kept as '" + aside.string() + "'; the favourites start empty.";
    }
}

} // namespace gridhost
