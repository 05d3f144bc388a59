#include "platform/TreeCtrl.h"

#include "platform/Backend.h"
#include "platform/Error.h"

#include <algorithm>
#include <cwctype>

namespace platform {

void backend::RunCustomDraw(ControlId tree, std::vector<TreeItem> const& rows, DrawContext& context,
                            std::function<void(Message&)> const& raise) {
    CustomDraw draw{DrawStage::PrePaint, {}, &context};
    Message message;
    message.event = Event::CustomDraw;
    message.id = tree;
    message.draw = &draw;
    raise(message);
    if ((message.result & DrawNotifyItemDraw) == 0) {
        return;
    }
    for (TreeItem const item : rows) {
        draw = {DrawStage::ItemPrePaint, item, &context};
        message.result = 0;
        raise(message);
        if ((message.result & DrawNotifyPostPaint) != 0) {
            draw.stage = DrawStage::ItemPostPaint;
            message.result = 0;
            raise(message);
        }
    }
}

std::optional<TreeItem> backend::SelectionAfterDelete(NativeTree const& tree, TreeItem doomed) {
    TreeItem selected = tree.Selected();
    while (selected && selected != doomed) {
        selected = tree.ParentItem(selected);
    }
    if (!selected) {
        return std::nullopt;
    }
    if (TreeItem const next = tree.NextSibling(doomed)) {
        return next;
    }
    TreeItem const parent = tree.ParentItem(doomed);
    TreeItem previous;
    for (TreeItem sibling = tree.Child(parent); sibling && sibling != doomed;
         sibling = tree.NextSibling(sibling)) {
        previous = sibling;
    }
    return previous ? previous : parent;
}

bool TreeCtrl::Accepts(backend::NativeWindow& native) const {
    return dynamic_cast<backend::NativeTree*>(&native) != nullptr;
}

backend::NativeTree& TreeCtrl::Tree() const {
    return static_cast<backend::NativeTree&>(Native());
}

namespace {

// Sorted insertion compares texts thousands of times per rebuild; ASCII needs no table.
wint_t Lower(wchar_t ch) {
    if (ch < 0x80) {
        return ch >= L'A' && ch <= L'Z' ? static_cast<wint_t>(ch + 32) : static_cast<wint_t>(ch);
    }
    return std::towlower(static_cast<wint_t>(ch));
}

wint_t Lower(char ch) {
    return Lower(static_cast<wchar_t>(static_cast<unsigned char>(ch)));
}

template <typename Char> bool IsDigit(Char ch) {
    return ch >= '0' && ch <= '9';
}

/// Where the value of the run of digits at `at` starts: past its leading zeros, but
/// never past its last digit.
template <typename Char> std::size_t SkipZeros(std::basic_string_view<Char> text, std::size_t at) {
    while (at + 1 < text.size() && text[at] == '0' && IsDigit(text[at + 1])) {
        ++at;
    }
    return at;
}

template <typename Char> std::size_t DigitsEnd(std::basic_string_view<Char> text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

template <typename Char>
int CompareText(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
    // Siblings often share a long start ("NAD83(HARN) / UTM zone 1"): it is passed at the
    // cost of a plain comparison, except that a run of digits the texts part in is read
    // whole, from its start.
    auto i = static_cast<std::size_t>(std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first -
                                      a.begin());
    bool const partInDigits = (i < a.size() && IsDigit(a[i])) || (i < b.size() && IsDigit(b[i]));
    while (partInDigits && i > 0 && IsDigit(a[i - 1])) {
        --i;
    }
    std::size_t j = i;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            // Runs of digits compare by value, as file managers order them: 2N before 29S.
            std::size_t const startA = SkipZeros(a, i);
            std::size_t const startB = SkipZeros(b, j);
            std::size_t const endA = DigitsEnd(a, startA);
            std::size_t const endB = DigitsEnd(b, startB);
            if (endA - startA != endB - startB) {
                return endA - startA < endB - startB ? -1 : 1;
            }
            if (int const order = a.compare(startA, endA - startA, b, startB, endB - startB);
                order != 0) {
                return order < 0 ? -1 : 1;
            }
            i = endA;
            j = endB;
            continue;
        }
        auto const lowerA = Lower(a[i]);
        auto const lowerB = Lower(b[j]);
        if (lowerA != lowerB) {
            return lowerA < lowerB ? -1 : 1;
        }
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) {
        return i < a.size() ? 1 : -1;
    }
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

} // namespace

int TreeCtrl::CompareItemText(std::wstring_view a, std::wstring_view b) {
    return CompareText(a, b);
}

int TreeCtrl::CompareAsciiItemText(std::string_view a, std::string_view b) {
    return CompareText(a, b);
}

TreeItem TreeCtrl::InsertItem(std::wstring const& text, TreeItem parent, InsertAfter where) {
    return Tree().Insert(parent, where, text);
}

bool TreeCtrl::DeleteItem(TreeItem item) {
    if (!item) {
        return false;
    }
    Tree().Delete(item);
    return true;
}

void TreeCtrl::DeleteAllItems() {
    Tree().Delete({});
}

void TreeCtrl::SetItemData(TreeItem item, std::uintptr_t data) {
    Tree().SetData(item, data);
}

std::uintptr_t TreeCtrl::GetItemData(TreeItem item) const {
    return Tree().GetData(item);
}

std::wstring TreeCtrl::GetItemText(TreeItem item) const {
    return Tree().GetItemText(item);
}

void TreeCtrl::SetItemText(TreeItem item, std::wstring const& text) {
    Tree().SetItemText(item, text);
}

TreeItem TreeCtrl::GetRootItem() const {
    return Tree().Child({});
}

TreeItem TreeCtrl::GetChildItem(TreeItem item) const {
    return item ? Tree().Child(item) : TreeItem{};
}

TreeItem TreeCtrl::FindChildItem(TreeItem parent, std::wstring const& text) const {
    return Tree().FindChild(parent, text);
}

TreeItem TreeCtrl::GetNextSiblingItem(TreeItem item) const {
    return item ? Tree().NextSibling(item) : TreeItem{};
}

TreeItem TreeCtrl::GetParentItem(TreeItem item) const {
    return item ? Tree().ParentItem(item) : TreeItem{};
}

TreeItem TreeCtrl::GetSelectedItem() const {
    return Tree().Selected();
}

bool TreeCtrl::SelectItem(TreeItem item) {
    Tree().Select(item);
    return true;
}

void TreeCtrl::Expand(TreeItem item) {
    if (item) {
        Tree().Expand(item);
    }
}

bool TreeCtrl::IsExpanded(TreeItem item) const {
    return item && Tree().IsExpanded(item);
}

void TreeCtrl::EnsureVisible(TreeItem item) {
    if (item) {
        Tree().EnsureVisible(item);
    }
}

std::optional<Rect> TreeCtrl::GetItemRect(TreeItem item, bool textOnly) const {
    if (!item) {
        return std::nullopt;
    }
    return Tree().ItemRect(item, textOnly);
}

TreeHitTest TreeCtrl::HitTest(Point client) const {
    return Tree().HitTest(client);
}

void TreeCtrl::SortChildren(TreeItem item) {
    Tree().SortChildren(item);
}

std::size_t TreeCtrl::GetCount() const {
    return Tree().Count();
}

void TreeCtrl::WarmUp() {
    Tree().WarmUp();
}

} // namespace platform
