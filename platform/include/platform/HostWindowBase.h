// platform::HostWindowBase: a host's own toolkit window as the parent of the library's dialogs.
#pragma once

#include "platform/Export.h"
#include "platform/ToolkitAccess.h"
#include "platform/Window.h"

#include <memory>

namespace platform {

/// What every toolkit's host window shares: the host's window, wrapped as any other
/// window of its backend, is attached for the wrapper's life and stays the host's.
class PLATFORM_EXPORT HostWindowBase : public Window {
public:
    ~HostWindowBase() override;
    HostWindowBase(HostWindowBase const&) = delete;
    HostWindowBase& operator=(HostWindowBase const&) = delete;

protected:
    /// `host` wraps the host's window; null, when the host gave none, is an internal error.
    explicit HostWindowBase(std::unique_ptr<backend::NativeWindow> host);

    /// The host's window as its backend wraps it.
    backend::NativeWindow& Host() const { return *m_host; }

private:
    std::unique_ptr<backend::NativeWindow> m_host;
};

/// A host's own `Widget`, its toolkit's window, as the dialogs' parent. Each toolkit's backend
/// makes it, wrapping the widget as any other window of its own.
template <typename Widget> class ToolkitHostWindow final : public HostWindowBase {
public:
    /// `window` must not be null.
    explicit ToolkitHostWindow(Widget* window);

    /// The host's window given at construction.
    Widget* GetWindow() const {
        return dynamic_cast<backend::ToolkitAccess<Widget> const&>(Host()).Toolkit();
    }
};

} // namespace platform
