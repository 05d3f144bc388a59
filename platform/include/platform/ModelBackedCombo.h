// platform::backend::ModelBackedCombo: a combo box's items kept beside the toolkit's list,
// the same on every backend.
#pragma once

#include "platform/Backend.h"
#include "platform/Templates.h"
#include "platform/TreeCtrl.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace platform::backend {

/// A backend's combo box (`Window`, which implements NativeCombo) that keeps its items'
/// texts and data itself: a toolkit reaches an item by walking its list (GTK made a sorted
/// fill of hundreds take seconds), and the sorted order is the platform's, not the
/// toolkit's. Its style and cue are kept here too. The backend shows each change.
template <typename Window> class ModelBackedCombo : public Window {
public:
    /// `style` is the control template's; the rest make the window.
    template <typename... WindowArgs>
    explicit ModelBackedCombo(unsigned style, WindowArgs&&... window)
        : Window(std::forward<WindowArgs>(window)...)
        , m_sorted((style & ComboSorted) != 0)
        , m_editable((style & ComboEditable) != 0) {}

    bool IsSorted() const final { return m_sorted; }
    /// Whether the user types into the box, or only picks from its list.
    bool IsEditable() const { return m_editable; }

    int AddString(std::wstring const& text) final {
        int position = Count();
        if (this->IsSorted()) {
            // After the last item that does not sort after the text.
            auto const after =
                std::upper_bound(m_items.begin(), m_items.end(), text,
                                 [](std::wstring const& value, Item const& item) {
                                     return TreeCtrl::CompareItemText(value, item.text) < 0;
                                 });
            position = static_cast<int>(after - m_items.begin());
        }
        return InsertString(position, text);
    }

    int InsertString(int index, std::wstring const& text) final {
        int const at = index < 0 ? Count() : index;
        ShowInserted(at, text);
        m_items.insert(m_items.begin() + at, Item{text});
        return at;
    }

    void DeleteString(int index) final {
        ShowDeleted(index);
        m_items.erase(m_items.begin() + index);
    }

    void ResetContent() final {
        ShowCleared();
        m_items.clear();
    }

    int Count() const final { return static_cast<int>(m_items.size()); }
    std::wstring GetItemText(int index) const final { return At(index).text; }
    void SetItemData(int index, std::intptr_t data) final { At(index).data = data; }
    std::intptr_t GetItemData(int index) const final { return At(index).data; }

    void SetCueBanner(std::wstring const& text) final {
        m_cue = text;
        ShowCueBanner(text);
    }

    std::wstring GetCueBanner() const final { return m_cue; }

    /// The height asked for is the dropped-down list's; the box keeps its own.
    void Move(Rect rect) final {
        Window::Move(
            Rect::FromXYWH(rect.left, rect.top, rect.Width(), this->GetWindowRect().Height()));
    }

protected:
    /// The toolkit's list gains an item at `index`, before the items learn of it.
    virtual void ShowInserted(int index, std::wstring const& text) = 0;
    /// The toolkit's list loses the item at `index`, before the items do.
    virtual void ShowDeleted(int index) = 0;
    /// The toolkit's list loses every item and the selection, before the items do; what
    /// the user typed in an editable box stays, a pick list shows nothing.
    virtual void ShowCleared() = 0;
    /// The toolkit shows `text` in the empty box, as a cue to what it takes.
    virtual void ShowCueBanner(std::wstring const&) {}

private:
    struct Item {
        std::wstring text;
        std::intptr_t data = 0;
    };

    Item& At(int index) { return m_items.at(static_cast<std::size_t>(index)); }
    Item const& At(int index) const { return m_items.at(static_cast<std::size_t>(index)); }

    std::vector<Item> m_items;
    bool m_sorted;
    bool m_editable;
    std::wstring m_cue;
};

} // namespace platform::backend
