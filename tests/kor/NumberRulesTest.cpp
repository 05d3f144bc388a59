#include "NumberRules.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace {

/// What std::from_chars reads of the whole text, as ParseDouble must.
std::optional<double> FromChars(std::string_view text) {
    double value = 0.0;
    auto const [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

void ExpectReadAsFromChars(std::string_view text) {
    SCOPED_TRACE(std::string(text));
    double value = 0.0;
    bool const read = kor::ParseDouble(text, value);
    auto const expected = FromChars(text);
    ASSERT_EQ(read, expected.has_value());
    if (read && !std::isnan(*expected)) {
        // Bit for bit: the cache promises to give back the very bounds it was given.
        EXPECT_EQ(std::bit_cast<std::uint64_t>(value), std::bit_cast<std::uint64_t>(*expected))
            << value << " " << *expected;
    }
}

} // namespace

TEST(NumberRules, a_double_is_read_to_the_bit_as_from_chars_reads_it) {
    for (std::string_view text : {"0",
                                  "-0",
                                  "12",
                                  "-180",
                                  "84.33333333333333",
                                  "0.1",
                                  "123456789012345",
                                  "1234567890123456",
                                  "0.000000000000001",
                                  "9.999999999999999",
                                  "00012.50",
                                  "-0.5",
                                  "1e5",
                                  "1.5e-7",
                                  "inf",
                                  "nan",
                                  "",
                                  "-",
                                  ".",
                                  ".5",
                                  "5.",
                                  "1.2.3",
                                  "+1",
                                  "12a",
                                  " 1",
                                  "1 ",
                                  "0x10",
                                  "--1"}) {
        ExpectReadAsFromChars(text);
    }
    // The shortest forms of bounds of every size, as the cache writes them.
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> degrees(-180.0, 180.0);
    std::array<char, 32> text{};
    for (int i = 0; i < 20000; ++i) {
        double const value = i % 2 == 0 ? degrees(random)
                                        : std::round(degrees(random) * 1e4) / std::pow(10.0, i % 7);
        auto const end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
        ExpectReadAsFromChars({text.data(), static_cast<std::size_t>(end - text.data())});
    }
}
