#include "platform/ComboBox.h"

#include "platform/Backend.h"
#include "platform/Error.h"

namespace platform {

bool ComboBox::Accepts(backend::NativeWindow& native) const {
    return dynamic_cast<backend::NativeCombo*>(&native) != nullptr;
}

backend::NativeCombo& ComboBox::Combo() const {
    return static_cast<backend::NativeCombo&>(Native());
}

void ComboBox::CheckIndex(int index) const {
    if (index < 0 || index >= Combo().Count()) {
        PLATFORM_ERROR(L"combo box " + std::to_wstring(GetDlgCtrlID()) + L" has no item " +
                       std::to_wstring(index));
    }
}

int ComboBox::AddString(std::wstring const& text) {
    return Combo().AddString(text);
}

int ComboBox::InsertString(int index, std::wstring const& text) {
    if (index != -1 && index != Combo().Count()) {
        CheckIndex(index);
    }
    return Combo().InsertString(index, text);
}

void ComboBox::DeleteString(int index) {
    CheckIndex(index);
    Combo().DeleteString(index);
}

void ComboBox::ResetContent() {
    Combo().ResetContent();
}

int ComboBox::GetCount() const {
    return Combo().Count();
}

std::wstring ComboBox::GetLBText(int index) const {
    CheckIndex(index);
    return Combo().GetItemText(index);
}

void ComboBox::SetItemData(int index, std::intptr_t data) {
    CheckIndex(index);
    Combo().SetItemData(index, data);
}

std::intptr_t ComboBox::GetItemData(int index) const {
    CheckIndex(index);
    return Combo().GetItemData(index);
}

int ComboBox::GetCurSel() const {
    return Combo().GetCurSel();
}

void ComboBox::SetCurSel(int index) {
    if (index != -1) {
        CheckIndex(index);
    }
    Combo().SetCurSel(index);
}

int ComboBox::FindStringExact(std::wstring const& text) const {
    int const count = Combo().Count();
    for (int i = 0; i < count; ++i) {
        if (Combo().GetItemText(i) == text) {
            return i;
        }
    }
    return -1;
}

void ComboBox::SetCueBanner(std::wstring const& text) {
    Combo().SetCueBanner(text);
}

std::wstring ComboBox::GetCueBanner() const {
    return Combo().GetCueBanner();
}

} // namespace platform
