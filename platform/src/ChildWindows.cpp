#include "platform/ChildWindows.h"

#include "platform/Error.h"
#include "platform/Window.h"

#include <string>

namespace platform::backend {

NativeWindow& ChildWindows::Add(ControlId id, std::unique_ptr<NativeWindow> child) {
    NativeWindow& added = *child;
    ControlId const key = id == -1 ? -1000000 - ++m_unnamed : id;
    if (!m_children.emplace(key, std::move(child)).second) {
        PLATFORM_ERROR(L"dialog " + std::to_wstring(m_dialog) + L" already has a control " +
                       std::to_wstring(id));
    }
    return added;
}

NativeWindow* ChildWindows::Find(ControlId id) const {
    if (id == -1) {
        return nullptr;
    }
    auto const found = m_children.find(id);
    return found == m_children.end() ? nullptr : found->second.get();
}

ControlId ChildWindows::IdWhere(std::function<bool(NativeWindow&)> const& matches) const {
    for (auto const& [id, child] : m_children) {
        if (matches(*child)) {
            return id;
        }
    }
    return 0;
}

void ChildWindows::DetachWrappers() const {
    for (auto const& [id, child] : m_children) {
        if (Window* wrapper = child->Wrapper()) {
            wrapper->Detach();
        }
    }
}

} // namespace platform::backend
