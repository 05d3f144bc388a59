#include "HostDocument.h"

#include "ArgumentError.h"
#include "kor/EpsgCodes.h"
#include "kor/KORException.h"
#include "korfile/ReadDefinition.h"
#include "shr/StringUtil.h"
#include "shr/Utf8.h"

namespace gridhost {

HostDocument::HostDocument(std::vector<std::string> const& inUse,
                           std::optional<std::string> const& current) {
    for (std::string const& argument : inUse.empty() ? DefaultSystems() : inUse) {
        m_inUse.push_back(ReadSystem(argument));
    }
    SetCurrent(current ? ReadSystem(*current) : m_inUse.at(0));
}

void HostDocument::SetCurrent(Gridlore::CoordinateSystem const& system) {
    m_current = system;
    if (m_inUse.Find(system, false) != nullptr) {
        return;
    }
    Gridlore::CoordinateSystemCollection reordered;
    reordered.push_back(system);
    for (Gridlore::CoordinateSystem const& used : m_inUse) {
        reordered.push_back(used);
    }
    m_inUse = std::move(reordered);
}

void HostDocument::Use(Gridlore::CoordinateSystem const& system) {
    if (m_inUse.Find(system, false) == nullptr) {
        m_inUse.push_back(system);
    }
}

Gridlore::CoordinateSystem HostDocument::ReadSystem(std::string const& argument) {
    if (shr::Trim(shr::FromUtf8(argument)).empty()) {
        throw ArgumentError("an empty system was given");
    }
    try {
        return Gridlore::CoordinateSystem(*korfile::ReadDefinition(argument));
    } catch (kor::KORException const& failure) {
        throw ArgumentError(shr::ToUtf8(failure.Message()));
    }
}

std::vector<std::string> const& HostDocument::DefaultSystems() {
    static std::vector<std::string> const systems = [] {
        std::vector<std::string> texts;
        for (int const code : {kor::EPSG_4326, kor::EPSG_32633, kor::EPSG_3857}) {
            texts.push_back(shr::ToUtf8(kor::EpsgDefinition(code)));
        }
        return texts;
    }();
    return systems;
}

} // namespace gridhost
