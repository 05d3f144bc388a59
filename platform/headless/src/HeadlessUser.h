#pragma once

#include "HeadlessDialog.h"
#include "platform/Driver.h"

#include <string>

namespace platform::headless {

class HeadlessUser final : public User {
public:
    explicit HeadlessUser(HeadlessDialog& dialog);

    Dialog& GetDialog() override;
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
    void AfterAction();

    HeadlessDialog& m_dialog;
};

} // namespace platform::headless
