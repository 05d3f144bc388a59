#include "QtTree.h"
#include "QtDialog.h"
#include "QtWindow.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPainter>
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
        auto const* node =
            index.isValid() && role == Qt::DisplayRole ? Find(index.internalId()) : nullptr;
        return node == nullptr ? QVariant() : QVariant(ToQt(node->text));
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

    /// Sorts the children of `item` with `sort`, keeping the view's indexes (the open
    /// items, the selection) on their items.
    template <typename Sort> void Reorder(std::uintptr_t item, Sort sort) {
        QPersistentModelIndex const family(IndexOf(item));
        emit layoutAboutToBeChanged({family}, VerticalSortHint);
        sort();
        QModelIndexList const before = persistentIndexList();
        QModelIndexList after;
        after.reserve(before.size());
        for (QModelIndex const& index : before) {
            after.push_back(IndexOf(index.internalId()));
        }
        changePersistentIndexList(before, after);
        emit layoutChanged({family}, VerticalSortHint);
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
/// dialog before the item opens.
class QtTreeView final : public QTreeView {
public:
    QtTreeView(QWidget* parent, QtTree& owner)
        : QTreeView(parent)
        , m_owner(owner) {}

protected:
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
    QtTree& m_owner;
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
    : ModelBackedTree(parent, control.id, nullptr) {
    m_view = new QtTreeView(&parent->Container(), *this);
    m_widget = m_view;
    m_view->setGeometry(pixels.left, pixels.top, pixels.Width(), pixels.Height());
    m_model = new QtTreeModel(*this, m_view);
    m_view->setModel(m_model);
    m_view->setItemDelegate(new QtTreeDelegate(*this, m_view));
    m_view->setHeaderHidden(true);
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
    // Whatever asks of the view first shows the new items; else the next turn of the loop.
    QTimer::singleShot(0, m_view, [this] { Flush(); });
}

TreeItem QtTree::Insert(TreeItem parent, InsertAfter where, std::wstring const& text) {
    AtOrRoot(parent);
    // A search empties the tree and fills it with thousands: the view hears of them once.
    if (m_items.Count() == 0) {
        BeginRefill();
    }
    if (m_resetPending) {
        return TreeItem{m_items.Insert(parent.value, where, text).first};
    }
    QModelIndex const family = IndexOf(parent);
    auto const [item, position] = m_items.Insert(parent.value, where, text);
    // The item's place is known once it is in; nothing reads the items in between.
    int const row = static_cast<int>(position);
    m_model->beginInsertRows(family, row, row);
    m_model->endInsertRows();
    return TreeItem{item};
}

void QtTree::Delete(TreeItem item) {
    if (!item) {
        // Emptying the tree ends the selection quietly: whoever refills it selects again.
        m_selected = {};
        BeginRefill();
        m_items.Clear();
        return;
    }
    At(item);
    // The view would move the selection to a neighbour of its own; it moves to the one a
    // native tree picks, and the dialog hears of it once.
    std::optional<TreeItem> const moveTo = backend::SelectionAfterDelete(*this, item);
    if (moveTo) {
        SelectQuietly({});
    }
    if (m_resetPending) {
        m_items.Erase(item.value);
    } else {
        QModelIndex const index = IndexOf(item);
        m_quiet = true;
        m_model->beginRemoveRows(index.parent(), index.row(), index.row());
        m_items.Erase(item.value);
        m_model->endRemoveRows();
        m_quiet = false;
    }
    if (moveTo && *moveTo) {
        Select(*moveTo);
    } else if (moveTo) {
        Adopt({});
    }
}

void QtTree::SetItemText(TreeItem item, std::wstring const& text) {
    At(item);
    m_items.Rename(item.value, text);
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
        Flush();
        ExpandAncestors(item);
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
    Message message{.event = Event::SelChanged, .id = m_id, .item = selected};
    Raise(message);
}

void QtTree::Expand(TreeItem item) {
    // An item without children has nothing to open; the view would still call it open.
    if (At(item).children.empty()) {
        return;
    }
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

void QtTree::ExpandAncestors(TreeItem item) {
    for (TreeItem parent = ParentItem(item); parent; parent = ParentItem(parent)) {
        View().expand(IndexOf(parent));
    }
}

void QtTree::EnsureVisible(TreeItem item) {
    At(item);
    Flush();
    // Its folders open now, so that what the program asks next is answered as it will
    // be; the scroll waits for drawing, as the items may still move until then.
    ExpandAncestors(item);
    if (IsRedrawOn()) {
        View().scrollTo(IndexOf(item));
    } else {
        m_scrollsOnRedraw.push_back(item);
    }
}

void QtTree::SetRedraw(bool on) {
    ModelBackedTree::SetRedraw(on);
    if (!on) {
        return;
    }
    Flush();
    // In the order asked, as each scroll starts where the one before left the view.
    for (TreeItem const item : std::exchange(m_scrollsOnRedraw, {})) {
        // The item may have gone since, with the items it was among.
        if (m_items.Contains(item.value)) {
            View().scrollTo(IndexOf(item));
        }
    }
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

void QtTree::SortChildren(TreeItem item) {
    AtOrRoot(item);
    if (m_resetPending) {
        m_items.SortChildren(item.value);
        return;
    }
    m_quiet = true;
    m_model->Reorder(item.value, [&] { m_items.SortChildren(item.value); });
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

void QtTree::DoubleClickAt(Point screen, bool select) {
    Point const origin = ClientToScreen({0, 0});
    TreeHitTest const hit = HitTest({screen.x - origin.x, screen.y - origin.y});
    bool const onItem = hit.item && (hit.flags & HitOnItem) != 0;
    if (select && onItem) {
        Select(hit.item);
    }
    Message message{.event = Event::DblClk, .id = m_id, .point = screen};
    Raise(message);
    if (!m_parent->HasEnded() && onItem && m_items.Contains(hit.item.value) &&
        !IsExpanded(hit.item)) {
        Expand(hit.item);
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

void QtTree::RaiseMouseMove(QPoint client) {
    Message message{.event = Event::MouseMove, .id = m_id, .point = {client.x(), client.y()}};
    Raise(message);
}

} // namespace platform::qt
