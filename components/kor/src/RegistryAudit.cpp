#include "kor/RegistryAudit.h"

#include "ProjConversion.h"
#include "ProjRegistry.h"

#include "kor/KORException.h"

#include "shr/Utf8.h"

#include <proj/crs.hpp>
#include <proj/util.hpp>

namespace kor {

namespace io = osgeo::proj::io;
namespace util = osgeo::proj::util;

RoundTripReport AuditRegistryRoundTrip() {
    auto const factory = ProjRegistry::Instance().Epsg();
    auto const context = ProjRegistry::Instance().Context().as_nullable();
    RoundTripReport report;
    for (auto const& info : factory->getCRSInfoList()) {
        bool const projected = info.type == io::AuthorityFactory::ObjectType::PROJECTED_CRS;
        if (info.deprecated ||
            (!projected && info.type != io::AuthorityFactory::ObjectType::GEOGRAPHIC_2D_CRS)) {
            continue;
        }
        ++report.tested;
        RoundTripFailure failure{std::atoi(info.code.c_str()),
                                 shr::FromUtf8(info.name),
                                 projected ? shr::FromUtf8(info.projectionMethodName)
                                           : std::wstring(L"Geographic"),
                                 {}};
        try {
            auto const theirs = factory->createCoordinateReferenceSystem(info.code);
            // The shift to WGS 84 is left out: the registry's own object has none, and
            // it is what this trip is compared with.
            auto const ours =
                ProjConversion::ToProj(*ProjConversion::FromProj(theirs, false), false);
            if (ours->isEquivalentTo(
                    theirs.get(),
                    util::IComparable::Criterion::EQUIVALENT_EXCEPT_AXIS_ORDER_GEOGCRS, context)) {
                ++report.passed;
                continue;
            }
            failure.reason = L"not equivalent";
        } catch (KORException const& error) {
            failure.reason = error.Message();
        } catch (std::exception const& error) {
            failure.reason = shr::FromUtf8(error.what());
        }
        report.failures.push_back(std::move(failure));
    }
    return report;
}

} // namespace kor
