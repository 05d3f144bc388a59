// Gridlore::CoordinateSystemCollection: an ordered list of coordinate systems.
#pragma once

#include "gridlore/CoordinateSystem.h"
#include "gridlore/Export.h"

#include <cstddef>
#include <string>
#include <vector>

namespace Gridlore {

class GRIDLORE_EXPORT CoordinateSystemCollection {
public:
    using value_type = CoordinateSystem;
    using iterator = std::vector<CoordinateSystem>::iterator;
    using const_iterator = std::vector<CoordinateSystem>::const_iterator;

    CoordinateSystemCollection() = default;
    CoordinateSystemCollection(CoordinateSystemCollection const&) = default;
    CoordinateSystemCollection(CoordinateSystemCollection&&) noexcept = default;
    CoordinateSystemCollection& operator=(CoordinateSystemCollection const&) = default;
    CoordinateSystemCollection& operator=(CoordinateSystemCollection&&) noexcept = default;
    virtual ~CoordinateSystemCollection() = default;

    iterator begin() { return m_systems.begin(); }
    iterator end() { return m_systems.end(); }
    const_iterator begin() const { return m_systems.begin(); }
    const_iterator end() const { return m_systems.end(); }
    std::size_t size() const { return m_systems.size(); }
    bool empty() const { return m_systems.empty(); }
    /// Throws std::out_of_range beyond the end.
    CoordinateSystem& at(std::size_t position) { return m_systems.at(position); }
    CoordinateSystem const& at(std::size_t position) const { return m_systems.at(position); }
    iterator erase(const_iterator position) { return m_systems.erase(position); }
    void push_back(CoordinateSystem const& system) { m_systems.push_back(system); }
    void push_back(CoordinateSystem&& system) { m_systems.push_back(std::move(system)); }
    void clear() { m_systems.clear(); }

    /// The first system that defines the same system as `system`: the definitions must
    /// Compare equal in their parameters, and with `matchName` their full names must be
    /// equal too. Empty systems match only empty systems. Null when there is none.
    CoordinateSystem const* Find(CoordinateSystem const& system, bool matchName) const;
    /// The position of that system, or -1.
    int FindIndex(CoordinateSystem const& system, bool matchName) const;

    /// Writes the whole collection to `path` as a collection file, replacing the file
    /// atomically; throws kor::KORException on failure.
    void Save(std::wstring const& path) const;
    /// The systems of the collection file `path`, in order; none for a missing file.
    /// Throws kor::KORException for a damaged file and leaves it untouched.
    static CoordinateSystemCollection Load(std::wstring const& path);
    /// The definitions of the systems that have one, in order, as a file holds them.
    std::vector<kor::CSDef const*> Definitions() const;

private:
    std::vector<CoordinateSystem> m_systems;
};

} // namespace Gridlore
