// Behaviour both backends must show alike; compiled into the headless and the wx tests.
#include "DialogScene.h"

#include "platform/Error.h"
#include "platform/PopupMenu.h"
#include "platform/PropertyGrid.h"
#include "platform/PropertySheet.h"
#include "platform/ToolTip.h"
#include "shr/Exception.h"
#include "shrgui/DialogUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstddef>

using platform::InsertAfter;
using platform::Rect;
using platform::TreeItem;
using platform::User;
using testdialog::TestDialog;

namespace {

/// The last line logged; a readable failure, not a crash of the whole run, when a
/// notification never came.
std::wstring Last(std::vector<std::wstring> const& log) {
    return log.empty() ? L"(nothing logged)" : log.back();
}

class Behaviour : public DialogScene {
protected:
    std::vector<std::wstring> Children(TreeItem parent) {
        std::vector<std::wstring> texts;
        for (TreeItem item = parent ? m_dialog.tree.GetChildItem(parent)
                                    : m_dialog.tree.GetRootItem();
             item; item = m_dialog.tree.GetNextSiblingItem(item)) {
            texts.push_back(m_dialog.tree.GetItemText(item));
        }
        return texts;
    }
};

// Each executable names the suite after its backend, so the two runs stay apart.
class BEHAVIOUR_SUITE : public Behaviour {};

} // namespace

TEST_F(BEHAVIOUR_SUITE, tree_sorts_siblings_finds_children_and_keeps_item_data) {
    Play([&](User& user) {
        auto& tree = m_dialog.tree;
        TreeItem const sorted = tree.InsertItem(L"Sorted");
        std::uintptr_t data = 10;
        for (wchar_t const* text : {L"beta", L"Gamma", L"alpha", L"Beta", L"Alpha", L"b",
                                    L"zone 10N", L"zone 02N", L"zone 9", L"zone 2S"}) {
            tree.SetItemData(tree.InsertItem(text, sorted, InsertAfter::Sort), data++);
        }
        // Runs of digits count by their value, so zone 9 comes before zone 10.
        EXPECT_EQ(Children(sorted),
                  (std::vector<std::wstring>{L"Alpha", L"alpha", L"b", L"Beta", L"beta", L"Gamma",
                                             L"zone 02N", L"zone 2S", L"zone 9", L"zone 10N"}));
        EXPECT_EQ(tree.GetItemData(user.FindTreeItem(testdialog::Tree, L"Sorted|Gamma")), 11U);
        EXPECT_EQ(tree.GetItemData(user.FindTreeItem(testdialog::Tree, L"Sorted|Alpha")), 14U);

        TreeItem const appended = tree.InsertItem(L"Appended");
        tree.InsertItem(L"middle", appended, InsertAfter::Last);
        tree.InsertItem(L"last", appended, InsertAfter::Last);
        tree.InsertItem(L"first", appended, InsertAfter::First);
        EXPECT_EQ(Children(appended), (std::vector<std::wstring>{L"first", L"middle", L"last"}));
        EXPECT_EQ(Children({}), (std::vector<std::wstring>{L"Sorted", L"Appended"}));
        EXPECT_EQ(tree.GetParentItem(tree.GetChildItem(appended)), appended);
        EXPECT_EQ(tree.GetCount(), 15U);

        tree.DeleteItem(sorted);
        EXPECT_EQ(tree.GetCount(), 4U);
        EXPECT_EQ(tree.GetRootItem(), appended);

        // A sorted insertion goes before the first sibling that sorts after it.
        TreeItem const folder = tree.InsertItem(L"Folder");
        for (wchar_t const* text : {L"b", L"c", L"e"}) {
            tree.InsertItem(text, folder, InsertAfter::Sort);
        }
        // Renaming "b" to "f" leaves f, c, e out of order: halving would put "d" first.
        tree.SetItemText(tree.GetChildItem(folder), L"f");
        tree.InsertItem(L"d", folder, InsertAfter::Sort);
        tree.InsertItem(L"g", folder, InsertAfter::Sort);
        EXPECT_EQ(Children(folder), (std::vector<std::wstring>{L"d", L"f", L"c", L"e", L"g"}));
        // Inserting at the end breaks the order the same way.
        TreeItem const other = tree.InsertItem(L"Other");
        tree.InsertItem(L"x", other, InsertAfter::Sort);
        tree.InsertItem(L"a", other, InsertAfter::Last);
        tree.InsertItem(L"b", other, InsertAfter::Sort);
        EXPECT_EQ(Children(other), (std::vector<std::wstring>{L"b", L"x", L"a"}));

        // A child is found by its exact text, the first of equals, in any order.
        TreeItem const found = tree.InsertItem(L"Found");
        EXPECT_EQ(tree.FindChildItem({}, L"Found"), found);
        EXPECT_FALSE(tree.FindChildItem({}, L"found"));
        std::vector<TreeItem> items;
        for (wchar_t const* text : {L"zone 10", L"ABC", L"zone 2", L"abc", L"abc", L"Abc"}) {
            items.push_back(tree.InsertItem(text, found, InsertAfter::Sort));
        }
        auto const findAll = [&] {
            return std::vector<TreeItem>{
                tree.FindChildItem(found, L"abc"),     tree.FindChildItem(found, L"Abc"),
                tree.FindChildItem(found, L"ABC"),     tree.FindChildItem(found, L"zone 2"),
                tree.FindChildItem(found, L"zone 10"), tree.FindChildItem(found, L"zone 02")};
        };
        std::vector<TreeItem> const expected{items[3], items[5], items[1], items[2], items[0], {}};
        EXPECT_EQ(findAll(), expected);
        // Out of order, after an insertion at the end, the same items are found.
        TreeItem const last = tree.InsertItem(L"a", found, InsertAfter::Last);
        EXPECT_EQ(findAll(), expected);
        EXPECT_EQ(tree.FindChildItem(found, L"a"), last);
        // The second of two equals is found once the first is gone.
        tree.DeleteItem(items[3]);
        EXPECT_EQ(tree.FindChildItem(found, L"abc"), items[4]);
    });
}

TEST_F(BEHAVIOUR_SUITE, tree_texts_beyond_ascii_read_back_as_given_through_renames_and_refills) {
    Play([&](User& user) {
        auto& tree = m_dialog.tree;
        // One character of each width the texts are kept in: a byte ("\u00E9", "\u00FF"),
        // and four for anything past the first 256 (Greek, CJK, past the basic plane).
        std::vector<std::wstring> const texts{L"R\u00E9seau \u00FF", L"\u03A9mega", L"\u6771\u4EAC",
                                              L"plain", L"x\U0001F30Dy"};
        for (int refill = 0; refill < 2; ++refill) {
            tree.DeleteAllItems();
            TreeItem const folder = tree.InsertItem(L"F\u00F6lder");
            for (std::wstring const& text : texts) {
                tree.InsertItem(text, folder, InsertAfter::Sort);
            }
            EXPECT_EQ(Children(folder),
                      (std::vector<std::wstring>{L"plain", L"R\u00E9seau \u00FF", L"x\U0001F30Dy",
                                                 L"\u03A9mega", L"\u6771\u4EAC"}));
            EXPECT_EQ(
                tree.GetItemText(user.FindTreeItem(testdialog::Tree, L"F\u00F6lder|\u6771\u4EAC")),
                L"\u6771\u4EAC");
            EXPECT_TRUE(tree.FindChildItem(folder, L"R\u00E9seau \u00FF"));
            // A text renamed to another width keeps its place and reads back whole.
            TreeItem const renamed = tree.FindChildItem(folder, L"plain");
            tree.SetItemText(renamed, L"pl\u0101in");
            tree.SetItemText(tree.FindChildItem(folder, L"\u03A9mega"), L"Omega");
            EXPECT_EQ(tree.GetItemText(renamed), L"pl\u0101in");
            tree.SortChildren(folder);
            EXPECT_EQ(Children(folder),
                      (std::vector<std::wstring>{L"Omega", L"pl\u0101in", L"R\u00E9seau \u00FF",
                                                 L"x\U0001F30Dy", L"\u6771\u4EAC"}));
        }
    });
}

TEST_F(BEHAVIOUR_SUITE, tree_notifies_each_selection_change_once_whoever_makes_it) {
    Play([&](User& user) {
        auto& tree = m_dialog.tree;
        TreeItem const folder = tree.InsertItem(L"Folder");
        TreeItem const first = tree.InsertItem(L"First", folder, InsertAfter::Sort);
        tree.InsertItem(L"Second", folder, InsertAfter::Sort);
        m_dialog.log.clear();

        tree.SelectItem(first);
        tree.SelectItem(first);
        EXPECT_EQ(m_dialog.log, (std::vector<std::wstring>{L"SelChanged First"}));
        user.Select(testdialog::Tree, L"Folder|Second");
        EXPECT_EQ(Last(m_dialog.log), L"SelChanged Second");
        EXPECT_EQ(tree.GetItemText(tree.GetSelectedItem()), L"Second");
        EXPECT_EQ(m_dialog.log.size(), 2U);
        tree.SelectItem({});
        tree.SelectItem({});
        EXPECT_EQ(Last(m_dialog.log), L"SelChanged none");
        EXPECT_EQ(m_dialog.log.size(), 3U);
        EXPECT_FALSE(tree.GetSelectedItem());

        // A double click selects what lies under the cursor, then notifies.
        m_dialog.log.clear();
        user.DoubleClickItem(testdialog::Tree, first);
        EXPECT_EQ(m_dialog.log, (std::vector<std::wstring>{L"SelChanged First", L"DblClk"}));
    });
}

TEST_F(BEHAVIOUR_SUITE, deleting_the_selection_moves_it_to_a_neighbour_and_notifies_once) {
    Play([&](User& user) {
        auto& tree = m_dialog.tree;
        TreeItem const folder = tree.InsertItem(L"Folder");
        TreeItem const first = tree.InsertItem(L"First", folder);
        TreeItem const second = tree.InsertItem(L"Second", folder);
        TreeItem const third = tree.InsertItem(L"Third", folder);
        TreeItem const inner = tree.InsertItem(L"Inner", tree.InsertItem(L"Other"));
        auto const deleteSelected = [&](TreeItem selected, TreeItem doomed) {
            tree.SelectItem(selected);
            m_dialog.log.clear();
            tree.DeleteItem(doomed);
            user.Idle();
            return m_dialog.log;
        };

        EXPECT_EQ(deleteSelected(second, second), (std::vector<std::wstring>{L"SelChanged Third"}));
        EXPECT_EQ(deleteSelected(third, third), (std::vector<std::wstring>{L"SelChanged First"}));
        EXPECT_EQ(deleteSelected(first, first), (std::vector<std::wstring>{L"SelChanged Folder"}));
        EXPECT_EQ(tree.GetSelectedItem(), folder);

        // A deleted ancestor takes the selection with it to its own neighbour; the last
        // item at the top leaves none.
        EXPECT_EQ(deleteSelected(inner, tree.GetParentItem(inner)),
                  (std::vector<std::wstring>{L"SelChanged Folder"}));
        EXPECT_EQ(deleteSelected(folder, folder), (std::vector<std::wstring>{L"SelChanged none"}));
        EXPECT_FALSE(tree.GetSelectedItem());

        // Deleting beside the selection leaves it alone; emptying the tree ends it quietly,
        // for whoever refills the tree selects again.
        TreeItem const kept = tree.InsertItem(L"Kept");
        TreeItem const other = tree.InsertItem(L"Other");
        EXPECT_TRUE(deleteSelected(kept, other).empty());
        EXPECT_EQ(tree.GetSelectedItem(), kept);
        m_dialog.log.clear();
        tree.DeleteAllItems();
        user.Idle();
        EXPECT_TRUE(m_dialog.log.empty());
        EXPECT_FALSE(tree.GetSelectedItem());
    });
}

TEST_F(BEHAVIOUR_SUITE, a_combo_keeps_data_and_selection_with_their_items_and_notifies_picks) {
    Play([&](User& user) {
        auto& combo = m_dialog.combo;
        EXPECT_EQ(combo.AddString(L"Gamma"), 0);
        combo.SetItemData(0, 3);
        EXPECT_EQ(combo.AddString(L"alpha"), 0);
        combo.SetItemData(0, 1);
        EXPECT_EQ(combo.AddString(L"Beta"), 1);
        combo.SetItemData(1, 2);
        EXPECT_EQ(combo.GetLBText(2), L"Gamma");
        EXPECT_EQ(shrgui::FindComboData(combo, 3), 2);
        EXPECT_EQ(shrgui::FindComboData(combo, 1), 0);
        EXPECT_EQ(shrgui::FindComboData(combo, 99), -1);

        m_dialog.log.clear();
        combo.SetCurSel(1);
        EXPECT_EQ(combo.GetCurSel(), 1);
        EXPECT_EQ(combo.GetWindowText(), L"Beta");
        EXPECT_TRUE(m_dialog.log.empty());
        user.Pick(testdialog::Combo, L"Gamma");
        EXPECT_EQ(m_dialog.log, (std::vector<std::wstring>{L"ComboSelChange 2"}));
        EXPECT_EQ(combo.GetItemData(combo.GetCurSel()), 3);

        combo.SetCueBanner(L"Search for text");
        EXPECT_EQ(combo.GetCueBanner(), L"Search for text");
        EXPECT_THROW(combo.SetCurSel(3), shr::Exception);

        // Inserted items keep their place and the selection follows its item.
        combo.ResetContent();
        combo.AddString(L"b");
        combo.AddString(L"c");
        EXPECT_EQ(combo.InsertString(0, L"a"), 0);
        EXPECT_EQ(combo.InsertString(-1, L"z"), 3);
        combo.SetItemData(2, 42);
        combo.SetCurSel(2);
        combo.DeleteString(0);
        EXPECT_EQ(combo.GetCurSel(), 1);
        EXPECT_EQ(combo.GetItemData(1), 42);
        EXPECT_EQ(combo.FindStringExact(L"z"), 2);
        EXPECT_EQ(combo.FindStringExact(L"Z"), -1);
        EXPECT_THROW(combo.DeleteString(3), shr::Exception);
        user.Type(testdialog::Combo, L"typed");
        // A list edited under the field leaves what was typed there alone.
        combo.InsertString(0, L"first");
        combo.DeleteString(combo.GetCount() - 1);
        EXPECT_EQ(combo.GetWindowText(), L"typed");
        combo.ResetContent();
        EXPECT_EQ(combo.GetCount(), 0);
        EXPECT_EQ(combo.GetCurSel(), -1);
        EXPECT_EQ(combo.GetWindowText(), L"typed");
    });
}

TEST_F(BEHAVIOUR_SUITE, property_list_notifies_its_owner_of_user_changes_and_takes_options) {
    Play([&](User& user) {
        m_dialog.log.clear();
        m_dialog.scale->SetValue(2.5);
        m_dialog.unit->SetValue(std::wstring(L"Feet"));
        EXPECT_TRUE(m_dialog.log.empty());
        EXPECT_EQ(m_dialog.scale->GetValue(), platform::Variant(2.5));

        user.EditProperty(testdialog::Grid, L"Scale", L"0.125");
        EXPECT_EQ(m_dialog.log, (std::vector<std::wstring>{L"PropertyChanged 1010 Scale 0.125"}));
        EXPECT_EQ(m_dialog.scale->GetValue(), platform::Variant(0.125));

        user.EditProperty(testdialog::Grid, L"Linear Units|Name", L"Meters");
        EXPECT_EQ(Last(m_dialog.log), L"PropertyChanged 1010 Name Meters");
        user.EditProperty(testdialog::Grid, L"Zone", L"34");
        EXPECT_EQ(m_dialog.grid.FindItemByData(4)->GetValue(), platform::Variant(34));
        EXPECT_EQ(m_dialog.log.size(), 3U);
        EXPECT_EQ(m_dialog.unit->GetOptions().size(), 2U);

        // A pick list without free editing takes only what it offers.
        EXPECT_THROW(user.EditProperty(testdialog::Grid, L"Linear Units|Name", L"Chains"),
                     shr::Exception);
        EXPECT_EQ(m_dialog.log.size(), 3U);

        // Shown, it takes new options; a plain value refuses them.
        EXPECT_TRUE(m_dialog.unit->AddOption(L"Chains"));
        user.EditProperty(testdialog::Grid, L"Linear Units|Name", L"Chains");
        EXPECT_EQ(m_dialog.unit->GetValue(), platform::Variant(std::wstring(L"Chains")));
        EXPECT_EQ(Last(m_dialog.log), L"PropertyChanged 1010 Name Chains");

        auto* plain = m_dialog.grid.GetProperty(m_dialog.grid.AddProperty(
            std::make_unique<shrgui::CProperty>(L"Label", std::wstring(L"free"), L"", 6)));
        EXPECT_THROW(plain->AddOption(L"fixed"), shr::Exception);
        EXPECT_TRUE(plain->GetOptions().empty());
        user.EditProperty(testdialog::Grid, L"Label", L"anything");
        EXPECT_EQ(plain->GetValue(), platform::Variant(std::wstring(L"anything")));
    });
}

TEST_F(BEHAVIOUR_SUITE, enter_in_an_open_cell_editor_commits_it_and_only_a_second_enter_is_ok) {
    int const result = Run([&](User& user) {
        user.ClickProperty(testdialog::Grid, L"Scale");
        user.Type(testdialog::Grid, L"0.25");
        EXPECT_EQ(m_dialog.scale->GetValue(), platform::Variant(1.5));
        m_dialog.log.clear();
        user.PressKey(testdialog::Grid, platform::KeyReturn);
        EXPECT_EQ(m_dialog.log, (std::vector<std::wstring>{L"PropertyChanged 1010 Scale 0.25"}));
        EXPECT_EQ(m_dialog.scale->GetValue(), platform::Variant(0.25));

        // A pick list's editor takes typed keys as a search of its options; Enter there
        // keeps the dialog open too.
        user.ClickProperty(testdialog::Grid, L"Linear Units|Name");
        user.Type(testdialog::Grid, L"fe");
        EXPECT_EQ(Last(m_dialog.log), L"PropertyChanged 1010 Name Feet");
        user.PressKey(testdialog::Grid, platform::KeyReturn);
        EXPECT_EQ(m_dialog.unit->GetValue(), platform::Variant(std::wstring(L"Feet")));
        EXPECT_EQ(m_dialog.log.size(), 2U);
        user.PressKey(testdialog::Grid, platform::KeyReturn);
    });
    EXPECT_EQ(result, platform::IDOK);
}

TEST_F(BEHAVIOUR_SUITE, escape_in_an_open_cell_editor_drops_its_edit_and_a_second_cancels) {
    int const result = Run([&](User& user) {
        user.ClickProperty(testdialog::Grid, L"Scale");
        user.Type(testdialog::Grid, L"0.25");
        m_dialog.log.clear();
        // Were the dialog cancelled here, the next key would be an error of the scene.
        user.PressKey(testdialog::Grid, platform::KeyEscape);
        EXPECT_EQ(m_dialog.scale->GetValue(), platform::Variant(1.5));
        EXPECT_EQ(m_dialog.log, std::vector<std::wstring>{});
        user.PressKey(testdialog::Grid, platform::KeyEscape);
    });
    EXPECT_EQ(result, platform::IDCANCEL);
    EXPECT_EQ(m_dialog.scale->GetValue(), platform::Variant(1.5));
}

TEST_F(BEHAVIOUR_SUITE, resizing_places_every_mapped_control_by_the_resize_map_and_kept_rects) {
    Play([&](User& user) {
        platform::Rect const before = m_dialog.GetClientRect();
        auto const rectOf = [&](int id) {
            return m_dialog.ScreenToClient(m_dialog.GetDlgItem(id).GetWindowRect());
        };
        platform::Rect const ok = rectOf(platform::IDOK);
        platform::Rect const name = rectOf(testdialog::NameEdit);
        platform::Rect const label = rectOf(testdialog::Label);
        platform::Rect const grid = rectOf(testdialog::Grid);
        platform::Rect const placeholder = rectOf(testdialog::GridPlaceholder);
        EXPECT_EQ(grid.left, placeholder.left);
        EXPECT_EQ(grid.top, placeholder.top);
        // A status line appears above the tree: the tree's top moves down by 20 and its
        // kept rectangle with it, as the browser's search does.
        Rect const tree = rectOf(testdialog::Tree);
        m_dialog.tree.MoveWindow({tree.left, tree.top + 20, tree.right, tree.bottom});
        m_dialog.InflateCachedControl(testdialog::Tree, 0, -20, 0, 0);
        EXPECT_EQ(m_dialog.GetCachedRect(testdialog::Tree).top, tree.top + 20);
        EXPECT_THROW(m_dialog.InflateCachedControl(testdialog::Label, 0, 1, 0, 0), shr::Exception);

        user.Resize({before.Width() + 120, before.Height() + 80});
        platform::Rect const after = m_dialog.GetClientRect();
        int const dx = after.Width() - before.Width();
        int const dy = after.Height() - before.Height();
        ASSERT_GT(dx, 0);
        ASSERT_GT(dy, 0);

        std::map<int, platform::Rect> cached;
        for (int id : shrgui::ResizeMapControls(m_dialog.GetDlgResizeMap())) {
            cached[id] = m_dialog.GetCachedRect(id);
        }
        for (auto const& [id, expected] :
             shrgui::ComputeResizeLayout(m_dialog.GetDlgResizeMap(), cached, {dx, dy})) {
            EXPECT_EQ(rectOf(id), expected) << "control " << id;
        }
        // Measured before, not from the kept rectangles the layout starts from.
        EXPECT_EQ(rectOf(platform::IDOK), ok.Offset(dx, dy));
        EXPECT_EQ(rectOf(testdialog::NameEdit).Width(), name.Width() + dx);
        EXPECT_EQ(rectOf(testdialog::Label), label);
        EXPECT_EQ(rectOf(testdialog::Tree).top, tree.top + 20);
        EXPECT_GT(rectOf(testdialog::Tree).bottom, tree.bottom);
    });
}

TEST_F(BEHAVIOUR_SUITE, context_menu_takes_item_states_from_the_owner_and_routes_the_choice) {
    m_driver.OnDialog(testdialog::TemplateId, [&](User& user) {
        TreeItem const item = m_dialog.tree.InsertItem(L"Item");
        user.RightClickItem(testdialog::Tree, item);
        EXPECT_EQ(Last(m_dialog.log), L"ContextMenu 1003");
        platform::PopupMenu::Track(testdialog::MenuId, 0, m_dialog, m_dialog, {10, 10});
        EXPECT_EQ(Last(m_dialog.log), L"CommandA");
        user.Close();
    });
    m_driver.ChooseMenuItem(testdialog::CommandA);
    m_dialog.DoModal();
    ASSERT_EQ(m_driver.Menus().size(), 1U);
    auto const& states = m_driver.Menus()[0].states;
    ASSERT_EQ(states.size(), 3U);
    EXPECT_TRUE(states[0].enabled);
    EXPECT_FALSE(states[2].enabled);
}

TEST_F(BEHAVIOUR_SUITE, timers_run_out_once_in_due_order_and_posted_commands_after_the_handler) {
    using namespace std::chrono_literals;
    Play([&](User& user) {
        // Far off, so that only the driver lets them run out.
        m_dialog.SetTimer(7, 50s);
        m_dialog.SetTimer(8, 60s);
        m_dialog.SetTimer(7, 70s);
        m_dialog.SetTimer(9, 50s);
        m_dialog.KillTimer(9);
        user.Idle();
        auto const logged = static_cast<std::ptrdiff_t>(m_dialog.log.size());
        EXPECT_EQ(user.RunTimers(), 2);
        EXPECT_EQ(std::vector<std::wstring>(m_dialog.log.begin() + logged, m_dialog.log.end()),
                  (std::vector<std::wstring>{L"Timer 8", L"Timer 7"}));
        EXPECT_EQ(user.RunTimers(), 0);

        // A posted command runs after the handler that posted it.
        m_dialog.log.clear();
        m_dialog.PostCommand(testdialog::CommandA, testdialog::Combo);
        m_dialog.log.push_back(L"posted");
        EXPECT_EQ(m_dialog.log, (std::vector<std::wstring>{L"posted"}));
        user.Idle();
        EXPECT_EQ(m_dialog.log, (std::vector<std::wstring>{L"posted", L"CommandA"}));
    });
}

namespace {

/// Enter in the box runs CommandA instead of pressing OK, as a search box does.
class SearchCombo final : public platform::ComboBox {
public:
    bool PreTranslateMessage(platform::Message& message) override {
        if (message.event != platform::Event::KeyDown || message.key != platform::KeyReturn) {
            return ComboBox::PreTranslateMessage(message);
        }
        platform::Message command;
        command.event = platform::Event::Command;
        command.id = testdialog::CommandA;
        command.window = this;
        static_cast<platform::Dialog*>(GetParent())->RouteMessage(command);
        return true;
    }
};

/// Refuses to save while the name is empty, keeping the dialog open.
class CheckedDialog final : public TestDialog {
public:
    SearchCombo search;

protected:
    void SafeDoDataExchange(platform::DataExchange& exchange) override {
        platform::DDX_Control(exchange, testdialog::NameEdit, name);
        platform::DDX_Control(exchange, testdialog::Combo, search);
        platform::DDX_Control(exchange, testdialog::Tree, tree);
        if (exchange.SaveAndValidate() && name.GetWindowTextLength() == 0) {
            log.push_back(L"refused");
            platform::ThrowUserException();
        }
    }
};

} // namespace

TEST_F(BEHAVIOUR_SUITE, typing_notifies_and_enter_is_ok_only_when_enabled_and_the_exchange_agrees) {
    CheckedDialog dialog;
    m_driver.OnDialog(testdialog::TemplateId, [&](User& user) {
        user.Click(platform::IDOK);
        EXPECT_EQ(Last(dialog.log), L"refused");
        user.Type(testdialog::Combo, L"4326");
        user.PressKey(testdialog::Combo, platform::KeyReturn);
        EXPECT_EQ(Last(dialog.log), L"CommandA");
        user.Type(testdialog::NameEdit, L"named");
        EXPECT_EQ(Last(dialog.log), L"EditChange named");
        dialog.name.SetWindowText(L"set by the program");
        EXPECT_EQ(Last(dialog.log), L"EditChange named");
        EXPECT_GT(dialog.idleCount, 0);

        dialog.GetDlgItem(platform::IDOK).EnableWindow(false);
        user.PressKey(testdialog::NameEdit, platform::KeyReturn);
        dialog.GetDlgItem(platform::IDOK).EnableWindow(true);
        user.PressKey(testdialog::NameEdit, platform::KeyReturn);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
    EXPECT_EQ(std::count(dialog.log.begin(), dialog.log.end(), L"refused"), 1);
    EXPECT_FALSE(dialog.tree.HasWindow());
}

TEST_F(BEHAVIOUR_SUITE, items_in_folders_never_opened_keep_their_texts_data_and_order) {
    Play([&](User& user) {
        auto& tree = m_dialog.tree;
        TreeItem const folder = tree.InsertItem(L"Folder");
        TreeItem const inner = tree.InsertItem(L"Inner", folder, InsertAfter::Sort);
        std::uintptr_t data = 1;
        for (wchar_t const* text : {L"b", L"a", L"c", L"zone 10", L"zone 9"}) {
            tree.SetItemData(tree.InsertItem(text, inner, InsertAfter::Sort), data++);
        }
        TreeItem const a = user.FindTreeItem(testdialog::Tree, L"Folder|Inner|a");
        tree.SetItemText(a, L"e");
        tree.InsertItem(L"d", inner, InsertAfter::Sort);
        EXPECT_EQ(Children(inner),
                  (std::vector<std::wstring>{L"d", L"e", L"b", L"c", L"zone 9", L"zone 10"}));
        tree.SortChildren(inner);
        tree.DeleteItem(user.FindTreeItem(testdialog::Tree, L"Folder|Inner|c"));
        EXPECT_EQ(Children(inner),
                  (std::vector<std::wstring>{L"b", L"d", L"e", L"zone 9", L"zone 10"}));
        EXPECT_EQ(tree.GetCount(), 7U);
        EXPECT_FALSE(tree.IsExpanded(folder));
        EXPECT_FALSE(tree.GetItemRect(a, true));

        // Selecting an item deep inside opens its folders and shows it where the pointer
        // finds it again.
        m_dialog.log.clear();
        tree.SelectItem(a);
        user.Idle();
        EXPECT_EQ(m_dialog.log, (std::vector<std::wstring>{L"SelChanged e"}));
        EXPECT_TRUE(tree.IsExpanded(folder));
        EXPECT_TRUE(tree.IsExpanded(inner));
        std::optional<Rect> const shown = tree.GetItemRect(a, true);
        ASSERT_TRUE(shown);
        platform::TreeHitTest const hit =
            tree.HitTest({shown->left + 2, shown->top + shown->Height() / 2});
        EXPECT_EQ(hit.item, a);
        EXPECT_EQ(tree.GetItemData(hit.item), 2U);
        EXPECT_EQ(Children(inner),
                  (std::vector<std::wstring>{L"b", L"d", L"e", L"zone 9", L"zone 10"}));

        // An item added to an open folder is shown at its sorted place at once.
        TreeItem const added = tree.InsertItem(L"c", inner, InsertAfter::Sort);
        EXPECT_TRUE(tree.GetItemRect(added, true));
        EXPECT_EQ(Children(inner),
                  (std::vector<std::wstring>{L"b", L"c", L"d", L"e", L"zone 9", L"zone 10"}));
    });
}

TEST_F(BEHAVIOUR_SUITE, an_item_selected_while_drawing_is_off_is_in_view_once_it_is_on) {
    Play([&](User& user) {
        auto& tree = m_dialog.tree;
        TreeItem const folder = tree.InsertItem(L"Folder");
        TreeItem last;
        // Far more items than the tree shows at once, so the last is out of view.
        for (int i = 0; i < 80; ++i) {
            last = tree.InsertItem(L"item " + std::to_wstring(i), folder);
        }
        tree.SetRedraw(false);
        tree.SelectItem(last);
        EXPECT_TRUE(tree.IsExpanded(folder));
        tree.SetRedraw(true);
        user.Idle();
        std::optional<Rect> const shown = tree.GetItemRect(last, true);
        ASSERT_TRUE(shown);
        EXPECT_GE(shown->top, 0);
        EXPECT_LE(shown->bottom, tree.GetClientRect().bottom);

        // An item asked for and then deleted while drawing was off is no longer sought.
        tree.SetRedraw(false);
        tree.EnsureVisible(tree.InsertItem(L"gone"));
        tree.DeleteAllItems();
        tree.SetRedraw(true);
        EXPECT_EQ(tree.GetCount(), 0U);
    });
}

TEST_F(BEHAVIOUR_SUITE, controls_read_back_their_state_and_are_the_wrappers_the_dialog_gives) {
    Run([&](User& user) {
        EXPECT_EQ(&m_dialog.GetDlgItem(testdialog::Tree), &m_dialog.tree);
        EXPECT_EQ(m_dialog.tree.GetParent(), &m_dialog);
        EXPECT_EQ(m_dialog.tree.GetDlgCtrlID(), testdialog::Tree);

        platform::Window& label = m_dialog.GetDlgItem(testdialog::Label);
        EXPECT_EQ(label.GetWindowText(), L"Grid:");
        label.SetWindowText(L"Parameters:");
        EXPECT_EQ(m_dialog.GetDlgItemText(testdialog::Label), L"Parameters:");
        EXPECT_EQ(&m_dialog.GetDlgItem(testdialog::Label), &label);
        // A label keeps its place whatever its text, and its text while hidden.
        Rect const place = label.GetWindowRect();
        label.ShowWindow(false);
        EXPECT_FALSE(label.IsWindowVisible());
        label.SetWindowText(L"Parameters of the projection:");
        label.ShowWindow(true);
        EXPECT_TRUE(label.IsWindowVisible());
        EXPECT_EQ(label.GetWindowText(), L"Parameters of the projection:");
        EXPECT_EQ(label.GetWindowRect(), place);
        // A multi-line text reads back with the line ends it was given.
        m_dialog.SetDlgItemText(testdialog::Description, L"Datum: WGS 84\r\nUnit: metre");
        EXPECT_EQ(m_dialog.GetDlgItemText(testdialog::Description),
                  L"Datum: WGS 84\r\nUnit: metre");

        platform::Window& cancel = m_dialog.GetDlgItem(platform::IDCANCEL);
        cancel.ShowWindow(false);
        EXPECT_FALSE(cancel.IsWindowVisible());
        EXPECT_THROW(user.Click(platform::IDCANCEL), shr::Exception);
        cancel.ShowWindow(true);

        // A tooltip needs a window of its own, and shows its text only while active.
        platform::ToolTip unattached;
        platform::TreeCtrl noWindow;
        EXPECT_FALSE(unattached.Create(noWindow));
        platform::ToolTip tip;
        ASSERT_TRUE(tip.Create(m_dialog.tree));
        tip.AddTool(L"Custom systems are removed when this window closes.");
        tip.Activate(false);
        EXPECT_FALSE(tip.IsActive());
        tip.Activate(true);
        EXPECT_TRUE(tip.IsActive());
        EXPECT_EQ(tip.GetText(), L"Custom systems are removed when this window closes.");
        user.Click(platform::IDCANCEL);
    });
}

namespace {

/// A page that hides its own OK and Cancel, as a dialog shown as a page does, and
/// refuses to apply without a name.
class NamePage final : public platform::PropertyPage {
public:
    NamePage()
        : PropertyPage(testdialog::TemplateId) {}
    platform::Edit name;
    std::wstring saved;

protected:
    bool OnInitDialog() override {
        PropertyPage::OnInitDialog();
        for (int button : {platform::IDOK, platform::IDCANCEL}) {
            GetDlgItem(button).EnableWindow(false);
            GetDlgItem(button).ShowWindow(false);
        }
        return true;
    }
    void DoDataExchange(platform::DataExchange& exchange) override {
        platform::DDX_Control(exchange, testdialog::NameEdit, name);
        if (exchange.SaveAndValidate()) {
            if (name.GetWindowTextLength() == 0) {
                platform::ThrowUserException();
            }
            saved = name.GetWindowText();
        }
    }
};

} // namespace

TEST_F(BEHAVIOUR_SUITE, a_sheet_applies_its_pages_on_ok_and_stays_open_while_one_refuses) {
    NamePage page;
    platform::PropertySheet sheet(L"Options", nullptr);
    sheet.AddPage(page);
    m_driver.OnDialog(testdialog::TemplateId, [&](User& user) {
        EXPECT_EQ(&user.GetDialog(), &page);
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        EXPECT_FALSE(page.GetDlgItem(platform::IDOK).IsWindowVisible());
        user.Click(platform::IDOK);
        EXPECT_TRUE(page.name.HasWindow());
        EXPECT_TRUE(page.saved.empty());
        user.Type(testdialog::NameEdit, L"kept");
        user.Click(platform::IDOK);
    });
    EXPECT_EQ(sheet.DoModal(), platform::IDOK);
    EXPECT_EQ(page.saved, L"kept");
    EXPECT_FALSE(page.name.HasWindow());
    EXPECT_EQ(sheet.GetActiveIndex(), -1);

    m_driver.OnDialog(testdialog::TemplateId, [&](User& user) {
        user.Type(testdialog::NameEdit, L"dropped");
        user.PressKey(testdialog::NameEdit, platform::KeyEscape);
    });
    EXPECT_EQ(sheet.DoModal(), platform::IDCANCEL);
    EXPECT_EQ(page.saved, L"kept");

    // Enter anywhere on the page presses the sheet's OK, which applies the page.
    m_driver.OnDialog(testdialog::TemplateId, [&](User& user) {
        user.Type(testdialog::NameEdit, L"entered");
        user.PressKey(testdialog::NameEdit, platform::KeyReturn);
    });
    EXPECT_EQ(sheet.DoModal(), platform::IDOK);
    EXPECT_EQ(page.saved, L"entered");
    EXPECT_THROW(sheet.SetActivePage(0), shr::Exception);

    // A page that goes before its sheet leaves it, so the sheet never reaches it again.
    {
        NamePage passing;
        sheet.AddPage(passing);
        EXPECT_EQ(sheet.GetPageCount(), 2);
    }
    EXPECT_EQ(sheet.GetPageCount(), 1);
}

namespace {

/// Raises an internal error from a command handler, as a broken invariant would.
class ThrowingDialog final : public TestDialog {
public:
    platform::MessageMap const& GetMessageMap() const override {
        static platform::MessageMap const map(
            &TestDialog::GetMessageMap(),
            {platform::OnCommand(testdialog::CommandB, &ThrowingDialog::OnBroken)});
        return map;
    }

private:
    void OnBroken() { PLATFORM_ERROR(L"broken on purpose"); }
};

/// Gives up in OnInitDialog, as a dialog whose property list cannot be made does.
class GivingUpDialog final : public TestDialog {
protected:
    bool OnInitDialog() override {
        TestDialog::OnInitDialog();
        EndDialog(platform::IDCANCEL);
        return true;
    }
};

/// Receives the toolbar's commands in place of the dialog.
class CommandSink final : public platform::CmdTarget {
public:
    platform::MessageMap const& GetMessageMap() const override {
        static platform::MessageMap const map(
            &CmdTarget::GetMessageMap(),
            {platform::OnCommand(testdialog::CommandA, &CommandSink::OnCommandA)});
        return map;
    }
    int received = 0;

private:
    void OnCommandA() { ++received; }
};

} // namespace

TEST_F(BEHAVIOUR_SUITE, an_error_in_a_handler_leaves_through_DoModal_and_the_window_goes) {
    ThrowingDialog dialog;
    m_driver.OnDialog(testdialog::TemplateId, [&](User& user) {
        dialog.PostCommand(testdialog::CommandB);
        user.Idle();
    });
    try {
        dialog.DoModal();
        ADD_FAILURE() << "the handler's error did not reach the caller";
    } catch (shr::Exception const& error) {
        EXPECT_NE(error.message.find(L"broken on purpose"), std::wstring::npos);
    }
    EXPECT_FALSE(dialog.HasWindow());
    EXPECT_FALSE(dialog.tree.HasWindow());
}

TEST_F(BEHAVIOUR_SUITE, a_dialog_that_ends_while_starting_never_shows_and_uses_up_its_scene) {
    GivingUpDialog dialog;
    bool played = false;
    m_driver.OnDialog(testdialog::TemplateId, [&](User&) { played = true; });
    EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
    EXPECT_FALSE(played);
    EXPECT_EQ(m_driver.Pending(), 0U);
}

TEST_F(BEHAVIOUR_SUITE, toolbar_buttons_follow_their_commands_and_route_to_their_owner) {
    CommandSink sink;
    Play([&](User& user) {
        platform::ToolBar& bar = m_dialog.toolBar;
        bar.OnUpdateCmdUI(m_dialog, true);
        EXPECT_TRUE(bar.IsButtonEnabled(testdialog::CommandA));
        EXPECT_FALSE(bar.IsButtonEnabled(testdialog::CommandB));
        EXPECT_FALSE(bar.IsButtonChecked(testdialog::CommandA));
        EXPECT_EQ(bar.GetButtonToolTip(testdialog::CommandA), L"Alpha");
        m_dialog.log.clear();
        user.ClickToolButton(platform::ToolBarWindowId, testdialog::CommandA);
        EXPECT_EQ(m_dialog.log, (std::vector<std::wstring>{L"CommandA"}));
        EXPECT_THROW(user.ClickToolButton(platform::ToolBarWindowId, testdialog::CommandB),
                     shr::Exception);

        // A check button flips when clicked, then shows its command's state, whatever it
        // showed; only check buttons are ever pressed.
        EXPECT_TRUE(bar.IsButtonChecked(testdialog::CommandA));
        m_dialog.alphaOn = false;
        bar.OnUpdateCmdUI(m_dialog, true);
        EXPECT_FALSE(bar.IsButtonChecked(testdialog::CommandA));
        m_dialog.alphaOn = true;
        bar.OnUpdateCmdUI(m_dialog, true);
        EXPECT_TRUE(bar.IsButtonChecked(testdialog::CommandA));
        EXPECT_FALSE(bar.IsButtonChecked(testdialog::CommandB));

        // Given another owner, the commands reach it instead of the dialog; asked through
        // it, the second button has no handler and goes grey only when asked to.
        bar.SetOwner(sink);
        m_dialog.log.clear();
        user.ClickToolButton(platform::ToolBarWindowId, testdialog::CommandA);
        EXPECT_EQ(sink.received, 1);
        EXPECT_TRUE(m_dialog.log.empty());
        bar.OnUpdateCmdUI(sink, false);
        EXPECT_TRUE(bar.IsButtonEnabled(testdialog::CommandB));
        bar.OnUpdateCmdUI(sink, true);
        EXPECT_FALSE(bar.IsButtonEnabled(testdialog::CommandB));
    });
}

TEST_F(BEHAVIOUR_SUITE, a_list_refilled_from_its_own_change_notification_shows_only_new_rows) {
    Play([&](User& user) {
        m_dialog.refillOnPick = true;
        m_dialog.log.clear();
        user.EditProperty(testdialog::Grid, L"Linear Units|Name", L"Feet");
        EXPECT_EQ(m_dialog.log, (std::vector<std::wstring>{L"PropertyChanged 1010 Name Feet"}));
        ASSERT_EQ(m_dialog.grid.GetPropertyCount(), 2);
        EXPECT_EQ(m_dialog.grid.FindItemByData(8)->GetValue(),
                  platform::Variant(std::wstring(L"Feet")));
        EXPECT_EQ(m_dialog.grid.FindItemByData(1005), nullptr);
        user.Idle();
        // The new rows are the grid's own: the user reaches them, the old ones are gone.
        EXPECT_THROW(user.EditProperty(testdialog::Grid, L"Linear Units|Name", L"Meters"),
                     shr::Exception);
        user.EditProperty(testdialog::Grid, L"Band", L"S");
        EXPECT_EQ(Last(m_dialog.log), L"PropertyChanged 1010 Band S");
        EXPECT_EQ(m_dialog.grid.FindItemByData(7)->FormatValue(), L"S");
    });
}

TEST_F(BEHAVIOUR_SUITE, a_boxed_combo_and_list_grow_with_their_box_and_stay_inside_it) {
    testdialog::BoxedDialog dialog;
    m_driver.OnDialog(testdialog::BoxedTemplateId, [&](User& user) {
        auto const rectOf = [&](int id) {
            return dialog.ScreenToClient(dialog.GetDlgItem(id).GetWindowRect());
        };
        Rect const box = rectOf(testdialog::Box);
        Rect const combo = rectOf(testdialog::BoxedCombo);
        Rect const grid = rectOf(testdialog::BoxedGrid);
        Rect const client = dialog.GetClientRect();
        for (int const grow : {150, 40, 0}) {
            SCOPED_TRACE(grow);
            user.Resize({client.Width() + grow, client.Height() + grow});
            int const dy = dialog.GetClientRect().Height() - client.Height();
            Rect const newBox = rectOf(testdialog::Box);
            Rect const newGrid = rectOf(testdialog::BoxedGrid);
            EXPECT_EQ(newBox.Height(), box.Height() + dy);
            EXPECT_EQ(newGrid.top, grid.top);
            EXPECT_EQ(newBox.bottom - newGrid.bottom, box.bottom - grid.bottom);
            EXPECT_EQ(newGrid.right,
                      grid.right + (dialog.GetClientRect().Width() - client.Width()));
            // The combo box stays one line high, whatever the height its rows ask for.
            EXPECT_EQ(rectOf(testdialog::BoxedCombo),
                      (Rect{combo.left, combo.top, newGrid.right - (grid.right - combo.right),
                            combo.bottom}));
        }
        user.Close();
    });
    dialog.DoModal();
}
