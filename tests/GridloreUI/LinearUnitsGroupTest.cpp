#include "LinearUnitsGroup.h"

#include "../kor/KnownFixture.h"

#include <gtest/gtest.h>

#include <limits>

using gridui::LinearUnitsGroup;

namespace {

// The list lives without a window here: its items keep the values set on them, which is
// what the dialogs read back.
class LinearUnits : public ::testing::Test {
protected:
    shrgui::CProperty& Item(std::uint64_t data) { return *m_list.FindItemByData(data, true); }
    std::wstring Name() { return std::get<std::wstring>(Item(11).GetValue()); }
    double Value() { return std::get<double>(Item(12).GetValue()); }
    void Show(double unitsPerMeter) {
        m_list.RemoveAll();
        m_list.AddProperty(m_group.Make(L"Units per meter", unitsPerMeter));
    }
    // What the grid does when the user picks or types: the value changes, then the owner
    // hears of it.
    bool Change(std::uint64_t data, platform::Variant const& value) {
        Item(data).SetValue(value);
        return m_group.OnPropertyChanged(m_list, Item(data));
    }

    kortest::FixtureScope m_catalogue;
    LinearUnitsGroup m_group{10, 11, 12};
    shrgui::CPropertyList m_list;
};

} // namespace

TEST_F(LinearUnits, the_group_names_a_known_unit_within_tolerance_and_offers_every_unit) {
    Show(1.0 / 0.3048 + 0.00005);
    EXPECT_EQ(Name(), L"feet");
    EXPECT_FALSE(Item(11).IsAllowEdit());
    EXPECT_TRUE(Item(11).IsSelector());
    // Sorted with case ignored: "US survey feet" after "metres", not before "feet".
    std::vector<std::wstring> const options{L"<unknown>", L"<custom>", L"feet", L"metres",
                                            L"US survey feet"};
    EXPECT_EQ(Item(11).GetOptions(), options);

    Show(0.0);
    EXPECT_EQ(Name(), L"<unknown>");
    Show(0.5);
    EXPECT_EQ(Name(), L"<custom>");
    Show(1.0 / 0.3048 + 0.001);
    EXPECT_EQ(Name(), L"<custom>");
    Show(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(Name(), L"<custom>");
}

TEST_F(LinearUnits, picking_a_name_sets_the_value_and_typing_a_value_renames_the_unit) {
    Show(0.5);
    EXPECT_TRUE(Change(11, std::wstring(L"feet")));
    EXPECT_DOUBLE_EQ(Value(), 1.0 / 0.3048);
    EXPECT_TRUE(Change(11, std::wstring(L"<custom>")));
    EXPECT_DOUBLE_EQ(Value(), 1.0 / 0.3048);
    EXPECT_TRUE(Change(11, std::wstring(L"<unknown>")));
    EXPECT_EQ(Value(), 0.0);

    // A typed value is the user's own number, even when it equals a unit's.
    EXPECT_TRUE(Change(12, 1.0));
    EXPECT_EQ(Name(), L"<custom>");
    EXPECT_TRUE(Change(12, 0.0));
    EXPECT_EQ(Name(), L"<unknown>");
    EXPECT_TRUE(Change(12, std::wstring(L"0")));
    EXPECT_EQ(Name(), L"<unknown>");
    EXPECT_TRUE(Change(12, std::wstring(L"not a number")));
    EXPECT_EQ(Name(), L"<custom>");

    // Rows of other data numbers are the caller's.
    m_list.AddProperty(std::make_unique<shrgui::CProperty>(L"X Offset", 5.0, L"", 3));
    EXPECT_FALSE(Change(3, 6.0));
    EXPECT_EQ(Name(), L"<custom>");
}
