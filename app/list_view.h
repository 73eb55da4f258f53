#pragma once

// One of the four item lists of the Lists tab: a report view with a tick box on every row, the item name and
// the quantity in two columns and the item key kept on the row. It reports what the list commands react to:
// a tick changed by the user (never one the program sets), a key going down, the focus arriving and the end
// of an in-place rename. Positions are 1-based, the top row being 1.

#include <QTreeWidget>

class ListView : public QTreeWidget {
    Q_OBJECT

public:
    explicit ListView(QWidget* parent = nullptr);

    int rowCount() const { return topLevelItemCount(); }
    QTreeWidgetItem* row(int position) const { return topLevelItem(position - 1); }
    // The selected row and its position; nullptr and 0 when no row is selected.
    QTreeWidgetItem* selectedRow() const;
    int selectedPosition() const;
    void selectRow(int position);

    QTreeWidgetItem* insertRow(int position, const QString& name, const QString& quantity, bool ticked,
                               const QString& key);
    QTreeWidgetItem* appendRow(const QString& name, const QString& quantity, bool ticked, const QString& key) {
        return insertRow(rowCount() + 1, name, quantity, ticked, key);
    }
    // A row for appendRows, not yet in any list.
    static QTreeWidgetItem* makeRow(const QString& name, const QString& quantity, bool ticked, const QString& key);
    // Adds the rows at the bottom at once, which costs far less than adding them one by one.
    void appendRows(const QList<QTreeWidgetItem*>& rows);
    void removeRow(int position);
    void startRename();

    static QString name(const QTreeWidgetItem* row) { return row->text(0); }
    static QString quantity(const QTreeWidgetItem* row) { return row->text(1); }
    static QString key(const QTreeWidgetItem* row);
    static bool isTicked(const QTreeWidgetItem* row) { return row->checkState(0) == Qt::Checked; }
    static void setTicked(QTreeWidgetItem* row, bool ticked);
    static void setQuantity(QTreeWidgetItem* row, const QString& quantity) { row->setText(1, quantity); }

signals:
    void gotFocus();
    // Sent before the key takes effect.
    void keyDown(int key);
    void tickChangedByUser(QTreeWidgetItem* row);
    void renameEnded(QTreeWidgetItem* row, const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
};
