#include "HeadlessWindows.h"

#include "platform/Error.h"
#include "platform/PropertyGrid.h"

#include <algorithm>
#include <cwchar>

namespace platform::headless {

namespace {

[[noreturn]] void BadValue(std::wstring const& name, std::wstring const& text,
                           wchar_t const* expected) {
    PLATFORM_ERROR(L"the property \"" + name + L"\" takes " + expected + L", not \"" + text +
                   L"\"");
}

/// Reads `text` into the type of `current`, as the grid's editor would accept it.
Variant Parse(std::wstring const& name, Variant const& current, std::wstring const& text) {
    wchar_t* end = nullptr;
    switch (TypeOf(current)) {
    case VariantType::Double: {
        double const value = std::wcstod(text.c_str(), &end);
        if (text.empty() || *end != L'\0') {
            BadValue(name, text, L"a number");
        }
        return value;
    }
    case VariantType::Int: {
        long const value = std::wcstol(text.c_str(), &end, 10);
        if (text.empty() || *end != L'\0') {
            BadValue(name, text, L"a whole number");
        }
        return static_cast<int>(value);
    }
    case VariantType::Bool:
        if (text == L"True" || text == L"False") {
            return text == L"True";
        }
        BadValue(name, text, L"True or False");
    default:
        return text;
    }
}

} // namespace

HeadlessPropertyGrid::Row& HeadlessPropertyGrid::At(backend::PropertyHandle row) {
    auto const found = m_rows.find(row);
    if (found == m_rows.end()) {
        PLATFORM_ERROR(L"property grid " + std::to_wstring(m_id) + L" has no such row");
    }
    return found->second;
}

HeadlessPropertyGrid::Row const& HeadlessPropertyGrid::At(backend::PropertyHandle row) const {
    return const_cast<HeadlessPropertyGrid*>(this)->At(row);
}

backend::PropertyHandle HeadlessPropertyGrid::Append(backend::PropertyHandle parent,
                                                     backend::PropertyDesc const& desc) {
    backend::PropertyHandle const handle = m_next++;
    (parent == 0 ? m_top : At(parent).children).push_back(handle);
    m_rows[handle] = Row{desc, parent, {}};
    return handle;
}

void HeadlessPropertyGrid::RemoveAll() {
    m_rows.clear();
    m_top.clear();
    m_selected = 0;
    m_visible = 0;
}

Variant HeadlessPropertyGrid::GetValue(backend::PropertyHandle row) const {
    return At(row).desc.value;
}

void HeadlessPropertyGrid::SetValue(backend::PropertyHandle row, Variant const& value) {
    At(row).desc.value = value;
}

void HeadlessPropertyGrid::AddOption(backend::PropertyHandle row, std::wstring const& option) {
    At(row).desc.options.push_back(option);
}

void HeadlessPropertyGrid::Select(backend::PropertyHandle row) {
    if (row != 0) {
        At(row);
    }
    m_selected = row;
}

void HeadlessPropertyGrid::EnsureVisible(backend::PropertyHandle row) {
    At(row);
    m_visible = row;
}

void HeadlessPropertyGrid::EnableHeader(bool on, std::wstring const&, std::wstring const&) {
    m_header = on;
}

std::wstring HeadlessPropertyGrid::DisplayText(backend::PropertyHandle row) const {
    Variant const& value = At(row).desc.value;
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

backend::PropertyHandle HeadlessPropertyGrid::Find(std::wstring const& path) const {
    std::vector<backend::PropertyHandle> const* level = &m_top;
    backend::PropertyHandle found = 0;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t const bar = path.find(L'|', start);
        std::wstring const name = path.substr(start, bar == std::wstring::npos ? bar : bar - start);
        auto const match = std::find_if(level->begin(), level->end(),
                                        [&](auto row) { return m_rows.at(row).desc.name == name; });
        if (match == level->end()) {
            return 0;
        }
        found = *match;
        if (bar == std::wstring::npos) {
            break;
        }
        level = &m_rows.at(found).children;
        start = bar + 1;
    }
    return found;
}

void HeadlessPropertyGrid::UserEdit(backend::PropertyHandle row, std::wstring const& text) {
    backend::PropertyDesc& desc = At(row).desc;
    if (desc.isGroup) {
        PLATFORM_ERROR(L"the property \"" + desc.name + L"\" is a group and has no value");
    }
    bool const offered =
        std::find(desc.options.begin(), desc.options.end(), text) != desc.options.end();
    if (!desc.allowEdit && !offered) {
        PLATFORM_ERROR(L"the property \"" + desc.name + L"\" offers no \"" + text + L"\"");
    }
    Variant const value = Parse(desc.name, desc.value, text);
    m_selected = row;
    if (value == desc.value) {
        return;
    }
    desc.value = value;
    Message message;
    message.event = Event::PropertyChanged;
    message.id = m_id;
    message.param = desc.clientData;
    Raise(message);
}

} // namespace platform::headless
