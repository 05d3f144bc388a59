// platform::backend::ModelBackedCombo: a combo box's items kept beside the toolkit's list,
// the same on every backend.
#pragma once

#include "platform/Backend.h"
#include "platform/TreeCtrl.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform::backend {

/// A backend's combo box (`Window`, which implements NativeCombo) that keeps its items'
/// texts and data itself: a toolkit reaches an item by walking its list (GTK made a sorted
/// fill of hundreds take seconds), and the sorted order is the platform's, not the
/// toolkit's. The backend shows each insertion and deletion.
template <typename Window> class ModelBackedCombo : public Window {
public:
    using Window::Window;

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

    int Count() const final { return static_cast<int>(m_items.size()); }
    std::wstring GetItemText(int index) const final { return At(index).text; }
    void SetItemData(int index, std::intptr_t data) final { At(index).data = data; }
    std::intptr_t GetItemData(int index) const final { return At(index).data; }

protected:
    /// The toolkit's list gains an item at `index`, before the items learn of it.
    virtual void ShowInserted(int index, std::wstring const& text) = 0;
    /// The toolkit's list loses the item at `index`, before the items do.
    virtual void ShowDeleted(int index) = 0;
    void ClearItems() { m_items.clear(); }

private:
    struct Item {
        std::wstring text;
        std::intptr_t data = 0;
    };

    Item& At(int index) { return m_items.at(static_cast<std::size_t>(index)); }
    Item const& At(int index) const { return m_items.at(static_cast<std::size_t>(index)); }

    std::vector<Item> m_items;
};

} // namespace platform::backend
