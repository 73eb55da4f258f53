// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Numbers and money as the user types and sees them, in the current locale.
#include "money.h"

#include <QLocale>
#include <QTest>

class MoneyTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void numbers_data();
    void numbers();
    void formats_data();
    void formats();
    void followsTheLocale();
};

void MoneyTest::numbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::newRow("whole") << "2" << true << 2.0;
    QTest::newRow("decimal") << "1.25" << true << 1.25;
    QTest::newRow("grouped") << "1,234.5" << true << 1234.5;
    QTest::newRow("blanks around") << " 3 " << true << 3.0;
    QTest::newRow("negative") << "-1" << true << -1.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("one blank") << " " << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("hexadecimal") << "0x10" << false << 0.0;
    QTest::newRow("word") << "abc" << false << 0.0;
    QTest::newRow("too large for a double") << "1e400" << false << 0.0;
}

void MoneyTest::numbers() {
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    QCOMPARE(Money::isNumber(text), isNumber);
    if (isNumber)
        QCOMPARE(*Money::toNumber(text), value);
}

void MoneyTest::formats_data() {
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << "0.00";
    QTest::newRow("below one") << 0.5 << "0.50";
    QTest::newRow("whole") << 2.0 << "2.00";
    QTest::newRow("grouped") << 1234.5 << "1,234.50";
    QTest::newRow("millions") << 1234567.891 << "1,234,567.89";
    QTest::newRow("product of quantity and price") << 3 * 1.1 << "3.30";
}

void MoneyTest::formats() {
    QFETCH(double, amount);
    QFETCH(QString, expected);
    QCOMPARE(Money::format(amount), expected);
}

void MoneyTest::followsTheLocale() {
    // Entered prices keep about seven digits.
    QCOMPARE(Money::formatPrice(static_cast<float>(*Money::toNumber("1234567.89"))), QStringLiteral("1,234,567.88"));
    QCOMPARE(Money::plainNumber(3), QStringLiteral("3"));
    QCOMPARE(Money::plainNumber(2.5), QStringLiteral("2.5"));
    QCOMPARE(Money::plainNumber(100000), QStringLiteral("100000")); // never in exponent form

    // The C locale, common on servers, groups money too.
    QLocale::setDefault(QLocale::c());
    QCOMPARE(Money::format(1234.5), QStringLiteral("1,234.50"));

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(Money::format(1234.5), QStringLiteral("1.234,50"));
    QCOMPARE(*Money::toNumber("1,5"), 1.5);
    QCOMPARE(Money::plainNumber(2.5), QStringLiteral("2.5")); // quantities are written without separators
}

QTEST_GUILESS_MAIN(MoneyTest)
#include "money_test.moc"
