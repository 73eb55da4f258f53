// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "list_view.h"

#include <QHeaderView>
#include <QKeyEvent>

ListView::ListView(QWidget* parent)
    : QTreeView(parent) {
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers); // renaming starts with F2, through the list commands
    header()->setStretchLastSection(false);
}

void ListView::setModel(QAbstractItemModel* model) {
    QTreeView::setModel(model);
    header()->setSectionResizeMode(0, QHeaderView::Interactive);
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first) {
        if (selectedRow() < 0)
            selectRow(first);
    });
    connect(model, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first) { keepASelectedRow(first); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] { keepASelectedRow(0); });
}

int ListView::rowCount() const {
    return model() ? model()->rowCount() : 0;
}

int ListView::selectedRow() const {
    const QModelIndexList selected = selectionModel() ? selectionModel()->selectedRows() : QModelIndexList();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void ListView::selectRow(int row) {
    if (row >= 0 && row < rowCount())
        setCurrentIndex(model()->index(row, 0));
}

void ListView::startRename() {
    if (const int row = selectedRow(); row >= 0)
        edit(model()->index(row, 0));
}

void ListView::keepASelectedRow(int removedRow) {
    if (selectedRow() < 0 && rowCount() > 0)
        selectRow(std::min(removedRow, rowCount() - 1));
}

void ListView::focusInEvent(QFocusEvent* event) {
    QTreeView::focusInEvent(event);
    emit gotFocus();
}

void ListView::keyPressEvent(QKeyEvent* event) {
    // A key the rename box left to the list (Enter ends the rename) is the box's, not a list command.
    if (state() == QAbstractItemView::EditingState) {
        QTreeView::keyPressEvent(event);
        return;
    }
    emit keyDown(event->key());
    // The window acts on these: deleting, renaming, editing, counting up and down (a tree would expand instead).
    if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_F2 || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter || event->key() == Qt::Key_Plus || event->key() == Qt::Key_Minus) {
        event->accept();
        return;
    }
    // Space ticks the current row whichever of its cells is current, the way a click on its tick box does.
    const QModelIndex current = currentIndex();
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier && current.isValid() &&
        current.column() != 0) {
        const QModelIndex tick = current.siblingAtColumn(0);
        model()->setData(tick, tick.data(Qt::CheckStateRole).toInt() == Qt::Checked ? Qt::Unchecked : Qt::Checked,
                         Qt::CheckStateRole);
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}
