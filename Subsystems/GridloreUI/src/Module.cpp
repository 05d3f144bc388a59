#include "gridui/Module.h"

#include "BrowserResources.h"
#include "ConvertWksResources.h"
#include "DefineResources.h"
#include "LocalSystemResources.h"
#include "gridui/Errors.h"

namespace gridui {

namespace {

platform::ResourceModule MakeModule() {
    platform::ResourceModule module(ModuleName());
    AddBrowserResources(module);
    AddLocalSystemResources(module);
    AddConvertWksResources(module);
    AddDefineResources(module);
    return module;
}

// Registers the resources while the program starts and withdraws them when it ends, as
// loading and unloading the library would. The module is built on first use, inside the
// constructor, so it exists before this object and is destroyed after it whatever the order
// of the other files' statics; the hosts call Module(), which links this file in.
class Registration final {
public:
    Registration() { platform::RegisterModule(Module()); }
    ~Registration() { platform::UnregisterModule(Module()); }
    Registration(Registration const&) = delete;
    Registration& operator=(Registration const&) = delete;
};

Registration const Registered;

} // namespace

platform::ResourceModule const& Module() {
    static platform::ResourceModule const module = MakeModule();
    return module;
}

} // namespace gridui
