// Resource modules and the lookup of dialog templates, menus, toolbars and strings by id.
#pragma once

#include "platform/Export.h"
#include "platform/Templates.h"

#include <map>
#include <string>

namespace platform {

/// The resources of one module (the library, a host). Adding a dialog template checks
/// it: a template that names a control id twice is an internal error.
class PLATFORM_EXPORT ResourceModule final {
public:
    explicit ResourceModule(std::wstring name);

    std::wstring const& Name() const { return m_name; }

    void AddDialog(DialogTemplate dialog);
    void AddMenu(MenuTemplate menu);
    void AddToolBar(ToolBarTemplate toolBar);
    void AddString(int id, std::wstring text);

    DialogTemplate const* FindDialog(int id) const;
    MenuTemplate const* FindMenu(int id) const;
    ToolBarTemplate const* FindToolBar(int id) const;
    std::wstring const* FindString(int id) const;

private:
    std::wstring m_name;
    std::map<int, DialogTemplate> m_dialogs;
    std::map<int, MenuTemplate> m_menus;
    std::map<int, ToolBarTemplate> m_toolBars;
    std::map<int, std::wstring> m_strings;
};

/// Which module's resources are looked at first; null means none in particular.
using ResourceHandle = ResourceModule const*;

/// Makes a module's resources findable until UnregisterModule. The module must outlive
/// its registration.
PLATFORM_EXPORT void RegisterModule(ResourceModule const& module);
PLATFORM_EXPORT void UnregisterModule(ResourceModule const& module);

PLATFORM_EXPORT ResourceHandle GetResourceHandle();
PLATFORM_EXPORT void SetResourceHandle(ResourceHandle handle);

/// Lookups search the current resource handle's module first, then every registered
/// module in the order of registration. An id found nowhere is an internal error.
PLATFORM_EXPORT DialogTemplate const& FindDialogTemplate(int id);
PLATFORM_EXPORT MenuTemplate const& FindMenu(int id);
PLATFORM_EXPORT ToolBarTemplate const& FindToolBar(int id);
PLATFORM_EXPORT std::wstring const& LoadString(int id);
/// The same search as LoadString; null when no module holds the string.
PLATFORM_EXPORT std::wstring const* TryLoadString(int id);

} // namespace platform
