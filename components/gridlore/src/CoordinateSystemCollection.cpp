#include "gridlore/CoordinateSystemCollection.h"

#include "korfile/ReferenceFile.h"
#include "shr/Utf8.h"

namespace Gridlore {

namespace {

bool SameSystem(CoordinateSystem const& a, CoordinateSystem const& b, bool matchName) {
    if (a.IsEmpty() || b.IsEmpty()) {
        return a.IsEmpty() && b.IsEmpty();
    }
    return a.GetCSDef()->Compare(*b.GetCSDef(), !matchName);
}

} // namespace

CoordinateSystem const* CoordinateSystemCollection::Find(CoordinateSystem const& system,
                                                         bool matchName) const {
    int const position = FindIndex(system, matchName);
    return position < 0 ? nullptr : &m_systems[static_cast<std::size_t>(position)];
}

int CoordinateSystemCollection::FindIndex(CoordinateSystem const& system, bool matchName) const {
    for (std::size_t position = 0; position < m_systems.size(); ++position) {
        if (SameSystem(m_systems[position], system, matchName)) {
            return static_cast<int>(position);
        }
    }
    return -1;
}

void CoordinateSystemCollection::Save(std::wstring const& path) const {
    korfile::WriteCollectionFile(Definitions(), std::filesystem::path(shr::ToUtf8(path)));
}

CoordinateSystemCollection CoordinateSystemCollection::Load(std::wstring const& path) {
    CoordinateSystemCollection systems;
    for (auto const& definition :
         korfile::ReadCollectionFile(std::filesystem::path(shr::ToUtf8(path)))) {
        systems.push_back(CoordinateSystem(*definition));
    }
    return systems;
}

std::vector<kor::CSDef const*> CoordinateSystemCollection::Definitions() const {
    std::vector<kor::CSDef const*> definitions;
    for (CoordinateSystem const& system : m_systems) {
        if (system.GetCSDef() != nullptr) {
            definitions.push_back(system.GetCSDef());
        }
    }
    return definitions;
}

} // namespace Gridlore
