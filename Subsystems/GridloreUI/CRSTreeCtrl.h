// gridui::CRSTreeCtrl: the browser's tree, with a warning icon on its "Custom" category.
#pragma once

#include "platform/ToolTip.h"
#include "platform/TreeCtrl.h"

namespace gridui {

/// Custom systems last only as long as the browser unless kept; the icon beside the
/// "Custom" node and its tooltip say so.
class CRSTreeCtrl : public platform::TreeCtrl {
public:
    /// The "Custom" category node, or null while the tree has none.
    platform::TreeItem GetCustomItem() const { return customItem; }
    void SetCustomItem(platform::TreeItem item) { customItem = item; }
    /// The text the tooltip shows over the icon.
    static wchar_t const* CustomHint();
    bool IsHintActive() const;

    platform::MessageMap const& GetMessageMap() const override;

protected:
    void PreSubclassWindow() override;
    void OnDestroy() override;

private:
    void OnCustomDraw(platform::Message& message);
    void OnMouseMove(platform::Point point);
    /// Where the icon goes beside a label.
    static platform::Rect IconArea(platform::Rect label);

    platform::TreeItem customItem;
    platform::TreeItem hoverItem;
    platform::ToolTip toolTip;
};

} // namespace gridui
