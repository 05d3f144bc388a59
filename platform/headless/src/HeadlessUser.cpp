#include "HeadlessUser.h"
#include "HeadlessCombo.h"
#include "HeadlessDialog.h"
#include "HeadlessPropertyGrid.h"
#include "HeadlessSheet.h"
#include "HeadlessToolBar.h"
#include "HeadlessTree.h"
#include "TypeAhead.h"

#include "platform/Dialog.h"
#include "platform/Error.h"

namespace platform::headless {

HeadlessUser::HeadlessUser(HeadlessDialog& dialog)
    : m_dialog(dialog) {}

Dialog& HeadlessUser::GetDialog() {
    return *static_cast<Dialog*>(m_dialog.Wrapper());
}

template <typename T> T& HeadlessUser::Usable(ControlId id) {
    return User::Usable<T>(m_dialog, m_dialog.HasEnded(), id);
}

void HeadlessUser::AfterAction() {
    if (!m_dialog.HasEnded()) {
        Idle();
    }
}

void HeadlessUser::Idle() {
    m_dialog.DeliverPosted();
    if (m_dialog.HasEnded()) {
        return;
    }
    Message idle;
    idle.event = Event::KickIdle;
    idle.window = m_dialog.Wrapper();
    m_dialog.Events().OnNativeMessage(idle);
    for (HeadlessTree* tree : m_dialog.Trees()) {
        tree->Paint();
    }
}

void HeadlessUser::Select(ControlId tree, TreeItem item) {
    Usable<HeadlessTree>(tree).Select(item);
    AfterAction();
}

void HeadlessUser::Type(ControlId id, std::wstring const& text) {
    auto& control = Usable<backend::NativeWindow>(id);
    if (auto* grid = dynamic_cast<HeadlessPropertyGrid*>(&control)) {
        // The open editor takes the keys; its row changes only when it commits.
        grid->TypeInEditor(text);
        AfterAction();
        return;
    }
    if (auto* combo = dynamic_cast<HeadlessCombo*>(&control)) {
        if (!combo->IsEditable()) {
            // A pick list takes typed keys as a search: the first item they start is
            // picked, as the real list does.
            for (int index = 0; index < combo->Count(); ++index) {
                if (StartsTyped(combo->GetItemText(index), text)) {
                    Pick(id, index);
                    return;
                }
            }
            AfterAction();
            return;
        }
        combo->TypeText(text);
    } else {
        auto* edit = dynamic_cast<HeadlessControl*>(&control);
        if (edit == nullptr || edit->Kind() != ControlKind::Edit ||
            (edit->Style() & EditReadOnly) != 0) {
            PLATFORM_ERROR(L"control " + std::to_wstring(id) +
                           L" is not an edit the user can type in");
        }
        edit->SetText(text);
    }
    control.SetFocus();
    Message message;
    message.event = Event::EditChange;
    message.id = id;
    message.window = control.Wrapper();
    m_dialog.Events().OnNativeMessage(message);
    AfterAction();
}

void HeadlessUser::PressKey(ControlId id, int key) {
    Usable<backend::NativeWindow>(id).SetFocus();
    m_dialog.Events().OnNativeKeyDown(id, key);
    AfterAction();
}

void HeadlessUser::Click(ControlId button) {
    if (ClickGoesToSheet(m_dialog, m_dialog.Sheet() != nullptr, m_dialog.HasEnded(), button)) {
        m_dialog.Sheet()->Press(button);
        AfterAction();
        return;
    }
    auto& control = Usable<HeadlessControl>(button);
    if (control.Kind() != ControlKind::Button) {
        PLATFORM_ERROR(L"control " + std::to_wstring(button) + L" is not a button");
    }
    control.SetFocus();
    Message message;
    message.event = Event::Command;
    message.id = button;
    control.Raise(message);
    AfterAction();
}

void HeadlessUser::ClickToolButton(ControlId bar, ControlId command) {
    auto& toolBar = Usable<HeadlessToolBar>(bar);
    if (!toolBar.IsButtonEnabled(command)) {
        PLATFORM_ERROR(L"the toolbar button " + std::to_wstring(command) + L" is disabled");
    }
    toolBar.Press(command);
    Message message;
    message.event = Event::Command;
    message.id = command;
    toolBar.Raise(message);
    AfterAction();
}

void HeadlessUser::Pick(ControlId combo, int index) {
    auto& control = Usable<HeadlessCombo>(combo);
    if (index < 0 || index >= control.Count()) {
        PLATFORM_ERROR(L"combo box " + std::to_wstring(combo) + L" has no item " +
                       std::to_wstring(index));
    }
    control.SetCurSel(index);
    Message message;
    message.event = Event::ComboSelChange;
    message.id = combo;
    control.Raise(message);
    AfterAction();
}

void HeadlessUser::RightClick(ControlId id, Point client) {
    auto& control = Usable<backend::NativeWindow>(id);
    Message message;
    message.event = Event::ContextMenu;
    message.id = id;
    message.window = control.Wrapper();
    message.point = control.ClientToScreen(client);
    m_dialog.Events().OnNativeMessage(message);
    AfterAction();
}

void HeadlessUser::DoubleClick(ControlId tree, Point client) {
    auto& control = Usable<HeadlessTree>(tree);
    // The first click of the two selects what lies under the cursor.
    TreeHitTest const hit = control.HitTest(client);
    if (hit.item && (hit.flags & HitOnItem) != 0) {
        control.Select(hit.item);
    }
    Message message;
    message.event = Event::DblClk;
    message.id = tree;
    message.point = control.ClientToScreen(client);
    control.Raise(message);
    if (!m_dialog.HasEnded() && hit.item && (hit.flags & HitOnItem) != 0 &&
        !control.IsExpanded(hit.item)) {
        control.Expand(hit.item);
    }
    AfterAction();
}

void HeadlessUser::EditProperty(ControlId grid, std::wstring const& path,
                                std::wstring const& text) {
    auto& control = Usable<HeadlessPropertyGrid>(grid);
    control.UserEdit(RowAt(control, grid, path), text);
    AfterAction();
}

void HeadlessUser::ClickProperty(ControlId grid, std::wstring const& path) {
    auto& control = Usable<HeadlessPropertyGrid>(grid);
    control.OpenEditor(RowAt(control, grid, path));
    AfterAction();
}

void HeadlessUser::MoveMouse(ControlId id, Point client) {
    auto& control = Usable<backend::NativeWindow>(id);
    Message message;
    message.event = Event::MouseMove;
    message.id = id;
    message.window = control.Wrapper();
    message.point = client;
    m_dialog.Events().OnNativeMessage(message);
    AfterAction();
}

void HeadlessUser::Resize(Size size) {
    m_dialog.SetClientSize(size);
    AfterAction();
}

void HeadlessUser::Close() {
    Message message;
    message.event = Event::Command;
    message.id = IDCANCEL;
    message.window = m_dialog.Wrapper();
    m_dialog.Events().OnNativeMessage(message);
}

} // namespace platform::headless
