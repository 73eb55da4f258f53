// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// The price comparison's table as an item model: it shows one comparison (list headings, items, totals and the
// best price), each row's texts by column, how it is drawn, and the item key of an item's row as KeyRole. The
// model is replaced whole at every comparison.

#include "comparison_engine.h"

#include <QAbstractTableModel>

class Document;
class QTreeView;

class ComparisonModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int KeyRole = Qt::UserRole;

    explicit ComparisonModel(const Document& document, QObject* parent = nullptr)
        : QAbstractTableModel(parent)
        , m_document(document) {}

    // Shows the comparison in place of the one before.
    void setComparison(Comparison&& comparison);
    const Comparison& comparison() const { return m_comparison; }
    // Every column at least as wide as its title and its widest cell; a shop with no name and no price among the
    // shown items is hidden, so that a few named shops do not scroll past empty columns.
    void fitColumns(QTreeView* table, const Document& document) const;
    // When a price set on that day was set, as the comparison says it: "12 March 2026 (8 months ago)".
    static QString age(QDate date, QDate today);
    // Whether a cell is drawn in bold: list headings, the totals' label and the best price.
    static bool isBold(const Comparison::Row& row, int column) {
        using Kind = Comparison::Row::Kind;
        return row.kind == Kind::BestPrice || (column == 0 && (row.kind == Kind::Heading || row.kind == Kind::Totals));
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const Document& m_document;
    Comparison m_comparison;
};
