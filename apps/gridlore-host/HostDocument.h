// gridhost::HostDocument: the host's document: the systems it uses and its current one.
#pragma once

#include "gridlore/CoordinateSystem.h"
#include "gridlore/CoordinateSystemCollection.h"

#include <optional>
#include <string>
#include <vector>

namespace gridhost {

class HostDocument {
public:
    /// Reads every system of `inUse` (the defaults when empty) and `current` (when
    /// absent, the first system in use). The current system is always in use; it is
    /// put first when `inUse` does not hold it. Throws ArgumentError naming the first
    /// argument that cannot be read.
    HostDocument(std::vector<std::string> const& inUse, std::optional<std::string> const& current);

    Gridlore::CoordinateSystem const& Current() const { return m_current; }
    Gridlore::CoordinateSystemCollection const& InUse() const { return m_inUse; }
    /// Makes `system` current; the document uses it from then on.
    void SetCurrent(Gridlore::CoordinateSystem const& system);
    /// Adds `system` after the systems in use, unless the document uses it already.
    void Use(Gridlore::CoordinateSystem const& system);

    /// The system an argument names: digits are an EPSG code; an existing file is read
    /// in the format its content shows, else the one its name suggests; other text is
    /// a definition the model reads ("EPSG:32633", WKT, a PROJ string). Throws
    /// ArgumentError naming the argument.
    static Gridlore::CoordinateSystem ReadSystem(std::string const& argument);
    /// What a document uses when the command line names no system.
    static std::vector<std::string> const& DefaultSystems();

private:
    Gridlore::CoordinateSystem m_current;
    Gridlore::CoordinateSystemCollection m_inUse;
};

} // namespace gridhost
