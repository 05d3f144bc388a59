#include "ProjRegistry.h"

#include "kor/KORException.h"

#include "shr/Utf8.h"

#include <proj/util.hpp>

namespace kor {

namespace io = osgeo::proj::io;

ProjRegistry& ProjRegistry::Instance() {
    // Never destroyed: closing the database and freeing PROJ's caches at exit only adds to
    // the end of every process that used it.
    static auto* const registry = new ProjRegistry;
    return *registry;
}

void ProjRegistry::Open() {
    if (m_context) {
        return;
    }
    try {
        auto context = io::DatabaseContext::create();
        m_epsg = io::AuthorityFactory::create(context, "EPSG").as_nullable();
        m_context = context.as_nullable();
    } catch (std::exception const& error) {
        throw KORException(L"The EPSG registry (PROJ's database) cannot be opened: " +
                           shr::FromUtf8(error.what()));
    }
}

io::DatabaseContextNNPtr ProjRegistry::Context() {
    Open();
    return NN_NO_CHECK(m_context);
}

io::AuthorityFactoryNNPtr ProjRegistry::Epsg() {
    Open();
    return NN_NO_CHECK(m_epsg);
}

std::string ProjRegistry::DatabasePath() {
    return Context()->getPath();
}

} // namespace kor
