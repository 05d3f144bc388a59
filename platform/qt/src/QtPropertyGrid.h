#pragma once

#include "QtDialog.h"
#include "QtWindow.h"
#include "platform/ToolkitPropertyGrid.h"

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
    : public backend::ToolkitPropertyGrid<QtWindow<backend::NativePropertyGrid>, QWidget> {
public:
    QtPropertyGrid(QtDialog* parent, ControlId id, Rect pixels);
    ~QtPropertyGrid() override;
    QtPropertyGrid(QtPropertyGrid const&) = delete;
    QtPropertyGrid& operator=(QtPropertyGrid const&) = delete;

    void Select(backend::PropertyHandle row) override;
    void EnsureVisible(backend::PropertyHandle row) override;
    void EnableHeader(bool on, std::wstring const& left, std::wstring const& right) override;

private:
    friend class QtPropertyDelegate;

    QtGridView& View() const;
    QStandardItem& NameItem(backend::PropertyHandle row) const;
    QStandardItem& ValueItem(backend::PropertyHandle row) const;
    /// The row an index of either column lies in; 0 for none the grid holds.
    backend::PropertyHandle RowOf(QModelIndex const& index) const;
    /// The value cell's value, text and units as the view draws them, so that a
    /// difference from the headless grid shows.
    ShownRow Shown(backend::PropertyHandle row) const override;
    backend::PropertyHandle ShowAppended(backend::PropertyHandle parent,
                                         backend::PropertyDesc const& desc) override;
    void ShowRemovedAll() override;
    void ShowValue(backend::PropertyHandle row, Variant const& value) override;
    void ShowUnits(backend::PropertyHandle row, std::wstring const& units) override;
    void OpenEditor(backend::PropertyHandle row) override;
    backend::PropertyHandle SelectedShown() const override;
    QWidget* FocusedEditor() const override;
    void CloseEditor(QWidget& editor, bool commit) override;

    QStandardItemModel* m_model = nullptr;
    QPointer<QtGridView> m_view;
    /// The editor open in a value cell, and its row.
    QPointer<QWidget> m_editor;
    backend::PropertyHandle m_editedRow = 0;
};

} // namespace platform::qt
