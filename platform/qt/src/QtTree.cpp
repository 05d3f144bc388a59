#include "QtTree.h"
#include "QtDialog.h"
#include "QtWindow.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <utility>

namespace platform::qt {

/// Reads the tree's items for the view: an index's internal id is its item's handle,
/// and the invisible root is the invalid index. Nothing is copied per item.
class QtTreeModel final : public QAbstractItemModel {
public:
    QtTreeModel(QtTree& owner, QObject* parent)
        : QAbstractItemModel(parent)
        , m_owner(owner) {}

    QModelIndex index(int row, int column, QModelIndex const& parent) const override {
        auto const* family = Find(HandleOf(parent));
        if (family == nullptr || column != 0 || row < 0 ||
            static_cast<std::size_t>(row) >= family->children.size()) {
            return {};
        }
        return createIndex(row, 0, family->children[static_cast<std::size_t>(row)]);
    }

    QModelIndex parent(QModelIndex const& child) const override {
        auto const* node = child.isValid() ? Find(child.internalId()) : nullptr;
        return node == nullptr ? QModelIndex() : IndexOf(node->parent);
    }

    int rowCount(QModelIndex const& parent) const override {
        auto const* family = parent.column() > 0 ? nullptr : Find(HandleOf(parent));
        return family == nullptr ? 0 : static_cast<int>(family->children.size());
    }

    int columnCount(QModelIndex const&) const override { return 1; }

    QVariant data(QModelIndex const& index, int role) const override {
        bool const shown =
            index.isValid() && role == Qt::DisplayRole && Find(index.internalId()) != nullptr;
        return shown ? QVariant(ToQt(m_owner.m_items.Text(index.internalId()))) : QVariant();
    }

    Qt::ItemFlags flags(QModelIndex const& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    /// Invalid for the root and for items the tree no longer holds.
    QModelIndex IndexOf(std::uintptr_t item) const {
        auto const* node = item == 0 ? nullptr : Find(item);
        if (node == nullptr) {
            return {};
        }
        auto const& siblings = m_owner.m_items.At(node->parent).children;
        auto const place = std::find(siblings.begin(), siblings.end(), item);
        return createIndex(static_cast<int>(place - siblings.begin()), 0, item);
    }

    static std::uintptr_t HandleOf(QModelIndex const& index) {
        return index.isValid() ? index.internalId() : 0;
    }

    /// The children of `item` are about to be sorted: the view keeps its indexes (the open
    /// items, the selection) until EndReorder moves them onto their items' new rows.
    void BeginReorder(std::uintptr_t item) {
        emit layoutAboutToBeChanged({QPersistentModelIndex(IndexOf(item))}, VerticalSortHint);
    }

    void EndReorder(std::uintptr_t item) {
        QModelIndexList const before = persistentIndexList();
        QModelIndexList after;
        after.reserve(before.size());
        for (QModelIndex const& index : before) {
            after.push_back(IndexOf(index.internalId()));
        }
        changePersistentIndexList(before, after);
        emit layoutChanged({QPersistentModelIndex(IndexOf(item))}, VerticalSortHint);
    }

    // The tree changes the items and announces it.
    using QAbstractItemModel::beginInsertRows;
    using QAbstractItemModel::beginRemoveRows;
    using QAbstractItemModel::beginResetModel;
    using QAbstractItemModel::endInsertRows;
    using QAbstractItemModel::endRemoveRows;
    using QAbstractItemModel::endResetModel;

private:
    /// The view may ask of items already gone while it is being told; it hears nothing.
    backend::TreeModel<QtTreeRow>::Node const* Find(std::uintptr_t item) const {
        return m_owner.m_items.Contains(item) ? &m_owner.m_items.At(item) : nullptr;
    }

    QtTree& m_owner;
};

/// The view: its paints run the tree's custom-draw stages, its double clicks reach the
/// dialog before the item opens, and with `lines` it joins the items to their folders.
class QtTreeView final : public QTreeView {
public:
    QtTreeView(QWidget* parent, QtTree& owner, bool lines)
        : QTreeView(parent)
        , m_owner(owner)
        , m_lines(lines) {}

protected:
    void drawBranches(QPainter* painter, QRect const& rect,
                      QModelIndex const& index) const override {
        // The style draws only the buttons, over the lines.
        if (m_lines && rect.width() >= indentation()) {
            DrawLines(*painter, rect, index);
        }
        QTreeView::drawBranches(painter, rect, index);
    }

    bool viewportEvent(QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            m_owner.Flush();
            m_owner.PaintStarts();
        } else if (event->type() == QEvent::MouseMove) {
            QPoint const at = static_cast<QMouseEvent*>(event)->position().toPoint();
            m_owner.RaiseMouseMove(viewport()->mapTo(this, at));
        }
        return QTreeView::viewportEvent(event);
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override {
        // The first click has selected the item already.
        QPoint const screen = event->globalPosition().toPoint();
        m_owner.DoubleClickAt({screen.x(), screen.y()}, false);
    }

private:
    /// Dotted lines in the indentation left of the item, one step per level. Siblings hang
    /// on a line under their parent's button (the top level on one through its own
    /// buttons); a line goes on down while an item has a sibling below it.
    void DrawLines(QPainter& painter, QRect const& rect, QModelIndex const& index) const {
        int const step = indentation();
        int const middle = rect.top() + rect.height() / 2;
        auto const hasNext = [](QModelIndex const& item) {
            return item.sibling(item.row() + 1, 0).isValid();
        };
        painter.save();
        painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
        int const own = rect.right() + 1 - step / 2;
        int line = index.parent().isValid() && own - step >= rect.left() ? own - step : own;
        painter.drawLine(line, rect.top(), line, hasNext(index) ? rect.bottom() : middle);
        painter.drawLine(line, middle, rect.right(), middle);
        for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) {
            bool const top = !up.parent().isValid();
            line -= top ? 0 : step;
            if (line < rect.left() || (top && !rootIsDecorated())) {
                break;
            }
            if (hasNext(up)) {
                painter.drawLine(line, rect.top(), line, rect.bottom());
            }
        }
        painter.restore();
    }

    QtTree& m_owner;
    bool m_lines;
};

/// Paints each item between the stages its dialog asked for.
class QtTreeDelegate final : public QStyledItemDelegate {
public:
    QtTreeDelegate(QtTree& owner, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_owner(owner) {}

    void paint(QPainter* painter, QStyleOptionViewItem const& option,
               QModelIndex const& index) const override {
        m_owner.PaintItem(*painter, TreeItem{QtTreeModel::HandleOf(index)},
                          [&] { QStyledItemDelegate::paint(painter, option, index); });
        m_owner.Widen(index);
    }

private:
    QtTree& m_owner;
};

namespace {

/// Draws stock icons for custom-draw handlers, which place them in the tree's client
/// coordinates; the painter paints the viewport at `origin` in them.
class QtDrawContext final : public DrawContext {
public:
    QtDrawContext(QPainter& painter, QWidget& tree, QPoint origin)
        : m_painter(painter)
        , m_tree(tree)
        , m_origin(origin) {}

    void DrawIcon(StockIcon, Rect where) override {
        QRect const target(where.left - m_origin.x(), where.top - m_origin.y(), where.Width(),
                           where.Height());
        m_tree.style()
            ->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, &m_tree)
            .paint(&m_painter, target);
    }

private:
    QPainter& m_painter;
    QWidget& m_tree;
    QPoint m_origin;
};

} // namespace

QtTree::QtTree(QtDialog* parent, ControlTemplate const& control, Rect pixels)
    : ToolkitTree(parent, control.id, nullptr) {
    m_view = new QtTreeView(&parent->Container(), *this, (control.style & TreeHasLines) != 0);
    m_widget = m_view;
    m_view->setGeometry(pixels.left, pixels.top, pixels.Width(), pixels.Height());
    m_model = new QtTreeModel(*this, m_view);
    m_view->setModel(m_model);
    m_view->setItemDelegate(new QtTreeDelegate(*this, m_view));
    m_view->setHeaderHidden(true);
    m_narrowest = m_view->header()->minimumSectionSize();
    // Every row is one line of text: the view lays out thousands without measuring each.
    m_view->setUniformRowHeights(true);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The dialog hears of a double click first, and may end before the item opens.
    m_view->setExpandsOnDoubleClick(false);
    m_view->setRootIsDecorated((control.style & TreeLinesAtRoot) != 0);
    // Framed like the other bordered controls, the description beside it among them.
    m_view->setFrameShape((control.style & StyleBorder) != 0 ? QFrame::StyledPanel
                                                             : QFrame::NoFrame);
    // The dialog follows the pointer over the items, buttons down or not.
    m_view->viewport()->setMouseTracking(true);
    QObject::connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, m_view,
                     [this] { OnViewSelection(); });
}

QtTree::~QtTree() {
    // The view and its model read this tree's items: they go with it.
    delete m_view.data();
}

QtTreeView& QtTree::View() const {
    return *m_view;
}

QModelIndex QtTree::IndexOf(TreeItem item) const {
    return m_model->IndexOf(item.value);
}

void QtTree::Flush() const {
    if (std::exchange(m_resetPending, false)) {
        m_model->endResetModel();
    }
}

void QtTree::BeginRefill() {
    if (std::exchange(m_resetPending, true)) {
        return;
    }
    m_model->beginResetModel();
    m_labelsWidth = 0;
    View().header()->setMinimumSectionSize(m_narrowest);
    // Whatever asks of the view first shows the new items; else the next turn of the loop.
    QTimer::singleShot(0, m_view, [this] { Flush(); });
}

void QtTree::ShowInserting() {
    if (m_items.Count() == 0) {
        BeginRefill();
    }
}

void QtTree::ShowInserted(TreeItem parent, TreeItem, std::size_t position) {
    if (m_resetPending) {
        return;
    }
    // The item's place is known once it is in; nothing reads the items in between.
    int const row = static_cast<int>(position);
    m_model->beginInsertRows(IndexOf(parent), row, row);
    m_model->endInsertRows();
}

void QtTree::ShowCleared() {
    m_selected = {};
    BeginRefill();
}

void QtTree::ShowUnselected() {
    m_selected = {};
    SelectQuietly({});
}

void QtTree::ShowDeleting(TreeItem item) {
    if (m_resetPending) {
        return;
    }
    QModelIndex const index = IndexOf(item);
    m_quiet = true;
    m_model->beginRemoveRows(index.parent(), index.row(), index.row());
}

void QtTree::ShowDeleted() {
    if (m_resetPending) {
        return;
    }
    m_model->endRemoveRows();
    m_quiet = false;
}

void QtTree::ShowRenamed(TreeItem item) {
    if (!m_resetPending) {
        QModelIndex const index = IndexOf(item);
        emit m_model->dataChanged(index, index, {Qt::DisplayRole});
    }
}

void QtTree::SelectQuietly(TreeItem item) {
    Flush();
    m_quiet = true;
    if (item) {
        View().selectionModel()->setCurrentIndex(IndexOf(item),
                                                 QItemSelectionModel::ClearAndSelect);
    } else {
        View().selectionModel()->clearSelection();
    }
    m_quiet = false;
}

void QtTree::Select(TreeItem item) {
    if (item == m_selected) {
        return;
    }
    if (item) {
        At(item);
        OpenAncestors(item);
    }
    SelectQuietly(item);
    Adopt(item);
    // A handler may have deleted it meanwhile, with the items it was among.
    if (item && m_items.Contains(item.value)) {
        EnsureVisible(item);
    }
}

void QtTree::OnViewSelection() {
    if (m_quiet) {
        return;
    }
    QModelIndexList const selected = View().selectionModel()->selectedIndexes();
    Adopt(selected.isEmpty() ? TreeItem{} : TreeItem{QtTreeModel::HandleOf(selected.front())});
}

void QtTree::Adopt(TreeItem selected) {
    if (selected == m_selected) {
        return;
    }
    m_selected = selected;
    AnnounceSelection(selected);
}

void QtTree::ShowExpanded(TreeItem item) {
    Flush();
    View().expand(IndexOf(item));
}

bool QtTree::IsExpanded(TreeItem item) const {
    if (At(item).children.empty()) {
        return false;
    }
    Flush();
    return View().isExpanded(IndexOf(item));
}

void QtTree::OpenAncestors(TreeItem item) {
    Flush();
    for (TreeItem parent = ParentItem(item); parent; parent = ParentItem(parent)) {
        View().expand(IndexOf(parent));
    }
}

void QtTree::ScrollTo(TreeItem item) {
    OpenAncestors(item);
    View().scrollTo(IndexOf(item));
}

QRect QtTree::LabelRect(QModelIndex const& index) const {
    QRect const cell = View().visualRect(index);
    // The margins the style leaves on either side of an item's text.
    int const margin =
        View().style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1;
    int const width = View().fontMetrics().horizontalAdvance(index.data().toString());
    return {cell.left(), cell.top(), width + 2 * margin, cell.height()};
}

std::optional<Rect> QtTree::ItemRect(TreeItem item, bool textOnly) const {
    At(item);
    Flush();
    for (TreeItem parent = ParentItem(item); parent; parent = ParentItem(parent)) {
        if (!View().isExpanded(IndexOf(parent))) {
            return std::nullopt;
        }
    }
    QModelIndex const index = IndexOf(item);
    QRect rect = View().visualRect(index);
    if (!rect.isValid()) {
        return std::nullopt;
    }
    rect = textOnly ? LabelRect(index)
                    : QRect(0, rect.top(), View().viewport()->width(), rect.height());
    rect.translate(View().viewport()->pos());
    return Rect::FromXYWH(rect.x(), rect.y(), rect.width(), rect.height());
}

TreeHitTest QtTree::HitTest(Point client) const {
    Flush();
    QPoint const at = QPoint(client.x, client.y) - View().viewport()->pos();
    QModelIndex const index = View().indexAt(at);
    if (!index.isValid()) {
        return {};
    }
    QRect const label = LabelRect(index);
    unsigned flags = HitOnRight;
    if (at.x() < label.left()) {
        // The button sits in the last step of the indentation, before the label.
        bool const onButton =
            at.x() >= label.left() - View().indentation() && m_model->hasChildren(index);
        flags = onButton ? HitOnButton : HitOnIndent;
    } else if (at.x() <= label.right()) {
        flags = HitOnLabel;
    }
    return {TreeItem{QtTreeModel::HandleOf(index)}, flags};
}

void QtTree::ShowSorting(TreeItem item) {
    if (m_resetPending) {
        return;
    }
    m_quiet = true;
    m_model->BeginReorder(item.value);
}

void QtTree::ShowSorted(TreeItem item) {
    if (m_resetPending) {
        return;
    }
    m_model->EndReorder(item.value);
    m_quiet = false;
}

void QtTree::WarmUp() {
    // The style caches what it draws the buttons from the first time it draws them,
    // which is in the first search that opens folders; a user's search should only draw.
    int const side = View().indentation();
    QPixmap canvas(side, side);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    QStyleOption option;
    option.initFrom(m_view);
    option.rect = canvas.rect();
    for (QStyle::State const open : {QStyle::State(), QStyle::State(QStyle::State_Open)}) {
        option.state = QStyle::State_Enabled | QStyle::State_Item | QStyle::State_Children | open;
        View().style()->drawPrimitive(QStyle::PE_IndicatorBranch, &option, &painter, m_view);
    }
}

void QtTree::PaintStarts() {
    m_itemStages = false;
    if (Wrapper() == nullptr) {
        return;
    }
    CustomDraw draw{DrawStage::PrePaint, {}, nullptr};
    Message message{.event = Event::CustomDraw, .id = m_id, .draw = &draw};
    Raise(message);
    m_itemStages = (message.result & DrawNotifyItemDraw) != 0;
}

void QtTree::PaintItem(QPainter& painter, TreeItem item, std::function<void()> const& paint) {
    if (!m_itemStages || Wrapper() == nullptr) {
        paint();
        return;
    }
    QtDrawContext context(painter, View(), View().viewport()->pos());
    CustomDraw draw{DrawStage::ItemPrePaint, item, &context};
    Message message{.event = Event::CustomDraw, .id = m_id, .draw = &draw};
    Raise(message);
    paint();
    if ((message.result & DrawNotifyPostPaint) != 0) {
        draw.stage = DrawStage::ItemPostPaint;
        message.result = 0;
        painter.save();
        Raise(message);
        painter.restore();
    }
}

void QtTree::Widen(QModelIndex const& index) {
    int const needed = LabelRect(index).right() + 1 - View().columnViewportPosition(0);
    if (needed <= m_labelsWidth) {
        return;
    }
    m_labelsWidth = needed;
    // Not while painting: the view lays itself out again at the new width.
    QTimer::singleShot(0, m_view,
                       [this] { View().header()->setMinimumSectionSize(m_labelsWidth); });
}

void QtTree::RaiseMouseMove(QPoint client) {
    Message message{.event = Event::MouseMove, .id = m_id, .point = {client.x(), client.y()}};
    Raise(message);
}

} // namespace platform::qt
