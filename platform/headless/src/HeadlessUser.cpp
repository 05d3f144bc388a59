#include "HeadlessUser.h"
#include "HeadlessCombo.h"
#include "HeadlessDialog.h"
#include "HeadlessPropertyGrid.h"
#include "HeadlessSheet.h"
#include "HeadlessTree.h"
#include "TypeAhead.h"

#include "platform/Error.h"

namespace platform::headless {

HeadlessUser::HeadlessUser(HeadlessDialog& dialog)
    : ScriptedUser(dialog, dialog.Sheet())
    , m_dialog(dialog) {}

void HeadlessUser::Idle() {
    m_dialog.DeliverPosted();
    if (m_dialog.HasEnded()) {
        return;
    }
    // As on a screen, the trees are painted before the loop goes idle: a handler that
    // waits for a tree's first paint then runs at the first idle.
    for (HeadlessTree* tree : m_dialog.Trees()) {
        tree->Paint();
    }
    Message idle{.event = Event::KickIdle, .window = m_dialog.Wrapper()};
    Route(idle);
}

void HeadlessUser::Route(Message& message) {
    m_dialog.Events().OnNativeMessage(message);
}

void HeadlessUser::Deliver(backend::NativeWindow& control, Message& input) {
    switch (input.event) {
    case Event::KeyDown:
        control.SetFocus();
        m_dialog.Events().OnNativeKeyDown(input.id, input.key);
        return;
    case Event::Command:
        if (auto* button = dynamic_cast<HeadlessControl*>(&control);
            button == nullptr || button->Kind() != ControlKind::Button) {
            PLATFORM_ERROR(L"control " + std::to_wstring(input.id) + L" is not a button");
        }
        control.SetFocus();
        break;
    case Event::ComboSelChange:
        dynamic_cast<HeadlessCombo&>(control).SetCurSel(static_cast<int>(input.param));
        break;
    case Event::DblClk:
        dynamic_cast<HeadlessTree&>(control).DoubleClickAt(input.point, true);
        return;
    default:
        break;
    }
    if (input.window == nullptr) {
        input.window = control.Wrapper();
    }
    Route(input);
}

void HeadlessUser::TypeInto(backend::NativeWindow& control, std::wstring const& text) {
    if (auto* grid = dynamic_cast<HeadlessPropertyGrid*>(&control)) {
        // The open editor takes the keys; its row changes only when it commits.
        grid->TypeInEditor(text);
        return;
    }
    auto* combo = dynamic_cast<HeadlessCombo*>(&control);
    if (combo != nullptr && !combo->IsEditable()) {
        // A pick list takes typed keys as a search: the first item they start is picked,
        // as the real list does.
        for (int index = 0; index < combo->Count(); ++index) {
            if (StartsTyped(combo->GetItemText(index), text)) {
                Message pick{.event = Event::ComboSelChange, .id = control.Id(), .param = index};
                Deliver(control, pick);
                return;
            }
        }
        return;
    }
    if (combo != nullptr) {
        combo->TypeText(text);
    } else {
        auto* edit = dynamic_cast<HeadlessControl*>(&control);
        if (edit == nullptr || edit->Kind() != ControlKind::Edit ||
            (edit->Style() & EditReadOnly) != 0) {
            PLATFORM_ERROR(L"control " + std::to_wstring(control.Id()) +
                           L" is not an edit the user can type in");
        }
        edit->SetText(text);
    }
    control.SetFocus();
    Message change{.event = Event::EditChange, .id = control.Id(), .window = control.Wrapper()};
    Route(change);
}

} // namespace platform::headless
