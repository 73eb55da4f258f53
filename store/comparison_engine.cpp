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

// An amount no used shop has, in the plans' cents.
constexpr qint64 Unpriced = std::numeric_limits<qint64>::max();
// Larger amounts (only an edited data file holds them) stay out of the plans: below it, an amount's whole cents are
// exact in a double, and millions of them add up without overflow.
constexpr double MaxCents = 1e12;

qint64 toCents(double amount) {
    const double cents = std::round(amount * 100);
    return std::isnan(cents) || std::abs(cents) > MaxCents ? Unpriced : static_cast<qint64>(cents);
}

// Whole cents in the money format, exactly at any size, where a double would round a large amount's cents.
QString formatCents(qint64 cents) {
    QLocale locale;
    if (locale.numberOptions() & QLocale::OmitGroupSeparator)
        locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    const qint64 fraction = std::abs(cents % 100);
    return (cents < 0 ? locale.negativeSign() : QString()) + locale.toString(std::abs(cents / 100)) +
           locale.decimalPoint() + (fraction < 10 ? locale.zeroDigit() : QString()) + locale.toString(fraction);
}

// A shop as the lines below the table name it.
QString shopLabel(const Document& document, int shop) {
    return document.shopName(shop).isEmpty() ? ComparisonEngine::tr("shop %1").arg(shop) : document.shopName(shop);
}

// A set of one, two or three of the used shops (indexes into them, ascending) and what it buys.
struct PlanCandidate {
    std::array<size_t, Document::MaxPlanSize> members{};
    int size = 0;
    int priced = -1;
    qint64 total = 0;
    bool operator<(const PlanCandidate& other) const { // better: more items, lower total, fewer and lower shops
        if (priced != other.priced)
            return priced > other.priced;
        if (total != other.total)
            return total < other.total;
        if (size != other.size)
            return size < other.size;
        return std::lexicographical_compare(members.begin(), members.begin() + size, other.members.begin(),
                                            other.members.begin() + other.size);
    }
};

// Below this many cents an item's cost is searched in 32 bits, with this value for none: a block of 64 such costs
// adds up in 32 bits, and four of them pass through the processor at a time.
constexpr qint32 NarrowNone = 1 << 24;
constexpr size_t NarrowBlock = 64;

// The best sets of at most one, two and three shops, from each shop's cost by item (`None` for none) and its trip:
// every set, each item at the set's cheapest shop. A set pays every member's trip: one whose member buys nothing
// loses to the set without it, which has fewer shops at no higher total.
template <typename Cost, Cost None>
[[gnu::always_inline]] inline std::array<PlanCandidate, Document::MaxPlanSize>
cheapestSets(const std::vector<std::vector<Cost>>& columns, const std::vector<qint64>& trips) {
    const size_t n = columns.empty() ? 0 : columns.front().size();
    std::array<PlanCandidate, Document::MaxPlanSize> best{};
    // Adds up one set's lowest cost of every item without a branch: this runs for every item of over a thousand
    // sets when twenty shops price the items.
    const auto consider = [&](PlanCandidate candidate, auto lowest) __attribute__((always_inline)) {
        qint64 total = 0;
        int unpriced = 0;
        if constexpr (sizeof(Cost) < sizeof(qint64)) {
            // Every cost is added, none counted as NarrowNone and taken away after.
            for (size_t start = 0; start < n; start += NarrowBlock) {
                qint32 block = 0;
                qint32 missing = 0;
                for (size_t i = start, end = std::min(n, start + NarrowBlock); i < end; ++i) {
                    const qint32 cost = lowest(i);
                    block += cost;
                    missing += cost == None;
                }
                total += block;
                unpriced += missing;
            }
            total -= static_cast<qint64>(unpriced) * None;
        } else {
            for (size_t i = 0; i < n; ++i) {
                const Cost cost = lowest(i);
                total += cost != None ? cost : 0;
                unpriced += cost == None;
            }
        }
        candidate.priced = static_cast<int>(n) - unpriced;
        candidate.total = total;
        for (int m = 0; m < candidate.size; ++m)
            candidate.total += trips[candidate.members[static_cast<size_t>(m)]];
        for (int k = candidate.size; k <= Document::MaxPlanSize; ++k)
            best[static_cast<size_t>(k) - 1] = std::min(best[static_cast<size_t>(k) - 1], candidate);
    };
    std::vector<Cost> pair(n);
    for (size_t a = 0; a < columns.size(); ++a) {
        const Cost* first = columns[a].data();
        consider(
            {{a}, 1}, [first](size_t i) __attribute__((always_inline)) { return first[i]; });
        for (size_t b = a + 1; b < columns.size(); ++b) {
            const Cost* second = columns[b].data();
            for (size_t i = 0; i < n; ++i)
                pair[i] = std::min(first[i], second[i]);
            const Cost* both = pair.data();
            consider(
                {{a, b}, 2}, [both](size_t i) __attribute__((always_inline)) { return both[i]; });
            for (size_t d = b + 1; d < columns.size(); ++d) {
                const Cost* third = columns[d].data();
                consider(
                    {{a, b, d}, 3},
                    [ both, third ](size_t i) __attribute__((always_inline)) { return std::min(both[i], third[i]); });
            }
        }
    }
    return best;
}

// The search in 32 bits, also built for processors with wider vectors where those run it: eight costs at a time.
#if defined(__x86_64__) && defined(__GNUC__)
[[gnu::target_clones("avx2", "default")]]
#endif
std::array<PlanCandidate, Document::MaxPlanSize>
narrowCheapestSets(const std::vector<std::vector<qint32>>& columns, const std::vector<qint64>& trips) {
    return cheapestSets<qint32, NarrowNone>(columns, trips);
}

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
    const Pack::Per per = document.unitPricesPer();
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
        QHash<double, QString>& texts = m_unitPrices[static_cast<size_t>(per)][static_cast<size_t>(size->kind)];
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
    const Pack::Per per = document.unitPricesPer();
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
    // Kept between comparisons, so that their memory is not asked for again each time.
    std::vector<QString>& planNames = m_plan.names;
    std::vector<std::array<qint64, Document::ShopCount>>& planCosts = m_plan.costs;
    planNames.clear();
    planCosts.clear();
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
                // The plans add the shown costs, as the totals do, but in whole cents.
                std::array<qint64, Document::ShopCount>& cents = planCosts.emplace_back();
                std::transform(costNumbers.begin(), costNumbers.end(), cents.begin(), toCents);
                planNames.push_back(item.name);
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
    const QString bestLabel = b == 0 ? c.bestShopName : shopLabel(document, b);
    if (b == 0) {
        c.cheapestLine = tr("No shop has a price for the shown items.");
        c.coverageLine = tr("No shop has a price for these items.");
    } else {
        // One arg() for all the parts: a name holding "%2" must stay as typed.
        c.cheapestLine = tr("Cheapest: %1, %2%3 \u2014 prices %4 of %5 shown items")
                             .arg(bestLabel, symbol, Money::format(c.bestPrice), QString::number(c.priced[b]),
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
            c.cheapestLine += tr("; %n of its prices are older than %1 days", nullptr, c.old[b]).arg(c.oldDays);
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
        c.splitTripLine =
            tr("Each item at its cheapest shop: %1%2 at %n shops", nullptr, c.splitShops).arg(symbol, amount);
        // Against the best single shop, when there is one; it can cost less only by leaving items out.
        const float saving = c.bestPrice - c.eachAtItsCheapest;
        const QString difference = Money::format(std::abs(saving));
        if (b != 0 && difference == Money::format(0))
            c.splitTripLine += tr(" \u2014 the same as %1").arg(bestLabel);
        else if (b != 0 && saving > 0)
            c.splitTripLine += tr(" \u2014 %1%2 less than %3").arg(symbol, difference, bestLabel);
        else if (b != 0)
            c.splitTripLine +=
                tr(" \u2014 %1%2 more than %3, which has no price for %n of the items", nullptr, c.missing[b].count)
                    .arg(symbol, difference, bestLabel);
    }
    if (mode == Mode::SelectedItems) {
        planTrips(c, document, planNames, planCosts);
        // What the user buys is weighed like with like, never against a total that leaves items out.
        if (!c.likeForLikeLine.isEmpty())
            c.splitTripLine = c.likeForLikeLine;
    }
    if (c.pricedNowhere.count > 0)
        c.splitTripLine += (c.splitTripLine.isEmpty() ? QString() : QStringLiteral("; ")) +
                           tr("not priced anywhere: %1").arg(c.pricedNowhere.text());
    return c;
}

QStringList ComparisonEngine::planDetail(const Comparison::Plan& plan) {
    QStringList detail;
    for (qsizetype m = 0; m < plan.shops.size(); ++m)
        detail << tr("At %1: %2").arg(plan.labels[m], plan.buy[m].join(QStringLiteral(", ")));
    if (!plan.complete)
        detail << tr("Priced at none of these shops: %1").arg(plan.lacking.join(QStringLiteral(", ")));
    return detail;
}

void ComparisonEngine::planTrips(Comparison& c, const Document& document, const std::vector<QString>& names,
                                 const std::vector<std::array<qint64, Document::ShopCount>>& costs) {
    c.planSize = document.planSize();
    const QString symbol = document.symbol();
    const size_t n = names.size();
    // The used shops that price a shown item, with their costs by item and their trips: a shop that prices none
    // would only add its trip. A trip cost that is no amount above 0 counts as none.
    std::vector<int> shops;
    std::vector<std::vector<qint64>>& columns = m_plan.columns;
    columns.resize(Document::ShopCount);
    std::vector<qint64> trips;
    for (int s = 1; s <= Document::ShopCount; ++s) {
        if (!document.usedInPlans(s))
            continue;
        std::vector<qint64>& column = columns[shops.size()];
        column.resize(n);
        bool prices = false;
        for (size_t i = 0; i < n; ++i)
            prices = (column[i] = costs[i][static_cast<size_t>(s) - 1]) != Unpriced || prices;
        if (!prices)
            continue;
        shops.push_back(s);
        const std::optional<double> trip = m_costs.toNumber(document.tripCost(s));
        const qint64 cents = trip && *trip > 0 ? toCents(*trip) : 0;
        trips.push_back(cents == Unpriced ? 0 : cents);
    }

    columns.resize(shops.size());

    // Costs below NarrowNone (every basket but the dearest) are searched in 32 bits, four at a time.
    const bool narrow = std::all_of(columns.begin(), columns.end(), [](const std::vector<qint64>& column) {
        return std::all_of(column.begin(), column.end(),
                           [](qint64 cost) { return cost == Unpriced || std::abs(cost) < NarrowNone; });
    });
    std::array<PlanCandidate, Document::MaxPlanSize> best;
    if (narrow) {
        std::vector<std::vector<qint32>>& narrowColumns = m_plan.narrowColumns;
        narrowColumns.resize(columns.size());
        for (size_t a = 0; a < columns.size(); ++a) {
            narrowColumns[a].resize(n);
            std::transform(columns[a].begin(), columns[a].end(), narrowColumns[a].begin(),
                           [](qint64 cost) { return cost == Unpriced ? NarrowNone : static_cast<qint32>(cost); });
        }
        best = narrowCheapestSets(narrowColumns, trips);
    } else {
        best = cheapestSets<qint64, Unpriced>(columns, trips);
    }

    for (size_t k = 0; k < c.plans.size(); ++k) {
        Comparison::Plan& plan = c.plans[k];
        const PlanCandidate& chosen = best[k];
        plan.total = chosen.size > 0 ? chosen.total : 0;
        for (int m = 0; m < chosen.size; ++m) {
            plan.shops << shops[chosen.members[static_cast<size_t>(m)]];
            plan.buy.append(QStringList());
            plan.tripCosts += trips[chosen.members[static_cast<size_t>(m)]];
        }
        // Each item at the plan's cheapest shop, the lower shop number of equal ones.
        for (size_t i = 0; i < n; ++i) {
            qint64 lowest = Unpriced;
            int at = -1;
            for (int m = 0; m < chosen.size; ++m)
                if (const qint64 cost = columns[chosen.members[static_cast<size_t>(m)]][i]; cost < lowest) {
                    lowest = cost;
                    at = m;
                }
            if (at < 0)
                plan.lacking << names[i];
            else
                plan.buy[at] << names[i];
        }
        plan.complete = plan.lacking.isEmpty();
        if (plan.shops.isEmpty())
            continue;
        for (const int s : std::as_const(plan.shops))
            plan.labels << shopLabel(document, s);
        const QString names = plan.labels.join(QStringLiteral(" + "));
        plan.line =
            tr("%n shops: %1 %2%3", nullptr, int(plan.shops.size())).arg(names, symbol, formatCents(plan.total));
        const Comparison::Plan& one = c.plans[0];
        if (plan.shops.size() > 1 && plan.complete && one.complete && plan.total < one.total)
            plan.line += tr(" (save %1%2)").arg(symbol, formatCents(one.total - plan.total));
        if (plan.tripCosts > 0)
            plan.line += tr(", trips %1%2 included").arg(symbol, formatCents(plan.tripCosts));
        if (!plan.complete) {
            Comparison::Names lacking;
            for (const QString& name : std::as_const(plan.lacking))
                lacking.add(name);
            plan.line += tr("; missing: %1").arg(lacking.text());
        }
    }

    // Like for like: the same items, those some used shop prices, on both sides; trips left out. Where no used shop
    // prices them all, the used shop with the lowest total above 0 (the best shop when it is used) buys what it can.
    std::vector<qint64> single(shops.size());
    std::vector<bool> whole(shops.size(), true);
    qint64 borrowedCost = 0;
    int b = 0;
    for (const int s : shops)
        if (c.totals[s] > 0 && (b == 0 || c.totals[s] < c.totals[b]))
            b = s;
    for (size_t i = 0; i < n; ++i) {
        qint64 lowest = Unpriced;
        for (const std::vector<qint64>& column : columns)
            lowest = std::min(lowest, column[i]);
        if (lowest == Unpriced)
            continue;
        c.likeForLikeSplit += lowest;
        for (size_t a = 0; a < shops.size(); ++a)
            if (columns[a][i] == Unpriced)
                whole[a] = false;
            else
                single[a] += columns[a][i];
        const qint64 atBest = b == 0 ? Unpriced : costs[i][static_cast<size_t>(b) - 1];
        c.likeForLikeBorrowed += atBest == Unpriced ? 1 : 0;
        borrowedCost += atBest == Unpriced ? lowest : atBest;
    }
    for (size_t a = 0; a < shops.size(); ++a)
        if (whole[a] && (c.likeForLikeShop == 0 || single[a] < c.likeForLikeSingle)) {
            c.likeForLikeShop = shops[a];
            c.likeForLikeSingle = single[a];
        }
    // No used shop has a total above 0: every price of the shown items is 0 or less, and there is nothing to weigh.
    if (shops.empty() || (c.likeForLikeShop == 0 && b == 0))
        return;
    if (c.likeForLikeShop != 0) {
        c.likeForLikeBorrowed = 0;
        c.likeForLikeLine = tr("Like for like: everything at %1 %2%3; each item at its cheapest shop %2%4")
                                .arg(shopLabel(document, c.likeForLikeShop), symbol, formatCents(c.likeForLikeSingle),
                                     formatCents(c.likeForLikeSplit));
    } else {
        c.likeForLikeShop = b;
        c.likeForLikeSingle = borrowedCost;
        const QString label = shopLabel(document, b);
        const QString reference = formatCents(c.likeForLikeSingle);
        const QString each = formatCents(c.likeForLikeSplit);
        c.likeForLikeLine = tr("Like for like: %1 with the %n items it lacks at their cheapest elsewhere %2%3; each "
                               "item at its cheapest shop %2%4",
                               nullptr, c.likeForLikeBorrowed)
                                .arg(label, symbol, reference, each);
    }
    const qint64 saving = c.likeForLikeSingle - c.likeForLikeSplit;
    c.likeForLikeLine += saving > 0   ? tr(", %1%2 less").arg(symbol, formatCents(saving))
                         : saving < 0 ? tr(", %1%2 more").arg(symbol, formatCents(-saving))
                                      : tr(", the same");
}
