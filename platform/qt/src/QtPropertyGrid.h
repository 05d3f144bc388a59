#pragma once

#include "QtDialog.h"
#include "QtWindow.h"
#include "platform/ModelBackedPropertyGrid.h"

#include <QPointer>

#include <string>

class QModelIndex;
class QStandardItem;
class QStandardItemModel;

namespace platform::qt {

class QtGridView;
class QtPropertyDelegate;

/// The property grid as a two-column tree: names and values, groups spanning both, each
/// value edited in place by the delegate's editor for its kind.
class QtPropertyGrid final
    : public backend::ModelBackedPropertyGrid<QtWindow<backend::NativePropertyGrid>> {
public:
    QtPropertyGrid(QtDialog* parent, ControlId id, Rect pixels);
    ~QtPropertyGrid() override;
    QtPropertyGrid(QtPropertyGrid const&) = delete;
    QtPropertyGrid& operator=(QtPropertyGrid const&) = delete;

    Variant GetValue(backend::PropertyHandle row) const override;
    void Select(backend::PropertyHandle row) override;
    backend::PropertyHandle Selected() const override;
    void EnsureVisible(backend::PropertyHandle row) override;
    void EnableHeader(bool on, std::wstring const& left, std::wstring const& right) override;
    /// What the grid itself draws, so a difference from the headless grid shows.
    std::wstring DisplayText(backend::PropertyHandle row) const override;
    /// What the grid draws after the value, not what was asked for.
    std::wstring Units(backend::PropertyHandle row) const override;
    /// Changes a row's value the way the grid's editor does, with the change event.
    void UserEdit(backend::PropertyHandle row, std::wstring const& text) override;
    bool CommitEditor() override;
    bool CancelEditor() override;
    /// The row's editor when it holds its window's focus; null when no editor is open.
    QWidget* FocusedEditor() const;

private:
    friend class QtPropertyDelegate;

    QtGridView& View() const;
    QStandardItem& NameItem(backend::PropertyHandle row) const;
    QStandardItem& ValueItem(backend::PropertyHandle row) const;
    /// The row an index of either column lies in; 0 for none the grid holds.
    backend::PropertyHandle RowOf(QModelIndex const& index) const;
    /// What `text` makes of the row's value as the user's edit; a platform error when the
    /// row refuses it.
    Variant ParsedEdit(backend::PropertyHandle row, std::wstring const& text) const;
    /// The user's change of a row: shown, and announced when the value differs.
    void Change(backend::PropertyHandle row, Variant const& value);
    backend::PropertyHandle ShowAppended(backend::PropertyHandle parent,
                                         backend::PropertyDesc const& desc) override;
    void ShowRemovedAll() override;
    void ShowValue(backend::PropertyHandle row, Variant const& value) override;
    void ShowUnits(backend::PropertyHandle row, std::wstring const& units) override;
    void OpenEditor(backend::PropertyHandle row) override;

    QStandardItemModel* m_model = nullptr;
    QPointer<QtGridView> m_view;
    /// The editor open in a value cell, and its row.
    QPointer<QWidget> m_editor;
    backend::PropertyHandle m_editedRow = 0;
};

} // namespace platform::qt
