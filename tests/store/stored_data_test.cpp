// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Reading the stored lists at start-up: item keys for older files, missing values, stored texts converted to
// check marks and numbers, and the repairs made to damaged stores.
#include "config_file.h"
#include "data_files.h"
#include "stored_data.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QSet>

#include <QTest>

using namespace Store;

namespace {

ConfigFile storeWith(const QMap<QString, QString>& values) {
    ConfigFile store;
    for (auto it = values.begin(); it != values.end(); ++it)
        store.WriteValue(it.key(), it.value());
    return store;
}

QStringList keysOf(const StoredList& list) {
    QStringList keys;
    for (const StoredItem& item : list.items)
        keys << item.key;
    return keys;
}

} // namespace

class StoredDataTest : public QObject {
    Q_OBJECT

private slots:
    void keyNamesAreExact();
    void checkMarks_data();
    void checkMarks();
    void itemKeyNumbers_data();
    void itemKeyNumbers();
    void olderFileGetsKeysInReadingOrder();
    void soundFileIsReadAndRemovedFromStore();
    void absentListsAreEmptyWithoutComplaint();
    void numbersKeepTheirValueInAnyLanguage_data();
    void numbersKeepTheirValueInAnyLanguage();
    void repairs_data();
    void repairs();
    void duplicateKeyGetsNewKeyWithCopiedPrices();
    void hostileFilesLoadFast_data();
    void hostileFilesLoadFast();
};

void StoredDataTest::keyNamesAreExact() {
    QCOMPARE(itemNamePrefix(1) + QString::number(3), QStringLiteral("L1i3"));
    QCOMPARE(itemQuantityPrefix(0), QStringLiteral("L0q"));
    QCOMPARE(itemCheckPrefix(2), QStringLiteral("L2c"));
    QCOMPARE(itemKeyPrefix(3), QStringLiteral("L3k"));
    QCOMPARE(listNameKey(2), QStringLiteral("L2n"));
    QCOMPARE(listCountKey(3), QStringLiteral("L3"));
    QCOMPARE(shopNameKey(20), QStringLiteral("Shop20"));
    QCOMPARE(priceKey(itemKey(12), 3), QStringLiteral("K12_3"));
    QCOMPARE(priceKey(itemKey(11), 1), QStringLiteral("K11_1"));
}

void StoredDataTest::checkMarks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // 1 true, 0 false, -1 no check mark
    QTest::newRow("True") << "True" << 1;
    QTest::newRow("FALSE") << "FALSE" << 0;
    QTest::newRow("tRuE") << "tRuE" << 1;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("minus one") << "-1" << 1;
    QTest::newRow("decimal") << "2.5" << 1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("word") << "yes" << -1;
    QTest::newRow("nan") << "nan" << -1;
    QTest::newRow("marker") << "[NOT FOUND]" << -1;
}

void StoredDataTest::checkMarks() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<bool> mark = toCheckMark(text);
    QCOMPARE(mark.has_value() ? int(*mark) : -1, expected);
}

void StoredDataTest::itemKeyNumbers_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("expected"); // -1: not an item key
    QTest::newRow("K0") << "K0" << 0;
    QTest::newRow("K17") << "K17" << 17;
    QTest::newRow("leading zero") << "K07" << -1;
    QTest::newRow("lower case") << "k7" << -1;
    QTest::newRow("sign") << "K-1" << -1;
    QTest::newRow("bare K") << "K" << -1;
    QTest::newRow("trailing text") << "K7x" << -1;
    QTest::newRow("too large") << "K99999999999" << -1;
    QTest::newRow("largest leaves no next key") << "K2147483647" << -1;
}

void StoredDataTest::itemKeyNumbers() {
    QFETCH(QString, key);
    QFETCH(int, expected);
    QCOMPARE(itemKeyNumber(key).value_or(-1), expected);
}

void StoredDataTest::olderFileGetsKeysInReadingOrder() {
    ConfigFile store = storeWith({{"Shop1", "Corner"},
                                  {"L0", "2"},
                                  {"L0i1", "Milk"},
                                  {"L0c1", "True"},
                                  {"L0q1", "2"},
                                  {"L0i2", "Bread"},
                                  {"L0c2", "False"},
                                  {"L1", "0"},
                                  {"L2", "1"},
                                  {"L2i1", "Soap"},
                                  {"L2c1", "0"},
                                  {"L3", "0"}});
    const StoredData data = readStoredData(store);
    QVERIFY(!data.keysStored);
    QVERIFY(data.problems.isEmpty());
    QCOMPARE(keysOf(data.lists[0]), QStringList({"K0", "K1"}));
    QCOMPARE(keysOf(data.lists[2]), QStringList({"K2"}));
    QCOMPARE(data.nextKey, 3);
    QCOMPARE(data.lists[0].items[1].quantity, QStringLiteral(" ")); // missing quantity reads as one blank
    QVERIFY(data.lists[0].items[0].checked);
    QCOMPARE(data.lists[1].name, ConfigFile::NotFound); // a missing list name shows the marker
}

void StoredDataTest::soundFileIsReadAndRemovedFromStore() {
    ConfigFile store = storeWith({{"NextKey", "8"},
                                  {"L0", "1"},
                                  {"L0n", "Weekly"},
                                  {"L0i1", "Milk"},
                                  {"L0q1", ""},
                                  {"L0c1", "False"},
                                  {"L0k1", "K7"},
                                  {"L0i2", "Stale row"},
                                  {"L1", "0"},
                                  {"L2", "0"},
                                  {"L3", "0"},
                                  {"K7_3", "1.10"},
                                  {"Symbol", "EUR"}});
    const StoredData data = readStoredData(store);
    QVERIFY(data.problems.isEmpty());
    QVERIFY(data.keysStored);
    QVERIFY(!data.shopsKnown);
    QCOMPARE(data.nextKey, 8);
    QCOMPARE(data.lists[0].name, QStringLiteral("Weekly"));
    QCOMPARE(data.lists[0].items.size(), size_t(1));
    QCOMPARE(data.lists[0].items[0].quantity, QString());
    QCOMPARE(data.lists[0].items[0].key, QStringLiteral("K7"));
    // What stays in the store: prices, the symbol, the counter, list names and rows beyond the count.
    QCOMPARE(store.ReadValue("L0"), ConfigFile::NotFound);
    QCOMPARE(store.ReadValue("L0i1"), ConfigFile::NotFound);
    QCOMPARE(store.ReadValue("L0k1"), ConfigFile::NotFound);
    QCOMPARE(store.ReadValue("L0i2"), QStringLiteral("Stale row"));
    QCOMPARE(store.ReadValue("K7_3"), QStringLiteral("1.10"));
    QCOMPARE(store.ReadValue("Symbol"), QStringLiteral("EUR"));
}

void StoredDataTest::absentListsAreEmptyWithoutComplaint() {
    ConfigFile store = storeWith({{"Shop1", "Corner"}, {"Shop2", ""}});
    const StoredData data = readStoredData(store);
    QVERIFY(data.problems.isEmpty());
    QVERIFY(data.shopsKnown);
    QCOMPARE(data.shopNames[0], QStringLiteral("Corner"));
    QCOMPARE(data.shopNames[2], ConfigFile::NotFound);
    for (const StoredList& list : data.lists)
        QVERIFY(list.items.empty());
}

void StoredDataTest::numbersKeepTheirValueInAnyLanguage_data() {
    QTest::addColumn<QString>("writtenUnder"); // empty: a file that records no separators
    QTest::addColumn<QString>("openedUnder");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("read"); // what the store holds after reading, in the opening language's form
    QTest::newRow("grouped price, English to German") << "en_GB"
                                                      << "de_DE"
                                                      << "K1_1"
                                                      << "1,234.50"
                                                      << "1.234,50";
    QTest::newRow("price, English to German") << "en_GB"
                                              << "de_DE"
                                              << "K1_2"
                                              << "1.10"
                                              << "1,10";
    QTest::newRow("grouped price, English to French")
        << "en_GB"
        << "fr_FR"
        << "K1_1"
        << "1,234.50" << QLocale(QStringLiteral("fr_FR")).toString(1234.5, 'f', 2);
    QTest::newRow("price, German to English") << "de_DE"
                                              << "en_GB"
                                              << "K7_20"
                                              << "2,49"
                                              << "2.49";
    QTest::newRow("grouped price, French to German")
        << "fr_FR"
        << "de_DE"
        << "K1_1" << QLocale(QStringLiteral("fr_FR")).toString(1234.5, 'f', 2) << "1.234,50";
    QTest::newRow("decimal quantity, English to German") << "en_GB"
                                                         << "de_DE"
                                                         << "L0q1"
                                                         << "1.5"
                                                         << "1,5";
    QTest::newRow("whole quantity") << "en_GB"
                                    << "de_DE"
                                    << "L0q1"
                                    << "12"
                                    << "12";
    QTest::newRow("name that looks like a number") << "en_GB"
                                                   << "de_DE"
                                                   << "L0i1"
                                                   << "1.5"
                                                   << "1.5";
    QTest::newRow("price that is no number") << "en_GB"
                                             << "de_DE"
                                             << "K1_1"
                                             << "about 3"
                                             << "about 3";
    QTest::newRow("badly grouped price") << "en_GB"
                                         << "de_DE"
                                         << "K1_1"
                                         << "12,34"
                                         << "12,34";
    QTest::newRow("file without a record") << ""
                                           << "de_DE"
                                           << "K1_1"
                                           << "2,49"
                                           << "2,49";
    QTest::newRow("same language") << "de_DE"
                                   << "de_DE"
                                   << "K1_1"
                                   << "1.234,50"
                                   << "1.234,50";
}

void StoredDataTest::numbersKeepTheirValueInAnyLanguage() {
    QFETCH(QString, writtenUnder);
    QFETCH(QString, openedUnder);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, read);
    ConfigFile store = storeWith({{"NextKey", "8"}, {"L0", "1"}, {"L0i1", "Milk"}, {"L0c1", "True"}, {"L0k1", "K1"}});
    store.WriteValue(key, stored);
    if (!writtenUnder.isEmpty()) {
        QLocale::setDefault(QLocale(writtenUnder));
        store.setNumbers(Money::current());
    }
    QLocale::setDefault(QLocale(openedUnder));
    const StoredData data = readStoredData(store);
    QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    const QString value = key.startsWith(QLatin1String("K")) ? store.ReadValue(key)
                          : key == QLatin1String("L0q1")     ? data.lists[0].items[0].quantity
                                                             : data.lists[0].items[0].name;
    QCOMPARE(value, read);
    QCOMPARE(store.numbers(), std::optional(Money::Conventions{QLocale(openedUnder).decimalPoint(),
                                                               QLocale(openedUnder).groupSeparator()}));
}

void StoredDataTest::repairs_data() {
    using Values = QMap<QString, QString>;
    QTest::addColumn<Values>("values");
    QTest::addColumn<QStringList>("list0Names");
    QTest::addColumn<QStringList>("list0Keys");
    QTest::addColumn<int>("nextKey");

    const Values base{{"NextKey", "5"}, {"L1", "0"}, {"L2", "0"}, {"L3", "0"}};
    auto with = [&](const Values& more) {
        Values v = base;
        for (auto it = more.begin(); it != more.end(); ++it)
            v.insert(it.key(), it.value());
        return v;
    };
    // An unusable count hides none of the items that are there.
    QTest::newRow("count not a number") << with({{"L0", "two"}, {"L0i1", "Milk"}, {"L0c1", "0"}, {"L0k1", "K1"}})
                                        << QStringList({"Milk"}) << QStringList({"K1"}) << 5;
    QTest::newRow("count out of range")
        << with({{"L0", "99999999999"}, {"L0i1", "Milk"}, {"L0c1", "0"}, {"L0k1", "K1"}, {"L0i3", "Tea"}})
        << QStringList({"Milk", "Tea"}) << QStringList({"K1", "K5"}) << 6;
    QTest::newRow("count missing beside items")
        << with({{"L0i1", "Milk"}}) << QStringList({"Milk"}) << QStringList({"K5"}) << 6;
    QTest::newRow("negative count") << with({{"L0", "-3"}}) << QStringList() << QStringList() << 5;
    QTest::newRow("huge count") << with({{"L0", "2147483647"}, {"L0i1", "Milk"}, {"L0c1", "0"}, {"L0k1", "K1"}})
                                << QStringList({"Milk"}) << QStringList({"K1"}) << 5;
    QTest::newRow("count above items present") << with({{"L0", "3"}, {"L0i1", "Milk"}, {"L0c1", "0"}, {"L0k1", "K1"}})
                                               << QStringList({"Milk"}) << QStringList({"K1"}) << 5;
    QTest::newRow("check mark neither true nor false")
        << with({{"L0", "1"}, {"L0i1", "Milk"}, {"L0c1", "maybe"}, {"L0k1", "K1"}}) << QStringList({"Milk"})
        << QStringList({"K1"}) << 5;
    QTest::newRow("NextKey not a number")
        << with({{"NextKey", "lots"}, {"L0", "1"}, {"L0i1", "Milk"}, {"L0c1", "0"}, {"L0k1", "K4"}})
        << QStringList({"Milk"}) << QStringList({"K4"}) << 5;
    QTest::newRow("NextKey below a key in use") << with({{"NextKey", "2"},
                                                         {"L0", "2"},
                                                         {"L0i1", "Milk"},
                                                         {"L0c1", "0"},
                                                         {"L0k1", "K9"},
                                                         {"L0i2", "Tea"},
                                                         {"L0c2", "0"},
                                                         {"L0k2", "K3"}})
                                                << QStringList({"Milk", "Tea"}) << QStringList({"K9", "K3"}) << 10;
    QTest::newRow("key just below the counter's limit")
        << with({{"L0", "1"}, {"L0i1", "Milk"}, {"L0c1", "0"}, {"L0k1", "K2147483646"}}) << QStringList({"Milk"})
        << QStringList({"K2147483646"}) << 2147483647;
    QTest::newRow("counter used up, key unusable")
        << with({{"NextKey", "2147483647"},
                 {"L0", "2"},
                 {"L0i1", "Milk"},
                 {"L0c1", "0"},
                 {"L0k1", "K0"},
                 {"L0i2", "Tea"},
                 {"L0c2", "0"},
                 {"L0k2", "Tea"},
                 {"K1_3", "1.00"}})
        << QStringList({"Milk", "Tea"}) << QStringList({"K0", "K2"}) << 2147483647;
    QTest::newRow("name missing beside the item's other keys")
        << with({{"L0", "1"}, {"L0c1", "0"}, {"L0k1", "K4"}}) << QStringList({"[NOT FOUND]"}) << QStringList({"K4"})
        << 5;
    QTest::newRow("item key unusable") << with({{"L0", "1"}, {"L0i1", "Milk"}, {"L0c1", "0"}, {"L0k1", "Milk"}})
                                       << QStringList({"Milk"}) << QStringList({"K5"}) << 6;
}

void StoredDataTest::repairs() {
    using Values = QMap<QString, QString>;
    QFETCH(Values, values);
    QFETCH(QStringList, list0Names);
    QFETCH(QStringList, list0Keys);
    QFETCH(int, nextKey);

    ConfigFile store = storeWith(values);
    const StoredData data = readStoredData(store);
    QVERIFY2(!data.problems.isEmpty(), "a repair must be reported");
    QStringList names;
    for (const StoredItem& item : data.lists[0].items)
        names << item.name;
    QCOMPARE(names, list0Names);
    QCOMPARE(keysOf(data.lists[0]), list0Keys);
    QCOMPARE(data.nextKey, nextKey);
    for (const StoredItem& item : data.lists[0].items)
        QVERIFY(!item.checked);
}

void StoredDataTest::duplicateKeyGetsNewKeyWithCopiedPrices() {
    ConfigFile store = storeWith({{"NextKey", "4"},
                                  {"L0", "1"},
                                  {"L0i1", "Milk"},
                                  {"L0c1", "0"},
                                  {"L0k1", "K3"},
                                  {"L1", "1"},
                                  {"L1i1", "Tea"},
                                  {"L1c1", "1"},
                                  {"L1q1", "2"},
                                  {"L1k1", "K3"},
                                  {"L2", "0"},
                                  {"L3", "0"},
                                  {"K3_2", "1.00"},
                                  {"K3_5", "2.50"}});
    const StoredData data = readStoredData(store);
    QCOMPARE(data.problems.size(), 1);
    QCOMPARE(data.lists[0].items[0].key, QStringLiteral("K3"));
    QCOMPARE(data.lists[1].items[0].key, QStringLiteral("K4"));
    QCOMPARE(data.nextKey, 5);
    QCOMPARE(store.ReadValue("K4_2"), QStringLiteral("1.00"));
    QCOMPARE(store.ReadValue("K4_5"), QStringLiteral("2.50"));
    QCOMPARE(store.ReadValue("K4_1"), ConfigFile::NotFound);
}

void StoredDataTest::hostileFilesLoadFast_data() {
    using Values = QMap<QString, QString>;
    QTest::addColumn<Values>("values");
    QTest::addColumn<int>("items"); // in list 0, each with a key of its own
    QTest::addColumn<QString>("lastName");

    // Every item needs a new key, and the counter has none left.
    Values unusableKeys{{"NextKey", "2147483647"}, {"L0", "20000"}, {"K0_1", "1.00"}};
    for (int i = 1; i <= 20000; ++i) {
        const QString at = QString::number(i);
        unusableKeys.insert("L0i" + at, "Item " + at);
        unusableKeys.insert("L0c" + at, "0");
        unusableKeys.insert("L0k" + at, "none");
    }
    QTest::newRow("20,000 unusable keys, counter used up") << unusableKeys << 20000 << "Item 20000";
    QTest::newRow("huge counts, an item far beyond the file's size")
        << Values{{"NextKey", "5"},     {"L0", "2000000000"}, {"L1", "2000000000"},  {"L2", "2000000000"},
                  {"L3", "2000000000"}, {"L0i1", "Milk"},     {"L0i1000000", "Tea"}, {"L0k1000000", "K3"}}
        << 2 << "Tea";
}

void StoredDataTest::hostileFilesLoadFast() {
    using Values = QMap<QString, QString>;
    QFETCH(Values, values);
    QFETCH(int, items);
    QFETCH(QString, lastName);
    const QByteArray bytes = dataFileBytes(values);
    QElapsedTimer timer;
    timer.start();
    ConfigFile store;
    QVERIFY(store.LoadFromBytes(bytes).ok());
    const StoredData data = readStoredData(store);
    // Generous on a busy machine, yet far below what work growing with the items squared or with a count takes.
    QCOMPARE_LT(timer.elapsed(), 1000);
    QCOMPARE(data.lists[0].items.size(), size_t(items));
    QCOMPARE(data.lists[0].items.back().name, lastName);
    const QStringList keys = keysOf(data.lists[0]);
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), items);
    QVERIFY(!keys.contains("K0")); // priced, though no item has it
}

QTEST_GUILESS_MAIN(StoredDataTest)
#include "stored_data_test.moc"
