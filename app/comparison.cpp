// GenPCList, the price comparison: for the ticked (or all) items of the four lists, each item's cost at every
// shop, the total per shop and the cheapest shop. The table is derived: its model is rebuilt from scratch
// every time from the document, which keeps every price as a number once read.

#include "comparison.h"
#include "item_editor.h"
#include "main_window.h"
#include "money.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTreeView>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace {

constexpr int ShopColumns = Store::ShopCount;
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();
const QColor BestPriceColour(255, 0, 0);
// Marks an item's cheapest price: light, so that it never reads as the red of the best price.
const QColor CheapestColour(204, 238, 204);
// An old price: muted, so that it never reads as the red of the best price.
const QColor OldPriceColour(128, 128, 128);
// How many names a line lists before it only counts the rest.
constexpr int ListedNames = 3;

// "A, B and C", or "A, B, C and 4 more" when there are more names than listed.
QString nameList(const QStringList& names, int count) {
    if (count > names.size())
        return frmLists::tr("%1 and %2 more")
            .arg(names.join(QStringLiteral(", ")), QString::number(count - names.size()));
    if (names.size() < 2)
        return names.join(QString());
    return frmLists::tr("%1 and %2").arg(names.mid(0, names.size() - 1).join(QStringLiteral(", ")), names.back());
}

// Shown items a shop, or every shop, has no price for: the first few names and how many there are.
struct Missing {
    QStringList names;
    int count = 0;
    void add(const QString& name) {
        if (count++ < ListedNames)
            names << name;
    }
    QString text() const { return nameList(names, count); }
};

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

// Every column at least as wide as its title and its widest cell; a shop with no name and no price among the
// shown items is hidden, so that a few named shops do not scroll past empty columns.
void fitColumns(QTreeView* table, const std::array<ColumnText, ShopColumns + 1>& widest, const QStringList& titles,
                const QStringList& shopNames, const std::array<int, ShopColumns + 1>& priced) {
    QFont bold = table->font();
    bold.setBold(true);
    const QFontMetrics plain(table->font());
    const QFontMetrics strong(bold);
    const QFontMetrics header(table->header()->font());
    // The cell's margins on both sides as the style draws them, and a little air.
    const int padding = 2 * table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 12;
    for (int column = 0; column <= ShopColumns; ++column) {
        int width = header.horizontalAdvance(titles[column]);
        for (const auto& [text, isBold] : widest[column].candidates)
            width = std::max(width, (isBold ? strong : plain).horizontalAdvance(text));
        table->setColumnWidth(column, width + padding);
        // The best-price row writes into the first two shop columns, so they always show.
        if (column > 2)
            table->setColumnHidden(column, shopNames[column - 1].isEmpty() && priced[column] == 0);
    }
}

using Row = ComparisonModel::Row;

} // namespace

void ComparisonModel::setRows(std::vector<Row>&& rows, const QStringList& titles, const QStringList& totalTips,
                              QDate today, int oldDays) {
    beginResetModel();
    m_rows = std::move(rows);
    m_titles = titles;
    m_totalTips = totalTips;
    m_today = today;
    m_oldDays = oldDays;
    endResetModel();
}

QString ComparisonModel::day(QDate date) {
    // The locale's long date without the day of the week.
    QString format = QLocale().dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("dddd[,.]?\\s*"));
    format.remove(weekday);
    return QLocale().toString(date, format);
}

QString ComparisonModel::age(QDate date, QDate today) {
    const qint64 days = date.daysTo(today);
    const qint64 months = days / 30;
    const qint64 years = days / 365;
    const QString ago = days < 1      ? frmLists::tr("today")
                        : days == 1   ? frmLists::tr("yesterday")
                        : months < 1  ? frmLists::tr("%1 days ago").arg(days)
                        : months == 1 ? frmLists::tr("1 month ago")
                        : years < 1   ? frmLists::tr("%1 months ago").arg(months)
                        : years == 1  ? frmLists::tr("1 year ago")
                                      : frmLists::tr("%1 years ago").arg(years);
    return QStringLiteral("%1 (%2)").arg(day(date), ago);
}

int ComparisonModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ComparisonModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant ComparisonModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Row& r = row(index.row());
    const int column = index.column();
    const bool cheapest = r.kind == Row::Kind::Item && column >= 1 && (r.cheapest & (1u << column));
    // Only the colour and the tooltip ask for a price's age, not the text a view asks for most.
    const QDate date = r.kind == Row::Kind::Item ? r.dates[static_cast<size_t>(column)] : QDate();
    const auto old = [&] { return date.isValid() && date.daysTo(m_today) > m_oldDays; };
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return r.texts[static_cast<size_t>(column)];
    case KeyRole:
        return column == 0 && r.kind == Row::Kind::Item ? QVariant(r.key) : QVariant();
    case Qt::FontRole:
        if (r.kind == Row::Kind::BestPrice ||
            (column == 0 && (r.kind == Row::Kind::Heading || r.kind == Row::Kind::Totals))) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ForegroundRole:
        if (r.kind == Row::Kind::BestPrice)
            return QBrush(BestPriceColour);
        if (old())
            return QBrush(OldPriceColour);
        // Readable on the light background in a dark theme too.
        return cheapest ? QVariant(QBrush(Qt::black)) : QVariant();
    case Qt::BackgroundRole:
        return cheapest ? QVariant(QBrush(CheapestColour)) : QVariant();
    case Qt::ToolTipRole:
        if (old()) {
            const QString set = frmLists::tr("Set on %1").arg(age(date, m_today));
            return cheapest ? frmLists::tr("Cheapest for this item") + QLatin1Char('\n') + set : set;
        }
        if (cheapest)
            return frmLists::tr("Cheapest for this item");
        return r.kind == Row::Kind::Totals && column >= 1 ? QVariant(m_totalTips.value(column - 1)) : QVariant();
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
    if (orientation != Qt::Horizontal || section < 0 || section >= Columns)
        return {};
    if (role == Qt::DisplayRole)
        return m_titles.value(section);
    if (role == Qt::TextAlignmentRole && section >= 1)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return {};
}

void frmLists::GenPCList() {
    cmdCEdit->setEnabled(false);
    const bool allItems = !optShow[0]->isChecked();

    const QString symbol = m_document.symbol();
    QStringList shopNames;
    QStringList titles{tr("Item")};
    for (int s = 1; s <= ShopColumns; ++s) {
        shopNames << m_document.shopName(s);
        titles << shopNames.back() + QStringLiteral(" (") + symbol + QLatin1Char(')');
    }

    std::vector<Row> rows;
    // Totals add the shown texts read back, in row order and in single precision.
    std::array<float, ShopColumns + 1> total{};
    std::array<int, ShopColumns + 1> priced{};
    std::array<Missing, ShopColumns + 1> missing{};
    Missing pricedNowhere;
    std::vector<quint32> cheapestShops; // per shown item that some shop prices
    float eachAtItsCheapest = 0;
    std::array<ColumnText, ShopColumns + 1> widest{};
    int shownItems = 0;
    // Per shop, how many of the shown prices are old, and the day of the oldest dated one.
    const QDate today = m_document.today();
    const int oldDays = m_document.oldPriceDays();
    std::array<int, ShopColumns + 1> old{};
    std::array<QDate, ShopColumns + 1> oldest{};

    std::array<QString, ShopColumns> costs;
    std::array<double, ShopColumns> costNumbers{};
    for (int l = 0; l < ListCount; ++l) {
        Row& heading = rows.emplace_back();
        heading.kind = Row::Kind::Heading;
        heading.texts[0] = m_document.listName(l);
        widest[0].offer(m_document.listName(l), true);
        for (const Item& item : m_document.items(l)) {
            if (!allItems && !item.ticked)
                continue;
            const Document::Prices& prices = m_document.prices(item.key);
            Row& row = rows.emplace_back();
            row.kind = Row::Kind::Item;
            row.key = item.key;
            if (allItems) {
                row.texts[0] = item.name;
            } else {
                row.texts[0] = item.name + QLatin1String(" x ") + item.quantity;
                // A quantity that is no number (only an edited data file has one) leaves the row's cells empty.
                const std::optional<double> quantity = m_costs.toNumber(item.quantity);
                for (int s = 0; s < ShopColumns; ++s) {
                    costs[s].clear();
                    costNumbers[s] = NotANumber;
                    if (!quantity || std::isnan(prices.numbers[s]))
                        continue;
                    const auto& [text, readBack] = m_costs.format(*quantity * prices.numbers[s]);
                    costs[s] = text;
                    costNumbers[s] = readBack.value_or(NotANumber);
                }
            }
            widest[0].offer(row.texts[0], false);
            const auto& texts = allItems ? prices.texts : costs;
            const auto& numbers = allItems ? prices.numbers : costNumbers;
            double lowest = std::numeric_limits<double>::infinity();
            for (int s = 1; s <= ShopColumns; ++s) {
                row.texts[static_cast<size_t>(s)] = texts[s - 1];
                widest[s].offer(texts[s - 1], false);
                if (std::isnan(numbers[s - 1])) {
                    missing[s].add(item.name);
                    continue;
                }
                total[s] += static_cast<float>(numbers[s - 1]);
                ++priced[s];
                if (const QDate date = prices.dates[s - 1]; date.isValid()) {
                    row.dates[static_cast<size_t>(s)] = date;
                    old[s] += date.daysTo(today) > oldDays ? 1 : 0;
                    oldest[s] = oldest[s].isValid() ? std::min(oldest[s], date) : date;
                }
                if (numbers[s - 1] < lowest) {
                    lowest = numbers[s - 1];
                    row.cheapest = 0;
                }
                if (numbers[s - 1] == lowest)
                    row.cheapest |= 1u << s;
            }
            if (row.cheapest) {
                cheapestShops.push_back(row.cheapest);
                eachAtItsCheapest += static_cast<float>(lowest);
            } else {
                pricedNowhere.add(item.name);
            }
            ++shownItems;
        }
        rows.emplace_back();
    }

    BestPrice = 0;
    BestShop = tr("(None)");
    int bestShop = 0;
    for (int s = 1; s <= ShopColumns; ++s) {
        if (total[s] > 0 && (BestPrice == 0 || total[s] < BestPrice)) {
            BestPrice = total[s];
            BestShop = shopNames[s - 1];
            bestShop = s;
        }
    }

    Row& totals = rows.emplace_back();
    totals.kind = Row::Kind::Totals;
    totals.texts[0] = tr("TOTALS");
    widest[0].offer(totals.texts[0], true);
    QStringList totalTips;
    for (int s = 1; s <= ShopColumns; ++s) {
        totals.texts[s] = Money::format(total[s]);
        widest[s].offer(totals.texts[s], false);
        QString tip = tr("%1 prices %2 of %3 shown items")
                          .arg(shopNames[s - 1], QString::number(priced[s]), QString::number(shownItems));
        if (missing[s].count > 0)
            tip += tr("; missing: %1").arg(missing[s].text());
        totalTips << UserPrompts::plainToolTip(tip);
    }
    rows.emplace_back();

    Row& best = rows.emplace_back();
    best.kind = Row::Kind::BestPrice;
    best.texts[0] = tr("BEST PRICE:");
    best.texts[1] = BestShop;
    best.texts[2] = symbol + Money::format(BestPrice);
    for (int column = 0; column <= ShopColumns; ++column)
        widest[column].offer(best.texts[column], true);
    m_comparisonModel->setRows(std::move(rows), titles, totalTips, today, oldDays);
    fitColumns(lvCompare, widest, titles, shopNames, priced);

    // What the screen says below the table, and the page says under the best price.
    const auto shopLabel = [&shopNames](int s) {
        return shopNames[s - 1].isEmpty() ? tr("shop %1").arg(s) : shopNames[s - 1];
    };
    QString cheapest;
    if (bestShop == 0) {
        cheapest = tr("No shop has a price for the shown items.");
        m_coverageLine = tr("No shop has a price for these items.");
    } else {
        // One arg() for all the parts: a name holding "%2" must stay as typed.
        cheapest = tr("Cheapest: %1, %2%3 \u2014 prices %4 of %5 shown items")
                       .arg(BestShop, symbol, Money::format(BestPrice), QString::number(priced[bestShop]),
                            QString::number(shownItems));
        if (missing[bestShop].count == 0) {
            m_coverageLine = tr("%1 prices all %2 items").arg(shopLabel(bestShop), QString::number(shownItems));
        } else {
            cheapest += tr("; missing: %1").arg(missing[bestShop].text());
            m_coverageLine = tr("%1 prices %2 of %3 items; missing: %4")
                                 .arg(shopLabel(bestShop), QString::number(priced[bestShop]),
                                      QString::number(shownItems), missing[bestShop].text());
        }
        if (old[bestShop] > 0)
            cheapest += (old[bestShop] == 1 ? tr("; 1 of its prices is older than %1 days").arg(oldDays)
                                            : tr("; %1 of its prices are older than %2 days")
                                                  .arg(QString::number(old[bestShop]), QString::number(oldDays)));
    }
    m_priceSinceLine = bestShop != 0 && oldest[bestShop].isValid()
                           ? tr("prices checked since %1").arg(ComparisonModel::day(oldest[bestShop]))
                           : QString();
    m_splitTripLine.clear();
    if (!cheapestShops.empty()) {
        // Where an item is cheapest at several shops, the best shop is taken if it is one of them, else the first.
        quint32 used = 0;
        for (const quint32 shops : cheapestShops)
            used |= (shops & (1u << bestShop)) ? (1u << bestShop) : (shops & (~shops + 1));
        const int shopCount = std::popcount(used);
        const QString amount = Money::format(eachAtItsCheapest);
        m_splitTripLine = shopCount == 1 ? tr("Each item at its cheapest shop: %1%2 at 1 shop").arg(symbol, amount)
                                         : tr("Each item at its cheapest shop: %1%2 at %3 shops")
                                               .arg(symbol, amount, QString::number(shopCount));
        // Against the best single shop, when there is one; it can cost less only by leaving items out.
        const float saving = BestPrice - eachAtItsCheapest;
        const QString difference = Money::format(std::abs(saving));
        if (bestShop != 0 && difference == Money::format(0))
            m_splitTripLine += tr(" \u2014 the same as %1").arg(shopLabel(bestShop));
        else if (bestShop != 0 && saving > 0)
            m_splitTripLine += tr(" \u2014 %1%2 less than %3").arg(symbol, difference, shopLabel(bestShop));
        else if (bestShop != 0)
            m_splitTripLine +=
                tr(" \u2014 %1%2 more than %3, which has no price for %4 of the items")
                    .arg(symbol, difference, shopLabel(bestShop), QString::number(missing[bestShop].count));
    }
    if (pricedNowhere.count > 0)
        m_splitTripLine += (m_splitTripLine.isEmpty() ? QString() : QStringLiteral("; ")) +
                           tr("not priced anywhere: %1").arg(pricedNowhere.text());
    lblCheapest->setText(m_splitTripLine.isEmpty() ? cheapest : cheapest + QLatin1Char('\n') + m_splitTripLine);
    lblCheapest->setToolTip(UserPrompts::plainToolTip(lblCheapest->text()));
}

void frmLists::lvCompare_ItemClick(const QModelIndex& index) {
    cmdCEdit->setEnabled(index.isValid() &&
                         !index.siblingAtColumn(0).data(ComparisonModel::KeyRole).toString().isEmpty());
}

std::pair<QString, QString> frmLists::comparedItem() const {
    const QModelIndex current = lvCompare->currentIndex();
    if (!current.isValid())
        return {};
    const ComparisonModel::Row& row = m_comparisonModel->row(current.row());
    return {row.kind == Row::Kind::Item ? row.key : QString(), row.texts[0]};
}

void frmLists::cmdCEdit_Click() {
    EditorMode = 3;
    frmAddEdit editor(*this);
    {
        const UndoStep step = undoStep(tr("Edit Prices of '%1'").arg(comparedItem().second));
        showModal(editor);
    }
    if (editor.result() != QDialog::Accepted)
        return;
    // The table shows the new prices, with the same row chosen.
    const int row = lvCompare->currentIndex().row();
    GenPCList();
    lvCompare->setCurrentIndex(m_comparisonModel->index(row, 0));
    cmdCEdit->setEnabled(true);
}
