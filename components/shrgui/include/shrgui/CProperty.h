// shrgui::CProperty: a value item or a group of a property list, found by its data number.
#pragma once

#include "platform/Backend.h"
#include "platform/Variant.h"
#include "shrgui/Export.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace shrgui {

class CPropertyList;

/// What GetThisClass answers, for callers that tell kinds of item apart.
enum class PropertyClass { Value, Group };

class SHRGUI_EXPORT CProperty final {
public:
    /// A value item.
    CProperty(std::wstring name, platform::Variant value, std::wstring description = {},
              std::uint64_t data = 0);
    /// A group; `isValueList` groups show their sub-items' values joined in their row.
    CProperty(std::wstring name, std::uint64_t data, bool isValueList);
    ~CProperty();
    CProperty(CProperty const&) = delete;
    CProperty& operator=(CProperty const&) = delete;

    std::wstring const& GetName() const { return m_name; }
    std::uint64_t GetData() const { return m_data; }
    PropertyClass GetThisClass() const {
        return m_isGroup ? PropertyClass::Group : PropertyClass::Value;
    }
    bool IsGroup() const { return m_isGroup; }

    /// Adds a choice; with `insertUnique`, a text already offered is not added again.
    /// Returns whether it was added.
    bool AddOption(std::wstring const& text, bool insertUnique = true, std::uint64_t data = 0);
    std::vector<std::wstring> const& GetOptions() const { return m_options; }
    /// With editing off the user can only pick one of the options.
    void AllowEdit(bool allow = true);
    bool IsAllowEdit() const { return m_allowEdit; }
    /// Marks an item whose value is chosen from its options (a drop-down list).
    void SetSelector(bool selector = true) { m_selector = selector; }
    bool IsSelector() const { return m_selector; }

    /// Takes ownership of `item`; groups only (else an internal error).
    CProperty* AddSubItem(std::unique_ptr<CProperty> item);
    int GetSubItemsCount() const { return static_cast<int>(m_subItems.size()); }
    /// An index out of range is an internal error.
    CProperty* GetSubItem(int index) const;
    CProperty* GetParent() const { return m_parent; }

    /// The value: the grid's while the item is shown, so a user's change is seen.
    platform::Variant GetValue() const;
    /// Changes the value without notifying anyone.
    void SetValue(platform::Variant const& value);
    /// The value as the grid shows it (doubles in the process-wide format).
    std::wstring FormatValue() const;
    /// The unit the grid shows after the value ("US survey feet"); empty for none.
    void SetUnits(std::wstring const& units);
    std::wstring GetUnits() const;

    /// The printf format of doubles in every list of the process ("%.14lg" by default).
    static void SetDoubleOutputFormat(std::wstring const& format);

    /// The item a change notification names by the number the grid carried for it.
    static CProperty const* FromNotification(std::int64_t property);

private:
    friend class CPropertyList;
    void Show(CPropertyList& list, platform::backend::PropertyHandle parentRow);
    void Hide();
    /// Copies the grid's value into the item, for when the grid goes.
    void KeepValue();
    CProperty* FindByData(std::uint64_t data, bool searchSubItems);

    std::wstring m_name;
    platform::Variant m_value;
    std::wstring m_description;
    std::wstring m_units;
    std::uint64_t m_data;
    bool m_isGroup;
    bool m_isValueList = false;
    bool m_allowEdit = true;
    bool m_selector = false;
    std::vector<std::wstring> m_options;
    std::vector<std::unique_ptr<CProperty>> m_subItems;
    CProperty* m_parent = nullptr;
    CPropertyList* m_list = nullptr;
    platform::backend::PropertyHandle m_row = 0;
};

} // namespace shrgui
