// The known-systems cache: whatever follows its header, reading never fails, and lists
// that are read write out and read back the same; lists the format cannot hold are left
// unwritten rather than written wrong.
#include "FuzzSupport.h"

#include "KnownSystemsCache.h"
#include "shr/AtomicFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

kor::RegistryIdentity const& Identity() {
    static kor::RegistryIdentity const identity = {"/registry/proj.db", 9000000, 1700000000,
                                                   "v11.0", "9807 9820"};
    return identity;
}

/// The magic and identity lines the writer puts first, so that inputs reach the lists.
std::string const& Header() {
    static std::string const header = [] {
        std::filesystem::path const empty = fuzzsupport::ScratchFile("empty.cache", "");
        kor::WriteKnownSystemsCache(empty, Identity(), {});
        std::string const written = shr::ReadWholeFile(empty);
        std::size_t const second = written.find('\n', written.find('\n') + 1);
        return written.substr(0, second + 1);
    }();
    return header;
}

// The same number, NaN included: a bit-for-bit copy is what the cache promises.
bool Same(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

bool Same(kor::CategoryInput const& a, kor::CategoryInput const& b) {
    return a.name == b.name && a.code == b.code && a.projected == b.projected &&
           a.areaName == b.areaName && a.aliases == b.aliases && a.hasBounds == b.hasBounds &&
           Same(a.west, b.west) && Same(a.south, b.south) && Same(a.east, b.east) &&
           Same(a.north, b.north);
}

bool Same(kor::RegistryLists const& a, kor::RegistryLists const& b) {
    if (a.systems.size() != b.systems.size() || a.datums.size() != b.datums.size() ||
        a.datumGeographicCodes != b.datumGeographicCodes)
        return false;
    for (std::size_t i = 0; i < a.systems.size(); ++i)
        if (!Same(a.systems[i], b.systems[i]))
            return false;
    for (std::size_t i = 0; i < a.datums.size(); ++i)
        if (a.datums[i].name != b.datums[i].name || a.datums[i].code != b.datums[i].code)
            return false;
    return true;
}

template <typename Text> bool Holdable(Text const& text) {
    return std::none_of(text.begin(), text.end(),
                        [](auto ch) { return ch == '\t' || ch == '\r' || ch == '\n'; });
}

bool Holdable(kor::RegistryLists const& lists) {
    for (kor::CategoryInput const& system : lists.systems) {
        if (!Holdable(system.name) || !Holdable(system.areaName))
            return false;
        // The aliases share one field between separators.
        for (std::string const& alias : system.aliases)
            if (alias.empty() || !Holdable(alias) || alias.find('|') != std::string::npos)
                return false;
    }
    for (kor::KnownDatum const& datum : lists.datums)
        if (!Holdable(datum.name))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    std::filesystem::path const path = fuzzsupport::ScratchFile(
        "known-systems.cache", Header() + std::string(fuzzsupport::Bytes(data, size)));
    std::optional<kor::RegistryLists> const read = kor::ReadKnownSystemsCache(path, Identity());
    if (!read)
        return 0;
    std::filesystem::path const saved = fuzzsupport::ScratchFile("saved.cache", "");
    std::filesystem::remove(saved);
    kor::WriteKnownSystemsCache(saved, Identity(), *read);
    std::optional<kor::RegistryLists> const back = kor::ReadKnownSystemsCache(saved, Identity());
    if (!back) {
        if (Holdable(*read))
            fuzzsupport::Fail("lists the cache can hold were not written or not read back");
        return 0;
    }
    if (!Same(*back, *read))
        fuzzsupport::Fail("the cache did not read back as it was written");
    return 0;
}
