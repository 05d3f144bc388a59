#include "DisplayName.h"

#include "gridlore/CoordinateSystem.h"

namespace gridui {

namespace {

bool EndsWithEditedSuffix(std::wstring const& name) {
    std::wstring const& suffix = EditedSuffix();
    return name.size() >= suffix.size() &&
           name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
}

} // namespace

std::wstring const& EditedSuffix() {
    static std::wstring const suffix = L" (edited)";
    return suffix;
}

std::wstring DisplayName(std::wstring const& raw) {
    bool const edited = EndsWithEditedSuffix(raw);
    std::wstring name = edited ? raw.substr(0, raw.size() - EditedSuffix().size()) : raw;
    Gridlore::CoordinateSystem::StripAuthorityTagSuffixFromName(name);
    // Appended in place: every known name passes here at each start.
    if (edited) {
        name += EditedSuffix();
    }
    return name;
}

std::wstring EditedName(std::wstring const& leafName) {
    std::wstring name = DisplayName(leafName);
    if (!name.empty() && !EndsWithEditedSuffix(name)) {
        name += EditedSuffix();
    }
    return name;
}

} // namespace gridui
