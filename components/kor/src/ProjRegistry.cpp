#include "ProjRegistry.h"

#include "kor/KORException.h"

#include "shr/StringUtil.h"
#include "shr/Utf8.h"

#include <proj.h>
#include <proj/util.hpp>

#include <filesystem>
#include <string_view>
#include <utility>

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

namespace {

/// The first proj.db on PROJ's search path, which is the one PROJ opens; empty when there
/// is none there (PROJ then finds it its own way, or fails).
std::string DatabaseOnSearchPath() {
    constexpr char Separator = ':';
    PJ_INFO const info = proj_info();
    std::string found;
    shr::ForEachPiece(info.searchpath != nullptr ? info.searchpath : "", Separator,
                      [&found](std::string_view folder) {
                          std::string candidate = std::string(folder) + "/proj.db";
                          std::error_code ignored;
                          if (std::filesystem::is_regular_file(candidate, ignored)) {
                              found = std::move(candidate);
                          }
                          return found.empty();
                      });
    return found;
}

} // namespace

std::string ProjRegistry::DatabasePath() {
    if (m_context) {
        return m_context->getPath();
    }
    // Opening the database reads its whole schema, a good part of a cold start that a
    // start from the known-systems cache never needs; the file's place costs nothing.
    if (std::string found = DatabaseOnSearchPath(); !found.empty()) {
        return found;
    }
    return Context()->getPath();
}

} // namespace kor
