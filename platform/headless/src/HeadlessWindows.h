// The headless backend's native windows: plain state, events raised to the dialog.
#pragma once

#include "platform/Backend.h"
#include "platform/Driver.h"
#include "platform/TreeModel.h"

#include <deque>
#include <map>
#include <memory>
#include <unordered_map>

namespace platform::headless {

class HeadlessDialog;

/// Converts dialog units with the fixed font: 4 units are 6 pixels across, 8 are 13 down.
Point DialogUnitsToPixels(Point units);

/// The state every headless window has; `Base` is the native interface it implements.
template <typename Base> class HeadlessWindow : public Base {
public:
    HeadlessWindow(HeadlessDialog* parent, ControlTemplate const& control);

    ControlId Id() const override { return m_id; }
    backend::NativeWindow* Parent() const override;
    std::wstring GetText() const override { return m_text; }
    void SetText(std::wstring const& text) override { m_text = text; }
    bool IsEnabled() const override { return m_enabled; }
    void Enable(bool on) override { m_enabled = on; }
    bool IsVisible() const override { return m_visible; }
    void Show(bool on) override { m_visible = on; }
    Rect GetWindowRect() const override;
    Rect GetClientRect() const override { return {0, 0, m_rect.Width(), m_rect.Height()}; }
    Point ClientToScreen(Point point) const override;
    void Move(Rect rect) override { m_rect = rect; }
    void SetRedraw(bool on) override { m_redraw = on; }
    bool IsRedrawOn() const override { return m_redraw; }
    void SetFocus() override;
    bool HasFocus() const override;

    ControlKind Kind() const { return m_kind; }
    unsigned Style() const { return m_style; }
    /// Sends `message` from this window to its dialog.
    void Raise(Message& message);

protected:
    HeadlessDialog* m_parent;
    ControlId m_id;
    ControlKind m_kind;
    unsigned m_style;
    std::wstring m_text;
    /// In the parent's client coordinates.
    Rect m_rect;
    bool m_enabled;
    bool m_visible;
    bool m_redraw = true;
};

using HeadlessControl = HeadlessWindow<backend::NativeWindow>;

class HeadlessTree final : public HeadlessWindow<backend::NativeTree> {
public:
    using HeadlessWindow::HeadlessWindow;

    TreeItem Insert(TreeItem parent, InsertAfter where, std::wstring const& text) override;
    void Delete(TreeItem item) override;
    void SetData(TreeItem item, std::uintptr_t data) override;
    std::uintptr_t GetData(TreeItem item) const override;
    std::wstring GetItemText(TreeItem item) const override;
    void SetItemText(TreeItem item, std::wstring const& text) override;
    TreeItem Child(TreeItem item) const override;
    TreeItem NextSibling(TreeItem item) const override;
    TreeItem ParentItem(TreeItem item) const override;
    TreeItem Selected() const override { return m_selected; }
    void Select(TreeItem item) override;
    void Expand(TreeItem item) override;
    bool IsExpanded(TreeItem item) const override;
    void EnsureVisible(TreeItem item) override;
    std::optional<Rect> ItemRect(TreeItem item, bool textOnly) const override;
    TreeHitTest HitTest(Point client) const override;
    void SortChildren(TreeItem item) override;
    std::size_t Count() const override { return m_items.Count(); }

    /// Runs the custom-draw stages over the rows shown, if drawing is on.
    void Paint();
    std::vector<std::pair<StockIcon, Rect>> const& PaintedIcons() const { return m_icons; }

    static constexpr int RowHeight = 16;
    static constexpr int Indent = 19;
    static constexpr int CharWidth = 7;

private:
    struct Shown {
        bool expanded = false;
    };
    using Items = backend::TreeModel<Shown>;

    void NotifySelChanged();
    /// Raises a platform error for an item the tree does not hold.
    Items::Node& At(TreeItem item);
    Items::Node const& At(TreeItem item) const;
    /// The items shown, top to bottom (every ancestor expanded).
    std::vector<std::uintptr_t> VisibleRows() const;
    int Depth(std::uintptr_t item) const;
    Rect LabelRect(std::uintptr_t item, int row) const;
    int VisibleRowCount() const;

    Items m_items;
    TreeItem m_selected;
    int m_top = 0;
    std::vector<std::pair<StockIcon, Rect>> m_icons;
};

class HeadlessCombo final : public HeadlessWindow<backend::NativeCombo> {
public:
    using HeadlessWindow::HeadlessWindow;

    bool IsSorted() const override { return (m_style & ComboSorted) != 0; }
    int AddString(std::wstring const& text) override;
    int InsertString(int index, std::wstring const& text) override;
    void DeleteString(int index) override;
    void ResetContent() override;
    int Count() const override { return static_cast<int>(m_items.size()); }
    std::wstring GetItemText(int index) const override;
    void SetItemData(int index, std::intptr_t data) override;
    std::intptr_t GetItemData(int index) const override;
    int GetCurSel() const override { return m_selection; }
    void SetCurSel(int index) override;
    void SetCueBanner(std::wstring const& text) override { m_cue = text; }
    std::wstring GetCueBanner() const override { return m_cue; }
    /// The height asked for is the dropped-down list's; the box keeps its own.
    void Move(Rect rect) override;

    bool IsEditable() const { return (m_style & ComboEditable) != 0; }
    void TypeText(std::wstring const& text);

private:
    struct Item {
        std::wstring text;
        std::intptr_t data = 0;
    };
    std::vector<Item> m_items;
    int m_selection = -1;
    std::wstring m_cue;
};

class HeadlessPropertyGrid final : public HeadlessWindow<backend::NativePropertyGrid> {
public:
    using HeadlessWindow::HeadlessWindow;

    backend::PropertyHandle Append(backend::PropertyHandle parent,
                                   backend::PropertyDesc const& desc) override;
    void RemoveAll() override;
    Variant GetValue(backend::PropertyHandle row) const override;
    void SetValue(backend::PropertyHandle row, Variant const& value) override;
    void AddOption(backend::PropertyHandle row, std::wstring const& option) override;
    void Select(backend::PropertyHandle row) override;
    backend::PropertyHandle Selected() const override { return m_selected; }
    void EnsureVisible(backend::PropertyHandle row) override;
    void EnableHeader(bool on, std::wstring const& left, std::wstring const& right) override;
    std::wstring DisplayText(backend::PropertyHandle row) const override;

    backend::PropertyHandle Find(std::wstring const& path) const override;
    /// Takes `text` as the user would type or pick it, and notifies the dialog.
    void UserEdit(backend::PropertyHandle row, std::wstring const& text);

private:
    struct Row {
        backend::PropertyDesc desc;
        backend::PropertyHandle parent = 0;
        std::vector<backend::PropertyHandle> children;
    };
    Row& At(backend::PropertyHandle row);
    Row const& At(backend::PropertyHandle row) const;

    std::map<backend::PropertyHandle, Row> m_rows;
    std::vector<backend::PropertyHandle> m_top;
    backend::PropertyHandle m_next = 1;
    backend::PropertyHandle m_selected = 0;
    backend::PropertyHandle m_visible = 0;
    bool m_header = false;
};

class HeadlessToolBar final : public HeadlessWindow<backend::NativeToolBar> {
public:
    using HeadlessWindow::HeadlessWindow;

    void Load(ToolBarTemplate const& bar, std::vector<std::wstring> const& tooltips) override;
    std::vector<ControlId> Buttons() const override;
    void EnableButton(ControlId command, bool on) override;
    bool IsButtonEnabled(ControlId command) const override;
    std::wstring ButtonToolTip(ControlId command) const override;
    Size FixedSize() const override;

private:
    struct Button {
        ControlId command;
        bool enabled = true;
        std::wstring tooltip;
    };
    Button const& Find(ControlId command) const;

    std::vector<Button> m_buttons;
    Size m_buttonSize;
};

class HeadlessSheet;

class HeadlessDialog final : public HeadlessWindow<backend::NativeDialog> {
public:
    /// A page of `sheet` when one is given, else a dialog of its own.
    HeadlessDialog(DialogTemplate const& dialog, backend::DialogEvents& events,
                   backend::NativeWindow* owner, HeadlessSheet* sheet = nullptr);
    ~HeadlessDialog() override;

    backend::NativeWindow* Parent() const override { return m_owner; }
    Rect GetWindowRect() const override;
    backend::NativeWindow* FindChild(ControlId id) const override;
    int RunModal() override;
    void End(int result) override;
    void Post(Message const& message) override { m_posted.push_back(message); }
    Point DialogUnitsToPixels(Point units) const override;
    void SetClientSize(Size size) override;
    void SetResizable(Size minimum) override;
    backend::NativePropertyGrid& CreatePropertyGrid(ControlId id, Rect client) override;
    backend::NativeToolBar& CreateToolBar(ControlId id) override;
    bool SaveScreenshot(std::string const&) override { return false; }

    backend::DialogEvents& Events() { return m_events; }
    bool HasEnded() const;
    HeadlessSheet* Sheet() const { return m_sheet; }
    ControlId Focus() const { return m_focus; }
    void SetFocusTo(ControlId id) { m_focus = id; }
    void DeliverPosted();
    std::vector<HeadlessTree*> Trees() const;

    /// Where the dialog's client area sits on the screen.
    static constexpr Point ClientOrigin{100, 100};

private:
    template <typename T> T& AddChild(ControlTemplate const& control);

    backend::DialogEvents& m_events;
    backend::NativeWindow* m_owner;
    HeadlessSheet* m_sheet;
    std::map<ControlId, std::unique_ptr<backend::NativeWindow>> m_children;
    std::deque<Message> m_posted;
    bool m_ended = false;
    int m_result = 0;
    bool m_resizable = false;
    Size m_minimum;
    ControlId m_focus = 0;
};

class HeadlessSheet final : public backend::NativeSheet {
public:
    HeadlessSheet(std::wstring caption, backend::SheetEvents& events);

    backend::NativeDialog& AddPage(DialogTemplate const& page,
                                   backend::DialogEvents& events) override;
    int RunModal() override;
    void End(int result) override;
    void SetActivePage(int index) override { m_active = index; }
    int ActivePage() const override { return m_active; }

    bool HasEnded() const { return m_ended; }
    /// The sheet's own OK or Cancel, pressed by the user.
    void Press(ControlId button) { m_events.OnSheetButton(button); }

private:
    std::wstring m_caption;
    backend::SheetEvents& m_events;
    std::vector<std::unique_ptr<HeadlessDialog>> m_pages;
    int m_active = 0;
    bool m_ended = false;
    int m_result = 0;
};

class HeadlessUser final : public User {
public:
    explicit HeadlessUser(HeadlessDialog& dialog);

    Dialog& GetDialog() override;
    void Select(ControlId tree, TreeItem item) override;
    void Type(ControlId id, std::wstring const& text) override;
    void PressKey(ControlId id, int key) override;
    void Click(ControlId button) override;
    void ClickToolButton(ControlId bar, ControlId command) override;
    void Pick(ControlId combo, int index) override;
    void RightClick(ControlId id, Point client) override;
    void DoubleClick(ControlId tree, Point client) override;
    void EditProperty(ControlId grid, std::wstring const& path, std::wstring const& text) override;
    void MoveMouse(ControlId id, Point client) override;
    void Resize(Size size) override;
    void Idle() override;
    void Close() override;

    using User::Pick;
    using User::Select;

private:
    template <typename T> T& Usable(ControlId id);
    void AfterAction();

    HeadlessDialog& m_dialog;
};

} // namespace platform::headless
