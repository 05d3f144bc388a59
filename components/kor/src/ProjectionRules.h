// kor projection rules: what a method asks of its values beyond each value's own range.
#pragma once

#include <string>

namespace kor {

class ProjectionDef;

/// The id of the first parameter that breaks the rule, with the reason, or 0.
using ProjectionRule = int (*)(ProjectionDef const& projection, std::wstring& reason);

int TwoParallelConeRule(ProjectionDef const& projection, std::wstring& reason);
int OneParallelConeRule(ProjectionDef const& projection, std::wstring& reason);
int PolarOriginRule(ProjectionDef const& projection, std::wstring& reason);
int PolarStandardParallelRule(ProjectionDef const& projection, std::wstring& reason);
int ObliqueCentreRule(ProjectionDef const& projection, std::wstring& reason);
int CylinderParallelRule(ProjectionDef const& projection, std::wstring& reason);

} // namespace kor
