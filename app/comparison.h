// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// The price comparison's table as an item model: it shows one comparison (list headings, items, totals and the
// best price), each row's texts by column, how it is drawn in the application's palette, what a screen reader
// says of a cell, and the item key of an item's row as KeyRole. The model is replaced whole at every comparison.
// Its columns are the label and the shops in view, so a column of the model is not always the comparison's
// column of the same number: comparisonColumn() says which it shows.

#include "comparison_engine.h"

#include <QAbstractTableModel>
#include <QPalette>

class Document;
class QTreeView;

class ComparisonModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int KeyRole = Qt::UserRole;

    explicit ComparisonModel(const Document& document, QObject* parent = nullptr)
        : QAbstractTableModel(parent)
        , m_document(document) {}

    // Shows the comparison in place of the one before. A shop with no name and no price among the shown items
    // gets no column, so that a few named shops do not scroll past empty columns, in view or read aloud; the
    // first two shops always have one, since the best-price row writes into them.
    void setComparison(Comparison&& comparison);
    const Comparison& comparison() const { return m_comparison; }
    // The comparison's column (0 for the label, s for shop s) that a column of the model shows.
    int comparisonColumn(int column) const { return m_columns[static_cast<size_t>(column)]; }
    // Every column at least as wide as its title and its widest cell.
    void fitColumns(QTreeView* table) const;
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
    // The colours of the marks in one palette, each readable on the background it is drawn on.
    struct Colours {
        QColor cheapest;      // the background of an item's cheapest price
        QColor onCheapest;    // a price on it
        QColor muted;         // an old or not comparable price
        QColor mutedCheapest; // the same on the cheapest price's background
        QColor bestPrice;
        static Colours of(const QPalette& palette);
    };
    // The colours of the application's palette, worked out again when it changes.
    const Colours& colours() const;
    // What a screen reader says of a cell: its text and what it is ("1.29, cheapest, offer").
    QString spoken(const Comparison::Row& row, int column, bool old) const;

    const Document& m_document;
    Comparison m_comparison;
    std::vector<int> m_columns{0}; // by the model's column, the comparison's
    mutable qint64 m_palette = -1; // the cache key of the palette of m_colours
    mutable Colours m_colours;
};
