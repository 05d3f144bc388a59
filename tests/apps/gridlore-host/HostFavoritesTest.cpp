#include "HostFavorites.h"

#include "ScratchDirectory.h"
#include "gridlore/CFavoritesCollection.h"
#include "shr/AtomicFile.h"
#include "shr/Singleton.h"
#include "shr/Utf8.h"

#include <gmock/gmock.h>

#include <fstream>

using ::testing::HasSubstr;

using gridhost::LoadFavorites;

namespace {

Gridlore::CFavoritesCollection& Favorites() {
    return shr::Singleton<Gridlore::CFavoritesCollection>::Instance();
}

class HostFavoritesTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Left over from an earlier test: loading must replace it, whatever the file.
        Favorites().push_back(Gridlore::CoordinateSystem(L"EPSG:3857", true));
    }
    void TearDown() override { Favorites().clear(); }

    ScratchDirectory m_scratch;
    std::filesystem::path const m_path = m_scratch / "favorites.qrf2";
};

} // namespace

TEST_F(HostFavoritesTest, a_saved_file_gives_its_systems_in_order_and_a_missing_one_none) {
    Gridlore::CoordinateSystemCollection saved;
    saved.push_back(Gridlore::CoordinateSystem(L"EPSG:2154", true));
    saved.push_back(Gridlore::CoordinateSystem(L"EPSG:32633", true));
    saved.Save(shr::FromUtf8(m_path.string()));

    EXPECT_EQ(LoadFavorites(m_path), "");
    ASSERT_EQ(Favorites().size(), 2U);
    EXPECT_EQ(Favorites().at(0).GetName(), saved.at(0).GetName());
    EXPECT_EQ(Favorites().at(1).GetName(), saved.at(1).GetName());

    EXPECT_EQ(LoadFavorites(m_scratch / "never-saved.qrf2"), "");
    EXPECT_TRUE(Favorites().empty());
    EXPECT_FALSE(std::filesystem::exists(m_scratch / "never-saved.qrf2"));
}

TEST_F(HostFavoritesTest,
       a_damaged_file_is_reported_and_kept_aside_never_replacing_an_earlier_one) {
    std::string const firstDamage = "{\"format\": \"QRF2\", \"systems\": [";
    std::ofstream(m_path) << firstDamage;

    std::string const problem = LoadFavorites(m_path);
    EXPECT_TRUE(Favorites().empty());
    std::filesystem::path const aside = m_scratch / "favorites.qrf2.damaged";
    EXPECT_THAT(problem, HasSubstr("The favourites cannot be loaded: "));
    EXPECT_THAT(problem, HasSubstr(m_path.string()));
    EXPECT_THAT(problem, HasSubstr("kept as '" + aside.string() + "'"));
    EXPECT_FALSE(std::filesystem::exists(m_path)) << "the next save cannot overwrite it";
    EXPECT_EQ(shr::ReadWholeFile(aside), firstDamage);

    std::ofstream(m_path) << "not even JSON";
    std::string const again = LoadFavorites(m_path);
    EXPECT_THAT(again, HasSubstr("favorites.qrf2.damaged.2"));
    EXPECT_EQ(shr::ReadWholeFile(aside), firstDamage);
    EXPECT_EQ(shr::ReadWholeFile(m_scratch / "favorites.qrf2.damaged.2"), "not even JSON");
}
