// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The comparison engine without a window: cells in both modes, totals of the shown texts in single precision, the
// cheapest shop, each item's cheapest shops, the split trip, the age of the prices behind the best total and the
// trip plans of one, two and three shops.
#include "comparison_engine.h"
#include "english_plurals.h"

#include <QTest>

#include <algorithm>

namespace {

using Prices = QMap<int, QString>;
using Mode = ComparisonEngine::Mode;
const QDate Today(2026, 7, 20);

// A ticked item with its prices by shop, set on a day (today when none is given).
struct Line {
    QString name;
    QString quantity;
    Prices prices;
    QDate set = {};
};
using Lines = QList<Line>;

using Setup = std::function<void(Document&)>;

// The items in list 0, and the shops named from shop 1 on; `setup` then changes the document.
Comparison compare(const Lines& lines, const QStringList& shops, Mode mode = Mode::SelectedItems,
                   const Setup& setup = {}) {
    Document document;
    for (int s = 1; s <= shops.size(); ++s)
        document.renameShop(s, shops[s - 1]);
    if (setup)
        setup(document);
    for (const Line& line : lines) {
        const QString key = document.addItem(0, document.itemCount(0), line.name);
        document.setItemState(0, document.itemCount(0) - 1, true, line.quantity);
        document.today = [set = line.set] { return set.isValid() ? set : Today; };
        for (auto it = line.prices.begin(); it != line.prices.end(); ++it)
            document.setPrice(key, it.key(), it.value());
    }
    return ComparisonEngine().compare(document, mode, Today);
}

// The texts of the rows of items and of the totals in the label's and the first two shops' columns.
QStringList cells(const Comparison& c) {
    QStringList rows;
    for (const Comparison::Row& row : c.rows)
        if (row.kind == Comparison::Row::Kind::Item || row.kind == Comparison::Row::Kind::Totals)
            rows << QStringList{row.texts[0], row.texts[1], row.texts[2]}.join(u'|');
    return rows;
}

} // namespace

class ComparisonEngineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installEnglishPlurals(); }
    void cellsAndTotals_data();
    void cellsAndTotals();
    void cheapestShop_data();
    void cheapestShop();
    void eachItemAtItsCheapestShop_data();
    void eachItemAtItsCheapestShop();
    void unitPrices_data();
    void unitPrices();
    void unitPricesFollowTheirBasis();
    void tripPlans_data();
    void tripPlans();
};

void ComparisonEngineTest::cellsAndTotals_data() {
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<float>("bestPrice");
    // 3 x 0.335 shows as 1.01 (1.005 rounded); the total adds what is shown, not the unrounded products.
    QTest::newRow("totals add the shown texts")
        << Lines{{"Nails", "3", {{1, "0.335"}}}, {"Screws", "3", {{1, "0.335"}}}, {"Tiles", "1", {{2, "1,234.5"}}}}
        << Mode::SelectedItems
        << QStringList{"Nails x 3|1.01|", "Screws x 3|1.01|", "Tiles x 1||1,234.50", "TOTALS|2.02|1,234.50"} << 2.02f;
    // Only an edited data file holds these: a ticked item without a numeric quantity, a price that is no number.
    const Lines odd{{"Odd", "lots", {{1, "1.00"}}}, {"Tea", "2", {{1, "cheap"}, {2, "1.00"}}}};
    QTest::newRow("unusable numbers give empty cells")
        << odd << Mode::SelectedItems << QStringList{"Odd x lots||", "Tea x 2||2.00", "TOTALS|0.00|2.00"} << 2.0f;
    QTest::newRow("all items as stored") << odd << Mode::AllItems
                                         << QStringList{"Odd|1.00| ", "Tea|cheap|1.00", "TOTALS|1.00|1.00"} << 1.0f;
}

void ComparisonEngineTest::cellsAndTotals() {
    QFETCH(Lines, lines);
    QFETCH(Mode, mode);
    QFETCH(QStringList, rows);
    QFETCH(float, bestPrice);
    const Comparison c = compare(lines, {}, mode);
    QCOMPARE(cells(c), rows);
    QCOMPARE(c.bestShopName, QString());
    QCOMPARE(c.bestPrice, bestPrice);
}

void ComparisonEngineTest::cheapestShop_data() {
    QTest::addColumn<Prices>("milk");
    QTest::addColumn<Prices>("bread");
    QTest::addColumn<QString>("bestShop");
    QTest::addColumn<QString>("bestRow");
    QTest::addColumn<QString>("note");
    QTest::newRow("a shop pricing one item beats a complete one")
        << Prices{{1, "1.00"}, {2, "0.50"}} << Prices{{1, "2.00"}} << "Shop 2"
        << "£0.50"
        << "prices 1 of 2";
    QTest::newRow("a tie goes to the lower shop number")
        << Prices{{4, "2.00"}, {7, "3.00"}, {9, "9.00"}} << Prices{{4, "3.00"}, {7, "2.00"}} << "Shop 4"
        << "£5.00"
        << "prices 2 of 2";
    // In single precision 131,072 + 0.01 is 131,072.015625: above 2^17 the steps are 1/64.
    QTest::newRow("totals above 2^17 in single precision")
        << Prices{{1, "131,072.00"}} << Prices{{1, "0.01"}} << "Shop 1"
        << "£131,072.02"
        << "prices 2 of 2";
    // The line below the table names it by its number, where the BEST PRICE row leaves its name empty.
    QTest::newRow("an unnamed shop can be cheapest") << Prices{{1, "4.00"}, {20, "1.00"}} << Prices{} << ""
                                                     << "£1.00"
                                                     << "Cheapest: shop 20, £1.00 \u2014 prices 1 of 2";
    QTest::newRow("no shop prices anything") << Prices{} << Prices{} << "(None)"
                                             << "£0.00"
                                             << "No shop has a price for the shown items.";
}

void ComparisonEngineTest::cheapestShop() {
    QFETCH(Prices, milk);
    QFETCH(Prices, bread);
    QFETCH(QString, bestShop);
    QFETCH(QString, bestRow);
    QFETCH(QString, note);
    QStringList shops;
    for (int s = 1; s <= 19; ++s)
        shops << QStringLiteral("Shop %1").arg(s);
    const Comparison c = compare({{"Milk", "1", milk}, {"Bread", "1", bread}}, shops);
    QCOMPARE(c.bestShopName, bestShop);
    const Comparison::Row& best = c.rows.back();
    QCOMPARE(best.texts[0], QStringLiteral("BEST PRICE:"));
    QCOMPARE(best.texts[1], bestShop);
    QCOMPARE(best.texts[2], bestRow);
    const auto& totals = c.rows[c.rows.size() - 3].texts;
    QVERIFY(std::find(totals.begin(), totals.end(), bestRow.mid(1)) != totals.end()); // the best shop's, as shown
    QVERIFY2(c.cheapestLine.contains(note), qPrintable(c.cheapestLine));
}

void ComparisonEngineTest::eachItemAtItsCheapestShop_data() {
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<QStringList>("marks"); // per item, the shops where it is cheapest
    QTest::addColumn<QString>("figures");
    // As the window's test works it out: Market 3.00 (2 of 6), the split trip 14.30 at Market, Corner and Online.
    QTest::newRow("gaps and ties") << Lines{{"Bread", "1", {{1, "1.20"}, {2, "1.00"}, {3, "1.10"}}},
                                            {"Milk", "2", {{1, "0.90"}, {2, "0.95"}, {4, "1.00"}}},
                                            {"Coffee beans", "1", {{2, "6.00"}, {3, "5.50"}, {4, "7.00"}}},
                                            {"Olive oil", "1", {{3, "4.00"}, {4, "4.00"}}},
                                            {"Tea", "1", {{2, "2.00"}, {3, "2.00"}}},
                                            {"Saffron", "1", {}}}
                                   << QStringList{"2", "1", "3", "34", "23", ""}
                                   << "shop 1 at 3.00 prices 2 of 6; split 14.30 at 3 shops, 1 nowhere; 0 old; "
                                      "prices checked since 20 July 2026";
    // Only the oldest price behind the best total counts: Corner's older one does not.
    QTest::newRow("the age of the best total's prices")
        << Lines{{"Bread", "1", {{1, "1.00"}}, QDate(2026, 1, 1)},
                 {"Milk", "1", {{1, "1.00"}}, QDate(2026, 7, 1)},
                 {"Tea", "1", {{2, "5.00"}}, QDate(2025, 1, 1)}}
        << QStringList{"1", "1", "2"}
        << "shop 1 at 2.00 prices 2 of 3; split 7.00 at 2 shops, 0 nowhere; 1 old; "
           "prices checked since 1 January 2026";
}

void ComparisonEngineTest::eachItemAtItsCheapestShop() {
    QFETCH(Lines, lines);
    QFETCH(QStringList, marks);
    QFETCH(QString, figures);
    const Comparison c = compare(lines, {"Market", "Corner", "Online", "Deli"});
    QStringList marked;
    for (const Comparison::Row& row : c.rows) {
        if (row.kind != Comparison::Row::Kind::Item)
            continue;
        marked << QString();
        for (int s = 1; s < Comparison::Columns; ++s)
            if (row.cheapest & (1u << (s - 1)))
                marked.back() += QString::number(s);
    }
    QCOMPARE(marked, marks);
    const int b = c.bestShop;
    QCOMPARE(QStringLiteral("shop %1 at %2 prices %3 of %4; split %5 at %6 shops, %7 nowhere; %8 old; ")
                     .arg(b)
                     .arg(c.bestPrice, 0, 'f', 2)
                     .arg(c.priced[b])
                     .arg(c.shownItems)
                     .arg(c.eachAtItsCheapest, 0, 'f', 2)
                     .arg(c.splitShops)
                     .arg(c.pricedNowhere.count)
                     .arg(c.old[b]) +
                 c.priceSinceLine,
             figures);
}

// An item's price and pack (as the data file keeps it) by shop.
using Packed = QMap<int, QPair<QString, QString>>;
using PackedLines = QList<QPair<QString, Packed>>;

void ComparisonEngineTest::unitPrices_data() {
    QTest::addColumn<PackedLines>("lines");
    QTest::addColumn<bool>("perHundred");
    // Each row: the item's cells at shops 1 to 4, then the shops marked cheapest and those not comparable.
    QTest::addColumn<QStringList>("rows");
    const PackedLines six{
        {"Coffee", {{1, {"4.99", "500 g"}}, {2, {"8.99", "1 kg"}}, {3, {"2.50", "250 g"}}}},
        {"Cola", {{1, {"3.99", "6 x 330 ml"}}, {2, {"1.49", "1.5 l"}}, {3, {"0.89", "330 ml"}}, {4, {"1.49", ""}}}},
        {"Eggs", {{1, {"2.40", "12 pcs"}}, {2, {"1.30", "6"}}, {3, {"1.90", "10 Stk"}}}},
        {"Apples", {{1, {"2.20", "1 kg"}}, {2, {"1.00", "500 g"}}, {3, {"1.50", "6 pcs"}}, {4, {"1.99", "2 lb"}}}},
        {"Salt", {{1, {"0.39", "500 g"}}, {3, {"4.50", "100 kg"}}}},
        {"Milk", {{1, {"1.09", ""}}}}};
    QTest::newRow("per kg, l and piece") << six << false << QStringList{"Coffee|9.98/kg|8.99/kg|10.00/kg||2|",
                                                                        "Cola|2.02/l|0.99/l|2.70/l|\u2014|2|",
                                                                        "Eggs|0.20/pc|0.22/pc|0.19/pc||3|",
                                                                        "Apples|2.20/kg|2.00/kg|0.25/pc|2.19/kg|2|3",
                                                                        "Salt|0.78/kg||0.045/kg||3|",
                                                                        "Milk|\u2014|||||"};
    QTest::newRow("per 100 g and 100 ml; pieces stay")
        << PackedLines{six[0], six[2]} << true
        << QStringList{"Coffee|1.00/100 g|0.90/100 g|1.00/100 g||2|", "Eggs|0.20/pc|0.22/pc|0.19/pc||3|"};
}

void ComparisonEngineTest::unitPrices() {
    QFETCH(PackedLines, lines);
    QFETCH(bool, perHundred);
    QFETCH(QStringList, rows);
    Document document;
    document.setUnitPricesPerHundred(perHundred);
    for (const auto& [name, packed] : lines) {
        const QString key = document.addItem(0, document.itemCount(0), name);
        std::array<std::optional<QString>, Store::ShopCount> prices, packs;
        for (auto it = packed.begin(); it != packed.end(); ++it) {
            prices[it.key() - 1] = it.value().first;
            packs[it.key() - 1] = it.value().second;
        }
        document.setPrices(key, prices);
        document.setPacks(key, packs);
    }
    const Comparison c = ComparisonEngine().compare(document, Mode::UnitPrices, Today);
    const auto shops = [](quint32 mask) {
        QStringList numbers;
        for (int s = 1; s <= Store::ShopCount; ++s)
            if (mask & (1u << (s - 1)))
                numbers << QString::number(s);
        return numbers.join(u',');
    };
    QStringList shown;
    for (const Comparison::Row& row : c.rows) {
        QVERIFY(row.kind != Comparison::Row::Kind::Totals && row.kind != Comparison::Row::Kind::BestPrice);
        if (row.kind == Comparison::Row::Kind::Item)
            shown << (QStringList{row.texts.begin(), row.texts.begin() + 5} << shops(row.cheapest)
                                                                            << shops(row.notComparable))
                         .join(u'|');
    }
    QCOMPARE(shown, rows);
}

void ComparisonEngineTest::tripPlans_data() {
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<QStringList>("shops");
    QTest::addColumn<Setup>("setup");
    // Each plan: its shops, total in cents (with its trips), the items bought at each shop, the items it lacks.
    QTest::addColumn<QStringList>("plans");
    QTest::addColumn<QStringList>("said"); // the plans' lines, then the like-for-like line
    // Shop totals: Market 17.00 (lacks Coffee), Corner 19.40, Online 18.15, Deli 18.80, Farm 6.80 (prices 4 of 8).
    const Lines eight{{"Bread", "1", {{1, "1.20"}, {2, "1.00"}, {3, "1.10"}, {5, "1.50"}}},
                      {"Milk", "2", {{1, "0.90"}, {2, "0.95"}, {4, "1.00"}, {5, "0.80"}}},
                      {"Coffee", "1", {{2, "6.00"}, {3, "5.50"}, {4, "7.00"}}},
                      {"Olive oil", "1", {{1, "4.00"}, {3, "4.00"}, {4, "4.50"}}},
                      {"Tea", "1", {{1, "2.20"}, {2, "2.00"}, {3, "2.00"}}},
                      {"Eggs", "1", {{1, "2.40"}, {2, "2.60"}, {4, "2.30"}, {5, "2.00"}}},
                      {"Cheese", "1", {{1, "3.50"}, {2, "3.80"}, {3, "3.60"}, {4, "3.00"}}},
                      {"Butter", "1", {{1, "1.90"}, {2, "2.10"}, {3, "1.95"}, {5, "1.70"}}}};
    const QStringList five{"Market", "Corner", "Online", "Deli", "Farm"};
    const QString market = "1: 1700 | Bread,Milk,Olive oil,Tea,Eggs,Cheese,Butter | -Coffee";
    const QString onlineDeli = "3,4: 2185 | Bread,Coffee,Olive oil,Tea,Butter | Milk,Eggs,Cheese";
    const QString farmLacks = "Like for like: Farm with the 4 items it lacks at their cheapest elsewhere £21.30; each "
                              "item at its cheapest shop £20.80, £0.50 less";
    QTest::newRow("no one shop prices everything")
        << eight << five << Setup()
        << QStringList{market, "3,5: 2150 | Bread,Coffee,Olive oil,Tea,Cheese | Milk,Eggs,Butter",
                       "3,4,5: 2090 | Bread,Coffee,Olive oil,Tea | Cheese | Milk,Eggs,Butter"}
        << QStringList{"1 shop: Market £17.00; missing: Coffee", "2 shops: Online + Farm £21.50",
                       "3 shops: Online + Deli + Farm £20.90", farmLacks};
    // Olive oil costs 4.00 at Market and Online alike: the lower shop number buys it.
    QTest::newRow("a shop left out") << eight << five << Setup([](Document& d) {
        d.setUsedInPlans(5, false);
    }) << QStringList{market, onlineDeli, "1,3,4: 2160 | Milk,Olive oil,Butter | Bread,Coffee,Tea | Eggs,Cheese"}
                                     << QStringList{
                                            "1 shop: Market £17.00; missing: Coffee", "2 shops: Online + Deli £21.85",
                                            "3 shops: Market + Online + Deli £21.60",
                                            "Like for like: Market with the item it lacks at its cheapest "
                                            "elsewhere £22.50; each item at its cheapest shop £21.50, £1.00 less"};
    // Without trips Online and Farm would buy everything for 21.50; Market and Corner cost 23.30 with their trips,
    // as much as Market alone.
    Lines complete = eight;
    complete[2].prices[1] = "5.80";
    const QString all = "1: 2330 incl. 50 | Bread,Milk,Coffee,Olive oil,Tea,Eggs,Cheese,Butter";
    const QString allLine = "1 shop: Market £23.30, trips £0.50 included";
    QTest::newRow("trips make two shops dearer than one") << complete << five << Setup([](Document& d) {
        for (const auto& [shop, cost] : {std::pair{1, "0.50"}, {2, "0.40"}, {3, "1.00"}, {4, "1.00"}, {5, "1.00"}})
            d.setTripCost(shop, cost);
    }) << QStringList{all, all, all}
                                                          << QStringList{
                                                                 allLine, allLine, allLine,
                                                                 "Like for like: everything at Market £22.80; each "
                                                                 "item at its cheapest shop £20.80, £2.00 less"};
    // Online with Farm's trip of 0.35 costs 21.85, as Online with Deli does.
    QTest::newRow("equal pairs: the lower shop numbers")
        << eight << five << Setup([](Document& d) { d.setTripCost(5, "0.35"); })
        << QStringList{market, onlineDeli,
                       "3,4,5: 2125 incl. 35 | Bread,Coffee,Olive oil,Tea | Cheese | Milk,Eggs,Butter"}
        << QStringList{"1 shop: Market £17.00; missing: Coffee", "2 shops: Online + Deli £21.85",
                       "3 shops: Online + Deli + Farm £21.25, trips £0.35 included", farmLacks};
    QTest::newRow("an unnamed shop taken in")
        << eight << QStringList{"Market", "Corner", "Online", "Deli", ""}
        << Setup([](Document& d) { d.setUsedInPlans(5, true); })
        << QStringList{market, "3,5: 2150 | Bread,Coffee,Olive oil,Tea,Cheese | Milk,Eggs,Butter",
                       "3,4,5: 2090 | Bread,Coffee,Olive oil,Tea | Cheese | Milk,Eggs,Butter"}
        << QStringList{"1 shop: Market £17.00; missing: Coffee", "2 shops: Online + shop 5 £21.50",
                       "3 shops: Online + Deli + shop 5 £20.90",
                       "Like for like: shop 5 with the 4 items it lacks at their cheapest elsewhere £21.30; each "
                       "item at its cheapest shop £20.80, £0.50 less"};
    // In single precision the totals lose the cents above 2^20; the plans keep them.
    const QString pair = "1,2: 104857601 | Piano | Pick";
    const QString pairLine = "2 shops: Market + Corner £1,048,576.01 (save £0.04)";
    QTest::newRow("a basket above 2^20")
        << Lines{{"Piano", "1", {{1, "1,048,576.00"}, {2, "1,048,577.00"}}}, {"Pick", "1", {{1, "0.05"}, {2, "0.01"}}}}
        << five << Setup() << QStringList{"1: 104857605 | Piano,Pick", pair, pair}
        << QStringList{"1 shop: Market £1,048,576.05", pairLine, pairLine,
                       "Like for like: everything at Market £1,048,576.05; each item at its cheapest shop "
                       "£1,048,576.01, £0.04 less"};
}

void ComparisonEngineTest::tripPlans() {
    QFETCH(Lines, lines);
    QFETCH(QStringList, shops);
    QFETCH(Setup, setup);
    QFETCH(QStringList, plans);
    QFETCH(QStringList, said);
    const Comparison c = compare(lines, shops, Mode::SelectedItems, setup);
    QStringList described, shown;
    for (const Comparison::Plan& plan : c.plans) {
        QStringList numbers;
        for (const int s : plan.shops)
            numbers << QString::number(s);
        QStringList parts{numbers.join(u',') + ": " + QString::number(plan.total) +
                          (plan.tripCosts > 0 ? " incl. " + QString::number(plan.tripCosts) : QString())};
        for (const QStringList& names : plan.buy)
            parts << names.join(u',');
        if (!plan.lacking.isEmpty())
            parts << "-" + plan.lacking.join(u',');
        described << parts.join(" | ");
        shown << plan.line;
        QCOMPARE(plan.complete, plan.lacking.isEmpty());
    }
    QCOMPARE(described, plans);
    QCOMPARE(shown << c.likeForLikeLine, said);
}

// One engine over a session: a unit price worked out per kg is never shown again as per 100 g.
void ComparisonEngineTest::unitPricesFollowTheirBasis() {
    Document document;
    const QString key = document.addItem(0, 0, QStringLiteral("Coffee"));
    std::array<std::optional<QString>, Store::ShopCount> prices, packs;
    prices[0] = QStringLiteral("2.00");
    prices[1] = QStringLiteral("20.00");
    packs[0] = packs[1] = QStringLiteral("1 kg");
    document.setPrices(key, prices);
    document.setPacks(key, packs);
    ComparisonEngine engine;
    const auto cells = [&] {
        const Comparison c = engine.compare(document, Mode::UnitPrices, Today);
        return c.rows[1].texts[1] + QLatin1Char(' ') + c.rows[1].texts[2];
    };
    QCOMPARE(cells(), QStringLiteral("2.00/kg 20.00/kg"));
    document.setUnitPricesPerHundred(true);
    QCOMPARE(cells(), QStringLiteral("0.20/100 g 2.00/100 g"));
}

QTEST_GUILESS_MAIN(ComparisonEngineTest)
#include "comparison_engine_test.moc"
