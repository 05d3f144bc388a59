#include "CrsCommands.h"

#include "BrowserSearch.h"
#include "CommandInput.h"
#include "TransformCommand.h"

#include "gridlore/CoordinateSystem.h"
#include "kor/Definitions.h"
#include "kor/KORDef.h"
#include "kor/KORException.h"
#include "kor/SystemList.h"
#include "korfile/FormatLosses.h"
#include "korfile/ReferenceFile.h"
#include "shr/Exception.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <cwchar>
#include <filesystem>
#include <map>
#include <ostream>

namespace crstool {
namespace {

std::map<std::string, korfile::KORFileType> const& TypesByOption() {
    static std::map<std::string, korfile::KORFileType> const types = {{"qrf2", korfile::QRF2},
                                                                      {"prj", korfile::WKT},
                                                                      {"wkt", korfile::WKT},
                                                                      {"aux", korfile::AuxXml}};
    return types;
}

std::string CategoryOf(std::wstring const& name) {
    std::size_t const bar = name.rfind(L'|');
    return bar == std::wstring::npos ? std::string() : shr::ToUtf8(name.substr(0, bar));
}

/// One line per system: its code, name, folder and, when neither name nor code says why
/// it was found, the reason.
void PrintSystem(std::ostream& out, int index, std::wstring const& note) {
    int const code = kor::KORKnownSystemsList.EnumPOSC(index);
    std::wstring const name = kor::KORKnownSystemsList.EnumName(index);
    out << (code > 0 ? "EPSG:" + std::to_string(code) : std::string("local")) << '\t'
        << shr::ToUtf8(kor::PlainLeafName(name)) << '\t' << CategoryOf(name);
    if (!note.empty()) {
        out << '\t' << shr::ToUtf8(note);
    }
    out << '\n';
}

/// The known systems the browser's search finds, best first, through the same module.
int Search(std::string const& text, std::ostream& out) {
    std::wstring const search = shr::Trim(shr::FromUtf8(text));
    if (search.empty()) {
        throw UsageError{"search needs a text"};
    }
    std::vector<gridui::SearchHit> const hits = gridui::SearchKnownSystems(search);
    if (hits.empty()) {
        // Two numbers that are no place say why, as the browser's status line does.
        gridui::TypedPlace const place = gridui::ParsePlace(search);
        throw BadInput{"'" + Echo(text) + "': " +
                       (place.kind == gridui::TypedPlace::Kind::Refused
                            ? shr::ToUtf8(place.status)
                            : std::string("no coordinate system matches"))};
    }
    for (gridui::SearchHit const& hit : hits) {
        PrintSystem(out, static_cast<int>(hit.position), gridui::MatchNote(hit.match));
    }
    return ExitSuccess;
}

int Info(std::string const& input, std::ostream& out) {
    std::wstring const description =
        Gridlore::CoordinateSystem(*LoadDefinition(input)).GetDescription();
    out << shr::ToUtf8(description);
    if (!description.ends_with(L'\n')) {
        out << '\n';
    }
    return ExitSuccess;
}

korfile::KORFileType OutputType(std::string const& path, std::string const& option) {
    if (!option.empty()) {
        auto const found = TypesByOption().find(option);
        if (found == TypesByOption().end()) {
            throw UsageError{"unknown --type '" + Echo(option) + "'; use qrf2, prj, wkt or aux"};
        }
        return found->second;
    }
    std::vector<korfile::KORFileType> const byName = korfile::FileTypesByExtension(path);
    if (byName.empty() || byName.front() == korfile::QRF) {
        throw UsageError{"'" + Echo(path) +
                         "': give --type, the name does not say which format to write"};
    }
    return byName.front();
}

/// Writes what the format can hold. A script that asks for a .prj wants the .prj other
/// programs read, so parts the format has no room for are a warning on stderr, not a
/// failure; a system the format cannot hold at all is refused before anything is written.
int Convert(std::string const& input, std::string const& output, std::string const& typeOption,
            std::ostream& err) {
    korfile::KORFileType const type = OutputType(output, typeOption);
    std::unique_ptr<kor::CSDef> const definition = LoadDefinition(input);
    korfile::FormatLosses const losses = korfile::LossesOf(*definition, type);
    if (!losses.CanHold()) {
        throw BadInput{"'" + Echo(output) + "' was not written: " + shr::ToUtf8(losses.refusal)};
    }
    for (std::wstring const& part : losses.lost) {
        err << "gridlore-crs: warning: '" << Echo(output) << "' ("
            << shr::ToUtf8(korfile::FileTypeName(type)) << ") does not keep " << shr::ToUtf8(part)
            << '\n';
    }
    try {
        korfile::WriteReferenceFile(*definition, type, output, 0.0, 0.0, true);
    } catch (kor::KORException const& error) {
        throw BadInput{shr::ToUtf8(error.Message())};
    }
    return ExitSuccess;
}

int Identify(std::string const& input, std::ostream& out) {
    std::unique_ptr<kor::CSDef> const definition = LoadDefinition(input);
    int const code = kor::IdentifyEPSGCode(*definition);
    if (code <= 0) {
        out << "none\n";
        return ExitSuccess;
    }
    out << "EPSG:" << code;
    int const index = kor::KORKnownSystemsList.FindByPOSC(code);
    if (index >= 0) {
        out << '\t' << shr::ToUtf8(kor::PlainLeafName(kor::KORKnownSystemsList.EnumName(index)));
    }
    out << '\n';
    return ExitSuccess;
}

int Dispatch(std::vector<std::string> arguments, std::ostream& out, std::ostream& err) {
    // Its options are its own, and it reads them itself.
    if (!arguments.empty() && arguments.front() == "transform") {
        return Transform({arguments.begin() + 1, arguments.end()}, out, err);
    }
    std::string typeOption;
    for (auto it = arguments.begin(); it != arguments.end();) {
        if (*it == "--type") {
            if (it + 1 == arguments.end()) {
                throw UsageError{"--type needs a value"};
            }
            typeOption = *(it + 1);
            it = arguments.erase(it, it + 2);
        } else if (it->starts_with("--type=")) {
            typeOption = it->substr(7);
            it = arguments.erase(it);
        } else {
            ++it;
        }
    }
    if (arguments.empty()) {
        throw UsageError{"no command given"};
    }
    std::string const command = arguments.front();
    std::size_t const operands = arguments.size() - 1;
    auto const expect = [&](std::size_t count) {
        if (operands != count) {
            throw UsageError{command + " takes " + std::to_string(count) + " argument" +
                             (count == 1 ? "" : "s")};
        }
        if (!typeOption.empty() && command != "convert") {
            throw UsageError{"--type goes with convert only"};
        }
    };
    if (command == "search") {
        expect(1);
        return Search(arguments[1], out);
    }
    if (command == "info") {
        expect(1);
        return Info(arguments[1], out);
    }
    if (command == "convert") {
        expect(2);
        return Convert(arguments[1], arguments[2], typeOption, err);
    }
    if (command == "identify") {
        expect(1);
        return Identify(arguments[1], out);
    }
    throw UsageError{"unknown command '" + Echo(command) + "'"};
}

} // namespace

std::string UsageText() {
    return "usage: gridlore-crs COMMAND ...\n"
           "  search TEXT                      systems whose name holds TEXT or whose code is "
           "TEXT\n"
           "  info DEFINITION|FILE             describe a system (EPSG:n, WKT, PROJ string, file)\n"
           "  convert IN OUT [--type T]        write IN as OUT; T is qrf2, prj, wkt or aux\n"
           "                                   (default: from OUT's extension); what T cannot\n"
           "                                   keep is named on stderr\n"
           "  identify FILE|DEFINITION         the equivalent EPSG system, or none\n"
           "  transform --from SYSTEM --to SYSTEM [OPTIONS] IN.csv [OUT.csv]\n"
           "                                   convert the coordinates of a CSV file, as the\n"
           "                                   host's worksheet conversion does; writes OUT.csv,\n"
           "                                   else standard output; the summary goes to stderr\n"
           "    --columns X,Y                  source columns by name or letter (A, B, ...);\n"
           "                                   default: lon/lat or x/y, else A,B\n"
           "    --into E,N                     target columns by name (added when absent) or,\n"
           "                                   in a file without a header, by letter;\n"
           "                                   default: easting/northing, else two new ones\n"
           "    --separator comma|semicolon|tab, --decimal-mark point|comma, --header yes|no\n"
           "                                   read the file so (default: as the file shows)\n"
           "    --operation NAME               the operation to use (default: the best for\n"
           "                                   the file's points; the summary names it)\n"
           "    --outside-area convert|empty   points beyond a system's area of use are\n"
           "                                   converted and flagged (default), or left empty\n"
           "exit codes: 0 success, 1 bad input or rows flagged or not converted, 2 usage\n";
}

int RunCommand(std::vector<std::string> const& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        out << UsageText();
        return ExitSuccess;
    }
    try {
        return Dispatch(arguments, out, err);
    } catch (UsageError const& error) {
        err << "gridlore-crs: " << error.message << '\n' << UsageText();
        return ExitUsage;
    } catch (BadInput const& error) {
        err << "gridlore-crs: " << error.message << '\n';
        return ExitBadInput;
    } catch (kor::KORException const& error) {
        err << "gridlore-crs: " << shr::ToUtf8(error.Message()) << '\n';
        return ExitBadInput;
    } catch (...) {
        // Whatever escaped the model is still reported on one line, never as an abort.
        err << "gridlore-crs: " << shr::ToUtf8(shr::UserMessageOfCurrentException()) << '\n';
        return ExitBadInput;
    }
}

} // namespace crstool
