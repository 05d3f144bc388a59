#include "kor/CoordinateTransform.h"

#include "AreaDistance.h"
#include "ProjConversion.h"
#include "kor/Definitions.h"
#include "kor/EpsgCodes.h"
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

std::wstring LastError(PJ_CONTEXT* context) {
    char const* text = proj_context_errno_string(context, proj_context_errno(context));
    return text != nullptr ? shr::FromUtf8(text) : std::wstring(L"unknown reason");
}

std::wstring Text(char const* text) {
    return text != nullptr ? shr::FromUtf8(text) : std::wstring();
}

bool Finite(PJ_COORD const& point) {
    return std::isfinite(point.xy.x) && std::isfinite(point.xy.y) && point.xy.x != HUGE_VAL;
}

// The registry's own system stands for the definition only while the user has not
// changed it; the conversion library then knows every operation the registry has for it.
int UnchangedRegistryCode(CSDef const& definition) {
    auto const* referenced = dynamic_cast<KORDef const*>(&definition);
    if (referenced == nullptr || referenced->GetPOSC() <= 0) {
        return 0;
    }
    try {
        std::unique_ptr<CSDef> const registry =
            CreateCSDefByDefinition(EpsgDefinition(referenced->GetPOSC()));
        return registry && registry->Compare(definition, true) ? referenced->GetPOSC() : 0;
    } catch (KORException const&) {
        return 0;
    }
}

} // namespace

struct CoordinateTransform::Impl {
    PJ_CONTEXT* context = proj_context_create();
    PJ* source = nullptr;
    PJ* target = nullptr;
    PJ* forward = nullptr;
    // Source to longitude and latitude, for the areas; null when the library has no way.
    PJ* toLonLat = nullptr;
    std::wstring sourceName;
    std::wstring targetName;
    std::vector<AreaOfUse> areas;
    std::vector<AreaBox> boxes;
    std::vector<Operation> operations;
    std::size_t used = 0;
    bool targetInDegrees = false;

    Impl() = default;
    Impl(Impl const&) = delete;
    Impl& operator=(Impl const&) = delete;
    ~Impl() {
        for (PJ* object : {toLonLat, forward, target, source}) {
            proj_destroy(object);
        }
        proj_context_destroy(context);
    }

    std::wstring Between() const { return L"from '" + sourceName + L"' to '" + targetName + L"'"; }

    // The system as PROJ's C interface holds it; the caller destroys it.
    PJ* Create(CSDef const& definition) {
        if (int const code = UnchangedRegistryCode(definition)) {
            PJ* registry = proj_create(context, shr::ToUtf8(EpsgDefinition(code)).c_str());
            if (registry != nullptr) {
                AddArea(registry, definition);
                return registry;
            }
        }
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

    // Only registry systems say where they apply.
    void AddArea(PJ* registry, CSDef const& definition) {
        AreaOfUse area;
        area.system = PlainLeafName(definition.GetName());
        char const* name = nullptr;
        if (proj_get_area_of_use(context, registry, &area.west, &area.south, &area.east,
                                 &area.north, &name) != 0 &&
            area.west > -1000.0) {
            area.name = Text(name);
            boxes.push_back({area.west, area.south, area.east, area.north});
            areas.push_back(std::move(area));
        }
    }

    // People's axis order: longitude first, easting first.
    PJ* Normalized(PJ* raw) const {
        PJ* normalized = raw != nullptr ? proj_normalize_for_visualization(context, raw) : nullptr;
        proj_destroy(raw);
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

    Operation Describe(PJ* operation) const {
        Operation described;
        described.name = Text(proj_get_name(operation));
        // A change of projection alone keeps the datum: nothing is lost.
        described.accuracy = proj_get_type(operation) == PJ_TYPE_CONVERSION
                                 ? 0.0
                                 : proj_coordoperation_get_accuracy(context, operation);
        char const* areaName = nullptr;
        double bounds[4];
        if (proj_get_area_of_use(context, operation, &bounds[0], &bounds[1], &bounds[2], &bounds[3],
                                 &areaName) != 0) {
            described.area = Text(areaName);
        }
        described.usable = proj_coordoperation_is_instantiable(context, operation) != 0;
        int const grids = proj_coordoperation_get_grid_used_count(context, operation);
        for (int grid = 0; grid < grids; ++grid) {
            char const* shortName = nullptr;
            int available = 0;
            if (proj_coordoperation_get_grid_used(context, operation, grid, &shortName, nullptr,
                                                  nullptr, nullptr, nullptr, nullptr,
                                                  &available) == 0) {
                continue;
            }
            described.grids.push_back(Text(shortName));
            if (available == 0) {
                described.missingGrids.push_back(described.grids.back());
            }
        }
        return described;
    }

    // The library's candidates for the area of interest, in its own order: the most
    // fitting for the area and the most accurate first, whether their grids are here or not.
    PJ_OBJ_LIST* Candidates(std::optional<Extent> const& extent) const {
        PJ_OPERATION_FACTORY_CONTEXT* factory =
            proj_create_operation_factory_context(context, nullptr);
        if (factory == nullptr) {
            return nullptr;
        }
        proj_operation_factory_context_set_grid_availability_use(context, factory,
                                                                 PROJ_GRID_AVAILABILITY_IGNORED);
        proj_operation_factory_context_set_spatial_criterion(
            context, factory, PROJ_SPATIAL_CRITERION_PARTIAL_INTERSECTION);
        double west = 0.0;
        double south = 0.0;
        double east = 0.0;
        double north = 0.0;
        if (extent && toLonLat != nullptr &&
            proj_trans_bounds(context, toLonLat, PJ_FWD, extent->xMin, extent->yMin, extent->xMax,
                              extent->yMax, &west, &south, &east, &north, 21) != 0) {
            proj_operation_factory_context_set_area_of_interest(context, factory, west, south, east,
                                                                north);
        }
        PJ_OBJ_LIST* list = proj_create_operations(context, source, target, factory);
        proj_operation_factory_context_destroy(factory);
        return list;
    }
};

CoordinateTransform::CoordinateTransform(CSDef const& source, CSDef const& target)
    : m_impl(std::make_unique<Impl>()) {
    Impl& impl = *m_impl;
    if (impl.context == nullptr) {
        throw KORException(L"The conversion library cannot start.");
    }
    // Failures come back to us as results and become our own messages.
    proj_log_level(impl.context, PJ_LOG_NONE);
    impl.sourceName = PlainLeafName(source.GetName());
    impl.targetName = PlainLeafName(target.GetName());
    impl.source = impl.Create(source);
    impl.target = impl.Create(target);
    impl.targetInDegrees = impl.IsGeographic(impl.target);
    PJ* lonLat = proj_create(impl.context, shr::ToUtf8(EpsgDefinition(EPSG_4326)).c_str());
    impl.toLonLat = impl.Normalized(
        proj_create_crs_to_crs_from_pj(impl.context, impl.source, lonLat, nullptr, nullptr));
    proj_destroy(lonLat);
    ChooseOperation(std::nullopt);
}

CoordinateTransform::~CoordinateTransform() = default;

bool CoordinateTransform::ChooseOperation(std::optional<Extent> const& extent,
                                          std::wstring const& preferred) {
    Impl& impl = *m_impl;
    PJ_OBJ_LIST* list = impl.Candidates(extent);
    int const count = list != nullptr ? proj_list_get_count(list) : 0;
    std::vector<Operation> operations;
    std::optional<int> best;
    std::optional<int> chosen;
    for (int index = 0; index < count; ++index) {
        PJ* operation = proj_list_get(impl.context, list, index);
        operations.push_back(impl.Describe(operation));
        proj_destroy(operation);
        if (!operations.back().usable) {
            continue;
        }
        best = best.value_or(index);
        if (!chosen && !preferred.empty() && operations.back().name == preferred) {
            chosen = index;
        }
    }
    if (!best) {
        proj_list_destroy(list);
        std::wstring reason = L"the conversion library knows no way between them";
        if (!operations.empty() && !operations.front().missingGrids.empty()) {
            reason = L"it needs the grid " + operations.front().missingGrids.front() +
                     L", which is not installed";
        } else if (list == nullptr) {
            reason = LastError(impl.context);
        }
        throw KORException(L"No conversion " + impl.Between() + L" can be made: " + reason + L".");
    }
    PJ* forward = impl.Normalized(proj_list_get(impl.context, list, chosen.value_or(*best)));
    proj_list_destroy(list);
    if (forward == nullptr) {
        throw KORException(L"No conversion " + impl.Between() + L": " + LastError(impl.context));
    }
    proj_destroy(impl.forward);
    impl.forward = forward;
    impl.operations = std::move(operations);
    impl.used = static_cast<std::size_t>(chosen.value_or(*best));
    return preferred.empty() || chosen.has_value();
}

std::vector<CoordinateTransform::Operation> const& CoordinateTransform::Operations() const {
    return m_impl->operations;
}

std::size_t CoordinateTransform::OperationUsed() const {
    return m_impl->used;
}

std::vector<CoordinateTransform::AreaOfUse> const& CoordinateTransform::Areas() const {
    return m_impl->areas;
}

bool CoordinateTransform::TargetInDegrees() const {
    return m_impl->targetInDegrees;
}

CoordinateTransform::Result CoordinateTransform::Convert(double x, double y) const {
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return {};
    }
    Result result;
    result.status = Status::Converted;
    if (m_impl->toLonLat != nullptr && !m_impl->boxes.empty()) {
        PJ_COORD const lonLat = proj_trans(m_impl->toLonLat, PJ_FWD, proj_coord(x, y, 0, 0));
        if (!Finite(lonLat)) {
            return {};
        }
        for (std::size_t area = 0; area < m_impl->boxes.size(); ++area) {
            std::optional<DistanceOutside> const outside =
                DistanceOutsideOf(m_impl->boxes[area], lonLat.xy.x, lonLat.xy.y);
            // The farther area is the one that tells how far the point strays.
            if (outside &&
                (result.status == Status::Converted || outside->meters > result.outside.meters)) {
                result.status = Status::OutsideArea;
                result.outside = {area, outside->meters, outside->direction};
            }
        }
    }
    PJ_COORD const out = proj_trans(m_impl->forward, PJ_FWD, proj_coord(x, y, 0, 0));
    if (!Finite(out)) {
        return {};
    }
    result.x = out.xy.x;
    result.y = out.xy.y;
    return result;
}

} // namespace kor
