#pragma once

#include "HeadlessWindow.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform::headless {

class HeadlessCombo final : public HeadlessWindow<backend::NativeCombo> {
public:
    using HeadlessWindow::HeadlessWindow;

    bool IsSorted() const override { return (m_style & ComboSorted) != 0; }
    int AddString(std::wstring const& text) override;
    int InsertString(int index, std::wstring const& text) override;
    void DeleteString(int index) override;
    void ResetContent() override;
    int Count() const override { return static_cast<int>(m_items.size()); }
    std::wstring GetItemText(int index) const override;
    void SetItemData(int index, std::intptr_t data) override;
    std::intptr_t GetItemData(int index) const override;
    int GetCurSel() const override { return m_selection; }
    void SetCurSel(int index) override;
    void SetCueBanner(std::wstring const& text) override { m_cue = text; }
    std::wstring GetCueBanner() const override { return m_cue; }
    /// The height asked for is the dropped-down list's; the box keeps its own.
    void Move(Rect rect) override;

    bool IsEditable() const { return (m_style & ComboEditable) != 0; }
    void TypeText(std::wstring const& text);

private:
    struct Item {
        std::wstring text;
        std::intptr_t data = 0;
    };
    std::vector<Item> m_items;
    int m_selection = -1;
    std::wstring m_cue;
};

} // namespace platform::headless
