#include "SystemCategories.h"
#include "shr/Utf8.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>
#include <vector>

namespace kor {

namespace {

/// A continent for the centre of an area of use. The boxes are rough on purpose: they
/// only have to put each system where a user would look for it first.
std::wstring Region(CategoryInput const& system) {
    if (!system.hasBounds) {
        return L"Other";
    }
    double width = system.east - system.west;
    if (width < 0) {
        width += 360.0;
    }
    if (width >= 300.0 && system.north - system.south >= 120.0) {
        return L"World";
    }
    double longitude = system.west + width / 2.0;
    if (longitude > 180.0) {
        longitude -= 360.0;
    }
    double const latitude = (system.south + system.north) / 2.0;
    if (latitude < -60.0) {
        return L"Antarctica";
    }
    // The Near East and the Maghreb reach north of the Mediterranean's southern shore.
    if (longitude >= 34.0 && longitude <= 60.0 && latitude >= 12.0 && latitude < 42.0) {
        return L"Asia";
    }
    if (longitude >= -25.0 && longitude <= 45.0 &&
        (latitude >= 37.5 || (longitude >= 12.0 && latitude >= 34.0))) {
        return L"Europe";
    }
    if (longitude >= -25.0 && longitude <= 60.0 && latitude >= -40.0 && latitude < 38.0) {
        return longitude > 35.0 && latitude > 12.0 ? L"Asia" : L"Africa";
    }
    if (longitude >= -170.0 && longitude <= -50.0 && latitude >= 12.0) {
        return L"North America";
    }
    if (longitude >= -95.0 && longitude <= -30.0 && latitude < 12.0) {
        return L"South America";
    }
    if (longitude > 45.0 && longitude <= 150.0 && latitude >= -10.0) {
        return L"Asia";
    }
    if (longitude > 100.0 || longitude < -120.0 || (longitude > 90.0 && latitude < -10.0)) {
        return L"Oceania";
    }
    return L"Other";
}

/// The country or region an area of use names first, without the sentence around it:
/// "USA - Texas - SPCS - C" is USA, "Austria west of 11°50'E of Greenwich." is Austria,
/// "Korea, Republic of (South Korea)" is Korea, "World between 80°S and 84°N." is World.
std::wstring Country(std::wstring const& areaName) {
    std::wstring_view country(areaName);
    country = country.substr(0, country.find(L" - "));
    static wchar_t const* const ends[] = {
        L";",           L",",          L" (",          L" and ",    L" between ", L" east of ",
        L" west of ",   L" north of ", L" south of ",  L" onshore", L" offshore", L" mainland",
        L" including ", L" centred ",  L" excluding ", L". "};
    for (wchar_t const* end : ends) {
        country = country.substr(0, country.find(end));
    }
    while (!country.empty() && (country.back() == L'.' || country.back() == L' ')) {
        country.remove_suffix(1);
    }
    return country.empty() ? L"Other" : std::wstring(country.substr(0, MaxFolderName));
}

/// "NAD83(HARN) / Texas Central" is based on NAD83(HARN).
std::wstring Base(std::wstring const& name) {
    auto const slash = name.find(L" / ");
    return slash == std::wstring::npos ? L"Other" : name.substr(0, slash);
}

bool IsUTM(std::wstring const& name) {
    return name.find(L" / UTM zone ") != std::wstring::npos;
}

/// Folder names must not hold the path separator.
std::wstring Clean(std::wstring text) {
    for (auto& ch : text) {
        if (ch == L'|') {
            ch = L'/';
        }
    }
    return text;
}

/// The first letter of what follows the base: "NAD83(2011) / Texas Central" gives T.
wchar_t Initial(std::wstring const& name) {
    auto const slash = name.find(L" / ");
    std::size_t const start = slash == std::wstring::npos ? 0 : slash + 3;
    return start < name.size() ? name[start] : L'?';
}

/// For a base that still holds too many systems, a folder per run of initials, each
/// with at most MaxFolderSize systems: "NAD83(2011) (A-M)".
std::map<wchar_t, std::wstring> InitialRanges(std::map<wchar_t, std::size_t> const& counts,
                                              std::wstring const& base) {
    std::map<wchar_t, std::wstring> ranges;
    std::vector<wchar_t> run;
    std::size_t size = 0;
    auto const close = [&] {
        if (run.empty()) {
            return;
        }
        std::wstring const label = base + L" (" + std::wstring(1, run.front()) +
                                   (run.size() > 1 ? L"-" + std::wstring(1, run.back()) : L"") +
                                   L")";
        for (wchar_t initial : run) {
            ranges[initial] = label;
        }
        run.clear();
        size = 0;
    };
    for (auto const& [initial, count] : counts) {
        if (size + count > MaxFolderSize) {
            close();
        }
        run.push_back(initial);
        size += count;
    }
    close();
    return ranges;
}

/// The region that holds most of a country's systems, so that each country is one
/// folder even when some of its systems lie overseas.
std::map<std::wstring, std::wstring> CountryRegions(std::vector<CategoryInput> const& systems,
                                                    std::vector<std::wstring> const& countries) {
    std::map<std::wstring, std::map<std::wstring, std::size_t>> votes;
    for (std::size_t i = 0; i < systems.size(); ++i) {
        if (!countries[i].empty()) {
            ++votes[countries[i]][Region(systems[i])];
        }
    }
    std::map<std::wstring, std::wstring> regions;
    for (auto const& [country, counts] : votes) {
        regions[country] =
            std::max_element(counts.begin(), counts.end(), [](auto const& a, auto const& b) {
                return a.second < b.second;
            })->first;
    }
    return regions;
}

} // namespace

std::vector<std::string> CategorizedNames(std::vector<CategoryInput> const& systems) {
    // Filing reads names character by character ("Initial"), so it works on them decoded;
    // it runs only when the registry is read, not at a start from the cache.
    std::vector<std::wstring> wideNames;
    wideNames.reserve(systems.size());
    for (CategoryInput const& system : systems) {
        wideNames.push_back(shr::FromUtf8(system.name));
    }
    // Filed by country: the projected systems other than UTM; empty for the others.
    std::vector<std::wstring> countries(systems.size());
    std::map<std::wstring, std::size_t> countrySizes;
    for (std::size_t i = 0; i < systems.size(); ++i) {
        if (systems[i].projected && !IsUTM(wideNames[i])) {
            countries[i] = Country(shr::FromUtf8(systems[i].areaName));
            ++countrySizes[countries[i]];
        }
    }
    auto const countryRegions = CountryRegions(systems, countries);
    // Within an oversized country, bases that are still too large are cut by initials.
    std::map<std::wstring, std::map<wchar_t, std::size_t>> baseInitials;
    for (std::size_t i = 0; i < systems.size(); ++i) {
        if (!countries[i].empty() && countrySizes[countries[i]] > MaxFolderSize) {
            ++baseInitials[countries[i] + L"|" + Base(wideNames[i])][Initial(wideNames[i])];
        }
    }
    std::map<std::wstring, std::map<wchar_t, std::wstring>> baseRanges;
    for (auto const& [key, initials] : baseInitials) {
        std::size_t total = 0;
        for (auto const& entry : initials) {
            total += entry.second;
        }
        if (total > MaxFolderSize) {
            baseRanges[key] = InitialRanges(initials, Clean(key.substr(key.find(L'|') + 1)));
        }
    }
    std::vector<std::string> names;
    names.reserve(systems.size());
    for (std::size_t i = 0; i < systems.size(); ++i) {
        CategoryInput const& system = systems[i];
        std::wstring const& name = wideNames[i];
        std::wstring path;
        if (!system.projected) {
            path = L"Geographic|" + Region(system);
        } else if (IsUTM(name)) {
            path = L"Projected|UTM|" + Clean(Base(name));
        } else {
            std::wstring const& country = countries[i];
            std::wstring const& region = countryRegions.at(country);
            // A region that is its own country ("World", "Antarctica") is one folder.
            path = L"Projected|" + region + (region == country ? L"" : L"|" + Clean(country));
            if (countrySizes[country] > MaxFolderSize) {
                auto const ranges = baseRanges.find(country + L"|" + Base(name));
                path += L"|" + (ranges == baseRanges.end() ? Clean(Base(name))
                                                           : ranges->second.at(Initial(name)));
            }
        }
        names.push_back(shr::ToUtf8(path + L"|" + Clean(name) + L" [EPSG:" +
                                    std::to_wstring(system.code) + L"]"));
    }
    return names;
}

} // namespace kor
