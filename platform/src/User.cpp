#include "platform/Driver.h"

#include "platform/Dialog.h"
#include "platform/Error.h"

namespace platform {

namespace {

template <typename T> T& NativeAs(Dialog& dialog, ControlId id) {
    if (auto* control = dynamic_cast<T*>(dialog.NativeDialog().FindChild(id))) {
        return *control;
    }
    PLATFORM_ERROR(L"dialog " + std::to_wstring(dialog.GetTemplateId()) + L" has no control " +
                   std::to_wstring(id) + L" of the kind asked for");
}

Point LabelMiddle(Dialog& dialog, ControlId tree, TreeItem item) {
    auto& control = NativeAs<backend::NativeTree>(dialog, tree);
    control.EnsureVisible(item);
    std::optional<Rect> const rect = control.ItemRect(item, true);
    if (!rect) {
        PLATFORM_ERROR(L"tree " + std::to_wstring(tree) + L" does not show the item");
    }
    return {(rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2};
}

} // namespace

namespace {
std::wstring Where(backend::NativeDialog& dialog, ControlId id) {
    return L"control " + std::to_wstring(id) + L" of dialog " + std::to_wstring(dialog.Id());
}
} // namespace

backend::NativeWindow& User::UsableWindow(backend::NativeDialog& dialog, bool closed,
                                          ControlId id) {
    if (closed) {
        PLATFORM_ERROR(L"the user acted on " + Where(dialog, id) + L" after the dialog closed");
    }
    backend::NativeWindow* control = dialog.FindChild(id);
    if (control == nullptr) {
        PLATFORM_ERROR(L"the user acted on " + Where(dialog, id) + L", which is missing");
    }
    if (!control->IsEnabled() || !control->IsVisible()) {
        PLATFORM_ERROR(L"the user acted on " + Where(dialog, id) +
                       L", which is disabled or hidden");
    }
    return *control;
}

bool User::ClickGoesToSheet(backend::NativeDialog& dialog, bool onSheet, bool closed,
                            ControlId button) {
    if (!onSheet || (button != IDOK && button != IDCANCEL)) {
        return false;
    }
    backend::NativeWindow const* own = dialog.FindChild(button);
    if (own != nullptr && own->IsVisible() && own->IsEnabled()) {
        return false;
    }
    if (closed) {
        PLATFORM_ERROR(L"the user pressed a button of a sheet that has closed");
    }
    return true;
}

backend::PropertyHandle User::RowAt(backend::NativePropertyGrid const& grid, ControlId id,
                                    std::wstring const& path) {
    backend::PropertyHandle const row = grid.Find(path);
    if (row == 0) {
        PLATFORM_ERROR(L"property grid " + std::to_wstring(id) + L" has no row \"" + path + L"\"");
    }
    return row;
}

void User::KindMismatch(backend::NativeDialog& dialog, ControlId id) {
    PLATFORM_ERROR(L"the user acted on " + Where(dialog, id) + L" as if it were another kind");
}

TreeItem User::FindTreeItem(ControlId tree, std::wstring const& path) {
    auto& control = NativeAs<backend::NativeTree>(GetDialog(), tree);
    TreeItem item = control.Child({});
    std::size_t start = 0;
    while (true) {
        std::size_t const bar = path.find(L'|', start);
        std::wstring const part = path.substr(start, bar == std::wstring::npos ? bar : bar - start);
        while (item && control.GetItemText(item) != part) {
            item = control.NextSibling(item);
        }
        if (!item || bar == std::wstring::npos) {
            return item;
        }
        item = control.Child(item);
        start = bar + 1;
    }
}

void User::Select(ControlId tree, std::wstring const& path) {
    TreeItem const item = FindTreeItem(tree, path);
    if (!item) {
        PLATFORM_ERROR(L"tree " + std::to_wstring(tree) + L" has no item \"" + path + L"\"");
    }
    Select(tree, item);
}

void User::DoubleClickItem(ControlId tree, TreeItem item) {
    DoubleClick(tree, LabelMiddle(GetDialog(), tree, item));
}

void User::RightClickItem(ControlId tree, TreeItem item) {
    RightClick(tree, LabelMiddle(GetDialog(), tree, item));
}

void User::Pick(ControlId combo, std::wstring const& text) {
    auto& control = NativeAs<backend::NativeCombo>(GetDialog(), combo);
    for (int i = 0; i < control.Count(); ++i) {
        if (control.GetItemText(i) == text) {
            Pick(combo, i);
            return;
        }
    }
    PLATFORM_ERROR(L"combo box " + std::to_wstring(combo) + L" offers no \"" + text + L"\"");
}

int User::RunTimers() {
    // A handler may start a timer again; one that always does would never let a user on.
    constexpr int Endless = 1000;
    int expired = 0;
    while (GetDialog().NativeDialog().ExpireNextTimer()) {
        Idle();
        if (++expired == Endless) {
            PLATFORM_ERROR(L"the timers of dialog " + std::to_wstring(GetDialog().GetTemplateId()) +
                           L" start again without end");
        }
    }
    return expired;
}

} // namespace platform
