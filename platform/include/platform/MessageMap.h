// Routing tables: per class, rows of (event, control id range, member function), in order.
#pragma once

#include "platform/Export.h"
#include "platform/Message.h"

#include <functional>
#include <vector>

namespace platform {

class MessageMap;

/// Anything that receives routed events: dialogs, controls, toolbar owners.
class PLATFORM_EXPORT CmdTarget {
public:
    virtual ~CmdTarget() = default;

    /// The class's routing table; a derived class returns its own, chained to its base's.
    virtual MessageMap const& GetMessageMap() const;

    /// Routes `message` through this object's table; true when a row handled it.
    bool OnCmdMsg(Message& message);

protected:
    CmdTarget() = default;
    CmdTarget(CmdTarget const&) = default;
    CmdTarget& operator=(CmdTarget const&) = default;
};

struct PLATFORM_EXPORT Route {
    Event event;
    ControlId first;
    ControlId last;
    std::function<void(CmdTarget&, Message&)> call;
};

/// A class's rows, then its base class's. Dispatch runs the first row that matches.
class PLATFORM_EXPORT MessageMap final {
public:
    MessageMap(MessageMap const* base, std::vector<Route> routes);

    bool Dispatch(CmdTarget& target, Message& message) const;
    /// Whether any row, here or in a base, takes `event` from `id`.
    bool HasRoute(Event event, ControlId id) const;

private:
    Route const* Find(Event event, ControlId id) const;

    MessageMap const* m_base;
    std::vector<Route> m_routes;
};

/// Rows for controls of any id.
inline constexpr ControlId AnyControl = -1;

template <typename T> Route OnCommand(ControlId id, void (T::*handler)()) {
    return {Event::Command, id, id,
            [handler](CmdTarget& t, Message&) { (static_cast<T&>(t).*handler)(); }};
}

template <typename T>
Route OnCommandRange(ControlId first, ControlId last, void (T::*handler)(ControlId)) {
    return {Event::Command, first, last,
            [handler](CmdTarget& t, Message& m) { (static_cast<T&>(t).*handler)(m.id); }};
}

/// A notification handler that sees the whole message (tree notifications).
template <typename T> Route OnNotify(Event event, ControlId id, void (T::*handler)(Message&)) {
    return {event, id, id,
            [handler](CmdTarget& t, Message& m) { (static_cast<T&>(t).*handler)(m); }};
}

/// A notification handler without arguments (combo selection, edit change).
template <typename T> Route OnNotify(Event event, ControlId id, void (T::*handler)()) {
    return {event, id, id, [handler](CmdTarget& t, Message&) { (static_cast<T&>(t).*handler)(); }};
}

/// The grid's change message: the grid's control id and the changed property's client
/// data; the handler's result is the message's result.
template <typename T> Route OnPropertyChanged(long (T::*handler)(std::uint64_t, std::int64_t)) {
    return {Event::PropertyChanged, AnyControl, AnyControl, [handler](CmdTarget& t, Message& m) {
                m.result = (static_cast<T&>(t).*handler)(static_cast<std::uint64_t>(m.id), m.param);
            }};
}

template <typename T> Route OnContextMenu(void (T::*handler)(Window*, Point)) {
    return {Event::ContextMenu, AnyControl, AnyControl, [handler](CmdTarget& t, Message& m) {
                (static_cast<T&>(t).*handler)(m.window, m.point);
            }};
}

template <typename T> Route OnUpdateCommandUI(ControlId id, void (T::*handler)(CmdUI&)) {
    return {Event::UpdateCommandUI, id, id,
            [handler](CmdTarget& t, Message& m) { (static_cast<T&>(t).*handler)(*m.cmdUI); }};
}

template <typename T> Route OnKickIdle(void (T::*handler)()) {
    return {Event::KickIdle, AnyControl, AnyControl,
            [handler](CmdTarget& t, Message&) { (static_cast<T&>(t).*handler)(); }};
}

/// The expiry of any of the dialog's timers (Dialog::SetTimer); the handler gets its id.
template <typename T> Route OnTimer(void (T::*handler)(ControlId)) {
    return {Event::Timer, AnyControl, AnyControl,
            [handler](CmdTarget& t, Message& m) { (static_cast<T&>(t).*handler)(m.id); }};
}

template <typename T> Route OnMouseMove(void (T::*handler)(Point)) {
    return {Event::MouseMove, AnyControl, AnyControl,
            [handler](CmdTarget& t, Message& m) { (static_cast<T&>(t).*handler)(m.point); }};
}

template <typename T> Route OnSize(void (T::*handler)(Size)) {
    return {Event::Size, AnyControl, AnyControl,
            [handler](CmdTarget& t, Message& m) { (static_cast<T&>(t).*handler)(m.size); }};
}

} // namespace platform
