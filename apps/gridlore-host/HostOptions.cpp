#include "HostOptions.h"

#include "ArgumentError.h"
#include "HostDocument.h"
#include "kor/EpsgCodes.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

namespace gridhost {
namespace {

/// Splits "--name=value" so that options read the same with "=" or a separate value.
struct Option {
    std::string name;
    std::optional<std::string> inlineValue;
};

// An argument as quoted in a message: its beginning when it is long.
std::string Echo(std::string const& argument) {
    return shr::ToUtf8(shr::Abbreviated(shr::FromUtf8(argument)));
}

Option SplitOption(std::string const& argument) {
    std::size_t const equals = argument.find('=');
    if (equals == std::string::npos) {
        return {argument, std::nullopt};
    }
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

// "a, b and c", as a sentence lists things.
std::string InWords(std::vector<std::string> const& items) {
    std::string words;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            words += i + 1 == items.size() ? " and " : ", ";
        }
        words += items[i];
    }
    return words;
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
        } else if (option.name == "--separator") {
            std::string const name = value();
            options.worksheetReading.separator = SeparatorNamed(name);
            if (!options.worksheetReading.separator) {
                throw ArgumentError("--separator '" + Echo(name) +
                                    "': use comma, semicolon or tab");
            }
        } else if (option.name == "--decimal-mark") {
            std::string const name = value();
            options.worksheetReading.decimalMark = DecimalMarkNamed(name);
            if (!options.worksheetReading.decimalMark) {
                throw ArgumentError("--decimal-mark '" + Echo(name) + "': use point or comma");
            }
        } else if (option.name == "--header") {
            std::string const answer = value();
            if (answer != "yes" && answer != "no") {
                throw ArgumentError("--header '" + Echo(answer) + "': use yes or no");
            }
            options.worksheetReading.header = answer == "yes";
        } else {
            throw ArgumentError("unknown option '" + Echo(argument) + "'");
        }
    }
    return options;
}

std::string UsageText() {
    return "usage: gridlore-host [--current SYSTEM] [--worksheet FILE] [--separator S]\n"
           "       [--decimal-mark M] [--header yes|no] [--tour FOLDER] [SYSTEM...]\n"
           "A sample mapping application whose document uses the SYSTEMs and has one current\n"
           "system. A SYSTEM is an EPSG code (" +
           std::to_string(kor::EPSG_4326) + ", " +
           shr::ToUtf8(kor::EpsgDefinition(kor::EPSG_32633)) +
           ") or a reference file (.qrf2,\n"
           ".qrf, .prj, .wkt, .aux.xml).\nWithout SYSTEMs the document uses " +
           InWords(HostDocument::DefaultSystems()) +
           ".\n"
           "  --current SYSTEM   the current system (default: the first SYSTEM); it is in use too\n"
           "  --tour FOLDER      play a short scripted session in the browser, save a screenshot\n"
           "                     of each step into FOLDER, print the chosen system and exit\n"
           "  --worksheet FILE   the CSV worksheet to show and convert (default: a bundled\n"
           "                     sample of survey points in WGS 84)\n"
           "  --separator S      read the worksheet's cells as parted by S: comma, semicolon\n"
           "                     or tab (default: what the file shows)\n"
           "  --decimal-mark M   read and write its numbers with M: point or comma (default:\n"
           "                     what the file shows)\n"
           "  --header yes|no    whether its first row names the columns (default: no when\n"
           "                     that row holds numbers where the rows below do)\n"
           "  --help             this text\n"
           "The favourites (favorites.qrf2) and the search history (settings.ini) are kept in\n"
           "$XDG_CONFIG_HOME/gridlore-host, else ~/.config/gridlore-host.\n"
           "exit codes: 0 success, 1 failure while running (no display, a failed tour),\n"
           "2 bad arguments\n";
}

} // namespace gridhost
