#include "WxWindows.h"
#include "platform/SiblingOrder.h"

#include "platform/Error.h"
#include "platform/TreeCtrl.h"

#include <wx/artprov.h>
#include <wx/dcclient.h>
#include <wx/settings.h>

#include <algorithm>
#include <cwctype>
#include <vector>

namespace platform::wx {

/// What the platform keeps beside each item: its data, and its text and children in
/// the tree's order, so that a sorted insertion can search them without asking the
/// toolkit for one text at a time.
struct ItemData final : wxTreeItemData {
    std::uintptr_t value = 0;
    std::wstring text;
    std::vector<wxTreeItemId> children;
    /// Whether the children's texts are in order, which allows a binary search.
    bool sorted = true;
};

namespace {

/// Draws stock icons for custom-draw handlers.
class WxDrawContext final : public DrawContext {
public:
    explicit WxDrawContext(wxDC& dc)
        : m_dc(dc) {}
    void DrawIcon(StockIcon, Rect where) override {
        wxBitmap const icon = wxArtProvider::GetBitmap(wxART_WARNING, wxART_OTHER,
                                                       wxSize(where.Width(), where.Height()));
        m_dc.DrawBitmap(icon, where.left, where.top, true);
    }

private:
    wxDC& m_dc;
};

} // namespace

/// The tree window: orders siblings as the platform does and lets handlers draw after
/// the items are painted.
class WxTreeWindow final : public wxTreeCtrl {
public:
    WxTreeWindow(wxWindow* parent, wxPoint position, wxSize size, long style, WxTree& owner)
        : wxTreeCtrl(parent, wxID_ANY, position, size, style)
        , m_owner(owner) {
        Bind(wxEVT_PAINT, &WxTreeWindow::OnPaintOverlay, this);
    }

    int OnCompareItems(wxTreeItemId const& a, wxTreeItemId const& b) override {
        return TreeCtrl::CompareItemText(FromWx(GetItemText(a)), FromWx(GetItemText(b)));
    }

private:
    void OnPaintOverlay(wxPaintEvent& event) {
        OnPaint(event);
        wxPaintDC dc(this);
        m_owner.PaintOverlay(dc);
    }

    WxTree& m_owner;
};

WxTree::WxTree(WxDialog* parent, ControlTemplate const& control, Rect pixels)
    : WxWindow(parent, control.id, nullptr) {
    long style = wxTR_HIDE_ROOT | wxTR_SINGLE;
    style |= (control.style & TreeHasButtons) != 0 ? wxTR_HAS_BUTTONS : wxTR_NO_BUTTONS;
    style |= (control.style & TreeHasLines) != 0 ? 0 : wxTR_NO_LINES;
    style |= (control.style & TreeLinesAtRoot) != 0 ? wxTR_LINES_AT_ROOT : 0;
    // Framed like the other bordered controls, the description beside it among them.
    style |= (control.style & StyleBorder) != 0 ? wxBORDER_SIMPLE : wxBORDER_NONE;
    m_window = new WxTreeWindow(&parent->Container(), wxPoint(pixels.left, pixels.top),
                                wxSize(pixels.Width(), pixels.Height()), style, *this);
    m_root = Tree().AddRoot(wxEmptyString, -1, -1, new ItemData);
    Tree().Bind(wxEVT_TREE_SEL_CHANGED, [this](wxTreeEvent& event) {
        // The hidden root is never a selection a handler should see.
        if (event.GetItem() == m_root) {
            return;
        }
        NotifySelChanged(Handle(event.GetItem()));
    });
    Tree().Bind(wxEVT_TREE_ITEM_ACTIVATED, [this](wxTreeEvent&) {
        wxPoint const mouse = wxGetMousePosition();
        DoubleClickAt({mouse.x, mouse.y}, false);
    });
    Tree().Bind(wxEVT_CHAR, &WxTree::OnChar, this);
    // The toolkit's tree would replace the window's tooltip by an item's at every move
    // over an item; the window's own (the platform tooltip's) is the one to keep.
    Tree().Bind(wxEVT_TREE_ITEM_GETTOOLTIP,
                [this](wxTreeEvent& event) { event.SetToolTip(Tree().GetToolTipText()); });
    // The focus is drawn over the items, so it comes and goes with a repaint.
    for (auto const type : {wxEVT_SET_FOCUS, wxEVT_KILL_FOCUS}) {
        Tree().Bind(type, [this](wxFocusEvent& event) {
            Tree().Refresh();
            event.Skip();
        });
    }
    Tree().Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
        Message message;
        message.event = Event::MouseMove;
        message.id = m_id;
        message.point = {event.GetX(), event.GetY()};
        Raise(message);
        event.Skip();
    });
}

void WxTree::NotifySelChanged(TreeItem selected) {
    Message message;
    message.event = Event::SelChanged;
    message.id = m_id;
    message.item = selected;
    Raise(message);
}

wxTreeCtrl& WxTree::Tree() const {
    return static_cast<wxTreeCtrl&>(*m_window);
}

wxTreeItemId WxTree::Native(TreeItem item) const {
    return item ? wxTreeItemId(reinterpret_cast<void*>(item.value)) : m_root;
}

TreeItem WxTree::Handle(wxTreeItemId id) {
    return id.IsOk() ? TreeItem{reinterpret_cast<std::uintptr_t>(id.GetID())} : TreeItem{};
}

ItemData& WxTree::DataOf(wxTreeItemId id) const {
    return *static_cast<ItemData*>(Tree().GetItemData(id));
}

TreeItem WxTree::Insert(TreeItem parent, InsertAfter where, std::wstring const& text) {
    wxTreeItemId const under = Native(parent);
    ItemData& family = DataOf(under);
    std::vector<wxTreeItemId>& siblings = family.children;
    auto const textOf = [this](wxTreeItemId sibling) -> std::wstring const& {
        return DataOf(sibling).text;
    };
    auto position = siblings.end();
    if (where == InsertAfter::First) {
        position = siblings.begin();
    } else if (where == InsertAfter::Sort) {
        position = backend::SortedPlace(siblings, family.sorted, text, textOf);
    }
    family.sorted =
        family.sorted && backend::FitsBetween(siblings, position, position, text, textOf);
    auto* data = new ItemData;
    data->text = text;
    auto const before = static_cast<std::size_t>(position - siblings.begin());
    wxTreeItemId const item = Tree().InsertItem(under, before, ToWx(text), -1, -1, data);
    siblings.insert(position, item);
    return Handle(item);
}

void WxTree::Delete(TreeItem item) {
    if (!item) {
        // Emptying the tree ends the selection quietly: whoever refills it selects again.
        Tree().Unselect();
        Tree().DeleteChildren(m_root);
        DataOf(m_root).children.clear();
        DataOf(m_root).sorted = true;
        return;
    }
    // The toolkit would pick a neighbour of its own on its next idle; the selection moves
    // at once, to the neighbour a native tree picks, and the dialog hears of it.
    std::optional<TreeItem> const moveTo = backend::SelectionAfterDelete(*this, item);
    if (moveTo) {
        Tree().Unselect();
    }
    std::vector<wxTreeItemId>& siblings = DataOf(Tree().GetItemParent(Native(item))).children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), Native(item)));
    Tree().Delete(Native(item));
    if (moveTo && *moveTo) {
        Select(*moveTo);
    } else if (moveTo) {
        NotifySelChanged({});
    }
}

void WxTree::SetData(TreeItem item, std::uintptr_t data) {
    DataOf(Native(item)).value = data;
}

std::uintptr_t WxTree::GetData(TreeItem item) const {
    return DataOf(Native(item)).value;
}

std::wstring WxTree::GetItemText(TreeItem item) const {
    return DataOf(Native(item)).text;
}

void WxTree::SetItemText(TreeItem item, std::wstring const& text) {
    wxTreeItemId const id = Native(item);
    ItemData& family = DataOf(Tree().GetItemParent(id));
    auto const position = std::find(family.children.begin(), family.children.end(), id);
    family.sorted =
        family.sorted && backend::FitsBetween(family.children, position, position + 1, text,
                                              [this](wxTreeItemId sibling) -> std::wstring const& {
                                                  return DataOf(sibling).text;
                                              });
    DataOf(id).text = text;
    Tree().SetItemText(id, ToWx(text));
}

TreeItem WxTree::Child(TreeItem item) const {
    wxTreeItemIdValue cookie;
    return Handle(Tree().GetFirstChild(Native(item), cookie));
}

TreeItem WxTree::NextSibling(TreeItem item) const {
    return Handle(Tree().GetNextSibling(Native(item)));
}

TreeItem WxTree::ParentItem(TreeItem item) const {
    wxTreeItemId const parent = Tree().GetItemParent(Native(item));
    return parent == m_root ? TreeItem{} : Handle(parent);
}

TreeItem WxTree::Selected() const {
    wxTreeItemId const selected = Tree().GetSelection();
    return selected == m_root ? TreeItem{} : Handle(selected);
}

void WxTree::Select(TreeItem item) {
    if (item == Selected()) {
        return;
    }
    if (!item) {
        // Clearing the selection is a change the dialog hears of, as with any other.
        Tree().Unselect();
        NotifySelChanged({});
        return;
    }
    Tree().SelectItem(Native(item));
    Tree().EnsureVisible(Native(item));
}

void WxTree::Expand(TreeItem item) {
    Tree().Expand(Native(item));
}

bool WxTree::IsExpanded(TreeItem item) const {
    return Tree().IsExpanded(Native(item));
}

void WxTree::EnsureVisible(TreeItem item) {
    Tree().EnsureVisible(Native(item));
}

std::optional<Rect> WxTree::ItemRect(TreeItem item, bool textOnly) const {
    for (wxTreeItemId parent = Tree().GetItemParent(Native(item));
         parent.IsOk() && parent != m_root; parent = Tree().GetItemParent(parent)) {
        if (!Tree().IsExpanded(parent)) {
            return std::nullopt;
        }
    }
    wxRect rect;
    if (!Tree().GetBoundingRect(Native(item), rect, textOnly)) {
        return std::nullopt;
    }
    return Rect::FromXYWH(rect.x, rect.y, rect.width, rect.height);
}

TreeHitTest WxTree::HitTest(Point client) const {
    int flags = 0;
    wxTreeItemId const item = Tree().HitTest(wxPoint(client.x, client.y), flags);
    static constexpr std::pair<int, unsigned> parts[] = {
        {wxTREE_HITTEST_ONITEMICON, HitOnIcon},
        {wxTREE_HITTEST_ONITEMLABEL, HitOnLabel},
        {wxTREE_HITTEST_ONITEMSTATEICON, HitOnStateIcon},
        {wxTREE_HITTEST_ONITEMINDENT, HitOnIndent},
        {wxTREE_HITTEST_ONITEMBUTTON, HitOnButton},
        {wxTREE_HITTEST_ONITEMRIGHT, HitOnRight},
    };
    unsigned hit = 0;
    for (auto const& [wxPart, part] : parts) {
        if ((flags & wxPart) != 0) {
            hit |= part;
        }
    }
    if (!item.IsOk() || item == m_root || hit == 0) {
        return {};
    }
    return {Handle(item), hit};
}

void WxTree::SortChildren(TreeItem item) {
    wxTreeItemId const id = Native(item);
    Tree().SortChildren(id);
    ItemData& family = DataOf(id);
    family.children.clear();
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = Tree().GetFirstChild(id, cookie); child.IsOk();
         child = Tree().GetNextChild(id, cookie)) {
        family.children.push_back(child);
    }
    family.sorted = true;
}

std::size_t WxTree::Count() const {
    return Tree().GetCount();
}

void WxTree::DoubleClickAt(Point screen, bool select) {
    Point const origin = ClientToScreen({0, 0});
    TreeHitTest const hit = HitTest({screen.x - origin.x, screen.y - origin.y});
    bool const onItem = hit.item && (hit.flags & HitOnItem) != 0;
    if (select && onItem) {
        Select(hit.item);
    }
    Message message;
    message.event = Event::DblClk;
    message.id = m_id;
    message.point = screen;
    Raise(message);
    if (!m_parent->HasEnded() && onItem && !IsExpanded(hit.item)) {
        Expand(hit.item);
    }
}

std::vector<wxTreeItemId> WxTree::ShownItems() const {
    std::vector<wxTreeItemId> shown;
    std::vector<wxTreeItemId> pending;
    auto const pushChildren = [&](wxTreeItemId parent) {
        std::vector<wxTreeItemId> children;
        wxTreeItemIdValue cookie;
        for (wxTreeItemId child = Tree().GetFirstChild(parent, cookie); child.IsOk();
             child = Tree().GetNextChild(parent, cookie)) {
            children.push_back(child);
        }
        pending.insert(pending.end(), children.rbegin(), children.rend());
    };
    pushChildren(m_root);
    while (!pending.empty()) {
        wxTreeItemId const item = pending.back();
        pending.pop_back();
        shown.push_back(item);
        if (Tree().IsExpanded(item)) {
            pushChildren(item);
        }
    }
    return shown;
}

void WxTree::OnChar(wxKeyEvent& event) {
    // The toolkit's tree acts on its hidden root while nothing is selected (and asserts
    // on collapsing it), and its type-ahead opens folders to reach hidden items: the
    // keys act on the selected item only, and type-ahead moves among the shown ones.
    TreeItem const selected = Selected();
    wxTreeItemId const current = selected ? Native(selected) : wxTreeItemId();
    int const key = event.GetKeyCode();
    switch (key) {
    case '+':
    case WXK_ADD:
    case WXK_NUMPAD_ADD:
        if (current.IsOk() && Tree().ItemHasChildren(current)) {
            Tree().Expand(current);
        }
        return;
    case '-':
    case WXK_SUBTRACT:
    case WXK_NUMPAD_SUBTRACT:
        if (current.IsOk() && Tree().IsExpanded(current)) {
            Tree().Collapse(current);
        }
        return;
    case '*':
    case WXK_MULTIPLY:
    case WXK_NUMPAD_MULTIPLY:
        if (current.IsOk() && Tree().IsExpanded(current)) {
            Tree().Collapse(current);
        } else if (current.IsOk()) {
            Tree().ExpandAllChildren(current);
        }
        return;
    default:
        break;
    }
    wxChar const typed = event.GetUnicodeKey();
    if (event.HasModifiers() || typed == WXK_NONE || !std::iswalnum(static_cast<wint_t>(typed))) {
        event.Skip();
        return;
    }
    TypeAhead(static_cast<wchar_t>(std::towlower(static_cast<wint_t>(typed))));
}

void WxTree::TypeAhead(wchar_t typed) {
    auto const now = std::chrono::steady_clock::now();
    bool const fresh = now - m_lastTyped > std::chrono::seconds(1);
    m_lastTyped = now;
    std::vector<wxTreeItemId> const shown = ShownItems();
    auto const selected = std::find(shown.begin(), shown.end(), Native(Selected()));
    std::size_t const at = static_cast<std::size_t>(selected - shown.begin());
    // A longer prefix may still fit the selected item; a new first letter moves on.
    auto const find = [&](std::wstring const& prefix) -> wxTreeItemId {
        std::size_t first = 0;
        if (selected != shown.end()) {
            first = prefix.size() > 1 ? at : at + 1;
        }
        for (std::size_t step = 0; step < shown.size(); ++step) {
            wxTreeItemId const item = shown[(first + step) % shown.size()];
            std::wstring const& text = DataOf(item).text;
            if (text.size() >= prefix.size() &&
                std::equal(prefix.begin(), prefix.end(), text.begin(), [](wchar_t a, wchar_t b) {
                    return a == static_cast<wchar_t>(std::towlower(static_cast<wint_t>(b)));
                })) {
                return item;
            }
        }
        return {};
    };
    std::wstring prefix = fresh ? std::wstring() : m_typed;
    if (prefix != std::wstring(1, typed)) {
        prefix += typed;
    }
    wxTreeItemId found = find(prefix);
    if (!found.IsOk() && prefix.size() > 1) {
        prefix = std::wstring(1, typed);
        found = find(prefix);
    }
    m_typed = prefix;
    if (found.IsOk()) {
        Select(Handle(found));
    }
}

void WxTree::PaintOverlay(wxDC& dc) {
    if (!IsRedrawOn() || Wrapper() == nullptr) {
        return;
    }
    std::vector<wxTreeItemId> const items = ShownItems();
    std::vector<TreeItem> shown;
    shown.reserve(items.size());
    for (wxTreeItemId const item : items) {
        shown.push_back(Handle(item));
    }
    WxDrawContext context(dc);
    backend::RunCustomDraw(m_id, shown, context, [this](Message& message) { Raise(message); });
    if (HasFocus() && !items.empty()) {
        // Where the keys act: the selection, else the first item they would reach.
        TreeItem const selected = Selected();
        wxRect row;
        if (Tree().GetBoundingRect(selected ? Native(selected) : items.front(), row, false)) {
            dc.SetPen(
                wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT), 1, wxPENSTYLE_DOT));
            dc.SetBrush(*wxTRANSPARENT_BRUSH);
            dc.DrawRectangle(row);
        }
    }
}

} // namespace platform::wx
