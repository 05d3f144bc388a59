#include "KnownNames.h"

#include "../kor/KnownFixture.h"
#include "BrowserTest.h"
#include "DisplayName.h"
#include "kor/SystemList.h"
#include "shr/StringUtil.h"

#include <gtest/gtest.h>

namespace {

using gridui::KnownNames;
using gridui::SplitCategoryPath;
using Parts = std::vector<std::wstring>;

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
            EXPECT_EQ(entry.path, SplitCategoryPath(shown));
            for (std::size_t i = 0; i < std::size(Searches); ++i) {
                EXPECT_EQ(holding[i][static_cast<std::size_t>(position)],
                          shr::Contains(shown, Searches[i], false));
            }
        }
    };
    {
        kortest::FixtureScope const small;
        check(false);
        EXPECT_EQ(KnownNames::Current().Entries().front().path,
                  SplitCategoryPath(gridui::DisplayName(kor::KORKnownSystemsList.EnumName(0))));
    }
    kortest::FixtureScope const larger(browsertest::MakeCatalogue());
    check(true);
    EXPECT_EQ(KnownNames::Current().Entries().back().path,
              (Parts{L"Site", L"Grids", L"Harbour grid"}));
}

} // namespace
