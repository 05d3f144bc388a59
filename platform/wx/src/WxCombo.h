#pragma once

#include "WxDialog.h"
#include "WxWindow.h"

#include <wx/ctrlsub.h>
#include <wx/textentry.h>

#include <cstdint>
#include <string>
#include <vector>

namespace platform::wx {

class WxCombo final : public WxWindow<backend::NativeCombo> {
public:
    WxCombo(WxDialog* parent, ControlTemplate const& control, Rect pixels);

    bool IsSorted() const override { return m_sorted; }
    int AddString(std::wstring const& text) override;
    int InsertString(int index, std::wstring const& text) override;
    void DeleteString(int index) override;
    void ResetContent() override;
    int Count() const override;
    std::wstring GetItemText(int index) const override;
    void SetItemData(int index, std::intptr_t data) override;
    std::intptr_t GetItemData(int index) const override;
    int GetCurSel() const override;
    void SetCurSel(int index) override;
    void SetCueBanner(std::wstring const& text) override;
    std::wstring GetCueBanner() const override;
    /// The height asked for is the dropped-down list's; the box keeps its natural one.
    void Move(Rect rect) override;

    bool IsEditable() const { return m_editable; }
    /// The box's items, whichever toolkit control shows them.
    wxItemContainer& List() const { return *m_list; }

private:
    struct Item {
        std::wstring text;
        std::intptr_t data = 0;
    };

    bool m_sorted;
    bool m_editable;
    wxItemContainer* m_list = nullptr;
    wxTextEntry* m_entry = nullptr;
    /// The items as the box holds them: GTK reaches an item by walking its list, which
    /// made a sorted fill of hundreds of items take seconds.
    std::vector<Item> m_items;
};

} // namespace platform::wx
