// Every reader, fed thousands of damaged files made from good ones, must end in a
// definition or a KORException: never a crash, a hang or another exception.
#include "korfile/ReferenceFile.h"

#include "kor/Definitions.h"
#include "kor/KORException.h"
#include "shr/AtomicFile.h"
#include "shr/Utf8.h"

#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

namespace {

std::filesystem::path const DataDir = GRIDLORE_TEST_DATA;
/// Damaged files per reader, shared among that reader's seeds.
constexpr int MutationsPerReader = 3000;

std::string Mutate(std::string text, std::mt19937& random) {
    static std::string const interesting = "{}[]\",=:\n\r\t 0123456789-+.eE|#;<>/&\xC3\xFF";
    auto const pick = [&](std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound)(random);
    };
    int const edits = 1 + static_cast<int>(pick(3));
    for (int edit = 0; edit < edits && !text.empty(); ++edit) {
        std::size_t const at = pick(text.size() - 1);
        switch (pick(5)) {
        case 0: // truncate
            text.resize(at);
            break;
        case 1: // flip bits of one byte
            text[at] = static_cast<char>(text[at] ^ static_cast<char>(1 + pick(254)));
            break;
        case 2: // insert a character that means something to one of the formats
            text.insert(at, 1, interesting[pick(interesting.size() - 1)]);
            break;
        case 3: // delete a run
            text.erase(at, pick(40));
            break;
        case 4: // duplicate a run elsewhere
            text.insert(pick(text.size()), text.substr(at, pick(60)));
            break;
        default: // replace a number-like character
            text[at] = interesting[pick(interesting.size() - 1)];
            break;
        }
    }
    return text;
}

struct Seed {
    korfile::KORFileType type;
    std::string name;
    std::string content;
};

std::vector<Seed> Seeds(std::filesystem::path const& dir) {
    auto const lambert =
        korfile::ReadReferenceFile(korfile::QRF, DataDir / "qrf/shifted-lambert.qrf", 0, 0);
    std::vector<Seed> seeds;
    for (char const* name : {"depot-north.qrf", "shifted-lambert.qrf", "site-grid.qrf"}) {
        seeds.push_back({korfile::QRF, name, shr::ReadWholeFile(DataDir / "qrf" / name)});
    }
    korfile::WriteReferenceFile(*lambert, korfile::QRF2, dir / "seed.qrf2", 0, 0, true);
    seeds.push_back({korfile::QRF2, "seed.qrf2", shr::ReadWholeFile(dir / "seed.qrf2")});
    korfile::WriteReferenceFile(*lambert, korfile::WKT, dir / "seed.prj", 0, 0, true);
    seeds.push_back({korfile::WKT, "seed.prj", shr::ReadWholeFile(dir / "seed.prj")});
    seeds.push_back({korfile::WKT, "seed.wkt",
                     shr::ToUtf8(kor::ExportDefinition(*lambert, kor::DefinitionFormat::WKT2))});
    korfile::WriteReferenceFile(*lambert, korfile::AuxXml, dir / "seed.aux.xml", 0, 0, true);
    seeds.push_back({korfile::AuxXml, "seed.aux.xml", shr::ReadWholeFile(dir / "seed.aux.xml")});
    return seeds;
}

} // namespace

TEST(ReaderRobustness, damaged_files_end_in_a_definition_or_a_clear_error) {
    ScratchDirectory const scratch;
    std::filesystem::path const& dir = scratch.Path();
    std::mt19937 random(20261205);
    std::vector<Seed> const seeds = Seeds(dir);
    for (Seed const& seed : seeds) {
        int const mutationsPerSeed =
            MutationsPerReader /
            static_cast<int>(std::count_if(seeds.begin(), seeds.end(), [&](Seed const& other) {
                return other.type == seed.type;
            }));
        int rejected = 0;
        for (int i = 0; i < mutationsPerSeed; ++i) {
            std::string const damaged = Mutate(seed.content, random);
            std::filesystem::path const path = dir / ("damaged-" + seed.name);
            std::ofstream(path, std::ios::binary | std::ios::trunc) << damaged;
            try {
                (void)korfile::ReadReferenceFile(seed.type, path, 0, 0);
            } catch (kor::KORException const& error) {
                EXPECT_FALSE(error.Message().empty());
                ++rejected;
            } catch (std::exception const& error) {
                ADD_FAILURE() << seed.name << " mutation " << i << " threw " << error.what()
                              << "\n---\n"
                              << damaged;
            }
            std::vector<korfile::KORFileType> byContent;
            std::vector<korfile::KORFileType> byExtension;
            korfile::IsReferenceFile(path, byContent, byExtension);
            EXPECT_LE(byContent.size(), 1U);
        }
        // A mutator too gentle to break anything would make this test worthless.
        EXPECT_GT(rejected, mutationsPerSeed / 4) << seed.name;
    }
}
