// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Pack sizes as typed in English and German, the form the data file keeps and shows again, and the unit prices
// they make.
#include "pack_size.h"

#include <QTest>

namespace {

QLocale localeOf(bool german) {
    return german ? QLocale(QLocale::German) : QLocale::c();
}

QString kindName(Pack::Kind kind) {
    return kind == Pack::Kind::Mass ? "mass" : kind == Pack::Kind::Volume ? "volume" : "count";
}

} // namespace

class PackSizeTest : public QObject {
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void storedAndShown_data();
    void storedAndShown();
    void unitPrices_data();
    void unitPrices();
};

void PackSizeTest::reading_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("german");
    QTest::addColumn<double>("amount"); // in g, ml or pieces; 0 when the text is refused
    QTest::addColumn<QString>("kind");
    QTest::newRow("grams") << "500 g" << false << 500.0 << "mass";
    QTest::newRow("milligrams") << "250 mg" << false << 0.25 << "mass";
    QTest::newRow("kilograms, German decimal comma") << "1,5 kg" << true << 1500.0 << "mass";
    QTest::newRow("ounces") << "16 oz" << false << 453.59237 << "mass";
    QTest::newRow("pounds") << "2 lb" << false << 907.18474 << "mass";
    QTest::newRow("millilitres in capitals") << "330 ML" << false << 330.0 << "volume";
    QTest::newRow("centilitres") << "75 cl" << false << 750.0 << "volume";
    QTest::newRow("decilitres") << "5 dl" << false << 500.0 << "volume";
    QTest::newRow("litres, a point in German too") << "1.5 l" << true << 1500.0 << "volume";
    QTest::newRow("litres, capital L") << "2 L" << false << 2000.0 << "volume";
    QTest::newRow("fluid ounces") << "16 fl oz" << false << 473.176473 << "volume";
    QTest::newRow("fluid ounces in one word") << "12 floz" << false << 354.88235475 << "volume";
    QTest::newRow("gallon") << "1 gal" << false << 3785.411784 << "volume";
    QTest::newRow("pcs") << "12 pcs" << false << 12.0 << "count";
    QTest::newRow("pc") << "1 pc" << false << 1.0 << "count";
    QTest::newRow("x") << "4 x" << false << 4.0 << "count";
    QTest::newRow("Stk") << "10 Stk" << true << 10.0 << "count";
    QTest::newRow("Stk.") << "10 Stk." << true << 10.0 << "count";
    QTest::newRow("bare number") << "6" << false << 6.0 << "count";
    QTest::newRow("multiplied") << "6 x 330 ml" << false << 1980.0 << "volume";
    QTest::newRow("multiplied without spaces") << "6x330ml" << false << 1980.0 << "volume";
    QTest::newRow("times sign, German decimals") << "4 \u00D7 0,33 l" << true << 1320.0 << "volume";
    QTest::newRow("no space before the unit") << "500g" << false << 500.0 << "mass";
    QTest::newRow("spaces around") << "  500   g " << false << 500.0 << "mass";
    QTest::newRow("the largest pack") << "1000 kg" << false << 1e6 << "mass";
    QTest::newRow("empty") << "" << false << 0.0 << "";
    QTest::newRow("word") << "abc" << false << 0.0 << "";
    QTest::newRow("unknown unit") << "5 stone" << false << 0.0 << "";
    QTest::newRow("zero") << "0 g" << false << 0.0 << "";
    QTest::newRow("negative") << "-1 kg" << false << 0.0 << "";
    QTest::newRow("English group separator") << "1,000 g" << false << 0.0 << "";
    QTest::newRow("German group separator") << "1.000,5 g" << true << 0.0 << "";
    QTest::newRow("comma in English") << "1,5 l" << false << 0.0 << "";
    QTest::newRow("above the largest") << "2000 kg" << false << 0.0 << "";
    QTest::newRow("two decimal points") << "1.5.2 l" << false << 0.0 << "";
    QTest::newRow("decimal point without decimals") << "1. l" << false << 0.0 << "";
    QTest::newRow("packs of part of a pack") << "1.5 x 2 l" << false << 0.0 << "";
    QTest::newRow("times without an amount") << "6 x ml" << false << 0.0 << "";
}

void PackSizeTest::reading() {
    QFETCH(QString, text);
    QFETCH(bool, german);
    QFETCH(double, amount);
    QFETCH(QString, kind);
    const std::optional<Pack::Size> size = Pack::read(text, localeOf(german));
    QCOMPARE(size ? size->amount : 0.0, amount);
    QCOMPARE(size ? kindName(size->kind) : QString(), kind);
}

void PackSizeTest::storedAndShown_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("german");
    QTest::addColumn<QString>("stored"); // empty: no pack
    QTest::addColumn<QString>("shown");  // of the stored text, or of the typed one when it is no pack
    QTest::newRow("spaces put in") << "6x330ml" << false << "6 x 330 ml"
                                   << "6 x 330 ml";
    QTest::newRow("German decimals stored with a point") << "1,5 l" << true << "1.5 l"
                                                         << "1,5 l";
    QTest::newRow("unit in the table's letter case") << "500G" << false << "500 g"
                                                     << "500 g";
    QTest::newRow("a unit's point is no decimal point") << "12 STK." << true << "12 Stk."
                                                        << "12 Stk.";
    QTest::newRow("times sign and decimals") << "4\u00D70,33L" << true << "4 x 0.33 l"
                                             << "4 x 0,33 l";
    QTest::newRow("spaces inside a unit") << "16  FL   oz" << false << "16 fl oz"
                                          << "16 fl oz";
    QTest::newRow("decimals kept as typed") << "0,50 kg" << true << "0.50 kg"
                                            << "0,50 kg";
    QTest::newRow("bare number") << " 6 " << false << "6"
                                 << "6";
    QTest::newRow("no pack is shown as it is") << "half a loaf" << true << ""
                                               << "half a loaf";
}

void PackSizeTest::storedAndShown() {
    QFETCH(QString, typed);
    QFETCH(bool, german);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    const QLocale locale = localeOf(german);
    QCOMPARE(Pack::stored(typed, locale), stored);
    QCOMPARE(Pack::shown(stored.isEmpty() ? typed : stored, locale), shown);
    // Whatever the language, the stored text means what was typed, and so does the shown one.
    QCOMPARE(Pack::read(stored, QLocale::c()), Pack::read(typed, locale));
    QCOMPARE(Pack::read(shown, locale), Pack::read(typed, locale));
    for (const QString& example : Pack::examples(locale).split(QStringLiteral(", ")))
        QVERIFY2(Pack::read(example, locale), qPrintable(example));
}

void PackSizeTest::unitPrices_data() {
    QTest::addColumn<double>("price");
    QTest::addColumn<QString>("pack"); // as stored
    QTest::addColumn<bool>("perHundred");
    QTest::addColumn<double>("unitPrice");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("unit");
    QTest::newRow("shrunk pack per kg") << 2.99 << "500 g" << false << 5.98 << "5.98"
                                        << "5,98"
                                        << "kg";
    QTest::newRow("shrunk pack per 100 g") << 2.99 << "500 g" << true << 0.598 << "0.60"
                                           << "0,60"
                                           << "100 g";
    QTest::newRow("per l") << 1.49 << "1.5 l" << false << 1.49 / 1.5 << "0.99"
                           << "0,99"
                           << "l";
    QTest::newRow("six cans per 100 ml") << 3.99 << "6 x 330 ml" << true << 3.99 / 19.8 << "0.20"
                                         << "0,20"
                                         << "100 ml";
    QTest::newRow("pounds per kg") << 4.0 << "2 lb" << false << 4000 / 907.18474 << "4.41"
                                   << "4,41"
                                   << "kg";
    QTest::newRow("pieces stay per piece") << 0.54 << "12 pcs" << true << 0.045 << "0.045"
                                           << "0,045"
                                           << "pc";
    QTest::newRow("below ten cents, three decimals") << 0.19 << "1.5 l" << true << 0.19 / 15 << "0.013"
                                                     << "0,013"
                                                     << "100 ml";
    QTest::newRow("just below ten cents shows two") << 0.0996 << "1" << false << 0.0996 << "0.10"
                                                    << "0,10"
                                                    << "pc";
    QTest::newRow("half a cent away from zero") << 0.125 << "1 x" << false << 0.125 << "0.13"
                                                << "0,13"
                                                << "pc";
    QTest::newRow("half a tenth of a cent away from zero") << 0.0625 << "1 pc" << false << 0.0625 << "0.063"
                                                           << "0,063"
                                                           << "pc";
    QTest::newRow("grouped") << 1999.0 << "1 g" << false << 1999000.0 << "1,999,000.00"
                             << "1.999.000,00"
                             << "kg";
}

void PackSizeTest::unitPrices() {
    QFETCH(double, price);
    QFETCH(QString, pack);
    QFETCH(bool, perHundred);
    QFETCH(double, unitPrice);
    QFETCH(QString, english);
    QFETCH(QString, german);
    QFETCH(QString, unit);
    const Pack::Per per = perHundred ? Pack::Per::Hundred : Pack::Per::Standard;
    const std::optional<Pack::Size> size = Pack::read(pack, QLocale::c());
    QVERIFY(size);
    const std::optional<double> value = Pack::unitPrice(price, *size, per);
    QVERIFY(value);
    QCOMPARE(*value, unitPrice);
    QCOMPARE(Pack::formatUnitPrice(*value, QLocale::c()), english);
    QCOMPARE(Pack::formatUnitPrice(*value, QLocale(QLocale::German)), german);
    QCOMPARE(Pack::unitName(size->kind, per), unit);
    QVERIFY(!Pack::unitPrice(price, Pack::Size{0, size->kind}, per));
}

QTEST_GUILESS_MAIN(PackSizeTest)
#include "pack_size_test.moc"
