// Writes seed corpora for the fuzz targets from the registry: a few hundred systems spread
// over the known list, each in the formats PROJ exports and the files we write. There is one
// folder per format, not per target: targets that read the same format share it
// (scripts/fuzz says which target reads which folders).
#include "gridlore/CoordinateSystemCollection.h"
#include "kor/Definitions.h"
#include "kor/KORException.h"
#include "kor/SystemList.h"
#include "korfile/ReferenceFile.h"
#include "shr/Logger.h"
#include "shr/Utf8.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

std::filesystem::path g_root;

void Put(std::string const& target, std::string const& name, std::string const& content) {
    std::filesystem::create_directories(g_root / target);
    std::ofstream(g_root / target / name, std::ios::binary) << content;
}

void PutFile(std::string const& target, std::string const& name,
             std::filesystem::path const& from) {
    std::filesystem::create_directories(g_root / target);
    std::filesystem::copy_file(from, g_root / target / name,
                               std::filesystem::copy_options::overwrite_existing);
}

/// One system: its texts rotate through the formats so that each appears often without
/// every system being written in all of them.
void WriteSystem(int sample, kor::CSDef const& definition, int code) {
    using Format = kor::DefinitionFormat;
    static constexpr std::array<std::pair<Format, char const*>, 5> formats = {{
        {Format::WKT2, "wkt2"},
        {Format::WKT1, "wkt1"},
        {Format::WKT1ESRI, "esri"},
        {Format::PROJString, "proj"},
        {Format::PROJJSON, "projjson"},
    }};
    std::string const stem = "epsg-" + std::to_string(code);
    auto const& [format, suffix] = formats[static_cast<std::size_t>(sample) % formats.size()];
    try {
        std::string const text = shr::ToUtf8(kor::ExportDefinition(definition, format));
        Put(format == Format::PROJString ? "proj" : "wkt", stem + "." + suffix, text);
    } catch (kor::KORException const&) {
        // A system that format cannot express is simply not a seed in it.
    }
    if (sample % 25 == 0)
        Put("proj", stem + ".code", "EPSG:" + std::to_string(code));

    std::filesystem::path const scratch = g_root / "scratch";
    std::filesystem::create_directories(scratch);
    if (sample % 2 == 0) {
        korfile::WriteReferenceFile(definition, korfile::QRF2, scratch / "s.qrf2", 0, 0, false);
        PutFile("qrf2", stem + ".qrf2", scratch / "s.qrf2");
    }
    if (sample % 4 == 1) {
        try {
            korfile::WriteReferenceFile(definition, korfile::AuxXml, scratch / "s.aux.xml", 0, 0,
                                        false);
            PutFile("auxxml", stem + ".aux.xml", scratch / "s.aux.xml");
            std::filesystem::remove(scratch / "s.aux.xml");
        } catch (kor::KORException const&) {
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: fuzz_make_corpus OUTPUT-FOLDER SYSTEMS\n";
        return 2;
    }
    shr::ProcessLogger.SetSink([](int, std::wstring const&) {});
    g_root = argv[1];
    int const wanted = std::stoi(argv[2]);
    auto const& systems = kor::KORKnownSystemsList;
    int const step = std::max(1, systems.Count() / wanted);
    Gridlore::CoordinateSystemCollection favourites;
    int sample = 0;
    for (int position = systems.First(); position <= systems.Last(); position += step, ++sample) {
        kor::CSDef const* definition = systems.Enum(position);
        if (definition == nullptr)
            continue;
        WriteSystem(sample, *definition, systems.EnumPOSC(position));
        favourites.push_back(Gridlore::CoordinateSystem(*definition));
        if (favourites.size() == 3) {
            korfile::WriteCollectionFile(favourites.Definitions(), g_root / "scratch" / "f.qrf2",
                                         {});
            PutFile("favorites", "favorites-" + std::to_string(sample) + ".qrf2",
                    g_root / "scratch" / "f.qrf2");
            favourites = {};
        }
    }
    std::filesystem::remove_all(g_root / "scratch");
    std::cout << sample << " systems written under " << g_root.string() << '\n';
    return 0;
}
