// platform::backend::ModelBackedPropertyGrid: a property grid's rows as they were made, the
// same on every backend.
#pragma once

#include "platform/Backend.h"
#include "platform/Error.h"
#include "platform/PropertyGrid.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace platform::backend {

/// A backend's property grid (`Window`, which implements NativePropertyGrid) that keeps
/// each row's description, parent and children, so that rows are found, checked and
/// refused alike on every backend. The values are the model's too; a backend whose
/// toolkit holds them reads GetValue, DisplayText and Units back from what it shows, so
/// that a difference from the model shows.
template <typename Window> class ModelBackedPropertyGrid : public Window {
public:
    using Window::Window;

    PropertyHandle Append(PropertyHandle parent, PropertyDesc const& desc) final {
        std::vector<PropertyHandle>& siblings = parent == 0 ? m_top : At(parent).children;
        PropertyHandle const handle = ShowAppended(parent, desc);
        siblings.push_back(handle);
        m_rows[handle] = Row{desc, parent, {}};
        return handle;
    }

    void RemoveAll() final {
        ShowRemovedAll();
        m_rows.clear();
        m_top.clear();
    }

    Variant GetValue(PropertyHandle row) const final { return Shown(row).value; }

    void SetValue(PropertyHandle row, Variant const& value) final {
        Desc(row).value = value;
        ShowValue(row, value);
    }

    void AddOption(PropertyHandle row, std::wstring const& option) final {
        // A row shown as a plain value cannot become a pick list, as in the real grid.
        PropertyDesc& desc = Desc(row);
        if (desc.options.empty()) {
            PLATFORM_ERROR(L"the property \"" + desc.name +
                           L"\" was shown without options; add them before showing it");
        }
        desc.options.push_back(option);
        ShowOptionAdded(row, option);
    }

    std::wstring DisplayText(PropertyHandle row) const final { return Shown(row).text; }

    void SetUnits(PropertyHandle row, std::wstring const& units) final {
        Desc(row).units = units;
        ShowUnits(row, units);
    }

    std::wstring Units(PropertyHandle row) const final { return Shown(row).units; }

    PropertyHandle Find(std::wstring const& path) const final {
        std::vector<PropertyHandle> const* level = &m_top;
        std::size_t start = 0;
        while (true) {
            std::size_t const bar = path.find(L'|', start);
            std::wstring const name =
                path.substr(start, bar == std::wstring::npos ? bar : bar - start);
            auto const match = std::find_if(level->begin(), level->end(), [&](PropertyHandle row) {
                return m_rows.at(row).desc.name == name;
            });
            if (match == level->end()) {
                return 0;
            }
            if (bar == std::wstring::npos) {
                return *match;
            }
            level = &m_rows.at(*match).children;
            start = bar + 1;
        }
    }

    /// The row is scrolled to, then selected, then changed as the toolkit's editor changes
    /// it; a platform error when the row refuses the text. Scrolled to first, the row has
    /// nothing left to scroll when its selection makes its editor: GTK cannot place a
    /// child made while its parent scrolls.
    void UserEdit(PropertyHandle row, std::wstring const& text) final {
        Variant const value = ParsedEdit(row, text);
        this->EnsureVisible(row);
        this->Select(row);
        ChangeAsUser(row, value);
    }

    void ClickValue(PropertyHandle row) final {
        if (Desc(row).isGroup) {
            PLATFORM_ERROR(L"the property \"" + Desc(row).name + L"\" is a group and has no value");
        }
        OpenEditor(row);
    }

protected:
    /// What the grid shows of a row: its value, the text it draws for it, and the units it
    /// draws after it.
    struct ShownRow {
        Variant value;
        std::wstring text;
        std::wstring units;
    };

    /// What the toolkit shows of the row, read in one go so that the three agree; the
    /// model's own where the toolkit keeps nothing.
    virtual ShownRow Shown(PropertyHandle row) const {
        PropertyDesc const& desc = Desc(row);
        return {desc.value, FormatVariant(desc.value), desc.units};
    }
    /// The toolkit shows a new row under `parent` (0: the top level); its handle.
    virtual PropertyHandle ShowAppended(PropertyHandle parent, PropertyDesc const& desc) = 0;
    /// The toolkit drops every row, before the model does.
    virtual void ShowRemovedAll() = 0;
    virtual void ShowValue(PropertyHandle, Variant const&) {}
    virtual void ShowOptionAdded(PropertyHandle, std::wstring const&) {}
    virtual void ShowUnits(PropertyHandle, std::wstring const&) {}
    /// The user's click on the value of a row that has one: it is selected and its editor
    /// opens with the focus.
    virtual void OpenEditor(PropertyHandle row) = 0;

    /// The user's edit changes the row's value to `value`, which the row has taken: shown,
    /// and announced when it differs.
    virtual void ChangeAsUser(PropertyHandle row, Variant const& value) {
        if (value == GetValue(row)) {
            return;
        }
        SetValue(row, value);
        AnnounceChange(row);
    }

    /// What `text` makes of the row's value as the user's edit; a platform error when the
    /// row refuses it.
    Variant ParsedEdit(PropertyHandle row, std::wstring const& text) const {
        PropertyDesc desc = Desc(row);
        desc.value = GetValue(row);
        return ParseUserValue(desc, text);
    }

    /// The dialog hears that the user changed the row's value.
    void AnnounceChange(PropertyHandle row) {
        Message message{
            .event = Event::PropertyChanged, .id = this->Id(), .param = Desc(row).clientData};
        this->Raise(message);
    }

    bool Holds(PropertyHandle row) const { return m_rows.contains(row); }

    /// Raises a platform error naming the grid for a row it does not hold.
    PropertyDesc& Desc(PropertyHandle row) { return At(row).desc; }
    PropertyDesc const& Desc(PropertyHandle row) const {
        return const_cast<ModelBackedPropertyGrid*>(this)->Desc(row);
    }

private:
    struct Row {
        PropertyDesc desc;
        PropertyHandle parent = 0;
        std::vector<PropertyHandle> children;
    };

    Row& At(PropertyHandle row) {
        auto const found = m_rows.find(row);
        if (found == m_rows.end()) {
            PLATFORM_ERROR(L"property grid " + std::to_wstring(this->Id()) + L" has no such row");
        }
        return found->second;
    }

    std::map<PropertyHandle, Row> m_rows;
    std::vector<PropertyHandle> m_top;
};

} // namespace platform::backend
