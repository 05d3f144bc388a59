#include "ProjReference.h"

#include "shr/Utf8.h"

#include <stdexcept>

namespace {

PJ* NamedOperation(char const* source, char const* target, std::wstring const& name) {
    PJ* from = proj_create(nullptr, source);
    PJ* to = proj_create(nullptr, target);
    PJ_OPERATION_FACTORY_CONTEXT* factory = proj_create_operation_factory_context(nullptr, nullptr);
    proj_operation_factory_context_set_spatial_criterion(
        nullptr, factory, PROJ_SPATIAL_CRITERION_PARTIAL_INTERSECTION);
    PJ_OBJ_LIST* list = proj_create_operations(nullptr, from, to, factory);
    PJ* found = nullptr;
    for (int index = 0; list != nullptr && index < proj_list_get_count(list); ++index) {
        PJ* candidate = proj_list_get(nullptr, list, index);
        if (found == nullptr && shr::FromUtf8(proj_get_name(candidate)) == name) {
            found = proj_normalize_for_visualization(nullptr, candidate);
        }
        proj_destroy(candidate);
    }
    proj_list_destroy(list);
    proj_operation_factory_context_destroy(factory);
    proj_destroy(to);
    proj_destroy(from);
    if (found == nullptr) {
        throw std::runtime_error("PROJ does not list the operation used");
    }
    return found;
}

PJ* ChosenOperation(char const* source, char const* target) {
    PJ* raw = proj_create_crs_to_crs(nullptr, source, target, nullptr);
    PJ* chosen = proj_normalize_for_visualization(nullptr, raw);
    proj_destroy(raw);
    if (chosen == nullptr) {
        throw std::runtime_error("PROJ cannot build the reference conversion");
    }
    return chosen;
}

} // namespace

ProjReference::ProjReference(char const* source, char const* target, std::wstring const& operation)
    : m_operation(operation.empty() ? ChosenOperation(source, target)
                                    : NamedOperation(source, target, operation)) {}

ProjReference::~ProjReference() {
    proj_destroy(m_operation);
}

PJ_XY ProjReference::operator()(double x, double y) const {
    return proj_trans(m_operation, PJ_FWD, proj_coord(x, y, 0, 0)).xy;
}

double Number(gridhost::Worksheet const& sheet, std::size_t row, unsigned column) {
    return std::stod(shr::ToUtf8(sheet.Cell(row, column)));
}
