#include "list_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace {

constexpr int KeyRole = Qt::UserRole;

// Tick boxes are toggled by the delegate, on a click or the space bar; the model cannot tell those changes from
// the program's own, so the delegate is where a user's tick is recognised.
class TickReportingDelegate : public QStyledItemDelegate {
public:
    TickReportingDelegate(ListView* view)
        : QStyledItemDelegate(view)
        , m_view(view) {}

    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override {
        const QVariant before = index.data(Qt::CheckStateRole);
        const bool handled = QStyledItemDelegate::editorEvent(event, model, option, index);
        if (handled && index.column() == 0 && index.data(Qt::CheckStateRole) != before)
            if (QTreeWidgetItem* row = m_view->row(index.row() + 1))
                emit m_view->tickChangedByUser(row);
        return handled;
    }

private:
    ListView* m_view;
};

} // namespace

ListView::ListView(QWidget* parent)
    : QTreeWidget(parent) {
    setColumnCount(2);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers); // renaming starts with F2, through the list commands
    setItemDelegate(new TickReportingDelegate(this));
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Interactive);
}

QTreeWidgetItem* ListView::selectedRow() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

int ListView::selectedPosition() const {
    QTreeWidgetItem* selected = selectedRow();
    return selected ? indexOfTopLevelItem(selected) + 1 : 0;
}

void ListView::selectRow(int position) {
    if (QTreeWidgetItem* target = row(position))
        setCurrentItem(target);
}

QTreeWidgetItem* ListView::insertRow(int position, const QString& name, const QString& quantity, bool ticked,
                                     const QString& key) {
    auto* item = new QTreeWidgetItem({name, quantity});
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsEditable);
    item->setData(0, KeyRole, key);
    item->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    insertTopLevelItem(position - 1, item);
    // A list with rows always has a selected row, so the commands on "the selected row" have one.
    if (!selectedRow())
        setCurrentItem(item);
    return item;
}

void ListView::removeRow(int position) {
    delete takeTopLevelItem(position - 1);
    if (!selectedRow() && rowCount() > 0)
        selectRow(std::min(position, rowCount()));
}

void ListView::startRename() {
    if (QTreeWidgetItem* selected = selectedRow())
        editItem(selected, 0);
}

QString ListView::key(const QTreeWidgetItem* row) {
    return row->data(0, KeyRole).toString();
}

void ListView::setTicked(QTreeWidgetItem* row, bool ticked) {
    row->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
}

void ListView::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    emit gotFocus();
}

void ListView::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->key());
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_F2) {
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void ListView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTreeWidget::closeEditor(editor, hint);
    if (QTreeWidgetItem* current = currentItem())
        emit renameEnded(current, current->text(0));
}
