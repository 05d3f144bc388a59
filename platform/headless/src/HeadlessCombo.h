#pragma once

#include "HeadlessWindow.h"
#include "platform/ModelBackedCombo.h"

#include <string>

namespace platform::headless {

class HeadlessCombo final : public backend::ModelBackedCombo<HeadlessWindow<backend::NativeCombo>> {
public:
    using ModelBackedCombo::ModelBackedCombo;

    bool IsSorted() const override { return (m_style & ComboSorted) != 0; }
    void ResetContent() override;
    int GetCurSel() const override { return m_selection; }
    void SetCurSel(int index) override;
    void SetCueBanner(std::wstring const& text) override { m_cue = text; }
    std::wstring GetCueBanner() const override { return m_cue; }
    /// The height asked for is the dropped-down list's; the box keeps its own.
    void Move(Rect rect) override;

    bool IsEditable() const { return (m_style & ComboEditable) != 0; }
    void TypeText(std::wstring const& text);

private:
    /// The selection stays on its item as items come and go before it.
    void ShowInserted(int index, std::wstring const& text) override;
    void ShowDeleted(int index) override;

    int m_selection = -1;
    std::wstring m_cue;
};

} // namespace platform::headless
