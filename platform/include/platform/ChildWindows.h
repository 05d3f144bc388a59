// platform::backend::ChildWindows: the native controls a native dialog owns, by control id.
#pragma once

#include "platform/Backend.h"
#include "platform/Export.h"
#include "platform/Ids.h"

#include <functional>
#include <map>
#include <memory>

namespace platform::backend {

class PLATFORM_EXPORT ChildWindows final {
public:
    /// The controls of dialog `dialog` (named in errors).
    explicit ChildWindows(ControlId dialog)
        : m_dialog(dialog) {}

    /// Takes `child` as control `id`; controls without an id (-1, the labels) each get
    /// one of their own. A second control with the same id is an internal error.
    NativeWindow& Add(ControlId id, std::unique_ptr<NativeWindow> child);
    /// The control with `id`, or null (also for -1).
    NativeWindow* Find(ControlId id) const;
    /// The id of the first control `matches`; 0 for none.
    ControlId IdWhere(std::function<bool(NativeWindow&)> const& matches) const;
    /// Detaches the wrappers while the controls are whole; then no event reaches them.
    void DetachWrappers() const;

private:
    ControlId m_dialog;
    int m_unnamed = 0;
    std::map<ControlId, std::unique_ptr<NativeWindow>> m_children;
};

} // namespace platform::backend
