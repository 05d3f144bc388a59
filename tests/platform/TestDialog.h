// A dialog with every control kind, recording what reaches its routing table.
#pragma once

#include "platform/ComboBox.h"
#include "platform/Controls.h"
#include "platform/DrawingSurface.h"
#include "platform/Resources.h"
#include "platform/ToolBar.h"
#include "platform/TreeCtrl.h"
#include "shrgui/CDialogResize.h"
#include "shrgui/CPropertyList.h"

#include <string>
#include <vector>

namespace testdialog {

enum Ids : int {
    TemplateId = 900,
    MenuId = 901,
    ToolBarId = 902,
    NameEdit = 1001,
    Combo = 1002,
    Tree = 1003,
    GridPlaceholder = 1004,
    Label = 1006,
    Description = 1007,
    Group = 1008,
    Grid = 1010,
    Surface = 1011,
    CommandA = 1101,
    CommandB = 1102,
    /// A group box holding a combo box and a property grid, resized as one group.
    BoxedTemplateId = 903,
    Box = 1201,
    BoxedCombo = 1202,
    BoxedPlaceholder = 1203,
    BoxedGrid = 1204,
};

/// Registers the template, menu, toolbar and strings for the life of the object.
class Resources final {
public:
    Resources();
    ~Resources();
    Resources(Resources const&) = delete;
    Resources& operator=(Resources const&) = delete;

    platform::ResourceModule const& Module() const { return m_module; }

private:
    platform::ResourceModule m_module;
};

/// Draws a warning icon right of the label of `marked`, as a tree with a hint icon does.
class IconTree final : public platform::TreeCtrl {
public:
    platform::MessageMap const& GetMessageMap() const override;
    platform::TreeItem marked;

private:
    void OnCustomDraw(platform::Message& message);
};

/// Each routed event appends a line such as "SelChanged 1003" to `log`.
class TestDialog : public shrgui::CDialogResize {
public:
    TestDialog();

    shrgui::ResizeMapEntry const* GetDlgResizeMap() const override;
    platform::MessageMap const& GetMessageMap() const override;

    std::vector<std::wstring> log;
    int idleCount = 0;
    /// Flipped by CommandA, whose toolbar button stays pressed while it is on.
    bool alphaOn = false;
    platform::Edit name;
    platform::ComboBox combo;
    IconTree tree;
    shrgui::CPropertyList grid;
    platform::ToolBar toolBar;
    platform::DrawingSurface surface;
    /// Items of the grid the tests edit.
    shrgui::CProperty* scale = nullptr;
    shrgui::CProperty* unit = nullptr;
    /// When set, a pick of the unit's name empties the grid and fills it again from the
    /// handler, with a "Picked" row holding the name and a "Band" row.
    bool refillOnPick = false;

protected:
    bool OnInitDialog() override;
    void SafeDoDataExchange(platform::DataExchange& exchange) override;

private:
    void OnSelChanged(platform::Message& message);
    void OnDblClk(platform::Message& message);
    void OnComboSelChange();
    void OnNameChange();
    long OnPropertyChanged(std::uint64_t id, std::int64_t property);
    void OnContextMenu(platform::Window* window, platform::Point point);
    void OnCommandA();
    void OnUpdateCommandA(platform::CmdUI& state);
    void OnUpdateCommandB(platform::CmdUI& state);
    void OnIdle();
    void OnTimer(platform::ControlId id);
};

/// Gives the surface a blue base and an opaque red overlay over its left half, for a
/// screenshot to show; returns where the surface lies in the dialog's client area.
platform::Rect PaintRedOverBlue(TestDialog& dialog);

/// A box whose combo and grid grow with it in height, as a panel of a larger dialog.
class BoxedDialog final : public shrgui::CDialogResize {
public:
    BoxedDialog();

    shrgui::ResizeMapEntry const* GetDlgResizeMap() const override;

    shrgui::CPropertyList grid;

protected:
    bool OnInitDialog() override;
};

} // namespace testdialog
