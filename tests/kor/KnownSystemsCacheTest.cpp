#include "KnownSystemsCache.h"

#include "ListedFields.h"
#include "ScratchDirectory.h"
#include "shr/AtomicFile.h"
#include "shr/Logger.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

using kor::CategoryInput;

namespace {

class KnownSystemsCache : public ::testing::Test {
protected:
    KnownSystemsCache() {
        // Any file stands for the registry: only its path, size and time matter.
        std::ofstream(m_scratch / "proj.db") << "registry";
        m_identity = kor::IdentifyRegistry((m_scratch / "proj.db").string(), "v10.076",
                                           "Transverse Mercator;");
        CategoryInput utm;
        utm.name = "WGS 84 / UTM zone 33N";
        utm.code = 32633;
        utm.projected = true;
        utm.areaName = "Between 12°E and 18°E, northern hemisphere";
        utm.hasBounds = true;
        utm.west = 12.0;
        utm.south = 0.0;
        utm.east = 18.0;
        utm.north = 84.0 + 1.0 / 3.0;
        utm.aliases = {"WGS_1984_UTM_Zone_33N", "Zone 33 (Nord)"};
        CategoryInput unbounded;
        // The names are kept as the registry spells them, in UTF-8.
        unbounded.name = "Z\u00fcrich / 8\u00b0E";
        unbounded.code = 4326;
        unbounded.west = std::nan("");
        m_lists.systems = {utm, unbounded};
        m_lists.datums = {{L"World Geodetic System 1984", 6326},
                          {L"Réseau Géodésique Français", 6171}};
        m_lists.datumGeographicCodes = {4326, 4171};
    }

    std::optional<kor::RegistryLists> Read() const {
        return kor::ReadKnownSystemsCache(m_path, m_identity);
    }

    /// What the cache gives once it holds `text`.
    std::optional<kor::RegistryLists> ReadFrom(std::string const& text) const {
        shr::ReplaceFileAtomically(m_path, text);
        return Read();
    }

    ScratchDirectory m_scratch;
    std::filesystem::path const m_path = m_scratch / "cache" / "known-systems.cache";
    kor::RegistryIdentity m_identity;
    kor::RegistryLists m_lists;
};

} // namespace

TEST_F(KnownSystemsCache, a_written_list_reads_back_exactly_for_the_same_registry_only) {
    EXPECT_FALSE(Read()) << "nothing was cached yet";
    kor::WriteKnownSystemsCache(m_path, m_identity, m_lists);
    auto const cached = Read();
    ASSERT_TRUE(cached);
    // Every bit of a bound comes back: the north bound has no short decimal form.
    kortest::ExpectSameRows(cached->systems, m_lists.systems);
    EXPECT_EQ(cached->systems.at(0).aliases, m_lists.systems[0].aliases);
    EXPECT_TRUE(cached->systems.at(1).aliases.empty());
    EXPECT_TRUE(std::isnan(cached->systems.at(1).west));
    kortest::ExpectSameRows(cached->datums, m_lists.datums);
    EXPECT_EQ(cached->datumGeographicCodes, m_lists.datumGeographicCodes);

    // Another database, a new registry version or other methods make the cache stale.
    for (auto const& other :
         {kor::IdentifyRegistry((m_scratch / "other.db").string(), "v10.076",
                                "Transverse Mercator;"),
          kor::IdentifyRegistry((m_scratch / "proj.db").string(), "v11.001",
                                "Transverse Mercator;"),
          kor::IdentifyRegistry((m_scratch / "proj.db").string(), "v10.076", "Krovak;")}) {
        EXPECT_FALSE(kor::ReadKnownSystemsCache(m_path, other));
    }
    // Without a version, the cached one is taken for the same database and methods only.
    kor::RegistryIdentity unversioned = m_identity;
    unversioned.epsgVersion.clear();
    EXPECT_TRUE(kor::ReadKnownSystemsCache(m_path, unversioned));
    unversioned.methods = "Krovak;";
    EXPECT_FALSE(kor::ReadKnownSystemsCache(m_path, unversioned));
    std::ofstream(m_scratch / "proj.db", std::ios::app) << " upgraded";
    for (char const* version : {"v10.076", ""}) {
        EXPECT_FALSE(kor::ReadKnownSystemsCache(
            m_path, kor::IdentifyRegistry((m_scratch / "proj.db").string(), version,
                                          "Transverse Mercator;")))
            << version;
    }
}

TEST_F(KnownSystemsCache, a_damaged_or_unwritable_cache_is_ignored) {
    kor::WriteKnownSystemsCache(m_path, m_identity, m_lists);
    std::string const whole = shr::ReadWholeFile(m_path);

    // Cut after the first system, or before the last datum: a count no longer matches.
    for (char const* cut : {"4326\t0\t", "6171\t"}) {
        EXPECT_FALSE(ReadFrom(whole.substr(0, whole.rfind(cut)))) << cut;
    }
    // Lines after the last datum are no part of this format.
    EXPECT_FALSE(ReadFrom(whole + "9999\t4326\tExtra\n"));
    // A line with a field that is no number.
    std::string garbled = whole;
    garbled.replace(garbled.find("32633"), 5, "3x633");
    EXPECT_FALSE(ReadFrom(garbled));
    EXPECT_FALSE(ReadFrom(std::string("\0\xff\n", 3)));
    // A count no file could hold, and a line with a field too many.
    std::string counted = whole;
    std::size_t const countStart = counted.find('\n', counted.find('\n') + 1) + 1;
    counted.replace(countStart, counted.find('\n', countStart) - countStart, "2000000000");
    EXPECT_FALSE(ReadFrom(counted));
    for (char const* field : {"32633\t", "6171\t"}) {
        std::string widened = whole;
        widened.insert(widened.find(field) + std::string_view(field).size(), "0\t");
        EXPECT_FALSE(ReadFrom(widened)) << field;
    }

    // A name the format cannot hold leaves the old cache as it was.
    shr::ReplaceFileAtomically(m_path, whole);
    auto const unwritable = [&](auto& name, auto const& tabbed) {
        auto const kept = name;
        name = tabbed;
        kor::WriteKnownSystemsCache(m_path, m_identity, m_lists);
        EXPECT_EQ(shr::ReadWholeFile(m_path), whole);
        name = kept;
    };
    unwritable(m_lists.systems[1].name, "Tab\tbed");
    unwritable(m_lists.datums[0].name, L"Tab\tbed");
    // An alias holding the character that parts the aliases would read back as two.
    m_lists.systems[0].aliases[1] = "Zone 33|Nord";
    kor::WriteKnownSystemsCache(m_path, m_identity, m_lists);
    EXPECT_EQ(shr::ReadWholeFile(m_path), whole);
    // Empty aliases, which only damage makes, are dropped: what is read can be written.
    std::string damaged = whole;
    damaged.replace(damaged.find("WGS_1984_UTM_Zone_33N|"), 22, "|WGS_1984_UTM_Zone_33N||");
    auto const undamaged = ReadFrom(damaged);
    ASSERT_TRUE(undamaged);
    EXPECT_EQ(undamaged->systems[0].aliases,
              (std::vector<std::string>{"WGS_1984_UTM_Zone_33N", "Zone 33 (Nord)"}));

    // A cache of the program before aliases were kept lacks them: read from the registry.
    std::string older = whole;
    older.replace(older.find("known systems 5"), 15, "known systems 3");
    std::size_t const aliases = older.find("\tWGS_1984_UTM_Zone_33N|Zone 33 (Nord)");
    older.erase(aliases, older.find('\n', aliases) - aliases);
    older.erase(older.find("\t\n"), 1);
    EXPECT_FALSE(ReadFrom(older));

    // A cache folder that is a file: nothing is written, nothing is thrown.
    std::ofstream(m_scratch / "blocked") << "a file";
    EXPECT_NO_THROW(
        kor::WriteKnownSystemsCache(m_scratch / "blocked" / "known-systems.cache", m_identity, {}));
}

TEST_F(KnownSystemsCache, a_cache_that_is_no_file_is_set_aside_with_a_warning_and_replaced) {
    std::vector<std::wstring> warnings;
    shr::ProcessLogger.SetSink([&](int level, std::wstring const& text) {
        if (level == shr::LogWarning) {
            warnings.push_back(text);
        }
    });
    EXPECT_FALSE(Read()) << "no cache yet";
    EXPECT_TRUE(warnings.empty()) << "a first start is no fault";

    std::filesystem::create_directories(m_path.parent_path());
    ASSERT_EQ(::mkfifo(m_path.c_str(), 0600), 0);
    EXPECT_FALSE(Read());
    shr::ProcessLogger.SetSink({});
    ASSERT_EQ(warnings.size(), 1U);
    EXPECT_NE(warnings[0].find(L"known-systems.cache' is a named pipe, not a file"),
              std::wstring::npos)
        << warnings[0];
    kor::WriteKnownSystemsCache(m_path, m_identity, m_lists);
    EXPECT_TRUE(std::filesystem::is_regular_file(m_path));
    EXPECT_TRUE(Read());
}
