// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The document without a window: every change call on a small set of lists, with the lists, keys, counter and
// prices it leaves and the signals it sends; prices kept as numbers follow every change; saving and reading
// back gives the same document; the trip-plan settings and their undo.
#include "document.h"
#include "money.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// "name [quantity] ticked key" per item, the lists separated by "|".
QString describe(const Document& document) {
    QStringList lists;
    for (int l = 0; l < Document::ListCount; ++l) {
        QStringList items;
        for (const Item& item : document.items(l))
            items << QStringLiteral("%1[%2]%3%4").arg(item.name, item.quantity, item.ticked ? "+" : "-", item.key);
        lists << items.join(QLatin1Char(' '));
    }
    return lists.join(QLatin1Char('|'));
}

// Milk (ticked, 2) and Tea in list 0, Soap in list 1; prices of Milk at shops 1 and 3.
void fill(Document& document) {
    document.insertItem(0, 0, {"K0", "Milk", "2", true});
    document.insertItem(0, 1, {"K1", "Tea", "", false});
    document.insertItem(1, 0, {"K4", "Soap", "lots", false});
    document.setPrice("K0", 1, "1.25");
    document.setPrice("K0", 3, "0.90");
}

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT

private slots:
    void changes_data();
    void changes();
    void ticksAndCounts_data();
    void ticksAndCounts();
    void pricesFollowEveryChange();
    void savedDocumentReadsBackTheSame();
    void datesAndHistoryFollowThePrice_data();
    void datesAndHistoryFollowThePrice();
    void dateKeysAreNeverPrices();
    void packsAndOffersFollowThePrice_data();
    void packsAndOffersFollowThePrice();
    void offersEndAfterTheirLastDay_data();
    void offersEndAfterTheirLastDay();
    void historyKeepsWhatEachPriceBought();
    void tripPlanSettings_data();
    void tripPlanSettings();
};

void DocumentTest::changes_data() {
    using Change = std::function<void(Document&)>;
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("lists");
    QTest::addColumn<int>("nextKey");
    QTest::addColumn<QString>("prices"); // of K0 at shops 1 and 3, and of the newest key at shop 1

    QTest::newRow("nothing") << Change([](Document&) {}) << "Milk[2]+K0 Tea[]-K1|Soap[lots]-K4||" << 5 << "1.25 0.90 -";
    QTest::newRow("add under the counter") << Change([](Document& d) { d.addItem(0, 1, "Bread"); })
                                           << "Milk[2]+K0 Bread[]-K5 Tea[]-K1|Soap[lots]-K4||" << 6 << "1.25 0.90 -";
    QTest::newRow("delete takes the prices")
        << Change([](Document& d) { d.deleteItem(0, 0); }) << "Tea[]-K1|Soap[lots]-K4||" << 5 << "- - -";
    QTest::newRow("move down and up") << Change([](Document& d) {
        d.moveItem(0, 0, 1);
        d.moveItem(1, 0, 0);
    }) << "Tea[]-K1 Milk[2]+K0|Soap[lots]-K4||"
                                      << 5 << "1.25 0.90 -";
    QTest::newRow("move to a list keeps key and prices") << Change([](Document& d) { d.moveItemToList(0, 0, 3); })
                                                         << "Tea[]-K1|Soap[lots]-K4||Milk[]-K0" << 5 << "1.25 0.90 -";
    QTest::newRow("move to its own list does nothing") << Change([](Document& d) { d.moveItemToList(0, 0, 0); })
                                                       << "Milk[2]+K0 Tea[]-K1|Soap[lots]-K4||" << 5 << "1.25 0.90 -";
    QTest::newRow("copy gets a key and the prices")
        << Change([](Document& d) { d.copyItemToList(0, 0, 2); }) << "Milk[2]+K0 Tea[]-K1|Soap[lots]-K4|Milk[]-K5|" << 6
        << "1.25 0.90 1.25";
    QTest::newRow("tick all gives 1 to other quantities") << Change([](Document& d) { d.setAllTicked(1, true); })
                                                          << "Milk[2]+K0 Tea[]-K1|Soap[1]+K4||" << 5 << "1.25 0.90 -";
    QTest::newRow("clear all") << Change([](Document& d) { d.setAllTicked(0, false); })
                               << "Milk[]-K0 Tea[]-K1|Soap[lots]-K4||" << 5 << "1.25 0.90 -";
    QTest::newRow("replace prices") << Change([](Document& d) {
        std::array<std::optional<QString>, Document::ShopCount> prices;
        prices[0] = "2.00";
        prices[2] = "";
        d.setPrices("K0", prices);
    }) << "Milk[2]+K0 Tea[]-K1|Soap[lots]-K4||"
                                    << 5 << "2.00 - -";
}

void DocumentTest::changes() {
    QFETCH(std::function<void(Document&)>, change);
    QFETCH(QString, lists);
    QFETCH(int, nextKey);
    QFETCH(QString, prices);
    Document document;
    fill(document);
    const quint64 before = document.revision();
    QSignalSpy changed(&document, &Document::changed);
    change(document);
    QCOMPARE(describe(document), lists);
    QCOMPARE(document.nextKey(), nextKey);
    const auto price = [&](const QString& key, int shop) {
        return document.prices(key).has(shop) ? document.prices(key).texts[shop - 1] : QStringLiteral("-");
    };
    QCOMPARE(QStringList({price("K0", 1), price("K0", 3), price(Store::itemKey(document.nextKey() - 1), 1)})
                 .join(QLatin1Char(' ')),
             prices);
    // The revision moves exactly when something changed, and every change says so.
    QCOMPARE(document.revision() == before, describe(document) == "Milk[2]+K0 Tea[]-K1|Soap[lots]-K4||" &&
                                                price("K0", 1) == "1.25" && price("K0", 3) == "0.90");
    QCOMPARE(changed.isEmpty(), document.revision() == before);
}

void DocumentTest::ticksAndCounts_data() {
    using Change = std::function<void(Document&)>;
    const Change tick = [](Document& d) { d.setTicked(0, 0, true); };
    const Change untick = [](Document& d) { d.setTicked(0, 0, false); };
    const Change up = [](Document& d) { d.countUp(0, 0); };
    const Change down = [](Document& d) { d.countDown(0, 0); };
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("after"); // as describe() writes the item
    QTest::newRow("a tick gives 1") << "5" << false << tick << "Milk[1]+K0";
    QTest::newRow("an untick clears") << "2" << true << untick << "Milk[]-K0";
    QTest::newRow("+ ticks and counts up") << "2" << false << up << "Milk[3]+K0";
    QTest::newRow("+ keeps decimals") << "1.5" << true << up << "Milk[2.5]+K0";
    QTest::newRow("+ stops at 999") << "999" << true << up << "Milk[999]+K0";
    QTest::newRow("+ gives 1 to no number") << "lots" << false << up << "Milk[1]+K0";
    QTest::newRow("- counts down") << "3" << true << down << "Milk[2]+K0";
    QTest::newRow("- unticks at 1") << "1" << true << down << "Milk[]-K0";
    QTest::newRow("- counts 1.0 down to 0") << "1.0" << true << down << "Milk[0]+K0";
    QTest::newRow("- leaves no number alone") << "lots" << true << down << "Milk[lots]+K0";
}

void DocumentTest::ticksAndCounts() {
    QFETCH(QString, quantity);
    QFETCH(bool, ticked);
    QFETCH(std::function<void(Document&)>, change);
    QFETCH(QString, after);
    Document document;
    document.insertItem(0, 0, {"K0", "Milk", quantity, ticked});
    change(document);
    QCOMPARE(describe(document), after + "|||");
}

void DocumentTest::pricesFollowEveryChange() {
    Document document;
    fill(document);
    QCOMPARE(document.prices("K0").numbers[0], 1.25);
    QVERIFY(std::isnan(document.prices("K0").numbers[1]));
    QCOMPARE(document.prices("K0").texts[1], QStringLiteral(" "));
    QSignalSpy changed(&document, &Document::pricesChanged);
    document.setPrice("K0", 1, "1,234.50");
    QCOMPARE(changed.takeFirst().at(0).toString(), QStringLiteral("K0"));
    QCOMPARE(document.prices("K0").numbers[0], 1234.5);
    document.setPrice("K0", 1, QString());
    QVERIFY(!document.prices("K0").has(1));
    QCOMPARE(document.store().ReadValue("K0_1"), ConfigFile::NotFound);
}

void DocumentTest::savedDocumentReadsBackTheSame() {
    Document document;
    fill(document);
    document.setListName(2, "Weekly");
    document.renameShop(20, "Market");
    document.setSymbol("EUR");
    document.writeInto(document.store());
    Document read;
    read.store() = document.store();
    read.adopt(Store::readStoredData(read.store()));
    QCOMPARE(describe(read), describe(document));
    QCOMPARE(read.listName(2), QStringLiteral("Weekly"));
    QCOMPARE(read.shopName(20), QStringLiteral("Market"));
    QCOMPARE(read.symbol(), QStringLiteral("EUR"));
    QCOMPARE(read.nextKey(), 5);
    QCOMPARE(read.prices("K0").texts[2], QStringLiteral("0.90"));
}

void DocumentTest::datesAndHistoryFollowThePrice_data() {
    using Change = std::function<void(Document&)>;
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("milk");  // the dated prices of Milk (K0) at shop 2, "day=price", day 1 being 1 January
    QTest::addColumn<QString>("other"); // those of the newest key at shop 2
    QTest::newRow("two prices") << Change([](Document&) {}) << "1=1.00 2=1.10"
                                << "";
    QTest::newRow("the same price renews its date")
        << Change([](Document& d) { d.setPrice("K0", 2, "1.10"); }) << "1=1.00 3=1.10"
        << "";
    QTest::newRow("history keeps the last twelve") << Change([](Document& d) {
        for (int price = 2; price <= 15; ++price)
            d.setPrice("K0", 2, QString::number(price) + ".00");
    }) << "3=3.00 3=4.00 3=5.00 3=6.00 3=7.00 3=8.00 3=9.00 3=10.00 3=11.00 3=12.00 3=13.00 3=14.00 3=15.00"
                                                   << "";
    QTest::newRow("deleting the price deletes its dates")
        << Change([](Document& d) { d.setPrice("K0", 2, QString()); }) << ""
        << "";
    QTest::newRow("deleting the item deletes its dates") << Change([](Document& d) { d.deleteItem(0, 0); }) << ""
                                                         << "";
    QTest::newRow("a move keeps them") << Change([](Document& d) { d.moveItemToList(0, 0, 2); }) << "1=1.00 2=1.10"
                                       << "";
    QTest::newRow("a copy copies them") << Change([](Document& d) { d.copyItemToList(0, 0, 2); }) << "1=1.00 2=1.10"
                                        << "1=1.00 2=1.10";
}

void DocumentTest::datesAndHistoryFollowThePrice() {
    QFETCH(std::function<void(Document&)>, change);
    QFETCH(QString, milk);
    QFETCH(QString, other);
    Document document;
    const QDate first(2026, 1, 1);
    int day = 1;
    document.today = [&] { return first.addDays(day - 1); };
    fill(document);
    document.setPrice("K0", 2, "1.00");
    day = 2;
    document.setPrice("K0", 2, "1.10");
    day = 3;
    change(document);
    const auto points = [&](const QString& key) {
        QStringList texts;
        for (const Document::PricePoint& point : document.priceHistory(key, 2))
            texts << QStringLiteral("%1=%2").arg(first.daysTo(point.date) + 1).arg(point.price);
        return texts.join(u' ');
    };
    QCOMPARE(points("K0"), milk);
    QCOMPARE(points(Store::itemKey(document.nextKey() - 1)), other);
}

void DocumentTest::dateKeysAreNeverPrices() {
    // Prices, dates and history written with German separators, read in English.
    ConfigFile store;
    store.WriteValue("K0_1", "1.234,50");
    store.WriteValue("Dated:K0_1", "2026-03-12");
    store.WriteValue("History:K0_1", "2026-01-02=1.100,00;2026-02-01=999,90");
    store.WriteValue("L0", "1");
    store.WriteValue("L0i1", "Milk");
    store.WriteValue("L0k1", "K0");
    store.WriteValue("L0c1", "False");
    store.WriteValue("L0q1", "");
    store.WriteValue("NextKey", "1");
    store.WriteValue("Offer:K0_1", "2026-12-14;2,99");
    store.WriteValue("Pack:K0_1", "1.5 l");
    store.setNumbers(Money::Conventions{",", "."});
    Document document;
    document.store() = store;
    const Store::StoredData data = Store::readStoredData(document.store());
    QVERIFY2(data.problems.isEmpty(), qPrintable(data.problems.join(" ")));
    document.adopt(Store::StoredData(data));
    QCOMPARE(document.store().ReadValue("Dated:K0_1"), QStringLiteral("2026-03-12"));
    QCOMPARE(document.prices("K0").texts[0], QStringLiteral("1,234.50"));
    QCOMPARE(document.prices("K0").dates[0], QDate(2026, 3, 12));
    QVERIFY(!document.prices("K0").has(2));
    const std::vector<Document::PricePoint> points = document.priceHistory("K0", 1);
    QCOMPARE(points.size(), size_t(3));
    QCOMPARE(points[0].price, QStringLiteral("1,100.00"));
    QCOMPARE(points[1].price, QStringLiteral("999.90"));
    QVERIFY(Store::itemKeyOfPrice(QStringLiteral("Dated:K0_1")).isEmpty());
    QVERIFY(Store::itemKeyOfPrice(QStringLiteral("History:K0_1")).isEmpty());
    QVERIFY(Store::itemKeyOfPrice(QStringLiteral("Pack:K0_1")).isEmpty());
    QVERIFY(Store::itemKeyOfPrice(QStringLiteral("Offer:K0_1")).isEmpty());
    // An offer's regular price travels as the prices do; a pack is kept in one form in every language.
    QCOMPARE(document.prices("K0").offers[0], std::optional(Document::Offer{QDate(2026, 12, 14), "2.99"}));
    QCOMPARE(document.prices("K0").packs[0], QStringLiteral("1.5 l"));
}

void DocumentTest::packsAndOffersFollowThePrice_data() {
    using Change = std::function<void(Document&)>;
    using Packs = std::array<std::optional<QString>, Document::ShopCount>;
    using Offers = std::array<std::optional<Document::Offer>, Document::ShopCount>;
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("milk");  // Milk's (K0) packs and offers by shop, "shop=pack+offer"
    QTest::addColumn<QString>("other"); // those of the newest key
    const QString before = "1=500 g+2026-12-14;1.49 3=6 x 330 ml";
    QTest::newRow("nothing") << Change([](Document&) {}) << before << "";
    QTest::newRow("a move keeps them") << Change([](Document& d) { d.moveItemToList(0, 0, 2); }) << before << "";
    QTest::newRow("a copy copies them") << Change([](Document& d) { d.copyItemToList(0, 0, 2); }) << before << before;
    QTest::newRow("deleting the item deletes them") << Change([](Document& d) { d.deleteItem(0, 0); }) << ""
                                                    << "";
    QTest::newRow("deleting a price deletes its pack and offer")
        << Change([](Document& d) { d.setPrice("K0", 1, QString()); }) << "3=6 x 330 ml"
        << "";
    QTest::newRow("an empty pack removes it, nothing leaves one") << Change([](Document& d) {
        Packs packs;
        packs[0] = QString();
        d.setPacks("K0", packs);
    }) << "1=+2026-12-14;1.49 3=6 x 330 ml"
                                                                  << "";
    QTest::newRow("no pack without a price") << Change([](Document& d) {
        Packs packs;
        packs[1] = "1 kg";
        d.setPacks("K0", packs);
    }) << before << "";
    QTest::newRow("an invalid last day ends the offer") << Change([](Document& d) {
        Offers offers;
        offers[0] = Document::Offer{};
        d.setOffers("K0", offers);
    }) << "1=500 g 3=6 x 330 ml"
                                                        << "";
    QTest::newRow("no offer without a price") << Change([](Document& d) {
        Offers offers;
        offers[1] = Document::Offer{QDate(2026, 12, 14), "1.49"};
        d.setOffers("K0", offers);
    }) << before << "";
}

void DocumentTest::packsAndOffersFollowThePrice() {
    QFETCH(std::function<void(Document&)>, change);
    QFETCH(QString, milk);
    QFETCH(QString, other);
    Document document;
    fill(document);
    std::array<std::optional<QString>, Document::ShopCount> packs;
    packs[0] = "500 g";
    packs[2] = "6 x 330 ml";
    document.setPacks("K0", packs);
    std::array<std::optional<Document::Offer>, Document::ShopCount> offers;
    offers[0] = Document::Offer{QDate(2026, 12, 14), "1.49"};
    document.setOffers("K0", offers);
    const auto describePacks = [&](const QString& key) {
        const Document::Prices& prices = document.prices(key);
        QStringList shops;
        for (int s = 0; s < Document::ShopCount; ++s)
            if (!prices.packs[s].isEmpty() || prices.offers[s])
                shops << QStringLiteral("%1=%2").arg(s + 1).arg(prices.packs[s]) +
                             (prices.offers[s] ? "+" + Store::PriceRecord::offerText(*prices.offers[s]) : "");
        return shops.join(u' ');
    };
    const QString was = describePacks("K0");
    document.beginStep();
    change(document);
    const Document::Step step = document.endStep();
    const QString newest = Store::itemKey(document.nextKey() - 1);
    QCOMPARE(describePacks("K0"), milk);
    QCOMPARE(describePacks(newest), other);
    document.undo(step);
    QCOMPARE(describePacks("K0"), was);
    QCOMPARE(describePacks(newest), QString());
    document.redo(step);
    QCOMPARE(describePacks("K0"), milk);
    QCOMPARE(describePacks(newest), other);
}

void DocumentTest::offersEndAfterTheirLastDay_data() {
    QTest::addColumn<QStringList>("offers"); // "item key, shop, last day": the price 0.99 from 2 March, regular 1.50
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("points"); // each offered price's history on 10 March, "+offer" while it runs
    QTest::newRow("ended yesterday") << QStringList{"K0 1 2026-03-09"} << QStringList{"Milk"}
                                     << QStringList{"03-01=1.25 03-02=0.99 03-10=1.50"};
    QTest::newRow("ends today") << QStringList{"K0 1 2026-03-10"} << QStringList{}
                                << QStringList{"03-01=1.25 03-02=0.99 +offer"};
    QTest::newRow("ended days ago, dated the day after")
        << QStringList{"K0 1 2026-03-04"} << QStringList{"Milk"} << QStringList{"03-01=1.25 03-02=0.99 03-05=1.50"};
    QTest::newRow("two shops, the item named once")
        << QStringList{"K0 1 2026-03-09", "K0 3 2026-03-08"} << QStringList{"Milk"}
        << QStringList{"03-01=1.25 03-02=0.99 03-10=1.50", "03-01=0.90 03-02=0.99 03-09=1.50"};
    QTest::newRow("three items, one still on offer")
        << QStringList{"K4 2 2026-03-01", "K1 2 2026-03-10", "K0 1 2026-03-09"} << QStringList{"Milk", "Soap"}
        << QStringList{"03-01=3.00 03-02=0.99 03-02=1.50", "03-01=2.00 03-02=0.99 +offer",
                       "03-01=1.25 03-02=0.99 03-10=1.50"};
}

void DocumentTest::offersEndAfterTheirLastDay() {
    QFETCH(QStringList, offers);
    QFETCH(QStringList, names);
    QFETCH(QStringList, points);
    Document document;
    QDate day(2026, 3, 1);
    document.today = [&] { return day; };
    fill(document);
    document.setPrice("K1", 2, "2.00");
    document.setPrice("K4", 2, "3.00");
    day = day.addDays(1);
    for (const QString& offer : offers) {
        const QStringList parts = offer.split(u' ');
        std::array<std::optional<Document::Offer>, Document::ShopCount> changes;
        changes[parts[1].toInt() - 1] = Document::Offer{QDate::fromString(parts[2], Qt::ISODate), "1.50"};
        document.setPrice(parts[0], parts[1].toInt(), "0.99");
        document.setOffers(parts[0], changes);
    }
    const auto describeOffers = [&] {
        QStringList texts;
        for (const QString& offer : offers) {
            const QString key = offer.section(u' ', 0, 0);
            const int shop = offer.section(u' ', 1, 1).toInt();
            QStringList points;
            for (const Document::PricePoint& point : document.priceHistory(key, shop))
                points << point.date.toString("MM-dd") + "=" + point.price;
            if (document.prices(key).offers[shop - 1])
                points << "+offer";
            texts << points.join(u' ');
        }
        return texts;
    };
    const QStringList before = describeOffers();
    const QDate today(2026, 3, 10);
    document.beginStep();
    QCOMPARE(document.endOffers(today), names);
    const Document::Step step = document.endStep();
    QCOMPARE(describeOffers(), points);
    document.undo(step);
    QCOMPARE(describeOffers(), before);
    document.redo(step);
    QCOMPARE(describeOffers(), points);
    QCOMPARE(document.endOffers(today), QStringList());
}

// A shrinking pack: the same price for less. The history keeps each price's pack, so unit prices over time show it.
void DocumentTest::historyKeepsWhatEachPriceBought() {
    Document document;
    QDate today(2026, 1, 1);
    document.today = [&] { return today; };
    const QString key = document.addItem(0, 0, QStringLiteral("Coffee"));
    const auto setPack = [&](const QString& pack) {
        std::array<std::optional<QString>, Store::ShopCount> packs;
        packs[0] = pack;
        document.setPacks(key, packs);
    };
    document.setPrice(key, 1, QStringLiteral("2.99"));
    setPack(QStringLiteral("500 g"));
    setPack(QStringLiteral("450 g")); // the same day: only completes today's price
    today = QDate(2026, 2, 10);
    setPack(QStringLiteral("400 g"));
    today = QDate(2026, 3, 1);
    document.setPrice(key, 1, QStringLiteral("3.19"));
    QStringList points;
    for (const Document::PricePoint& point : document.priceHistory(key, 1))
        points << point.date.toString(Qt::ISODate) + QLatin1Char(' ') + point.price + QLatin1Char(' ') + point.pack;
    QCOMPARE(points, (QStringList{"2026-01-01 2.99 450 g", "2026-02-10 2.99 400 g", "2026-03-01 3.19 400 g"}));
    QCOMPARE(document.store().ReadValue(Store::priceHistoryKey(key, 1)),
             QStringLiteral("2026-01-01=2.99|450 g;2026-02-10=2.99|400 g"));
    // Another language's separators rewrite only the prices.
    QCOMPARE(
        Store::PriceRecord::rewriteHistory(QStringLiteral("2026-01-01=2,99|1,5 l;2026-02-10=3,10"),
                                           [](const QString& price) { return QString(price).replace(u',', u'.'); }),
        QStringLiteral("2026-01-01=2.99|1,5 l;2026-02-10=3.10"));
}

void DocumentTest::tripPlanSettings_data() {
    using Change = std::function<void(Document&)>;
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("settings"); // of shops 1 to 4: those used in plans and the trip costs; the plan size
    QTest::addColumn<QString>("stored");
    // Shops 1 and 2 have names, 3 and 4 none.
    QTest::newRow("a named shop left out") << Change([](Document& d) { d.setUsedInPlans(2, false); }) << "1;;2"
                                           << "PlanSkip2=True";
    QTest::newRow("an unnamed shop taken in") << Change([](Document& d) { d.setUsedInPlans(3, true); }) << "1 2 3;;2"
                                              << "PlanSkip3=False";
    QTest::newRow("defaults store nothing") << Change([](Document& d) {
        d.setUsedInPlans(1, true);
        d.setUsedInPlans(4, false);
        d.setTripCost(1, "");
        d.setPlanSize(2);
    }) << "1 2;;2"
                                            << "";
    QTest::newRow("a trip cost, one taken away and three shops") << Change([](Document& d) {
        d.setTripCost(3, "2.50");
        d.setTripCost(4, "1.00");
        d.setTripCost(4, "");
        d.setPlanSize(3);
    }) << "1 2;3=2.50;3"
                                                                 << "PlanShops=3 TripCost3=2.50";
    QTest::newRow("a plan size beyond three") << Change([](Document& d) { d.setPlanSize(7); }) << "1 2;;3"
                                              << "PlanShops=3";
}

void DocumentTest::tripPlanSettings() {
    QFETCH(std::function<void(Document&)>, change);
    QFETCH(QString, settings);
    QFETCH(QString, stored);
    Document document;
    document.renameShop(1, "Market");
    document.renameShop(2, "Corner");
    const auto describe = [&] {
        QStringList used;
        QStringList trips;
        for (int s = 1; s <= 4; ++s) {
            if (document.usedInPlans(s))
                used << QString::number(s);
            if (!document.tripCost(s).isEmpty())
                trips << QString::number(s) + "=" + document.tripCost(s);
        }
        QStringList keys;
        document.store().forEach({}, [&](const QString& key, const QString& value) {
            if (key.startsWith("Plan") || key.startsWith("TripCost"))
                keys << key + "=" + value;
        });
        return QStringList{
            QStringList{used.join(u' '), trips.join(u' '), QString::number(document.planSize())}.join(u';'),
            keys.join(u' ')};
    };
    const QStringList before = describe();
    QSignalSpy changed(&document, &Document::changed);
    document.beginStep();
    change(document);
    const Document::Step step = document.endStep();
    const QStringList after{settings, stored};
    QCOMPARE(describe(), after);
    QCOMPARE(changed.isEmpty(), step.edits.empty());
    document.undo(step);
    QCOMPARE(describe(), before);
    document.redo(step);
    QCOMPARE(describe(), after);
}

QTEST_GUILESS_MAIN(DocumentTest)
#include "document_test.moc"
