#pragma once

#include "QtDialog.h"
#include "QtWindow.h"
#include "platform/ModelBackedCombo.h"

#include <QComboBox>

#include <string>

class QStringListModel;

namespace platform::qt {

/// A combo box over a plain list of strings: a thousand names cost one list, not an item
/// object each, and its pop-up shows only the rows in view and finds a name as it is
/// typed.
class QtCombo final : public backend::ModelBackedCombo<QtWindow<backend::NativeCombo>> {
public:
    QtCombo(QtDialog* parent, ControlTemplate const& control, Rect pixels);

    /// On an editable box, no item once the text typed is not the selected item's.
    int GetCurSel() const override;
    void SetCurSel(int index) override;

    QComboBox& Box() const { return *m_box; }

private:
    void ShowInserted(int index, std::wstring const& text) override;
    void ShowDeleted(int index) override;
    void ShowCleared() override;
    void ShowCueBanner(std::wstring const& text) override;
    /// Runs `change` on the list with no notification, leaving the selection as it was
    /// (or none) and the text typed in the field alone.
    template <typename Change> void Quietly(Change const& change);

    QComboBox* m_box;
    QStringListModel* m_model;
};

} // namespace platform::qt
