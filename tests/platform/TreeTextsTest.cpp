#include "platform/TreeTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::backend::TreeTexts;

TEST(TreeTexts, every_text_reads_back_whole_whatever_its_characters_and_after_a_clear) {
    // wchar_t is signed here: a value past the signed range must not pass for a byte.
    std::wstring const beyondSigned{L'a', static_cast<wchar_t>(0x80000041), L'b'};
    std::vector<std::wstring> const texts{
        L"WGS 84 / UTM zone 33N", L"",    L"R\u00E9seau \u00FF", L"\u0100", beyondSigned,
        L"x\U0001F30Dy",          L"last"};
    TreeTexts store;
    for (int fill = 0; fill < 2; ++fill) {
        store.Clear();
        std::vector<TreeTexts::Place> places;
        places.reserve(texts.size());
        for (std::wstring const& text : texts) {
            places.push_back(store.Add(text));
        }
        std::wstring scratch;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(store.Get(places[i]), texts[i]) << i;
            EXPECT_EQ(store.View(places[i], scratch), texts[i]) << i;
        }
    }
}

} // namespace
