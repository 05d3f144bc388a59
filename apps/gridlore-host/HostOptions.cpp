#include "HostOptions.h"

#include "ArgumentError.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

namespace gridhost {
namespace {

/// Splits "--name=value" so that options read the same with "=" or a separate value.
struct Option {
    std::string name;
    std::optional<std::string> inlineValue;
};

Option SplitOption(std::string const& argument) {
    std::size_t const equals = argument.find('=');
    if (equals == std::string::npos) {
        return {argument, std::nullopt};
    }
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

} // namespace

HostOptions ParseHostOptions(std::vector<std::string> const& arguments) {
    HostOptions options;
    bool optionsEnded = false;
    for (std::size_t position = 0; position < arguments.size(); ++position) {
        std::string const& argument = arguments[position];
        if (optionsEnded || !argument.starts_with('-') || argument == "-") {
            options.systems.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        Option const option = SplitOption(argument);
        auto const value = [&]() -> std::string {
            if (option.inlineValue) {
                return *option.inlineValue;
            }
            if (position + 1 == arguments.size()) {
                throw ArgumentError(option.name + " needs a value");
            }
            return arguments[++position];
        };
        // A path option is given once and names something.
        auto const onePath = [&](std::optional<std::filesystem::path>& target, char const* what) {
            if (target) {
                throw ArgumentError(option.name + " is given twice");
            }
            std::string const path = value();
            if (path.empty()) {
                throw ArgumentError(option.name + " needs " + what);
            }
            target = path;
        };
        if ((option.name == "--help" || option.name == "-h") && !option.inlineValue) {
            options.help = true;
        } else if (option.name == "--current") {
            if (options.current) {
                throw ArgumentError("--current is given twice");
            }
            options.current = value();
        } else if (option.name == "--tour") {
            onePath(options.tourFolder, "a folder");
        } else if (option.name == "--worksheet") {
            onePath(options.worksheet, "a file");
        } else {
            throw ArgumentError("unknown option '" +
                                shr::ToUtf8(shr::Abbreviated(shr::FromUtf8(argument))) + "'");
        }
    }
    return options;
}

std::string UsageText() {
    return "usage: gridlore-host [--current SYSTEM] [--worksheet FILE] [--tour FOLDER] "
           "[SYSTEM...]\n"
           "A sample mapping application whose document uses the SYSTEMs and has one current\n"
           "system. A SYSTEM is an EPSG code (4326, EPSG:32633) or a reference file (.qrf2,\n"
           ".qrf, .prj, .wkt, .aux.xml). Without SYSTEMs the document uses EPSG:4326,\n"
           "EPSG:32633 and EPSG:3857.\n"
           "  --current SYSTEM   the current system (default: the first SYSTEM); it is in use too\n"
           "  --tour FOLDER      play a short scripted session in the browser, save a screenshot\n"
           "                     of each step into FOLDER, print the chosen system and exit\n"
           "  --worksheet FILE   the CSV worksheet to show and convert (default: a bundled\n"
           "                     sample of survey points in WGS 84)\n"
           "  --help             this text\n"
           "The favourites (favorites.qrf2) and the search history (settings.ini) are kept in\n"
           "$XDG_CONFIG_HOME/gridlore-host, else ~/.config/gridlore-host.\n"
           "exit codes: 0 success, 1 failure while running (no display, a failed tour),\n"
           "2 bad arguments\n";
}

} // namespace gridhost
