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

// A row keeps the item's name, quantity, tick and key as plain members and answers them as its data. Qt keeps each
// of them as a variant in lists that grow one at a time, which made filling long lists cost more than reading
// the whole data file; to the view and to anyone reading the row it behaves the same.
class ListRow : public QTreeWidgetItem {
public:
    ListRow(const QString& name, const QString& quantity, bool ticked, const QString& key)
        : m_name(name)
        , m_quantity(quantity)
        , m_key(key)
        , m_check(ticked ? Qt::Checked : Qt::Unchecked) {
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsEditable);
        // Stored in Qt's own cells, which gives the row its two columns: Qt tells the view of a change in a row
        // through the row's column count.
        QTreeWidgetItem::setData(1, Qt::TextAlignmentRole, static_cast<int>(Qt::AlignRight | Qt::AlignVCenter));
    }

    QVariant data(int column, int role) const override {
        const bool text = role == Qt::DisplayRole || role == Qt::EditRole;
        if (column == 0 && text)
            return m_name;
        if (column == 0 && role == Qt::CheckStateRole)
            return static_cast<int>(m_check);
        if (column == 0 && role == KeyRole)
            return m_key;
        if (column == 1 && text)
            return m_quantity;
        return QTreeWidgetItem::data(column, role);
    }

    void setData(int column, int role, const QVariant& value) override {
        const bool text = role == Qt::DisplayRole || role == Qt::EditRole;
        if (column == 0 && text)
            set(m_name, value.toString());
        else if (column == 0 && role == Qt::CheckStateRole)
            set(m_check, static_cast<Qt::CheckState>(value.toInt()));
        else if (column == 0 && role == KeyRole)
            set(m_key, value.toString());
        else if (column == 1 && text)
            set(m_quantity, value.toString());
        else
            QTreeWidgetItem::setData(column, role, value);
    }

private:
    // Tells the view only of real changes, as Qt's own rows do.
    template <typename T> void set(T& member, const T& value) {
        if (member == value)
            return;
        member = value;
        emitDataChanged();
    }

    QString m_name;
    QString m_quantity;
    QString m_key;
    Qt::CheckState m_check;
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
    QTreeWidgetItem* item = makeRow(name, quantity, ticked, key);
    insertTopLevelItem(position - 1, item);
    // A list with rows always has a selected row, so the commands on "the selected row" have one.
    if (!selectedRow())
        setCurrentItem(item);
    return item;
}

QTreeWidgetItem* ListView::makeRow(const QString& name, const QString& quantity, bool ticked, const QString& key) {
    return new ListRow(name, quantity, ticked, key);
}

void ListView::appendRows(const QList<QTreeWidgetItem*>& rows) {
    addTopLevelItems(rows);
    if (!selectedRow() && rowCount() > 0)
        setCurrentItem(row(1));
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
