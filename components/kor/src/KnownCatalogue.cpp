#include "kor/KnownCatalogue.h"

#include "RegistryCatalogue.h"

namespace kor {

namespace {

struct Installed {
    std::shared_ptr<KnownCatalogue> catalogue;
    unsigned generation = 1;
};

Installed& TheInstalled() {
    static Installed installed;
    return installed;
}

} // namespace

void InstallKnownCatalogue(std::shared_ptr<KnownCatalogue> catalogue) {
    auto& installed = TheInstalled();
    installed.catalogue = std::move(catalogue);
    ++installed.generation;
}

KnownCatalogue& CurrentKnownCatalogue() {
    auto& installed = TheInstalled();
    if (installed.catalogue) {
        return *installed.catalogue;
    }
    return RegistryCatalogue::Instance();
}

std::shared_ptr<KnownCatalogue> OpenRegistryCatalogue() {
    return std::make_shared<RegistryCatalogue>(std::make_shared<ProjRegistry>());
}

unsigned KnownCatalogueGeneration() {
    return TheInstalled().generation;
}

} // namespace kor
