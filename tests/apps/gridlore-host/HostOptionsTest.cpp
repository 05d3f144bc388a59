#include "HostOptions.h"

#include "ArgumentError.h"

#include <gmock/gmock.h>

using ::testing::HasSubstr;

using gridhost::ArgumentError;
using gridhost::HostOptions;
using gridhost::ParseHostOptions;

TEST(HostOptions, options_take_their_value_joined_or_apart_and_everything_else_is_a_system) {
    HostOptions const apart =
        ParseHostOptions({"4326", "--current", "EPSG:2154", "site.prj", "--tour", "shots"});
    EXPECT_EQ(apart.systems, (std::vector<std::string>{"4326", "site.prj"}));
    EXPECT_EQ(apart.current, "EPSG:2154");
    EXPECT_EQ(apart.tourFolder, std::filesystem::path("shots"));
    EXPECT_FALSE(apart.help);

    HostOptions const joined = ParseHostOptions({"--current=EPSG:2154", "--tour=shots"});
    EXPECT_EQ(joined.current, "EPSG:2154");
    EXPECT_EQ(joined.tourFolder, std::filesystem::path("shots"));
    EXPECT_TRUE(joined.systems.empty());

    HostOptions const ended = ParseHostOptions({"--", "--odd-name.prj", "-"});
    EXPECT_EQ(ended.systems, (std::vector<std::string>{"--odd-name.prj", "-"}));
    EXPECT_FALSE(ended.current.has_value());
    EXPECT_FALSE(ended.tourFolder.has_value());

    EXPECT_EQ(ParseHostOptions({"--worksheet", "points.csv"}).worksheet,
              std::filesystem::path("points.csv"));
    EXPECT_FALSE(ended.worksheet.has_value());

    HostOptions const reading =
        ParseHostOptions({"--separator", "semicolon", "--decimal-mark=comma", "--header", "no"});
    EXPECT_EQ(reading.worksheetReading.Over({',', '.', true}),
              (gridhost::CsvDialect{';', ',', false}));
    EXPECT_EQ(ended.worksheetReading.Over({'\t', ',', true}),
              (gridhost::CsvDialect{'\t', ',', true}))
        << "what is not chosen is guessed";

    EXPECT_TRUE(ParseHostOptions({"EPSG:4326", "--help"}).help);
    EXPECT_TRUE(ParseHostOptions({"-h"}).help);
}

TEST(HostOptions, unknown_options_missing_values_and_repeats_are_refused_naming_the_option) {
    struct Case {
        std::vector<std::string> arguments;
        std::string named;
    };
    for (Case const& bad : std::vector<Case>{{{"--frobnicate"}, "--frobnicate"},
                                             {{"4326", "--current"}, "--current"},
                                             {{"--tour"}, "--tour"},
                                             {{"--tour="}, "--tour"},
                                             {{"--help=yes"}, "--help=yes"},
                                             {{"--current", "1", "--current=2"}, "--current"},
                                             {{"--tour", "a", "--tour", "b"}, "--tour"},
                                             {{"--worksheet="}, "--worksheet"},
                                             {{"--worksheet", "a", "--worksheet=b"}, "--worksheet"},
                                             {{"--separator", "pipe"}, "--separator 'pipe'"},
                                             {{"--decimal-mark"}, "--decimal-mark"},
                                             {{"--header=maybe"}, "--header 'maybe'"}}) {
        EXPECT_THAT([&] { (void)ParseHostOptions(bad.arguments); },
                    testing::ThrowsMessage<ArgumentError>(HasSubstr(bad.named)))
            << ::testing::PrintToString(bad.arguments);
    }
}
