#include "RegistrySystemParts.h"

#include "ProjConversion.h"
#include "ProjRegistry.h"

#include "kor/EpsgCodes.h"
#include "kor/KORDef.h"
#include "kor/KORException.h"

#include "shr/Exception.h"
#include "shr/Logger.h"

#include <proj/crs.hpp>
#include <proj/io.hpp>

#include <string>

namespace kor {

DatumDef const* RegistrySystemParts::Datum() const {
    Read();
    return m_datum ? &*m_datum : nullptr;
}

ProjectionDef const* RegistrySystemParts::Projection() const {
    Read();
    return m_projection ? &*m_projection : nullptr;
}

void RegistrySystemParts::Read() const {
    std::call_once(m_read, [this] {
        try {
            auto const system = ProjRegistry::Instance().Epsg()->createCoordinateReferenceSystem(
                std::to_string(m_code));
            auto const definition = ProjConversion::FromProj(system, true);
            auto const& referenced = dynamic_cast<KORDef const&>(*definition);
            if (auto const* datum = referenced.GetDatum()) {
                m_datum = *datum;
            }
            if (auto const* projection = referenced.GetProjection()) {
                m_projection = *projection;
            }
        } catch (std::exception const& error) {
            // Listed systems are those the registry builds; one that no longer does is
            // reported, and its definition says what is missing when it is checked.
            shr::ProcessLogger.Send(shr::LogError, L"%ls cannot be read from the registry: %ls",
                                    EpsgDefinition(m_code).c_str(),
                                    shr::UserMessage(error).c_str());
        }
    });
}

} // namespace kor
