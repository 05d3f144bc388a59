#include "gridui/Module.h"

#include "gridui/ResourceIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using platform::ControlTemplate;

platform::DialogTemplate const& Browser() {
    platform::DialogTemplate const* dialog =
        gridui::Module().FindDialog(gridui::res::BrowserDialog);
    if (dialog == nullptr) {
        throw std::logic_error("the library has no browser template");
    }
    return *dialog;
}

ControlTemplate const& Control(int id) {
    auto const& controls = Browser().controls;
    auto const found = std::find_if(controls.begin(), controls.end(),
                                    [id](ControlTemplate const& c) { return c.id == id; });
    if (found == controls.end()) {
        throw std::logic_error("the browser has no control " + std::to_string(id));
    }
    return *found;
}

/// A template's rectangle holds x, y, width and height; this is the area it covers.
platform::Rect Bounds(ControlTemplate const& control) {
    platform::Rect const& r = control.rect;
    return platform::Rect::FromXYWH(r.left, r.top, r.right, r.bottom);
}

bool Overlap(platform::Rect const& a, platform::Rect const& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Has(ControlTemplate const& control, unsigned style) {
    return (control.style & style) == style;
}

/// The tooltip of a command: the text after the line feed of its string; empty without one.
std::wstring ToolTip(int command) {
    std::wstring const* text = gridui::Module().FindString(command);
    if (text == nullptr || text->find(L'\n') == std::wstring::npos) {
        return {};
    }
    return text->substr(text->find(L'\n') + 1);
}

unsigned BigEndian(std::vector<unsigned char> const& bytes, std::size_t at) {
    return unsigned{bytes.at(at)} << 24U | unsigned{bytes.at(at + 1)} << 16U |
           unsigned{bytes.at(at + 2)} << 8U | unsigned{bytes.at(at + 3)};
}

} // namespace

TEST(BrowserResources, every_control_lies_inside_the_browser_and_no_visible_ones_overlap) {
    platform::DialogTemplate const& dialog = Browser();
    platform::Rect const client = platform::Rect::FromXYWH(0, 0, 333, 309);
    ASSERT_EQ(dialog.size, (platform::Size{client.Width(), client.Height()}));

    for (ControlTemplate const& control : dialog.controls) {
        platform::Rect const area = Bounds(control);
        EXPECT_FALSE(area.IsEmpty()) << control.id;
        EXPECT_TRUE(area.left >= 0 && area.top >= 0 && area.right <= client.right &&
                    area.bottom <= client.bottom)
            << control.id;
    }
    // A combo box's rectangle includes its dropped list, which may cover what lies below.
    std::vector<ControlTemplate> shown;
    std::copy_if(dialog.controls.begin(), dialog.controls.end(), std::back_inserter(shown),
                 [](ControlTemplate const& c) {
                     return !Has(c, platform::StyleHidden) &&
                            c.kind != platform::ControlKind::ComboBox;
                 });
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            EXPECT_FALSE(Overlap(Bounds(shown[i]), Bounds(shown[j])))
                << shown[i].id << " and " << shown[j].id;
        }
    }
}

TEST(BrowserResources, context_menu_commands_are_browser_buttons_with_prompts) {
    platform::MenuTemplate const* menu = gridui::Module().FindMenu(gridui::res::BrowserMenu);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->popups.size(), 1U);

    for (platform::MenuItemTemplate const& item : menu->popups[0].items) {
        if (item.command == 0) {
            continue;
        }
        // The host routes the same command from a button and a menu item; Delete alone
        // is reached from the menu and the Delete key.
        if (item.command != gridui::res::DeleteCustom) {
            EXPECT_EQ(Control(item.command).kind, platform::ControlKind::Button) << item.command;
        }
        // Modify has no prompt of its own; every other command shows one.
        if (item.command != gridui::res::Modify) {
            EXPECT_FALSE(ToolTip(item.command).empty()) << item.command;
        }
    }
}

TEST(BrowserResources, search_toolbar_image_is_the_png_strip_with_one_image_per_button) {
    platform::ToolBarTemplate const* classic =
        gridui::Module().FindToolBar(gridui::res::SearchToolBar);
    platform::ToolBarTemplate const* bar =
        gridui::Module().FindToolBar(gridui::res::AreaSearchToolBar);
    ASSERT_NE(classic, nullptr);
    ASSERT_NE(bar, nullptr);
    // The bar with the area toggle is the classic one and one more button, on the same strip.
    std::vector<int> buttons;
    std::copy_if(bar->buttons.begin(), bar->buttons.end(), std::back_inserter(buttons),
                 [](int command) { return command != 0; });
    EXPECT_EQ(buttons, (std::vector<int>{gridui::res::Search, gridui::res::ClearSearch,
                                         gridui::res::OnlyForArea}));
    EXPECT_EQ(bar->checkButtons, (std::vector<int>{gridui::res::OnlyForArea}));
    EXPECT_EQ(bar->image, classic->image);
    for (int command : buttons) {
        EXPECT_FALSE(ToolTip(command).empty()) << command;
    }

    // The build embeds the checked-in image byte for byte.
    std::vector<unsigned char> const& png = bar->image;
    std::ifstream file(GRIDUI_RESOURCES "/SearchToolBar.png", std::ios::binary);
    EXPECT_EQ(png, (std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {})));

    unsigned char const signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GE(png.size(), 33U);
    ASSERT_TRUE(std::equal(std::begin(signature), std::end(signature), png.begin()));
    ASSERT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
    EXPECT_EQ(BigEndian(png, 16), buttons.size() * unsigned(bar->buttonSize.width));
    EXPECT_EQ(BigEndian(png, 20), unsigned(bar->buttonSize.height));
    EXPECT_EQ(png[24], 8) << "bit depth";
    EXPECT_EQ(png[25], 6) << "colour type: RGB with alpha, for transparent edges";
}
