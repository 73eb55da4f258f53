// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "comparison.h"

#include "document.h"
#include "user_prompts.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeView>

#include <algorithm>

namespace {

using Row = Comparison::Row;

const QColor BestPriceColour(255, 0, 0);
// Marks an item's cheapest price: light, so that it never reads as the red of the best price.
const QColor CheapestColour(204, 238, 204);
// An old price: muted, so that it never reads as the red of the best price.
const QColor OldPriceColour(128, 128, 128);
// After an offer's price.
const QString OfferMark = QStringLiteral(" \u2605");

// The texts of a column that may be its widest: the longest few by length, which the font then measures.
// Measuring every cell of a long table would cost more than filling it.
struct ColumnText {
    static constexpr size_t Kept = 8;
    std::vector<std::pair<QString, bool>> candidates; // text, bold
    qsizetype shortest = 0;                           // the shortest kept length, once Kept are kept

    void offer(const QString& text, bool bold) {
        const auto byLength = [](const auto& a, const auto& b) { return a.first.size() < b.first.size(); };
        if (candidates.size() < Kept)
            candidates.emplace_back(text, bold);
        else if (text.size() > shortest)
            *std::min_element(candidates.begin(), candidates.end(), byLength) = {text, bold};
        else
            return;
        if (candidates.size() == Kept)
            shortest = std::min_element(candidates.begin(), candidates.end(), byLength)->first.size();
    }
};

} // namespace

void ComparisonModel::setComparison(Comparison&& comparison) {
    beginResetModel();
    m_comparison = std::move(comparison);
    endResetModel();
}

QString ComparisonModel::age(QDate date, QDate today) {
    const qint64 days = date.daysTo(today);
    const qint64 months = days / 30;
    const qint64 years = days / 365;
    const QString ago = days < 1      ? tr("today")
                        : days == 1   ? tr("yesterday")
                        : months < 1  ? tr("%1 days ago").arg(days)
                        : months == 1 ? tr("1 month ago")
                        : years < 1   ? tr("%1 months ago").arg(months)
                        : years == 1  ? tr("1 year ago")
                                      : tr("%1 years ago").arg(years);
    return QStringLiteral("%1 (%2)").arg(ComparisonEngine::day(date), ago);
}

int ComparisonModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_comparison.rows.size());
}

int ComparisonModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Comparison::Columns;
}

QVariant ComparisonModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Row& r = m_comparison.rows[static_cast<size_t>(index.row())];
    const int column = index.column();
    const quint32 shop = r.kind == Row::Kind::Item && column >= 1 ? 1u << (column - 1) : 0;
    const bool cheapest = r.cheapest & shop;
    const bool offer = r.offers & shop;
    // Only the colour and the tooltip ask for a price's age, not the text a view asks for most.
    const QDate date = r.kind == Row::Kind::Item ? r.dates[static_cast<size_t>(column)] : QDate();
    const auto old = [&] { return date.isValid() && date.daysTo(m_comparison.today) > m_comparison.oldDays; };
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return offer ? r.texts[static_cast<size_t>(column)] + OfferMark : r.texts[static_cast<size_t>(column)];
    case KeyRole:
        return column == 0 && r.kind == Row::Kind::Item ? QVariant(r.key) : QVariant();
    case Qt::FontRole:
        if (isBold(r, column) || offer || (r.notComparable & shop)) {
            QFont font;
            font.setBold(isBold(r, column));
            font.setItalic(!isBold(r, column));
            return font;
        }
        return {};
    case Qt::ForegroundRole:
        if (r.kind == Row::Kind::BestPrice)
            return QBrush(BestPriceColour);
        if (old() || (r.notComparable & shop))
            return QBrush(OldPriceColour);
        // Readable on the light background in a dark theme too.
        return cheapest ? QVariant(QBrush(Qt::black)) : QVariant();
    case Qt::BackgroundRole:
        return cheapest ? QVariant(QBrush(CheapestColour)) : QVariant();
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        // A reader hears the text as it is; a tooltip shows it as typed.
        const auto said = [role](const QString& text) { return role == Qt::ToolTipRole ? plainToolTip(text) : text; };
        if (r.kind == Row::Kind::Totals && column >= 1)
            return said(m_comparison.totalTips.value(column - 1));
        QStringList says;
        if (cheapest)
            says << tr("Cheapest for this item");
        if (r.notComparable & shop)
            says << tr("Not comparable: a pack of another kind than most of this item's");
        if (old())
            says << tr("Set on %1").arg(age(date, m_comparison.today));
        if (shop && !r.texts[static_cast<size_t>(column)].isEmpty())
            if (const QString note = ComparisonEngine::note(m_document, r.key, column); !note.isEmpty())
                says << note;
        return says.isEmpty() ? QVariant() : QVariant(said(says.join(u'\n')));
    }
    case Qt::TextAlignmentRole:
        if (column == 0)
            return {};
        return QVariant::fromValue(Qt::Alignment(
            (r.kind == Row::Kind::BestPrice && column == 1 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant ComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= Comparison::Columns)
        return {};
    if (role == Qt::DisplayRole)
        return m_comparison.titles.value(section);
    if (role == Qt::TextAlignmentRole && section >= 1)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

void ComparisonModel::fitColumns(QTreeView* table, const Document& document) const {
    const Comparison& comparison = m_comparison;
    std::array<ColumnText, Comparison::Columns> widest{};
    for (const Row& row : comparison.rows) {
        // A heading has only its label.
        const int columns = row.kind == Row::Kind::Blank ? 0 : row.kind == Row::Kind::Heading ? 1 : Comparison::Columns;
        for (int column = 0; column < columns; ++column)
            widest[column].offer(column >= 1 && (row.offers & (1u << (column - 1))) ? row.texts[column] + OfferMark
                                                                                    : row.texts[column],
                                 isBold(row, column));
    }
    QFont bold = table->font();
    bold.setBold(true);
    const QFontMetrics plain(table->font());
    const QFontMetrics strong(bold);
    const QFontMetrics header(table->header()->font());
    // The cell's margins on both sides as the style draws them, and a little air.
    const int padding = 2 * table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 12;
    for (int column = 0; column < Comparison::Columns; ++column) {
        int width = header.horizontalAdvance(comparison.titles[column]);
        for (const auto& [text, inBold] : widest[column].candidates)
            width = std::max(width, (inBold ? strong : plain).horizontalAdvance(text));
        table->setColumnWidth(column, width + padding);
        // The best-price row writes into the first two shop columns, so they always show.
        if (column > 2)
            table->setColumnHidden(column, document.shopName(column).isEmpty() && comparison.priced[column] == 0);
    }
}
