// platform::backend::ToolkitCombo: a toolkit's combo box, declared once for every toolkit.
#pragma once

#include "platform/Geometry.h"
#include "platform/ModelBackedCombo.h"
#include "platform/Templates.h"

#include <memory>
#include <string>

namespace platform::backend {

/// A combo box on a toolkit's `Window` template (its window over a native interface, here
/// NativeCombo), its items kept as ModelBackedCombo keeps them. Each toolkit specialises, for its
/// own window, its `Parts` (the widgets that show the list) and the members marked "the toolkit's"
/// below, and instantiates the class where it does.
template <template <typename> class Window>
class ToolkitCombo final : public ModelBackedCombo<Window<NativeCombo>> {
public:
    /// The toolkit's: makes the box from `control` at `pixels` in `dialog`; the box keeps
    /// its natural height, the template's being the dropped-down list's.
    ToolkitCombo(typename Window<NativeCombo>::ParentDialog* dialog, ControlTemplate const& control,
                 Rect pixels);
    ~ToolkitCombo() override;
    ToolkitCombo(ToolkitCombo const&) = delete;
    ToolkitCombo& operator=(ToolkitCombo const&) = delete;

    /// The toolkit's. On an editable box, no item once the text typed is not the selected
    /// item's.
    int GetCurSel() const final;
    /// The toolkit's.
    void SetCurSel(int index) final;

private:
    /// The toolkit's widgets that show the list.
    struct Parts;

    /// The toolkit's, as ModelBackedCombo says.
    void ShowInserted(int index, std::wstring const& text) final;
    void ShowDeleted(int index) final;
    void ShowCleared() final;
    void ShowCueBanner(std::wstring const& text) final;

    std::unique_ptr<Parts> m_parts;
};

// Out of the class, so that only the toolkit's own file, where its Parts are whole, makes it.
template <template <typename> class Window> ToolkitCombo<Window>::~ToolkitCombo() = default;

} // namespace platform::backend
