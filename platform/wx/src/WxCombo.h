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

    int GetCurSel() const override;
    void SetCurSel(int index) override;

    /// The box's items, whichever toolkit control shows them.
    wxItemContainer& List() const { return *m_list; }

private:
    void ShowInserted(int index, std::wstring const& text) override;
    void ShowDeleted(int index) override;
    void ShowCleared() override;
    void ShowCueBanner(std::wstring const& text) override { m_entry->SetHint(ToWx(text)); }

    wxItemContainer* m_list = nullptr;
    wxTextEntry* m_entry = nullptr;
};

} // namespace platform::wx
