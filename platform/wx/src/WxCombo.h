#pragma once

#include "WxDialog.h"
#include "WxWindow.h"
#include "platform/ModelBackedCombo.h"

#include <wx/ctrlsub.h>
#include <wx/textentry.h>

#include <string>

namespace platform::wx {

class WxCombo final : public backend::ModelBackedCombo<WxWindow<backend::NativeCombo>> {
public:
    WxCombo(WxDialog* parent, ControlTemplate const& control, Rect pixels);

    bool IsSorted() const override { return m_sorted; }
    void ResetContent() override;
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
    void ShowInserted(int index, std::wstring const& text) override;
    void ShowDeleted(int index) override;

    bool m_sorted;
    bool m_editable;
    wxItemContainer* m_list = nullptr;
    wxTextEntry* m_entry = nullptr;
};

} // namespace platform::wx
