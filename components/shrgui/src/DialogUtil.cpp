#include "shrgui/DialogUtil.h"

#include "platform/ComboBox.h"
#include "platform/Dialog.h"

namespace shrgui {

void SetDlgErrorFocus(platform::Dialog& dialog, int id, bool) {
    dialog.GetDlgItem(id).SetFocus();
}

int FindComboData(platform::ComboBox const& combo, std::intptr_t data) {
    int const count = combo.GetCount();
    for (int i = 0; i < count; ++i) {
        if (combo.GetItemData(i) == data) {
            return i;
        }
    }
    return -1;
}

} // namespace shrgui
