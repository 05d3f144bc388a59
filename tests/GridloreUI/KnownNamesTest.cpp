#include "KnownNames.h"

#include "../kor/KnownFixture.h"
#include "BrowserTest.h"
#include "DisplayName.h"
#include "kor/SystemList.h"
#include "kor/UCSDef.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <gtest/gtest.h>

namespace {

using gridui::KnownNames;
using gridui::SplitCategoryPath;
using Parts = std::vector<std::wstring_view>;
using Path = std::vector<std::wstring>;

Path Owned(Parts const& parts) {
    return {parts.begin(), parts.end()};
}

Path PathOf(KnownNames::Entry const& entry) {
    Path path(entry.folders.begin(), entry.folders.end());
    if (!entry.leaf.empty()) {
        path.push_back(shr::FromUtf8(entry.leaf));
    }
    return path;
}

constexpr wchar_t const* Searches[] = {L"utm", L"WGS 84 /", L"ZONE 33n", L"a|", L""};

TEST(KnownNames, a_path_splits_at_each_bar_and_drops_empty_parts) {
    EXPECT_EQ(SplitCategoryPath(L"A|B|C"), (Parts{L"A", L"B", L"C"}));
    EXPECT_EQ(SplitCategoryPath(L"||A||B|"), (Parts{L"A", L"B"}));
    EXPECT_EQ(SplitCategoryPath(L"WGS 84"), (Parts{L"WGS 84"}));
    EXPECT_EQ(SplitCategoryPath(L" | "), (Parts{L" ", L" "}));
    EXPECT_EQ(SplitCategoryPath(L"|"), Parts{});
    EXPECT_EQ(SplitCategoryPath(L""), Parts{});
}

TEST(KnownNames, names_follow_the_list_installed_and_fold_as_a_search_compares) {
    auto const check = [](bool preparedAhead) {
        kor::SystemList const& known = kor::KORKnownSystemsList;
        auto const& entries = KnownNames::Current().Entries();
        // Folded before the first search, as the browser does once shown, or by it: alike.
        if (preparedAhead) {
            KnownNames::Current().PrepareSearch();
            KnownNames::Current().PrepareSearch();
        }
        std::vector<std::vector<bool>> holding;
        for (wchar_t const* search : Searches) {
            holding.push_back(KnownNames::Current().Holding(shr::FoldCase(search)));
            ASSERT_EQ(holding.back().size(), entries.size());
        }
        ASSERT_EQ(entries.size(), static_cast<std::size_t>(known.Count()));
        for (int position = known.First(); position <= known.Last(); ++position) {
            auto const& entry = entries[static_cast<std::size_t>(position)];
            std::wstring const shown = gridui::DisplayName(known.EnumName(position));
            EXPECT_EQ(entry.type, known.EnumType(position));
            EXPECT_EQ(entry.code, known.EnumPOSC(position));
            EXPECT_EQ(PathOf(entry), Owned(SplitCategoryPath(shown)));
            for (std::size_t i = 0; i < std::size(Searches); ++i) {
                EXPECT_EQ(holding[i][static_cast<std::size_t>(position)],
                          shr::Contains(shown, Searches[i], false));
            }
        }
    };
    {
        kortest::FixtureScope const small;
        check(false);
        std::wstring const first = gridui::DisplayName(kor::KORKnownSystemsList.EnumName(0));
        EXPECT_EQ(PathOf(KnownNames::Current().Entries().front()), Owned(SplitCategoryPath(first)));
    }
    kortest::FixtureScope const larger(browsertest::MakeCatalogue());
    check(true);
    EXPECT_EQ(PathOf(KnownNames::Current().Entries().back()),
              (Path{L"Site", L"Grids", L"Harbour grid"}));
}

TEST(KnownNames, a_name_marked_edited_keeps_the_marker_last_without_its_tag) {
    auto catalogue = std::make_shared<kor::FixedCatalogue>();
    for (wchar_t const* name : {L"Site|Grids|Hafen Z\u00fcrich [EPSG:990001] (edited)",
                                L"Site|Pier grid [EPSG:990002]"}) {
        kor::UCSDef local(1.0, 0.0, 0.0, nullptr);
        local.SetName(name);
        catalogue->AddSystem(local);
    }
    kortest::FixtureScope const scope(catalogue);
    auto const& entries = KnownNames::Current().Entries();
    ASSERT_EQ(entries.size(), 2U);
    EXPECT_EQ(PathOf(entries[0]), (Path{L"Site", L"Grids", L"Hafen Z\u00fcrich (edited)"}));
    EXPECT_EQ(PathOf(entries[1]), (Path{L"Site", L"Pier grid"}));
}

TEST(KnownNames, tree_order_gathers_each_folder_sorted_and_bases_count_across_folders) {
    auto catalogue = std::make_shared<kor::FixedCatalogue>();
    for (wchar_t const* name : {L"F|zone 29S", L"G|WGS 84 / b", L"F|zone 2N", L"F|same",
                                L"G|WGS 84 / a", L"F|zone 10", L"F|same", L"WGS 84 / c"}) {
        kor::UCSDef local(1.0, 0.0, 0.0, nullptr);
        local.SetName(name);
        catalogue->AddSystem(local);
    }
    kortest::FixtureScope const scope(catalogue);
    KnownNames const& names = KnownNames::Current();
    // Folders in the order they first appear; in each, numbers by value and equal names in
    // the list's order.
    EXPECT_EQ(names.InTreeOrder(), (std::vector<std::size_t>{3, 6, 2, 5, 0, 4, 1, 7}));
    // Filed alike, near in the list or not, the entries view the same folders, once.
    auto const& entries = names.Entries();
    EXPECT_EQ(entries[0].folders.data(), entries[2].folders.data());
    EXPECT_EQ(entries[1].folders.data(), entries[4].folders.data());
    EXPECT_NE(entries[0].folders.data(), entries[1].folders.data());
    EXPECT_EQ(PathOf(entries[3]), (Path{L"F", L"same"}));
    EXPECT_EQ(PathOf(entries[7]), Path{L"WGS 84 / c"});
    std::vector<std::uint32_t> sharing;
    for (std::size_t position = 0; position < names.Entries().size(); ++position) {
        sharing.push_back(names.SharingBase(position));
    }
    EXPECT_EQ(sharing, (std::vector<std::uint32_t>{1, 3, 1, 2, 3, 1, 2, 3}));
}

} // namespace
