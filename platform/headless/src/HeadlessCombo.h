#pragma once

#include "HeadlessWindow.h"
#include "platform/ModelBackedCombo.h"

#include <string>

namespace platform::headless {

class HeadlessCombo final : public backend::ModelBackedCombo<HeadlessWindow<backend::NativeCombo>> {
public:
    HeadlessCombo(HeadlessDialog* parent, ControlTemplate const& control)
        : ModelBackedCombo(control.style, parent, control) {}

    int GetCurSel() const override { return m_selection; }
    void SetCurSel(int index) override;

    void TypeText(std::wstring const& text);

private:
    /// The selection stays on its item as items come and go before it.
    void ShowInserted(int index, std::wstring const& text) override;
    void ShowDeleted(int index) override;
    void ShowCleared() override;

    int m_selection = -1;
};

} // namespace platform::headless
