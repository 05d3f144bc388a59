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
    platform::TreeItem GetCustomItem() const { return m_customItem; }
    void SetCustomItem(platform::TreeItem item) { m_customItem = item; }
    /// The text the tooltip shows over the icon.
    static wchar_t const* CustomHint();
    bool IsHintActive() const;
    /// With `kept`, custom systems last until the user deletes them, and the hint says so.
    void SetCustomSystemsKept(bool kept) { m_customKept = kept; }
    /// The hint for custom systems that are kept.
    static wchar_t const* KeptCustomHint();
    /// The hint this tree shows over the icon.
    wchar_t const* Hint() const { return m_customKept ? KeptCustomHint() : CustomHint(); }
    /// Whether the tree has been painted since its window was made; on its first paint it
    /// posts its dialog the command TreeFirstPainted.
    bool HasBeenPainted() const { return m_painted; }

    platform::MessageMap const& GetMessageMap() const override;
    /// The Delete key sends the dialog the command that deletes a custom system.
    bool PreTranslateMessage(platform::Message& message) override;

protected:
    void PreSubclassWindow() override;
    void OnDestroy() override;

private:
    void OnCustomDraw(platform::Message& message);
    void OnMouseMove(platform::Point point);
    void NoteFirstPaint();
    /// Where the icon goes beside a label.
    static platform::Rect IconArea(platform::Rect label);

    platform::TreeItem m_customItem;
    platform::TreeItem m_hoverItem;
    platform::ToolTip m_toolTip;
    bool m_customKept = false;
    bool m_painted = false;
};

} // namespace gridui
