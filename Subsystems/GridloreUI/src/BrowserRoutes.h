// gridui::BrowserRoutes: the routing rows the browser's dialog and page share.
#pragma once

#include "CRSDlgImpl.h"
#include "gridui/ResourceIds.h"
#include "platform/MessageMap.h"

#include <vector>

namespace gridui {

/// Every row hands the event to the host's CRSDlgImpl, in the order the hosts route
/// them; a host appends its own rows after these.
class BrowserRoutes final {
public:
    template <typename Host> static std::vector<platform::Route> For() {
        using platform::Event;
        using platform::Message;
        return {
            Row<Host>(Event::KickIdle, platform::AnyControl,
                      [](Host& host, Message&) { host.Impl().OnKickIdle(host); }),
            Row<Host>(Event::Command, res::TreeFirstPainted,
                      [](Host& host, Message&) { host.Impl().OnTreeFirstPainted(); }),
            Row<Host>(Event::SelChanged, res::Tree,
                      [](Host& host, Message& message) {
                          message.result = 0;
                          host.Impl().OnSelChangedCS();
                      }),
            // A new, modified or loaded system is selected: the host handles that
            // selection as the user's.
            Command<Host, &CRSDlgImpl::OnNewLocal, true>(res::NewLocal),
            Command<Host, &CRSDlgImpl::OnNewGeo, true>(res::NewGeographic),
            Command<Host, &CRSDlgImpl::OnModify, true>(res::Modify),
            Command<Host, &CRSDlgImpl::OnAddToFavorites, false>(res::AddToFavorites),
            Command<Host, &CRSDlgImpl::OnRemove, false>(res::Remove),
            Command<Host, &CRSDlgImpl::OnDeleteCustom, false>(res::DeleteCustom),
            Command<Host, &CRSDlgImpl::OnLoadFromFile, true>(res::LoadFromFile),
            Command<Host, &CRSDlgImpl::OnSaveToFile, false>(res::SaveToFile),
            Row<Host>(Event::Command, res::Search,
                      [](Host& host, Message&) { host.Impl().OnSearch(); }),
            Row<Host>(Event::Command, res::ClearSearch,
                      [](Host& host, Message&) { host.Impl().OnClearSearch(); }),
            Row<Host>(Event::ContextMenu, platform::AnyControl,
                      [](Host& host, Message& message) {
                          host.Impl().OnContextMenu(host, message.window, message.point);
                      }),
            Command<Host, &CRSDlgImpl::OnOnlyForArea, false>(res::OnlyForArea),
            Row<Host>(Event::ComboSelChange, res::SearchBox,
                      [](Host& host, Message&) { host.Impl().OnSelChangeSearch(host); }),
            Row<Host>(Event::EditChange, res::SearchBox,
                      [](Host& host, Message&) { host.Impl().OnEditChangeSearch(); }),
            Row<Host>(Event::Timer, res::SearchPauseTimer,
                      [](Host& host, Message&) { host.Impl().OnSearchPause(); }),
            Row<Host>(Event::Timer, res::SearchWarmUpTimer,
                      [](Host& host, Message&) { host.Impl().OnSearchWarmUp(); }),
            Row<Host>(
                Event::UpdateCommandUI, res::AddToFavorites,
                [](Host& host, Message& message) { host.Impl().OnUpdateCSAdd(*message.cmdUI); }),
            Row<Host>(
                Event::UpdateCommandUI, res::Remove,
                [](Host& host, Message& message) { host.Impl().OnUpdateCSRemove(*message.cmdUI); }),
            Row<Host>(
                Event::UpdateCommandUI, res::DeleteCustom,
                [](Host& host, Message& message) { host.Impl().OnUpdateCSDelete(*message.cmdUI); }),
            Row<Host>(Event::UpdateCommandUI, res::OnlyForArea,
                      [](Host& host, Message& message) {
                          host.Impl().OnUpdateOnlyForArea(*message.cmdUI);
                      }),
        };
    }

private:
    template <typename Host, void (CRSDlgImpl::*Operation)(), bool ThenSelectionChanged>
    static platform::Route Command(platform::ControlId id) {
        return Row<Host>(platform::Event::Command, id, [](Host& host, platform::Message&) {
            (host.Impl().*Operation)();
            if constexpr (ThenSelectionChanged) {
                host.Impl().OnSelChangedCS();
            }
        });
    }

    template <typename Host>
    static platform::Route Row(platform::Event event, platform::ControlId id,
                               void (*call)(Host&, platform::Message&)) {
        return {event, id, id, [call](platform::CmdTarget& target, platform::Message& message) {
                    call(static_cast<Host&>(target), message);
                }};
    }
};

} // namespace gridui
