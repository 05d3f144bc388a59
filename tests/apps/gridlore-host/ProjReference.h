// PROJ's own answer for a point, which the worksheet's conversions are checked against.
#pragma once

#include "Worksheet.h"

#include <proj.h>

#include <cstddef>
#include <string>

/// In longitude-first and easting-first order, as the worksheet writes coordinates.
class ProjReference {
public:
    /// PROJ's own choice between the two systems; or, given `operation`, the operation of
    /// that name among all PROJ knows between them.
    ProjReference(char const* source, char const* target, std::wstring const& operation = {});
    ~ProjReference();
    ProjReference(ProjReference const&) = delete;
    ProjReference& operator=(ProjReference const&) = delete;

    PJ_XY operator()(double x, double y) const;

private:
    PJ* m_operation = nullptr;
};

/// A converted cell as the number it holds.
double Number(gridhost::Worksheet const& sheet, std::size_t row, unsigned column);
