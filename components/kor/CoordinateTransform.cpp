#include "kor/CoordinateTransform.h"

#include "ProjConversion.h"
#include "kor/KORDef.h"
#include "kor/KORException.h"
#include "shr/Utf8.h"

#include <proj.h>
#include <proj/io.hpp>

#include <cmath>
#include <string>
#include <vector>

namespace kor {

namespace {

using namespace osgeo::proj;

// A system's area of use in degrees; west may exceed east across the antimeridian.
struct Area {
    double west;
    double south;
    double east;
    double north;

    bool Contains(double longitude, double latitude) const {
        if (latitude < south || latitude > north) {
            return false;
        }
        return west <= east ? longitude >= west && longitude <= east
                            : longitude >= west || longitude <= east;
    }
};

std::wstring LastError(PJ_CONTEXT* context) {
    char const* text = proj_context_errno_string(context, proj_context_errno(context));
    return text != nullptr ? shr::FromUtf8(text) : std::wstring(L"unknown reason");
}

} // namespace

struct CoordinateTransform::Impl {
    PJ_CONTEXT* context = proj_context_create();
    PJ* forward = nullptr;
    // Source to longitude and latitude, for testing the areas; null when there are none.
    PJ* toLonLat = nullptr;
    std::vector<Area> areas;
    bool targetInDegrees = false;

    Impl() = default;
    Impl(Impl const&) = delete;
    Impl& operator=(Impl const&) = delete;
    ~Impl() {
        proj_destroy(toLonLat);
        proj_destroy(forward);
        proj_context_destroy(context);
    }

    // The system as PROJ's C interface holds it; the caller destroys it.
    PJ* Create(CSDef const& definition) const {
        std::string wkt;
        try {
            crs::CRSNNPtr const crs = ProjConversion::ToProj(definition, true);
            wkt = crs->exportToWKT(
                io::WKTFormatter::create(io::WKTFormatter::Convention::WKT2_2019).get());
        } catch (KORException const&) {
            throw;
        } catch (std::exception const& error) {
            throw KORException(L"The coordinate system '" + definition.GetName() +
                               L"' cannot be converted: " + shr::FromUtf8(error.what()));
        }
        PJ* created = proj_create(context, wkt.c_str());
        if (created == nullptr) {
            throw KORException(L"The coordinate system '" + definition.GetName() +
                               L"' cannot be converted: " + LastError(context));
        }
        return created;
    }

    // People's axis order: longitude first, easting first.
    PJ* Operation(PJ* source, PJ* target, std::wstring const& what) const {
        PJ* raw = proj_create_crs_to_crs_from_pj(context, source, target, nullptr, nullptr);
        PJ* normalized = raw != nullptr ? proj_normalize_for_visualization(context, raw) : nullptr;
        proj_destroy(raw);
        if (normalized == nullptr) {
            throw KORException(L"No conversion " + what + L": " + LastError(context));
        }
        return normalized;
    }

    // A system with a datum shift is bound to its hub; what counts is the system itself.
    bool IsGeographic(PJ* crs) const {
        if (proj_get_type(crs) != PJ_TYPE_BOUND_CRS) {
            PJ_TYPE const kind = proj_get_type(crs);
            return kind == PJ_TYPE_GEOGRAPHIC_2D_CRS || kind == PJ_TYPE_GEOGRAPHIC_3D_CRS;
        }
        PJ* base = proj_get_source_crs(context, crs);
        bool const geographic = base != nullptr && IsGeographic(base);
        proj_destroy(base);
        return geographic;
    }

    // Only registry systems say where they apply.
    void AddArea(CSDef const& definition) {
        auto const* referenced = dynamic_cast<KORDef const*>(&definition);
        if (referenced == nullptr || referenced->GetPOSC() <= 0) {
            return;
        }
        std::string const code = "EPSG:" + std::to_string(referenced->GetPOSC());
        PJ* registry = proj_create(context, code.c_str());
        Area area{};
        if (registry != nullptr &&
            proj_get_area_of_use(context, registry, &area.west, &area.south, &area.east,
                                 &area.north, nullptr) != 0 &&
            area.west > -1000.0) {
            areas.push_back(area);
        }
        proj_destroy(registry);
    }
};

CoordinateTransform::CoordinateTransform(CSDef const& source, CSDef const& target)
    : m_impl(std::make_unique<Impl>()) {
    if (m_impl->context == nullptr) {
        throw KORException(L"The conversion library cannot start.");
    }
    PJ* from = m_impl->Create(source);
    PJ* to = nullptr;
    try {
        to = m_impl->Create(target);
        m_impl->targetInDegrees = m_impl->IsGeographic(to);
        m_impl->forward = m_impl->Operation(
            from, to, L"from '" + source.GetName() + L"' to '" + target.GetName() + L"'");
        m_impl->AddArea(source);
        m_impl->AddArea(target);
        if (!m_impl->areas.empty()) {
            PJ* lonLat = proj_create(m_impl->context, "EPSG:4326");
            m_impl->toLonLat = m_impl->Operation(from, lonLat, L"to longitude and latitude");
            proj_destroy(lonLat);
        }
    } catch (...) {
        proj_destroy(to);
        proj_destroy(from);
        throw;
    }
    proj_destroy(to);
    proj_destroy(from);
}

CoordinateTransform::~CoordinateTransform() = default;

bool CoordinateTransform::TargetInDegrees() const {
    return m_impl->targetInDegrees;
}

CoordinateTransform::Result CoordinateTransform::Convert(double x, double y) const {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return {};
    }
    if (m_impl->toLonLat != nullptr) {
        PJ_COORD const lonLat = proj_trans(m_impl->toLonLat, PJ_FWD, proj_coord(x, y, 0, 0));
        if (!std::isfinite(lonLat.xy.x) || !std::isfinite(lonLat.xy.y) || lonLat.xy.x == HUGE_VAL) {
            return {};
        }
        for (Area const& area : m_impl->areas) {
            if (!area.Contains(lonLat.xy.x, lonLat.xy.y)) {
                return {Status::OutsideArea, 0.0, 0.0};
            }
        }
    }
    PJ_COORD const out = proj_trans(m_impl->forward, PJ_FWD, proj_coord(x, y, 0, 0));
    if (!std::isfinite(out.xy.x) || !std::isfinite(out.xy.y) || out.xy.x == HUGE_VAL) {
        return {};
    }
    return {Status::Converted, out.xy.x, out.xy.y};
}

} // namespace kor
