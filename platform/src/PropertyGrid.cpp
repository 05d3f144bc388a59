#include "platform/PropertyGrid.h"

#include "platform/Dialog.h"
#include "shr/StringUtil.h"

namespace platform {

namespace {
std::wstring& Format() {
    static std::wstring format = L"%.14lg";
    return format;
}
} // namespace

bool PropertyGrid::Accepts(backend::NativeWindow& native) const {
    return dynamic_cast<backend::NativePropertyGrid*>(&native) != nullptr;
}

backend::NativePropertyGrid& PropertyGrid::Grid() const {
    return static_cast<backend::NativePropertyGrid&>(Native());
}

void PropertyGrid::Create(Dialog& host, ControlId id, Rect client) {
    Attach(host.NativeDialog().CreatePropertyGrid(id, client));
}

backend::PropertyHandle PropertyGrid::Append(backend::PropertyHandle parent,
                                             backend::PropertyDesc const& desc) {
    return Grid().Append(parent, desc);
}

void PropertyGrid::RemoveAll() {
    Grid().RemoveAll();
}

Variant PropertyGrid::GetValue(backend::PropertyHandle row) const {
    return Grid().GetValue(row);
}

void PropertyGrid::SetValue(backend::PropertyHandle row, Variant const& value) {
    Grid().SetValue(row, value);
}

void PropertyGrid::AddOption(backend::PropertyHandle row, std::wstring const& option) {
    Grid().AddOption(row, option);
}

void PropertyGrid::Select(backend::PropertyHandle row) {
    Grid().Select(row);
}

backend::PropertyHandle PropertyGrid::GetSelected() const {
    return Grid().Selected();
}

void PropertyGrid::EnsureVisible(backend::PropertyHandle row) {
    Grid().EnsureVisible(row);
}

void PropertyGrid::EnableHeader(bool on, std::wstring const& left, std::wstring const& right) {
    Grid().EnableHeader(on, left, right);
}

std::wstring PropertyGrid::GetDisplayText(backend::PropertyHandle row) const {
    return Grid().DisplayText(row);
}

void PropertyGrid::SetDoubleFormat(std::wstring format) {
    Format() = std::move(format);
}

std::wstring const& PropertyGrid::DoubleFormat() {
    return Format();
}

std::wstring PropertyGrid::FormatDouble(double value) {
    return shr::ToString(Format().c_str(), value);
}

} // namespace platform
