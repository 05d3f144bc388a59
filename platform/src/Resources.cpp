#include "platform/Resources.h"

#include "platform/Error.h"

#include <algorithm>
#include <set>
#include <vector>

namespace platform {

namespace {

std::vector<ResourceModule const*>& Modules() {
    static std::vector<ResourceModule const*> modules;
    return modules;
}

ResourceHandle CurrentHandle = nullptr;

template <typename T, typename Find> T const* Search(Find find) {
    if (CurrentHandle != nullptr) {
        if (T const* found = find(*CurrentHandle)) {
            return found;
        }
    }
    for (ResourceModule const* module : Modules()) {
        if (T const* found = find(*module)) {
            return found;
        }
    }
    return nullptr;
}

template <typename T> T const& Required(T const* found, wchar_t const* kind, int id) {
    if (found == nullptr) {
        PLATFORM_ERROR(std::wstring(L"no registered module holds the ") + kind + L" " +
                       std::to_wstring(id));
    }
    return *found;
}

} // namespace

ResourceModule::ResourceModule(std::wstring name)
    : m_name(std::move(name)) {}

void ResourceModule::AddDialog(DialogTemplate dialog) {
    std::set<ControlId> seen;
    for (ControlTemplate const& control : dialog.controls) {
        if (control.id != -1 && !seen.insert(control.id).second) {
            PLATFORM_ERROR(L"dialog template " + std::to_wstring(dialog.id) + L" names control " +
                           std::to_wstring(control.id) + L" twice");
        }
    }
    int const id = dialog.id;
    m_dialogs[id] = std::move(dialog);
}

void ResourceModule::AddMenu(MenuTemplate menu) {
    int const id = menu.id;
    m_menus[id] = std::move(menu);
}

void ResourceModule::AddToolBar(ToolBarTemplate toolBar) {
    int const id = toolBar.id;
    m_toolBars[id] = std::move(toolBar);
}

void ResourceModule::AddString(int id, std::wstring text) {
    m_strings[id] = std::move(text);
}

namespace {
template <typename Map> auto FindIn(Map const& map, int id) -> decltype(&map.begin()->second) {
    auto const found = map.find(id);
    return found == map.end() ? nullptr : &found->second;
}
} // namespace

DialogTemplate const* ResourceModule::FindDialog(int id) const {
    return FindIn(m_dialogs, id);
}

MenuTemplate const* ResourceModule::FindMenu(int id) const {
    return FindIn(m_menus, id);
}

ToolBarTemplate const* ResourceModule::FindToolBar(int id) const {
    return FindIn(m_toolBars, id);
}

std::wstring const* ResourceModule::FindString(int id) const {
    return FindIn(m_strings, id);
}

void RegisterModule(ResourceModule const& module) {
    if (std::find(Modules().begin(), Modules().end(), &module) == Modules().end()) {
        Modules().push_back(&module);
    }
}

void UnregisterModule(ResourceModule const& module) {
    std::erase(Modules(), &module);
    if (CurrentHandle == &module) {
        CurrentHandle = nullptr;
    }
}

ResourceHandle GetResourceHandle() {
    return CurrentHandle;
}

void SetResourceHandle(ResourceHandle handle) {
    if (handle != nullptr &&
        std::find(Modules().begin(), Modules().end(), handle) == Modules().end()) {
        PLATFORM_ERROR(L"the resource module \"" + handle->Name() + L"\" is not registered");
    }
    CurrentHandle = handle;
}

DialogTemplate const& FindDialogTemplate(int id) {
    return Required(Search<DialogTemplate>([id](auto& m) { return m.FindDialog(id); }),
                    L"dialog template", id);
}

MenuTemplate const& FindMenu(int id) {
    return Required(Search<MenuTemplate>([id](auto& m) { return m.FindMenu(id); }), L"menu", id);
}

ToolBarTemplate const& FindToolBar(int id) {
    return Required(Search<ToolBarTemplate>([id](auto& m) { return m.FindToolBar(id); }),
                    L"toolbar", id);
}

std::wstring const* TryLoadString(int id) {
    return Search<std::wstring>([id](auto& m) { return m.FindString(id); });
}

std::wstring const& LoadString(int id) {
    return Required(TryLoadString(id), L"string", id);
}

} // namespace platform
