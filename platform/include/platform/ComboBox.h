// platform::ComboBox: a list of texts with item data, a selection and an edit field.
#pragma once

#include "platform/Export.h"
#include "platform/Window.h"

#include <cstdint>
#include <string>

namespace platform {

namespace backend {
class NativeCombo;
}

class PLATFORM_EXPORT ComboBox : public Window {
public:
    /// At the sorted place in a sorted combo, else last; returns the position.
    int AddString(std::wstring const& text);
    int InsertString(int index, std::wstring const& text);
    void DeleteString(int index);
    void ResetContent();
    int GetCount() const;
    std::wstring GetLBText(int index) const;
    void SetItemData(int index, std::intptr_t data);
    std::intptr_t GetItemData(int index) const;
    /// -1 when nothing is selected.
    int GetCurSel() const;
    /// Selects without a notification; -1 clears. A position out of range is an error.
    void SetCurSel(int index);
    /// Position of the item whose text equals `text` exactly, or -1.
    int FindStringExact(std::wstring const& text) const;
    /// The grey hint shown while the edit field is empty.
    void SetCueBanner(std::wstring const& text);
    std::wstring GetCueBanner() const;

protected:
    bool Accepts(backend::NativeWindow& native) const override;

private:
    backend::NativeCombo& Combo() const;
    void CheckIndex(int index) const;
};

} // namespace platform
