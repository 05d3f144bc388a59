// Qt alone, with nothing of ours: what any browser on it takes at the least.
#pragma once

#include <QDialog>

class QLabel;
class QStandardItemModel;
class QTreeView;

namespace browserbench {

/// A bare Qt dialog of the browser's size and kinds of controls, in its places: search
/// box, status line, a tree view over a plain item model, description and the column of
/// buttons. The same cases as the wx floor (ToolkitOnlyDialog).
class QtToolkitOnlyDialog final : public QDialog {
public:
    QtToolkitOnlyDialog();

    /// The tree as the full one first shows: the top folders, one of them opened down to
    /// a selected system among its siblings.
    void ShowFullTree();
    /// The tree as a search's result shows: one path opened to the one system found,
    /// with the status line counting it.
    void ShowOneResult();

private:
    /// Selects `index`, opening its parents and scrolling it into view.
    void SelectShown(QModelIndex const& index);

    QStandardItemModel* m_model;
    QTreeView* m_tree;
    QLabel* m_status;
};

} // namespace browserbench
