#include "platform/PropertyGrid.h"

#include "platform/Dialog.h"
#include "platform/Error.h"
#include "shr/NumberFormat.h"
#include "shr/StringUtil.h"

#include <algorithm>
#include <cwchar>

namespace platform {

namespace {

[[noreturn]] void BadValue(std::wstring const& name, std::wstring const& text,
                           wchar_t const* expected) {
    PLATFORM_ERROR(L"the property \"" + name + L"\" takes " + expected + L", not \"" + text +
                   L"\"");
}

} // namespace

Variant backend::ParseUserValue(PropertyDesc const& desc, std::wstring const& text) {
    if (desc.isGroup) {
        PLATFORM_ERROR(L"the property \"" + desc.name + L"\" is a group and has no value");
    }
    bool const offered =
        std::find(desc.options.begin(), desc.options.end(), text) != desc.options.end();
    if (!desc.allowEdit && !offered) {
        PLATFORM_ERROR(L"the property \"" + desc.name + L"\" offers no \"" + text + L"\"");
    }
    wchar_t* end = nullptr;
    switch (TypeOf(desc.value)) {
    case VariantType::Double: {
        double const value = std::wcstod(text.c_str(), &end);
        if (text.empty() || *end != L'\0') {
            BadValue(desc.name, text, L"a number");
        }
        return value;
    }
    case VariantType::Int: {
        long const value = std::wcstol(text.c_str(), &end, 10);
        if (text.empty() || *end != L'\0') {
            BadValue(desc.name, text, L"a whole number");
        }
        return static_cast<int>(value);
    }
    case VariantType::Bool:
        if (text != L"True" && text != L"False") {
            BadValue(desc.name, text, L"True or False");
        }
        return text == L"True";
    default:
        return text;
    }
}

std::wstring backend::FormatVariant(Variant const& value) {
    switch (TypeOf(value)) {
    case VariantType::Double:
        return PropertyGrid::FormatDouble(std::get<double>(value));
    case VariantType::Int:
        return std::to_wstring(std::get<int>(value));
    case VariantType::Bool:
        return std::get<bool>(value) ? L"True" : L"False";
    case VariantType::Text:
        return std::get<std::wstring>(value);
    default:
        return {};
    }
}

namespace {
std::wstring& Format() {
    static std::wstring format = shr::NumberFormat;
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

void PropertyGrid::SetUnits(backend::PropertyHandle row, std::wstring const& units) {
    Grid().SetUnits(row, units);
}

std::wstring PropertyGrid::GetUnits(backend::PropertyHandle row) const {
    return Grid().Units(row);
}

bool PropertyGrid::PreTranslateMessage(Message& message) {
    if (message.event == Event::KeyDown) {
        if ((message.key == KeyReturn && Grid().CommitEditor()) ||
            (message.key == KeyEscape && Grid().CancelEditor())) {
            return true;
        }
    }
    return Window::PreTranslateMessage(message);
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
