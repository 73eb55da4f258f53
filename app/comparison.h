#pragma once

// The price comparison's table as an item model: the rows GenPCList works out from the document (list headings,
// items, totals and the best price), each with its texts by column, how it is drawn, and the item key of an
// item's row as KeyRole. The model is replaced whole at every comparison; it owns only these rows.

#include "store_layout.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QStringList>

#include <array>
#include <vector>

class ComparisonModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int KeyRole = Qt::UserRole;
    static constexpr int ShopColumns = Store::ShopCount;
    static constexpr int Columns = ShopColumns + 1;

    struct Row {
        enum class Kind { Heading, Item, Blank, Totals, BestPrice };
        Kind kind = Kind::Blank;
        std::array<QString, Columns> texts; // the label, then a text for every shop
        QString key;                        // an item's key
        quint32 cheapest = 0;               // bit s set: shop s has the item's lowest price
        std::array<QDate, Columns> dates;   // when each shop's price was set, where known
    };

    using QAbstractTableModel::QAbstractTableModel;

    // Replaces every row, the column titles and the totals' tooltips (by shop, from 1). Prices set more than
    // `oldDays` before `today` are shown as old.
    void setRows(std::vector<Row>&& rows, const QStringList& titles, const QStringList& totalTips, QDate today,
                 int oldDays);
    // A day as the comparison and the page say it: "12 March 2026".
    static QString day(QDate date);
    // When a price set on that day was set, as the comparison says it: "12 March 2026 (8 months ago)".
    static QString age(QDate date, QDate today);
    const Row& row(int r) const { return m_rows[static_cast<size_t>(r)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<Row> m_rows;
    QStringList m_titles;
    QStringList m_totalTips;
    QDate m_today;
    int m_oldDays = 0;
};
