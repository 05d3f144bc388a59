#include "platform/MessageMap.h"

#include <utility>

namespace platform {

MessageMap const& CmdTarget::GetMessageMap() const {
    static MessageMap const map(nullptr, {});
    return map;
}

bool CmdTarget::OnCmdMsg(Message& message) {
    return GetMessageMap().Dispatch(*this, message);
}

MessageMap::MessageMap(MessageMap const* base, std::vector<Route> routes)
    : m_base(base)
    , m_routes(std::move(routes)) {}

Route const* MessageMap::Find(Event event, ControlId id) const {
    for (MessageMap const* map = this; map != nullptr; map = map->m_base) {
        for (Route const& route : map->m_routes) {
            bool const anyId = route.first == AnyControl;
            if (route.event == event && (anyId || (id >= route.first && id <= route.last))) {
                return &route;
            }
        }
    }
    return nullptr;
}

bool MessageMap::Dispatch(CmdTarget& target, Message& message) const {
    Route const* route = Find(message.event, message.id);
    if (route == nullptr) {
        return false;
    }
    route->call(target, message);
    return true;
}

bool MessageMap::HasRoute(Event event, ControlId id) const {
    return Find(event, id) != nullptr;
}

} // namespace platform
