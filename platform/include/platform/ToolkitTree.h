// platform::backend::ToolkitTree: a toolkit's tree window whose scrolls wait for drawing.
#pragma once

#include "platform/ModelBackedTree.h"

#include <utility>
#include <vector>

namespace platform::backend {

/// A tree drawn by a toolkit (`Window` over NativeTree, items with `Extra`). A frozen
/// toolkit tree lays out its new items only when it thaws, so a scroll asked for while
/// drawing is off waits for drawing: a scroll now would go by the items' old places. The
/// folders open at once, so that what the program asks next is answered as it will be.
template <typename Window, typename Extra>
class ToolkitTree : public ModelBackedTree<Window, Extra> {
public:
    using ModelBackedTree<Window, Extra>::ModelBackedTree;

    void EnsureVisible(TreeItem item) final {
        this->At(item);
        if (this->IsRedrawOn()) {
            ScrollTo(item);
            return;
        }
        OpenAncestors(item);
        m_scrollsOnRedraw.push_back(item);
    }

    /// Scrolls to the items selected or asked for while drawing was off.
    void SetRedraw(bool on) final {
        ModelBackedTree<Window, Extra>::SetRedraw(on);
        if (!on) {
            return;
        }
        // In the order asked, as each scroll starts where the one before left the view.
        m_scrollingOnRedraw = true;
        for (TreeItem const item : std::exchange(m_scrollsOnRedraw, {})) {
            // The item may have gone since, with the items it was among.
            if (this->m_items.Contains(item.value)) {
                ScrollTo(item);
            }
        }
        m_scrollingOnRedraw = false;
        Redrawn();
    }

protected:
    /// The toolkit opens the item's folders and scrolls it into view.
    virtual void ScrollTo(TreeItem item) = 0;
    /// The toolkit opens the item's folders, the nearest first.
    virtual void OpenAncestors(TreeItem item) = 0;
    /// Drawing is on again and the scrolls asked for meanwhile are done.
    virtual void Redrawn() {}

    /// While the scrolls asked for while drawing was off run.
    bool IsScrollingOnRedraw() const { return m_scrollingOnRedraw; }

private:
    std::vector<TreeItem> m_scrollsOnRedraw;
    bool m_scrollingOnRedraw = false;
};

} // namespace platform::backend
