#include "DefinePickLists.h"

#include "DefineWorkload.h"
#include "Spread.h"
#include "gridui/ResourceIds.h"
#include "platform/Driver.h"

#include <wx/app.h>
#include <wx/combo.h>
#include <wx/combobox.h>
#include <wx/ctrlsub.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <chrono>
#include <functional>
#include <string>

namespace definebench {

namespace {

/// The open dialog's longest pick list, the datums, whichever control shows it.
wxWindow* LongestPickList() {
    wxWindow* longest = nullptr;
    unsigned most = 0;
    std::function<void(wxWindow&)> const walk = [&](wxWindow& window) {
        if (auto* items = dynamic_cast<wxItemContainer*>(&window);
            items != nullptr && items->GetCount() > most) {
            most = items->GetCount();
            longest = &window;
        }
        for (wxWindow* child : window.GetChildren()) {
            walk(*child);
        }
    };
    for (wxWindow* top : wxTopLevelWindows) {
        walk(*top);
    }
    return longest;
}

void DropDown(wxWindow& list, bool open) {
    if (auto* drawn = dynamic_cast<wxComboCtrl*>(&list)) {
        open ? drawn->Popup() : drawn->Dismiss();
    } else if (auto* native = dynamic_cast<wxComboBox*>(&list)) {
        open ? native->Popup() : native->Dismiss();
    }
}

/// Lets the loop do what the action left for it, painting included.
void Settle() {
    for (int round = 0; round < 3; ++round) {
        wxYield();
    }
}

/// Opens the define dialog and runs `measure` on its datum list, then closes the dialog.
void OnDatumList(platform::Backend& backend, benchmark::State& state,
                 std::function<void(wxWindow&)> const& measure) {
    platform::BackendScope const installed(backend);
    platform::Driver driver;
    platform::DriverScope const driving(driver);
    driver.OnDialog(gridui::res::DefineDialog, [&](platform::User& user) {
        user.Idle();
        if (wxWindow* list = LongestPickList()) {
            measure(*list);
        } else {
            state.SkipWithError("the define dialog shows no pick list");
        }
        user.Close();
    });
    RunOnUtm33(state);
}

} // namespace

void DropDownDatumList(platform::Backend& backend, benchmark::State& state) {
    browserbench::Spread spread;
    OnDatumList(backend, state, [&](wxWindow& list) {
        for (auto _ : state) {
            auto const start = std::chrono::steady_clock::now();
            DropDown(list, true);
            Settle();
            spread.AddSince(state, start);
            DropDown(list, false);
            Settle();
            wxMilliSleep(250);
        }
    });
    spread.Report(state);
}

void TypeAheadToDatum(platform::Backend& backend, benchmark::State& state) {
    static std::wstring const typed = L"Ordnance Survey";
    browserbench::Spread spread;
    OnDatumList(backend, state, [&](wxWindow& list) {
        auto& items = dynamic_cast<wxItemContainer&>(list);
        list.SetFocus();
        for (auto _ : state) {
            items.SetSelection(0);
            // Keys typed more than a second apart start a new search.
            wxMilliSleep(1100);
            Settle();
            auto const start = std::chrono::steady_clock::now();
            for (wchar_t const character : typed) {
                for (wxEventType const type : {wxEVT_KEY_DOWN, wxEVT_CHAR}) {
                    wxKeyEvent key(type);
                    key.m_keyCode = static_cast<int>(wxToupper(character));
                    key.m_uniChar = character;
                    key.SetEventObject(&list);
                    list.ProcessWindowEvent(key);
                }
            }
            Settle();
            spread.AddSince(state, start);
            int const selected = items.GetSelection();
            if (selected < 0 ||
                !items.GetString(static_cast<unsigned>(selected)).StartsWith(wxString(typed))) {
                state.SkipWithError("typing a datum's name does not select it");
                break;
            }
        }
    });
    spread.Report(state);
}

} // namespace definebench
