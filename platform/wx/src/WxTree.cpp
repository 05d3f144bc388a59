#include "WxTree.h"
#include "WxDialog.h"
#include "WxWindow.h"

#include "platform/Error.h"
#include "platform/TreeCtrl.h"

#include <wx/artprov.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/renderer.h>
#include <wx/settings.h>
#include <wx/treectrl.h>

#include <algorithm>
#include <cwctype>
#include <initializer_list>
#include <utility>
#include <vector>

namespace platform::wx {

namespace {

/// What the toolkit's item knows of the platform's: its handle.
struct ItemHandle final : wxTreeItemData {
    explicit ItemHandle(std::uintptr_t handle)
        : value(handle) {}
    std::uintptr_t value;
};

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

wxColour Halfway(wxColour const& from, wxColour const& to) {
    auto const mid = [](unsigned char a, unsigned char b) {
        return static_cast<unsigned char>((a + b) / 2);
    };
    return {mid(from.Red(), to.Red()), mid(from.Green(), to.Green()), mid(from.Blue(), to.Blue())};
}

bool IsAnyOf(int key, std::initializer_list<int> keys) {
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

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
        return TreeCtrl::CompareItemText(m_owner.TextOf(a), m_owner.TextOf(b));
    }

    void ScrollWindow(int dx, int dy, wxRect const* rect) override {
        wxTreeCtrl::ScrollWindow(dx, dy, rect);
        m_owner.ShowTextsInView();
    }

private:
    void OnPaintOverlay(wxPaintEvent& event) {
        // The toolkit's dotted lines cost cairo a stroke per dot, as much as the rows' text;
        // a solid line of half their colour looks as light. Set here, as the toolkit sets
        // its own pen again whenever the system colours change.
        if (m_dottedPen.GetStyle() != wxPENSTYLE_SOLID) {
            m_dottedPen = wxPen(Halfway(m_dottedPen.GetColour(), GetBackgroundColour()));
        }
        // Rows that came into view otherwise than by a scroll (a folder above them closed,
        // the window grew) get their text before they are drawn.
        m_owner.ShowTextsInView();
        OnPaint(event);
        wxPaintDC dc(this);
        m_owner.PaintOverlay(dc);
    }

    WxTree& m_owner;
};

WxTree::WxTree(WxDialog* parent, ControlTemplate const& control, Rect pixels)
    : ToolkitTree(parent, control.id, nullptr) {
    long style = wxTR_HIDE_ROOT | wxTR_SINGLE;
    style |= (control.style & TreeHasButtons) != 0 ? wxTR_HAS_BUTTONS : wxTR_NO_BUTTONS;
    style |= (control.style & TreeHasLines) != 0 ? 0 : wxTR_NO_LINES;
    style |= (control.style & TreeLinesAtRoot) != 0 ? wxTR_LINES_AT_ROOT : 0;
    // Framed like the other bordered controls, the description beside it among them.
    style |= (control.style & StyleBorder) != 0 ? wxBORDER_SIMPLE : wxBORDER_NONE;
    m_widget = new WxTreeWindow(&parent->Container(), wxPoint(pixels.left, pixels.top),
                                wxSize(pixels.Width(), pixels.Height()), style, *this);
    m_root = Tree().AddRoot(wxEmptyString, -1, -1, new ItemHandle(0));
    m_items.At(0).extra = {m_root, true};
    // An item's children are made in the toolkit's tree when it first opens, whoever
    // opens it (a key, a click on its button, the program).
    Tree().Bind(wxEVT_TREE_ITEM_EXPANDING, [this](wxTreeEvent& event) {
        ShowChildren(Handle(event.GetItem()).value);
        event.Skip();
    });
    Tree().Bind(wxEVT_TREE_SEL_CHANGED, [this](wxTreeEvent& event) {
        // The hidden root is never a selection a handler should see.
        if (event.GetItem() == m_root) {
            return;
        }
        AnnounceSelection(Handle(event.GetItem()));
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

wxTreeCtrl& WxTree::Tree() const {
    return static_cast<wxTreeCtrl&>(*m_widget);
}

wxTreeItemId WxTree::NativeIfShown(TreeItem item) const {
    return item ? At(item).extra.native : m_root;
}

wxTreeItemId WxTree::Native(TreeItem item) {
    if (!item) {
        return m_root;
    }
    Node const& node = At(item);
    if (!node.extra.native.IsOk()) {
        Native(TreeItem{node.parent});
        ShowChildren(node.parent);
    }
    return node.extra.native;
}

TreeItem WxTree::Handle(wxTreeItemId id) const {
    if (!id.IsOk() || id == m_root) {
        return {};
    }
    return TreeItem{static_cast<ItemHandle*>(Tree().GetItemData(id))->value};
}

std::wstring WxTree::TextOf(wxTreeItemId id) const {
    return GetItemText(Handle(id));
}

wxTreeItemId WxTree::ShowItem(std::uintptr_t item, wxTreeItemId parent, std::size_t position) {
    Node& node = m_items.At(item);
    // The toolkit measures every item's text when it lays the tree out, which costs more
    // than anything else in a search that opens its results' folders: made while frozen,
    // an item gets its text only when it comes into view.
    node.extra.textShown = IsRedrawOn();
    node.extra.native = Tree().InsertItem(
        parent, position, node.extra.textShown ? ToWx(m_items.Text(item)) : wxString(), -1, -1,
        new ItemHandle(item));
    if (!node.children.empty()) {
        Tree().SetItemHasChildren(node.extra.native, true);
    }
    return node.extra.native;
}

void WxTree::ShowChildren(std::uintptr_t item) {
    Node& node = m_items.At(item);
    if (node.extra.childrenShown) {
        return;
    }
    node.extra.childrenShown = true;
    std::size_t position = 0;
    for (std::uintptr_t const child : node.children) {
        ShowItem(child, node.extra.native, position++);
    }
    // From now on the children made here decide whether it has a button.
    if (item != 0) {
        Tree().SetItemHasChildren(node.extra.native, false);
    }
}

void WxTree::ShowInserted(TreeItem parent, TreeItem item, std::size_t position) {
    Node const& family = m_items.At(parent.value);
    if (family.extra.childrenShown) {
        ShowItem(item.value, family.extra.native, position);
    } else if (family.extra.native.IsOk() && family.children.size() == 1) {
        // Its button shows there is something inside before the children are made.
        Tree().SetItemHasChildren(family.extra.native, true);
    }
}

void WxTree::ShowCleared() {
    Tree().Unselect();
    Tree().DeleteChildren(m_root);
}

void WxTree::ShowDeleting(TreeItem item) {
    Node const& node = At(item);
    Node const& family = m_items.At(node.parent);
    if (node.extra.native.IsOk()) {
        Tree().Delete(node.extra.native);
    } else if (family.extra.native.IsOk() && family.children.size() == 1) {
        Tree().SetItemHasChildren(family.extra.native, false);
    }
}

void WxTree::ShowRenamed(TreeItem item) {
    Node const& node = At(item);
    if (node.extra.textShown) {
        Tree().SetItemText(node.extra.native, ToWx(m_items.Text(item.value)));
    }
}

void WxTree::ShowText(TreeItem item) {
    Node& node = At(item);
    if (node.extra.textShown || !node.extra.native.IsOk()) {
        return;
    }
    node.extra.textShown = true;
    Tree().SetItemText(node.extra.native, ToWx(m_items.Text(item.value)));
}

void WxTree::ShowTextsInView() {
    // While the scrolls asked for while frozen run, the texts wait for the last one.
    if (!IsRedrawOn() || IsScrollingOnRedraw()) {
        return;
    }
    int const height = Tree().GetClientSize().y;
    int const laidOutWidth = Tree().GetVirtualSize().x;
    bool wider = false;
    for (wxTreeItemId const id : ShownItems()) {
        wxRect row;
        if (!Tree().GetBoundingRect(id, row)) {
            continue;
        }
        // The rows run down the window: once one is below it, so are the rest.
        if (row.GetTop() >= height) {
            break;
        }
        TreeItem const item = Handle(id);
        if (row.GetBottom() >= 0 && !At(item).extra.textShown) {
            ShowText(item);
            Tree().GetBoundingRect(id, row);
            wider = wider || Tree().CalcUnscrolledPosition(row.GetBottomRight()).x >= laidOutWidth;
        }
    }
    // The tree was laid out without these texts, and may have to scroll to show them whole.
    if (wider) {
        Tree().AdjustMyScrollbars();
    }
}

TreeItem WxTree::Selected() const {
    return Handle(Tree().GetSelection());
}

void WxTree::Select(TreeItem item) {
    if (item == Selected()) {
        return;
    }
    if (!item) {
        // Clearing the selection is a change the dialog hears of, as with any other.
        Tree().Unselect();
        AnnounceSelection({});
        return;
    }
    Tree().SelectItem(Native(item));
    EnsureVisible(item);
}

bool WxTree::IsExpanded(TreeItem item) const {
    wxTreeItemId const native = NativeIfShown(item);
    return native.IsOk() && Tree().IsExpanded(native);
}

void WxTree::OpenAncestors(TreeItem item) {
    for (TreeItem parent = ParentItem(item); parent; parent = ParentItem(parent)) {
        Tree().Expand(Native(parent));
    }
}

std::optional<Rect> WxTree::ItemRect(TreeItem item, bool textOnly) const {
    for (TreeItem parent = ParentItem(item); parent; parent = ParentItem(parent)) {
        if (!IsExpanded(parent)) {
            return std::nullopt;
        }
    }
    wxRect rect;
    wxTreeItemId const native = NativeIfShown(item);
    // An item out of view may not have its text yet, which its label's size depends on;
    // giving it changes only what the toolkit keeps of the items, as laying them out does.
    if (native.IsOk() && textOnly) {
        auto& self = const_cast<WxTree&>(*this);
        self.ShowText(item);
    }
    if (!native.IsOk() || !Tree().GetBoundingRect(native, rect, textOnly)) {
        return std::nullopt;
    }
    return Rect::FromXYWH(rect.x, rect.y, rect.width, rect.height);
}

TreeHitTest WxTree::HitTest(Point client) const {
    int flags = 0;
    wxTreeItemId const item = Tree().HitTest(wxPoint(client.x, client.y), flags);
    static constexpr std::pair<int, unsigned> Parts[] = {
        {wxTREE_HITTEST_ONITEMICON, HitOnIcon},
        {wxTREE_HITTEST_ONITEMLABEL, HitOnLabel},
        {wxTREE_HITTEST_ONITEMSTATEICON, HitOnStateIcon},
        {wxTREE_HITTEST_ONITEMINDENT, HitOnIndent},
        {wxTREE_HITTEST_ONITEMBUTTON, HitOnButton},
        {wxTREE_HITTEST_ONITEMRIGHT, HitOnRight},
    };
    unsigned hit = 0;
    for (auto const& [wxPart, part] : Parts) {
        if ((flags & wxPart) != 0) {
            hit |= part;
        }
    }
    if (!item.IsOk() || item == m_root || hit == 0) {
        return {};
    }
    return {Handle(item), hit};
}

void WxTree::ShowSorted(TreeItem item) {
    if (m_items.At(item.value).extra.childrenShown) {
        Tree().SortChildren(NativeIfShown(item));
    }
}

void WxTree::WarmUp() {
    // GTK loads an image loader for its theme's expander the first time one is drawn, which
    // is in the first search that opens folders; a user's search should only draw it.
    int const side = Tree().FromDIP(16);
    wxBitmap canvas(side, side);
    wxMemoryDC dc(canvas);
    for (int const flags : {0, static_cast<int>(wxCONTROL_EXPANDED)}) {
        wxRendererNative::Get().DrawTreeItemButton(&Tree(), dc, wxRect(0, 0, side, side), flags);
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
    wxTreeItemId const current = selected ? NativeIfShown(selected) : wxTreeItemId();
    int const key = event.GetKeyCode();
    // Plus opens, minus closes, and star closes an open item or opens all below it.
    bool const open = IsAnyOf(key, {'+', WXK_ADD, WXK_NUMPAD_ADD});
    bool const close = IsAnyOf(key, {'-', WXK_SUBTRACT, WXK_NUMPAD_SUBTRACT});
    bool const toggle = IsAnyOf(key, {'*', WXK_MULTIPLY, WXK_NUMPAD_MULTIPLY});
    if (open || close || toggle) {
        bool const expanded = current.IsOk() && Tree().IsExpanded(current);
        if (expanded && (close || toggle)) {
            Tree().Collapse(current);
        } else if (current.IsOk() && open && Tree().ItemHasChildren(current)) {
            Tree().Expand(current);
        } else if (current.IsOk() && toggle) {
            Tree().ExpandAllChildren(current);
        }
        return;
    }
    wxChar const typed = event.GetUnicodeKey();
    if (event.HasModifiers() || typed == WXK_NONE ||
        std::iswalnum(static_cast<wint_t>(typed)) == 0) {
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
    auto const selected = std::find(shown.begin(), shown.end(), NativeIfShown(Selected()));
    std::size_t const at = static_cast<std::size_t>(selected - shown.begin());
    // A longer prefix may still fit the selected item; a new first letter moves on.
    auto const find = [&](std::wstring const& prefix) -> wxTreeItemId {
        std::size_t first = 0;
        if (selected != shown.end()) {
            first = prefix.size() > 1 ? at : at + 1;
        }
        for (std::size_t step = 0; step < shown.size(); ++step) {
            wxTreeItemId const item = shown[(first + step) % shown.size()];
            std::wstring const text = TextOf(item);
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
        if (Tree().GetBoundingRect(selected ? NativeIfShown(selected) : items.front(), row,
                                   false)) {
            dc.SetPen(
                wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT), 1, wxPENSTYLE_DOT));
            dc.SetBrush(*wxTRANSPARENT_BRUSH);
            dc.DrawRectangle(row);
        }
    }
}

} // namespace platform::wx
