#include "platform/ScriptedUser.h"

#include "platform/Dialog.h"
#include "platform/Error.h"

namespace platform::backend {

ScriptedUser::ScriptedUser(NativeDialog& dialog, NativeSheet* sheet)
    : m_dialog(dialog)
    , m_sheet(sheet) {}

void ScriptedUser::Play(Scene const& scene) {
    if (!m_dialog.HasEnded()) {
        Idle();
    }
    if (!m_dialog.HasEnded() && scene) {
        scene(*this);
    }
    if (!m_dialog.HasEnded()) {
        PLATFORM_ERROR(L"the driver's scene for dialog " + std::to_wstring(m_dialog.Id()) +
                       L" ended with the dialog still open");
    }
}

Dialog& ScriptedUser::GetDialog() {
    return *static_cast<Dialog*>(m_dialog.Wrapper());
}

void ScriptedUser::Act(std::function<void()> const& action) {
    action();
    if (!m_dialog.HasEnded()) {
        Idle();
    }
}

void ScriptedUser::Input(NativeWindow& control, Message input) {
    Act([&] { Deliver(control, input); });
}

void ScriptedUser::Select(ControlId tree, TreeItem item) {
    auto& control = Usable<NativeTree>(tree);
    Act([&] { control.Select(item); });
}

void ScriptedUser::Type(ControlId id, std::wstring const& text) {
    auto& control = Usable<NativeWindow>(id);
    Act([&] { TypeInto(control, text); });
}

void ScriptedUser::PressKey(ControlId id, int key) {
    Input(Usable<NativeWindow>(id), {.event = Event::KeyDown, .id = id, .key = key});
}

void ScriptedUser::Click(ControlId button) {
    if (ClickGoesToSheet(m_dialog, m_sheet != nullptr, m_dialog.HasEnded(), button)) {
        Act([&] { m_sheet->Press(button); });
        return;
    }
    Input(Usable<NativeWindow>(button), {.event = Event::Command, .id = button});
}

void ScriptedUser::ClickToolButton(ControlId bar, ControlId command) {
    auto& toolBar = Usable<NativeToolBar>(bar);
    Act([&] { toolBar.Click(command); });
}

void ScriptedUser::Pick(ControlId combo, int index) {
    auto& control = Usable<NativeCombo>(combo);
    if (index < 0 || index >= control.Count()) {
        PLATFORM_ERROR(L"combo box " + std::to_wstring(combo) + L" has no item " +
                       std::to_wstring(index));
    }
    Input(control, {.event = Event::ComboSelChange, .id = combo, .param = index});
}

void ScriptedUser::RightClick(ControlId id, Point client) {
    auto& control = Usable<NativeWindow>(id);
    Input(control,
          {.event = Event::ContextMenu, .id = id, .point = control.ClientToScreen(client)});
}

void ScriptedUser::DoubleClick(ControlId tree, Point client) {
    auto& control = Usable<NativeTree>(tree);
    Input(control, {.event = Event::DblClk, .id = tree, .point = control.ClientToScreen(client)});
}

void ScriptedUser::EditProperty(ControlId grid, std::wstring const& path,
                                std::wstring const& text) {
    auto& control = Usable<NativePropertyGrid>(grid);
    PropertyHandle const row = RowAt(control, grid, path);
    Act([&] { control.UserEdit(row, text); });
}

void ScriptedUser::ClickProperty(ControlId grid, std::wstring const& path) {
    auto& control = Usable<NativePropertyGrid>(grid);
    PropertyHandle const row = RowAt(control, grid, path);
    Act([&] { control.ClickValue(row); });
}

void ScriptedUser::MoveMouse(ControlId id, Point client) {
    Input(Usable<NativeWindow>(id), {.event = Event::MouseMove, .id = id, .point = client});
}

void ScriptedUser::Resize(Size size) {
    Act([&] { m_dialog.SetClientSize(size); });
}

void ScriptedUser::Close() {
    Message close{.event = Event::Command, .id = IDCANCEL, .window = m_dialog.Wrapper()};
    Route(close);
}

} // namespace platform::backend
