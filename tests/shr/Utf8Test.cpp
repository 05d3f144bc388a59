#include "shr/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Utf8, round_trips_every_plane) {
    std::wstring const text = L"a\u00e9\u20ac\U0001F30D Zürich";
    EXPECT_EQ(shr::ToUtf8(L"\u00e9"), "\xC3\xA9");
    EXPECT_EQ(shr::ToUtf8(L"\U0001F30D"), "\xF0\x9F\x8C\x8D");
    EXPECT_EQ(shr::FromUtf8(shr::ToUtf8(text)), text);
    // Long ASCII runs, read eight bytes at a time, around and between other characters.
    std::wstring const name =
        L"R\u00e9seau G\u00e9od\u00e9sique / Lambert-93 \U0001F30D [EPSG:2154]";
    EXPECT_EQ(shr::FromUtf8(shr::ToUtf8(name)), name);
    EXPECT_TRUE(shr::IsValidUtf8(shr::ToUtf8(text)));
}

TEST(Utf8, malformed_input_is_replaced_not_rejected) {
    EXPECT_EQ(shr::FromUtf8("a\xFF"
                            "b"),
              L"a\uFFFDb");
    EXPECT_EQ(shr::FromUtf8("abcdefghi\xFFjklmnopqrs"), L"abcdefghi\uFFFDjklmnopqrs");
    EXPECT_EQ(shr::FromUtf8("\xC3"), L"\uFFFD");                     // truncated sequence
    EXPECT_EQ(shr::FromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");           // overlong form
    EXPECT_EQ(shr::FromUtf8("\xED\xA0\x80"), L"\uFFFD\uFFFD\uFFFD"); // surrogate
    EXPECT_FALSE(shr::IsValidUtf8("\xE2\x82"));
    EXPECT_TRUE(shr::IsValidUtf8(""));
}

TEST(Utf8, counted_and_scratch_decoding_agree_with_decoding) {
    // A scratch that held a longer text must give exactly the shorter one, and the count
    // must be what decoding makes, malformed sequences and eight-byte runs alike; a text is
    // ASCII exactly when it decodes to nothing else, wherever its first other byte lies.
    std::wstring scratch = L"a much longer text left from before";
    for (std::string_view const bytes :
         {"R\xC3\xA9seau G\xC3\xA9od\xC3\xA9sique / Lambert-93 [EPSG:2154]",
          "abcdefghi\xFFjklmnopqrs", "\xED\xA0\x80", "\U0001F30D 12\u00b0E", "\xC3", "EPSG:4326",
          "WGS 84 / UTM zone 33N", "WGS 84 \xC3\xA9", ""}) {
        std::wstring const decoded = shr::FromUtf8(bytes);
        EXPECT_EQ(shr::FromUtf8(bytes, scratch), decoded) << bytes;
        EXPECT_EQ(shr::DecodedLength(bytes), decoded.size()) << bytes;
        EXPECT_EQ(shr::IsAscii(bytes),
                  std::ranges::all_of(decoded, [](wchar_t ch) { return ch < 0x80; }))
            << bytes;
    }
}
