// A Qt host: its main window's menu opens the coordinate-system browser, the define dialog
// and the local-system dialog on the window itself, which shows the chosen system's
// well-known text. With --tour FOLDER it plays them without a user, saves a screenshot of
// each step into FOLDER and prints the system chosen in the browser.
#include "HostMainWindow.h"
#include "HostTour.h"

#include "gridlore/CFavoritesCollection.h"
#include "gridlore/UserCollectionFile.h"
#include "platform/qt/QtBackend.h"
#include "shr/Singleton.h"
#include "shr/Utf8.h"

#include <QApplication>
#include <QStandardPaths>

#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>

namespace {

/// The favourites file in `folder`, made if missing; its systems are the process's
/// favourites from the start, and the browser saves to it after each change.
std::filesystem::path LoadFavorites(std::filesystem::path const& folder) {
    std::filesystem::create_directories(folder);
    std::filesystem::path file = folder / "favorites.qrf2";
    std::optional<Gridlore::SetAsideFile> damaged;
    auto& favorites = shr::Singleton<Gridlore::CFavoritesCollection>::Instance();
    for (Gridlore::CoordinateSystem const& system : Gridlore::LoadUserCollection(file, damaged)) {
        favorites.push_back(system);
    }
    if (damaged) {
        std::cerr << shr::ToUtf8(damaged->Explain(L"favourites", L"adding a favourite")) << '\n';
    }
    return file;
}

} // namespace

int main(int argc, char** argv) {
    std::optional<std::filesystem::path> tour;
    if (argc == 3 && std::strcmp(argv[1], "--tour") == 0) {
        tour = argv[2];
    } else if (argc != 1) {
        std::cerr << "usage: qt-host [--tour FOLDER]\n";
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("GridloreUI Qt host"));
    try {
        platform::qt::QtBackend backend(L"GridloreUI-qt-host");
        platform::BackendScope const installed(backend);
        // A tour keeps its favourites beside its screenshots, out of the user's own.
        std::filesystem::path const favorites =
            LoadFavorites(tour ? *tour
                               : std::filesystem::path(QStandardPaths::writableLocation(
                                                           QStandardPaths::AppDataLocation)
                                                           .toStdWString()));
        HostMainWindow window(favorites, tour.has_value());
        window.show();
        if (!tour) {
            return QApplication::exec();
        }
        std::cout << shr::ToUtf8(HostTour(window, *tour).Run().GetLeafName()) << '\n';
        return 0;
    } catch (std::exception const& error) {
        std::cerr << "qt-host: " << error.what() << '\n';
        return 1;
    }
}
