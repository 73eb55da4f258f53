// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "comparison.h"

#include "contrast.h"
#include "document.h"
#include "user_prompts.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QStyle>
#include <QTreeView>

#include <algorithm>

namespace {

using Row = Comparison::Row;

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
    m_columns = {0, 1, 2};
    for (int shop = 3; shop < Comparison::Columns; ++shop)
        if (!m_document.shopName(shop).isEmpty() || m_comparison.priced[static_cast<size_t>(shop)] != 0)
            m_columns.push_back(shop);
    endResetModel();
}

ComparisonModel::Colours ComparisonModel::Colours::of(const QPalette& palette) {
    using namespace Contrast;
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    Colours colours;
    // A tint of green over the background, light in a light palette and dark in a dark one, so that it never
    // reads as the red of the best price; on white it is #CCEECC.
    colours.cheapest = mix(base, QColor(0, 170, 0), 0.2);
    colours.onCheapest = readableOn(text, colours.cheapest);
    // Halfway to the background, then as far back towards the text as it takes to be read.
    const QColor muted = mix(text, base, 0.5);
    colours.muted = readableOn(muted, base);
    colours.mutedCheapest = readableOn(muted, colours.cheapest);
    colours.bestPrice = readableOn(QColor(255, 0, 0), base);
    return colours;
}

const ComparisonModel::Colours& ComparisonModel::colours() const {
    const QPalette palette = QGuiApplication::palette();
    if (palette.cacheKey() != m_palette) {
        m_colours = Colours::of(palette);
        m_palette = palette.cacheKey();
    }
    return m_colours;
}

QString ComparisonModel::spoken(const Row& row, int column, bool old) const {
    const QString& text = row.texts[static_cast<size_t>(column)];
    const quint32 shop = row.kind == Row::Kind::Item && column >= 1 ? 1u << (column - 1) : 0;
    if (!shop || text.trimmed().isEmpty())
        return text;
    QStringList says{text};
    if (row.cheapest & shop)
        says << tr("cheapest");
    if (row.notComparable & shop)
        says << tr("not comparable");
    if (old)
        says << tr("old price, set %1").arg(ComparisonEngine::day(row.dates[static_cast<size_t>(column)]));
    if (row.offers & shop)
        says << tr("offer");
    return says.join(QStringLiteral(", "));
}

QString ComparisonModel::age(QDate date, QDate today) {
    const qint64 days = date.daysTo(today);
    const qint64 months = days / 30;
    const qint64 years = days / 365;
    const QString ago = days < 1     ? tr("today")
                        : days == 1  ? tr("yesterday")
                        : months < 1 ? tr("%n days ago", nullptr, int(days))
                        : years < 1  ? tr("%n months ago", nullptr, int(months))
                                     : tr("%n years ago", nullptr, int(years));
    return QStringLiteral("%1 (%2)").arg(ComparisonEngine::day(date), ago);
}

int ComparisonModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_comparison.rows.size());
}

int ComparisonModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ComparisonModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Row& r = m_comparison.rows[static_cast<size_t>(index.row())];
    const int column = comparisonColumn(index.column());
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
    case Qt::AccessibleTextRole:
        return spoken(r, column, old());
    case Qt::ForegroundRole:
        if (r.kind == Row::Kind::BestPrice)
            return QBrush(colours().bestPrice);
        if (old() || (r.notComparable & shop))
            return QBrush(cheapest ? colours().mutedCheapest : colours().muted);
        return cheapest ? QVariant(QBrush(colours().onCheapest)) : QVariant();
    case Qt::BackgroundRole:
        return cheapest ? QVariant(QBrush(colours().cheapest)) : QVariant();
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
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    const int column = comparisonColumn(section);
    if (role == Qt::DisplayRole)
        return m_comparison.titles.value(column);
    // A shop without a name is read by its number rather than as its bare currency symbol.
    if (role == Qt::AccessibleTextRole)
        return column >= 1 && m_document.shopName(column).isEmpty()
                   ? tr("Shop %1").arg(column) + m_comparison.titles.value(column)
                   : m_comparison.titles.value(column);
    if (role == Qt::TextAlignmentRole && section >= 1)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

void ComparisonModel::fitColumns(QTreeView* table) const {
    const Comparison& comparison = m_comparison;
    const int shown = columnCount();
    std::vector<ColumnText> widest(m_columns.size());
    for (const Row& row : comparison.rows) {
        // A heading has only its label.
        const int columns = row.kind == Row::Kind::Blank ? 0 : row.kind == Row::Kind::Heading ? 1 : shown;
        for (int c = 0; c < columns; ++c) {
            const int column = comparisonColumn(c);
            widest[c].offer(column >= 1 && (row.offers & (1u << (column - 1))) ? row.texts[column] + OfferMark
                                                                               : row.texts[column],
                            isBold(row, column));
        }
    }
    QFont bold = table->font();
    bold.setBold(true);
    const QFontMetrics plain(table->font());
    const QFontMetrics strong(bold);
    const QFontMetrics header(table->header()->font());
    // The cell's margins on both sides as the style draws them, and a little air.
    const int padding = 2 * table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 12;
    for (int c = 0; c < shown; ++c) {
        int width = header.horizontalAdvance(comparison.titles.value(comparisonColumn(c)));
        for (const auto& [text, inBold] : widest[c].candidates)
            width = std::max(width, (inBold ? strong : plain).horizontalAdvance(text));
        table->setColumnWidth(c, width + padding);
    }
}
