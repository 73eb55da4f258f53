#pragma once

// One of the four item lists of the Lists tab: a report view over a ListModel, with a tick box on every row and
// the item name and quantity in two columns. It keeps one rule of its own: a list with rows always has a
// selected row, so that the commands on "the selected row" have one. It reports what the list commands react
// to: a key going down and the focus arriving. Positions are 1-based, the top row being 1.

#include <QTreeView>

class ListView : public QTreeView {
    Q_OBJECT

public:
    explicit ListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

    int rowCount() const;
    // The selected row's position; 0 when no row is selected.
    int selectedPosition() const;
    void selectRow(int position);
    void startRename();

signals:
    void gotFocus();
    // Sent before the key takes effect.
    void keyDown(int key);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void keepASelectedRow(int removedPosition);
};
