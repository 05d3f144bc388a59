#include "TestDialog.h"

#include "platform/Dialog.h"

namespace testdialog {

using platform::Rect;

Resources::Resources()
    : m_module(L"tests") {
    // Spelled as a resource script spells them, so each control reads as one line.
    using namespace platform;
    using enum ControlKind;
    DialogTemplate dialog;
    dialog.id = TemplateId;
    dialog.caption = L"Every Control";
    dialog.size = {295, 205};
    dialog.controls = {
        {NameEdit, Edit, L"", {7, 7, 150, 14}, StyleBorder},
        {Combo, ComboBox, L"", {7, 25, 150, 80}, ComboEditable | ComboSorted},
        {Tree, TreeView, L"", {7, 45, 150, 90}, TreeHasButtons | TreeHasLines | TreeLinesAtRoot},
        {Description, Edit, L"Description", {7, 140, 150, 40}, EditMultiLine | EditReadOnly},
        {GridPlaceholder, Static, L"", {165, 25, 123, 155}, StaticFrame | StyleHidden},
        {Group, GroupBox, L"Options", {7, 183, 100, 18}, 0},
        {Label, Static, L"Grid:", {165, 9, 60, 8}, 0},
        {Surface, DrawingSurface, L"", {112, 183, 64, 18}, 0},
        {IDOK, Button, L"OK", {183, 187, 50, 14}, ButtonDefault},
        {IDCANCEL, Button, L"Cancel", {238, 187, 50, 14}, 0},
    };
    m_module.AddDialog(dialog);
    DialogTemplate boxed;
    boxed.id = BoxedTemplateId;
    boxed.caption = L"Boxed";
    boxed.size = {160, 120};
    boxed.controls = {
        {Box, GroupBox, L"Panel", {7, 7, 146, 106}, 0},
        {BoxedCombo, ComboBox, L"", {14, 18, 132, 80}, ComboSorted},
        {BoxedPlaceholder, Static, L"", {14, 34, 132, 72}, StaticFrame | StyleHidden},
    };
    m_module.AddDialog(boxed);
    m_module.AddMenu({MenuId, {{L"", {{CommandA, L"&Alpha"}, {0, L""}, {CommandB, L"&Beta"}}}}});
    m_module.AddToolBar({ToolBarId, {16, 16}, {CommandA, CommandB}, {}, {CommandA}});
    m_module.AddString(CommandA, L"Run alpha\nAlpha");
    m_module.AddString(CommandB, L"Run beta\nBeta");
    RegisterModule(m_module);
}

Resources::~Resources() {
    platform::UnregisterModule(m_module);
}

platform::MessageMap const& IconTree::GetMessageMap() const {
    static platform::MessageMap const map(
        &TreeCtrl::GetMessageMap(),
        {platform::OnNotify(platform::Event::CustomDraw, platform::AnyControl,
                            &IconTree::OnCustomDraw)});
    return map;
}

void IconTree::OnCustomDraw(platform::Message& message) {
    platform::CustomDraw const& draw = *message.draw;
    if (draw.stage == platform::DrawStage::PrePaint) {
        message.result = platform::DrawNotifyItemDraw;
    } else if (draw.item == marked && draw.stage == platform::DrawStage::ItemPrePaint) {
        message.result = platform::DrawNotifyPostPaint;
    } else if (draw.item == marked) {
        Rect const label = *GetItemRect(draw.item, true);
        int const side = label.Height() - 2;
        draw.context->DrawIcon(platform::StockIcon::Warning,
                               Rect::FromXYWH(label.right + 4, label.top + 1, side, side));
    }
}

TestDialog::TestDialog()
    : shrgui::CDialogResize(TemplateId, nullptr) {}

shrgui::ResizeMapEntry const* TestDialog::GetDlgResizeMap() const {
    static shrgui::ResizeMapEntry const map[] = {
        {-1, shrgui::ResizeBeginGroup},
        {Tree, shrgui::ResizeSizeY},
        {Description, shrgui::ResizeSizeY},
        {-1, shrgui::ResizeEndGroup},
        {NameEdit, shrgui::ResizeSizeX},
        {Combo, shrgui::ResizeSizeX},
        {Tree, shrgui::ResizeSizeX},
        {Description, shrgui::ResizeSizeX},
        {Grid, shrgui::ResizeMoveX | shrgui::ResizeSizeY},
        {platform::ToolBarWindowId, shrgui::ResizeMoveX},
        {Group, shrgui::ResizeMoveY},
        {platform::IDOK, shrgui::ResizeMoveX | shrgui::ResizeMoveY},
        {platform::IDCANCEL, shrgui::ResizeMoveX | shrgui::ResizeMoveY},
        shrgui::ResizeMapEnd,
    };
    return map;
}

platform::MessageMap const& TestDialog::GetMessageMap() const {
    using E = platform::Event;
    static platform::MessageMap const map(
        &CDialogResize::GetMessageMap(),
        {
            platform::OnKickIdle(&TestDialog::OnIdle),
            platform::OnNotify(E::SelChanged, Tree, &TestDialog::OnSelChanged),
            platform::OnNotify(E::DblClk, Tree, &TestDialog::OnDblClk),
            platform::OnNotify(E::ComboSelChange, Combo, &TestDialog::OnComboSelChange),
            platform::OnNotify(E::EditChange, NameEdit, &TestDialog::OnNameChange),
            platform::OnPropertyChanged(&TestDialog::OnPropertyChanged),
            platform::OnContextMenu(&TestDialog::OnContextMenu),
            platform::OnCommand(CommandA, &TestDialog::OnCommandA),
            platform::OnUpdateCommandUI(CommandA, &TestDialog::OnUpdateCommandA),
            platform::OnUpdateCommandUI(CommandB, &TestDialog::OnUpdateCommandB),
            platform::OnTimer(&TestDialog::OnTimer),
        });
    return map;
}

void TestDialog::SafeDoDataExchange(platform::DataExchange& exchange) {
    platform::DDX_Control(exchange, NameEdit, name);
    platform::DDX_Control(exchange, Combo, combo);
    platform::DDX_Control(exchange, Tree, tree);
    platform::DDX_Control(exchange, Surface, surface);
}

bool TestDialog::OnInitDialog() {
    CDialogResize::OnInitDialog();
    Rect const place = ScreenToClient(GetDlgItem(GridPlaceholder).GetWindowRect());
    grid.Create(0, place, *this, Grid);
    grid.EnableHeaderCtrl(true, L"Parameter", L"Value");
    auto group = std::make_unique<shrgui::CProperty>(L"Linear Units", 1004, false);
    auto unitName =
        std::make_unique<shrgui::CProperty>(L"Name", std::wstring(L"Meters"), L"", 1005);
    unitName->AddOption(L"Meters");
    unitName->AddOption(L"Feet");
    unitName->AddOption(L"Meters");
    unitName->AllowEdit(false);
    unitName->SetSelector();
    unit = group->AddSubItem(std::move(unitName));
    grid.AddProperty(std::move(group));
    auto value = std::make_unique<shrgui::CProperty>(L"Scale", 1.5, L"", 3);
    scale = value.get();
    grid.AddProperty(std::move(value));
    grid.AddProperty(std::make_unique<shrgui::CProperty>(L"Zone", 33, L"", 4));
    grid.AddProperty(std::make_unique<shrgui::CProperty>(L"North", true, L"", 5));

    toolBar.Create(*this);
    toolBar.LoadToolBar(ToolBarId);
    platform::Size const size = toolBar.CalcFixedLayout();
    Rect const button = ScreenToClient(GetDlgItem(platform::IDCANCEL).GetWindowRect());
    toolBar.MoveWindow(Rect::FromXYWH(button.right - size.width, 4, size.width, size.height));
    toolBar.SetOwner(*this);
    InitResizing(true, true, 0);
    return true;
}

void TestDialog::OnSelChanged(platform::Message& message) {
    log.push_back(L"SelChanged " + (message.item ? tree.GetItemText(message.item) : L"none"));
}

void TestDialog::OnDblClk(platform::Message&) {
    log.push_back(L"DblClk");
}

void TestDialog::OnComboSelChange() {
    log.push_back(L"ComboSelChange " + std::to_wstring(combo.GetCurSel()));
}

void TestDialog::OnTimer(platform::ControlId id) {
    log.push_back(L"Timer " + std::to_wstring(id));
}

void TestDialog::OnNameChange() {
    log.push_back(L"EditChange " + name.GetWindowText());
}

long TestDialog::OnPropertyChanged(std::uint64_t id, std::int64_t property) {
    auto const* changed = shrgui::CProperty::FromNotification(property);
    log.push_back(L"PropertyChanged " + std::to_wstring(id) + L" " + changed->GetName() + L" " +
                  changed->FormatValue());
    if (refillOnPick && changed->GetData() == 1005) {
        // The changed item goes with the others: only what was read before stays.
        platform::Variant const picked = changed->GetValue();
        grid.RemoveAll();
        scale = nullptr;
        unit = nullptr;
        grid.AddProperty(std::make_unique<shrgui::CProperty>(L"Picked", picked, L"", 8));
        grid.AddProperty(std::make_unique<shrgui::CProperty>(L"Band", std::wstring(L"N"), L"", 7));
    }
    return 0;
}

void TestDialog::OnContextMenu(platform::Window* window, platform::Point) {
    log.push_back(L"ContextMenu " +
                  std::to_wstring(window != nullptr ? window->GetDlgCtrlID() : 0));
}

void TestDialog::OnCommandA() {
    log.push_back(L"CommandA");
    alphaOn = !alphaOn;
}

void TestDialog::OnUpdateCommandA(platform::CmdUI& state) {
    state.SetCheck(alphaOn);
}

void TestDialog::OnUpdateCommandB(platform::CmdUI& state) {
    state.Enable(false);
}

void TestDialog::OnIdle() {
    ++idleCount;
}

BoxedDialog::BoxedDialog()
    : shrgui::CDialogResize(BoxedTemplateId, nullptr) {}

shrgui::ResizeMapEntry const* BoxedDialog::GetDlgResizeMap() const {
    using namespace shrgui;
    static ResizeMapEntry const map[] = {
        {-1, ResizeBeginGroup},    {Box, ResizeSizeY},       {BoxedCombo, ResizeSizeY},
        {BoxedGrid, ResizeSizeY},  {-1, ResizeEndGroup},     {Box, ResizeSizeX},
        {BoxedCombo, ResizeSizeX}, {BoxedGrid, ResizeSizeX}, ResizeMapEnd,
    };
    return map;
}

bool BoxedDialog::OnInitDialog() {
    CDialogResize::OnInitDialog();
    grid.Create(0, ScreenToClient(GetDlgItem(BoxedPlaceholder).GetWindowRect()), *this, BoxedGrid);
    grid.AddProperty(std::make_unique<shrgui::CProperty>(L"Scale", 1.0 / 3.0, L"", 3));
    InitResizing(true, true, 0);
    return true;
}

platform::Rect PaintRedOverBlue(TestDialog& dialog) {
    platform::DrawingSurface& surface = dialog.surface;
    platform::Point const origin = dialog.ScreenToClient(surface.Native().ClientToScreen({0, 0}));
    platform::Rect const own = surface.GetClientRect();
    platform::Drawing base;
    base.background = {0, 0, 255};
    surface.SetBase(base);
    platform::Drawing overlay;
    overlay.rects.push_back(
        {platform::Rect{0, 0, own.Width() / 2, own.Height()}, {255, 0, 0}, {255, 0, 0}});
    surface.SetOverlay(overlay);
    return own.Offset(origin.x, origin.y);
}

} // namespace testdialog
