#include "CRSTreeCtrl.h"

#include "DialogCommand.h"
#include "gridui/ResourceIds.h"

namespace gridui {

wchar_t const* CRSTreeCtrl::CustomHint() {
    return L"Custom coordinate systems are removed when this window closes unless used as the "
           L"current coordinate system. Add to Favorites to keep for future use.";
}

wchar_t const* CRSTreeCtrl::KeptCustomHint() {
    return L"Custom coordinate systems are kept for later sessions until you delete them "
           L"(Delete key or right-click).";
}

bool CRSTreeCtrl::PreTranslateMessage(platform::Message& message) {
    if (message.event != platform::Event::KeyDown || message.key != platform::KeyDelete) {
        return TreeCtrl::PreTranslateMessage(message);
    }
    SendCommandToDialog(*this, res::DeleteCustom);
    return true;
}

bool CRSTreeCtrl::IsHintActive() const {
    return m_toolTip.IsActive();
}

platform::MessageMap const& CRSTreeCtrl::GetMessageMap() const {
    static platform::MessageMap const map(
        &TreeCtrl::GetMessageMap(),
        {
            platform::OnNotify(platform::Event::CustomDraw, platform::AnyControl,
                               &CRSTreeCtrl::OnCustomDraw),
            platform::OnMouseMove(&CRSTreeCtrl::OnMouseMove),
        });
    return map;
}

void CRSTreeCtrl::PreSubclassWindow() {
    TreeCtrl::PreSubclassWindow();
    // Without its tooltip the tree still works; only the hint is lost.
    if (!m_toolTip.Create(*this)) {
        return;
    }
    m_toolTip.AddTool(Hint());
    m_toolTip.Activate(false);
}

void CRSTreeCtrl::OnDestroy() {
    m_painted = false;
    m_hoverItem = {};
    m_customItem = {};
    m_toolTip.Destroy();
    TreeCtrl::OnDestroy();
}

platform::Rect CRSTreeCtrl::IconArea(platform::Rect label) {
    int const side = label.Height() - 2;
    return platform::Rect::FromXYWH(label.right + 4, label.top + 1, side, side);
}

void CRSTreeCtrl::OnCustomDraw(platform::Message& message) {
    platform::CustomDraw const& draw = *message.draw;
    message.result = platform::DrawDefault;
    if (draw.stage == platform::DrawStage::PrePaint) {
        message.result = platform::DrawNotifyItemDraw;
        NoteFirstPaint();
    } else if (!m_customItem || draw.item != m_customItem) {
        return;
    } else if (draw.stage == platform::DrawStage::ItemPrePaint) {
        message.result = platform::DrawNotifyPostPaint;
    } else if (std::optional<platform::Rect> const label = GetItemRect(m_customItem, true)) {
        draw.context->DrawIcon(platform::StockIcon::Warning, IconArea(*label));
    }
}

void CRSTreeCtrl::NoteFirstPaint() {
    if (m_painted) {
        return;
    }
    m_painted = true;
    // Posted, not sent: the work it starts must not hold back the frame this paint is in.
    // An idle message may have come before this paint, and none may come after it.
    if (auto* dialog = dynamic_cast<platform::Dialog*>(GetParent())) {
        dialog->PostCommand(res::TreeFirstPainted, GetDlgCtrlID());
    }
}

void CRSTreeCtrl::OnMouseMove(platform::Point point) {
    std::optional<platform::Rect> const label =
        m_customItem ? GetItemRect(m_customItem, true) : std::nullopt;
    bool const overIcon = label && IconArea(*label).Contains(point);
    if (overIcon == static_cast<bool>(m_hoverItem)) {
        return;
    }
    m_hoverItem = overIcon ? m_customItem : platform::TreeItem{};
    if (m_toolTip.HasWindow()) {
        m_toolTip.Activate(overIcon);
    }
}

} // namespace gridui
