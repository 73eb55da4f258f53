// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// One of the four item lists of the Lists tab: a report view over a ListModel, with a tick box on every row and
// the item name and quantity in two columns. It keeps one rule of its own: a list with rows always has a
// selected row, so that the commands on "the selected row" have one. It reports what the list commands react
// to: a key going down and the focus arriving. Rows count from 0.

#include <QTreeView>

class ListView : public QTreeView {
    Q_OBJECT

public:
    explicit ListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

    int rowCount() const;
    // The selected row; -1 when no row is selected.
    int selectedRow() const;
    void selectRow(int row);
    void startRename();

signals:
    void gotFocus();
    // Sent before the key takes effect.
    void keyDown(int key);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void keepASelectedRow(int removedRow);
};
