#pragma once

#include "QtDialog.h"
#include "QtWindow.h"
#include "platform/ModelBackedTree.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::qt {

/// What the Qt tree keeps per item beside the shared model: only whether it is open.
struct QtTreeRow {
    bool expanded = false;
};

class QtTree final : public backend::ModelBackedTree<QtWindow<backend::NativeTree>, QtTreeRow> {
public:
    QtTree(QtDialog* parent, ControlTemplate const& control, Rect pixels);
    ~QtTree() override;

    TreeItem Insert(TreeItem parent, InsertAfter where, std::wstring const& text) override;
    void Delete(TreeItem item) override;
    void SetItemText(TreeItem item, std::wstring const& text) override;
    TreeItem Selected() const override;
    void Select(TreeItem item) override;
    void Expand(TreeItem item) override;
    bool IsExpanded(TreeItem item) const override;
    void EnsureVisible(TreeItem item) override;
    void SetRedraw(bool on) override;
    std::optional<Rect> ItemRect(TreeItem item, bool textOnly) const override;
    TreeHitTest HitTest(Point client) const override;
    void SortChildren(TreeItem item) override;
    void WarmUp() override;
};

} // namespace platform::qt
