// kor::ProjRegistry: the EPSG registry as PROJ opens it, shared by every PROJ-based part.
#pragma once

#include <proj/io.hpp>

#include <string>

namespace kor {

/// Opens PROJ's database on first use and keeps it open as long as it lives; the
/// shared instance lives as long as the process.
class ProjRegistry {
public:
    static ProjRegistry& Instance();
    ProjRegistry() = default;

    /// Throw KORException when PROJ's database cannot be opened.
    osgeo::proj::io::DatabaseContextNNPtr Context();
    osgeo::proj::io::AuthorityFactoryNNPtr Epsg();
    /// The path of the database file PROJ opens, for readers that query it directly and
    /// for telling one registry from another. Found without opening the database.
    std::string DatabasePath();

private:
    void Open();

    osgeo::proj::io::DatabaseContextPtr m_context;
    osgeo::proj::io::AuthorityFactoryPtr m_epsg;
};

} // namespace kor
