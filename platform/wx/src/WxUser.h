#pragma once

#include "WxDialog.h"
#include "platform/Driver.h"

#include <functional>
#include <string>

namespace platform::wx {

class WxPropertyGrid;

class WxUser final : public User {
public:
    explicit WxUser(WxDialog& dialog);

    /// Plays `scene` on the dialog; a scene that leaves it open is an internal error.
    void Play(Scene const& scene);

    platform::Dialog& GetDialog() override;
    void Select(ControlId tree, TreeItem item) override;
    void Type(ControlId id, std::wstring const& text) override;
    void PressKey(ControlId id, int key) override;
    void Click(ControlId button) override;
    void ClickToolButton(ControlId bar, ControlId command) override;
    void Pick(ControlId combo, int index) override;
    void RightClick(ControlId id, Point client) override;
    void DoubleClick(ControlId tree, Point client) override;
    void EditProperty(ControlId grid, std::wstring const& path, std::wstring const& text) override;
    void ClickProperty(ControlId grid, std::wstring const& path) override;
    void MoveMouse(ControlId id, Point client) override;
    void Resize(Size size) override;
    void Idle() override;
    void Close() override;

    using User::Pick;
    using User::Select;

private:
    template <typename T> T& Usable(ControlId id);
    void TypeInEditor(WxPropertyGrid& grid, std::wstring const& text);
    /// Runs the action as the event loop would, then lets the dialog go idle.
    void Act(std::function<void()> const& action);

    WxDialog& m_dialog;
};

} // namespace platform::wx
