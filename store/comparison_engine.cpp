// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "comparison_engine.h"

#include "money.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace {

constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();
// How many names a line lists before it only counts the rest.
constexpr int ListedNames = 3;
// The unit price of a price without a pack: not ranked.
const QString NoPack = QStringLiteral("\u2014");

using Row = Comparison::Row;

} // namespace

void Comparison::Names::add(const QString& name) {
    if (count++ < ListedNames)
        first << name;
}

QString Comparison::Names::text() const {
    if (count > first.size())
        return ComparisonEngine::tr("%1 and %2 more")
            .arg(first.join(QStringLiteral(", ")), QString::number(count - first.size()));
    if (first.size() < 2)
        return first.join(QString());
    return ComparisonEngine::tr("%1 and %2")
        .arg(first.mid(0, first.size() - 1).join(QStringLiteral(", ")), first.back());
}

QString ComparisonEngine::day(QDate date) {
    // The locale's long date without the day of the week.
    static const QRegularExpression weekday(QStringLiteral("dddd[,.]?\\s*"));
    return QLocale().toString(date, QLocale().dateFormat(QLocale::LongFormat).remove(weekday));
}

const std::optional<Pack::Size>& ComparisonEngine::packOf(const QString& stored) {
    auto found = m_packs.find(stored);
    if (found == m_packs.end())
        found = m_packs.insert(stored, Pack::read(stored, QLocale::c()));
    return *found;
}

QString ComparisonEngine::note(const Document& document, const QString& itemKey, int shop) {
    const Document::Prices& prices = document.prices(itemKey);
    const Pack::Per per = document.unitPricesPerHundred() ? Pack::Per::Hundred : Pack::Per::Standard;
    QStringList parts;
    const auto s = static_cast<size_t>(shop - 1);
    if (const std::optional<Pack::Size> size = Pack::read(prices.packs[s], QLocale::c())) {
        const double unit = Pack::unitPrice(prices.numbers[s], *size, per).value_or(NotANumber);
        parts << tr("Pack %1: %2 per %3")
                     .arg(Pack::shown(prices.packs[s]), Pack::formatUnitPrice(unit), Pack::unitName(size->kind, per));
    }
    if (const std::optional<Document::Offer>& offer = prices.offers[s])
        parts << tr("Offer until %1, regular %2")
                     .arg(QLocale().toString(offer->lastDay, QStringLiteral("ddd d MMM")), offer->regular);
    return parts.join(u'\n');
}

void ComparisonEngine::fillUnitPrices(Row& row, const Document::Prices& prices, Pack::Per per,
                                      const std::array<QString, 3>& units) {
    // The kind most of the item's priced packs have (on a tie, mass before volume before pieces) is compared.
    // Copies: a memo's values move when it grows.
    std::array<std::optional<Pack::Size>, Document::ShopCount> sizes{};
    std::array<int, 3> kinds{};
    for (int s = 0; s < Document::ShopCount; ++s)
        if (!std::isnan(prices.numbers[s]) && (sizes[s] = packOf(prices.packs[s])))
            ++kinds[static_cast<size_t>(sizes[s]->kind)];
    const auto common = static_cast<Pack::Kind>(std::max_element(kinds.begin(), kinds.end()) - kinds.begin());
    double lowest = std::numeric_limits<double>::infinity();
    for (int s = 1; s <= Document::ShopCount; ++s) {
        const double price = prices.numbers[s - 1];
        if (std::isnan(price))
            continue;
        const std::optional<Pack::Size>& size = sizes[s - 1];
        row.texts[s] = NoPack;
        row.offers |= prices.offered & (1u << (s - 1));
        if (!size)
            continue;
        const double unit = Pack::unitPrice(price, *size, per).value_or(NotANumber);
        QHash<double, QString>& texts = m_unitPrices[static_cast<size_t>(size->kind)];
        auto text = texts.find(unit);
        if (text == texts.end())
            text = texts.insert(unit, Pack::formatUnitPrice(unit) + units[static_cast<size_t>(size->kind)]);
        row.texts[s] = *text;
        if (size->kind != common) {
            row.notComparable |= 1u << (s - 1);
            continue;
        }
        if (unit < lowest) {
            lowest = unit;
            row.cheapest = 0;
        }
        if (unit == lowest)
            row.cheapest |= 1u << (s - 1);
    }
}

Comparison ComparisonEngine::compare(const Document& document, Mode mode, QDate today) {
    const bool allItems = mode != Mode::SelectedItems;
    const Pack::Per per = document.unitPricesPerHundred() ? Pack::Per::Hundred : Pack::Per::Standard;
    const std::array<QString, 3> units{QLatin1Char('/') + Pack::unitName(Pack::Kind::Mass, per),
                                       QLatin1Char('/') + Pack::unitName(Pack::Kind::Volume, per),
                                       QLatin1Char('/') + Pack::unitName(Pack::Kind::Count, per)};
    Comparison c;
    c.today = today;
    c.oldDays = document.oldPriceDays();
    const QString symbol = document.symbol();
    c.titles << tr("Item");
    for (int s = 1; s <= Document::ShopCount; ++s)
        c.titles << document.shopName(s) + QStringLiteral(" (") + symbol + QLatin1Char(')');

    std::array<double, Document::ShopCount> costNumbers{};
    for (int l = 0; l < Document::ListCount; ++l) {
        c.rows.push_back({.kind = Row::Kind::Heading, .texts = {document.listName(l)}});
        for (const Item& item : document.items(l)) {
            if (!allItems && !item.ticked)
                continue;
            const Document::Prices& prices = document.prices(item.key);
            Row& row = c.rows.emplace_back();
            row.kind = Row::Kind::Item;
            row.key = item.key;
            row.texts[0] = allItems ? item.name : item.name + QLatin1String(" x ") + item.quantity;
            ++c.shownItems;
            if (mode == Mode::UnitPrices) {
                fillUnitPrices(row, prices, per, units);
                continue;
            }
            // An offer of a price the file holds as no number has no cell to mark.
            for (quint32 offered = prices.offered; offered; offered &= offered - 1)
                if (const int s = std::countr_zero(offered); !std::isnan(prices.numbers[s]))
                    row.offers |= 1u << s;
            if (allItems) {
                std::copy(prices.texts.begin(), prices.texts.end(), row.texts.begin() + 1);
            } else {
                // A quantity that is no number (only an edited data file has one) leaves the row's cells empty.
                const std::optional<double> quantity = m_costs.toNumber(item.quantity);
                for (int s = 0; s < Document::ShopCount; ++s) {
                    costNumbers[s] = NotANumber;
                    if (!quantity || std::isnan(prices.numbers[s]))
                        continue;
                    const auto& [text, readBack] = m_costs.format(*quantity * prices.numbers[s]);
                    row.texts[static_cast<size_t>(s) + 1] = text;
                    costNumbers[s] = readBack.value_or(NotANumber);
                }
            }
            const auto& numbers = allItems ? prices.numbers : costNumbers;
            double lowest = std::numeric_limits<double>::infinity();
            for (int s = 1; s <= Document::ShopCount; ++s) {
                if (std::isnan(numbers[s - 1])) {
                    c.missing[s].add(item.name);
                    continue;
                }
                c.totals[s] += static_cast<float>(numbers[s - 1]);
                ++c.priced[s];
                if (const QDate date = prices.dates[s - 1]; date.isValid()) {
                    row.dates[static_cast<size_t>(s)] = date;
                    c.old[s] += date.daysTo(today) > c.oldDays ? 1 : 0;
                    c.oldest[s] = c.oldest[s].isValid() ? std::min(c.oldest[s], date) : date;
                }
                if (numbers[s - 1] < lowest) {
                    lowest = numbers[s - 1];
                    row.cheapest = 0;
                }
                if (numbers[s - 1] == lowest)
                    row.cheapest |= 1u << (s - 1);
            }
            if (row.cheapest)
                c.eachAtItsCheapest += static_cast<float>(lowest);
            else
                c.pricedNowhere.add(item.name);
        }
        c.rows.emplace_back();
    }
    if (mode == Mode::UnitPrices) {
        // A sum of unit prices means nothing: no totals, no best shop.
        c.cheapestLine = tr("Unit prices per %1, %2 and %3: each item's lowest is marked; grey: another kind of pack; "
                            "\u2014: no pack.")
                             .arg(Pack::unitName(Pack::Kind::Mass, per), Pack::unitName(Pack::Kind::Volume, per),
                                  Pack::unitName(Pack::Kind::Count, per));
        return c;
    }

    c.bestShopName = tr("(None)");
    for (int s = 1; s <= Document::ShopCount; ++s)
        if (c.totals[s] > 0 && (c.bestPrice == 0 || c.totals[s] < c.bestPrice)) {
            c.bestPrice = c.totals[s];
            c.bestShopName = document.shopName(s);
            c.bestShop = s;
        }

    Row& totals = c.rows.emplace_back(Row{.kind = Row::Kind::Totals, .texts = {tr("TOTALS")}});
    for (int s = 1; s <= Document::ShopCount; ++s) {
        totals.texts[s] = Money::format(c.totals[s]);
        c.totalTips << tr("%1 prices %2 of %3 shown items")
                           .arg(document.shopName(s), QString::number(c.priced[s]), QString::number(c.shownItems));
        if (c.missing[s].count > 0)
            c.totalTips.back() += tr("; missing: %1").arg(c.missing[s].text());
    }
    c.rows.emplace_back();

    c.rows.push_back({.kind = Row::Kind::BestPrice,
                      .texts = {tr("BEST PRICE:"), c.bestShopName, symbol + Money::format(c.bestPrice)}});

    const int b = c.bestShop;
    const QString bestLabel = b == 0 || !document.shopName(b).isEmpty() ? c.bestShopName : tr("shop %1").arg(b);
    if (b == 0) {
        c.cheapestLine = tr("No shop has a price for the shown items.");
        c.coverageLine = tr("No shop has a price for these items.");
    } else {
        // One arg() for all the parts: a name holding "%2" must stay as typed.
        c.cheapestLine = tr("Cheapest: %1, %2%3 \u2014 prices %4 of %5 shown items")
                             .arg(c.bestShopName, symbol, Money::format(c.bestPrice), QString::number(c.priced[b]),
                                  QString::number(c.shownItems));
        if (c.missing[b].count == 0) {
            c.coverageLine = tr("%1 prices all %2 items").arg(bestLabel, QString::number(c.shownItems));
        } else {
            c.cheapestLine += tr("; missing: %1").arg(c.missing[b].text());
            c.coverageLine =
                tr("%1 prices %2 of %3 items; missing: %4")
                    .arg(bestLabel, QString::number(c.priced[b]), QString::number(c.shownItems), c.missing[b].text());
        }
        if (c.old[b] > 0)
            c.cheapestLine += (c.old[b] == 1 ? tr("; 1 of its prices is older than %1 days").arg(c.oldDays)
                                             : tr("; %1 of its prices are older than %2 days")
                                                   .arg(QString::number(c.old[b]), QString::number(c.oldDays)));
        if (c.oldest[b].isValid())
            c.priceSinceLine = tr("prices checked since %1").arg(day(c.oldest[b]));
    }
    if (c.shownItems > c.pricedNowhere.count) {
        // Where an item is cheapest at several shops, the best shop is taken if it is one of them, else the first.
        const quint32 best = b == 0 ? 0 : 1u << (b - 1);
        quint32 used = 0;
        for (const Row& row : c.rows)
            if (const quint32 shops = row.cheapest)
                used |= (shops & best) ? best : (shops & (~shops + 1));
        c.splitShops = std::popcount(used);
        const QString amount = Money::format(c.eachAtItsCheapest);
        c.splitTripLine = c.splitShops == 1 ? tr("Each item at its cheapest shop: %1%2 at 1 shop").arg(symbol, amount)
                                            : tr("Each item at its cheapest shop: %1%2 at %3 shops")
                                                  .arg(symbol, amount, QString::number(c.splitShops));
        // Against the best single shop, when there is one; it can cost less only by leaving items out.
        const float saving = c.bestPrice - c.eachAtItsCheapest;
        const QString difference = Money::format(std::abs(saving));
        if (b != 0 && difference == Money::format(0))
            c.splitTripLine += tr(" \u2014 the same as %1").arg(bestLabel);
        else if (b != 0 && saving > 0)
            c.splitTripLine += tr(" \u2014 %1%2 less than %3").arg(symbol, difference, bestLabel);
        else if (b != 0)
            c.splitTripLine += tr(" \u2014 %1%2 more than %3, which has no price for %4 of the items")
                                   .arg(symbol, difference, bestLabel, QString::number(c.missing[b].count));
    }
    if (c.pricedNowhere.count > 0)
        c.splitTripLine += (c.splitTripLine.isEmpty() ? QString() : QStringLiteral("; ")) +
                           tr("not priced anywhere: %1").arg(c.pricedNowhere.text());
    return c;
}
