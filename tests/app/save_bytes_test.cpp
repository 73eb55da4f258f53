// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Saving, byte for byte: a window started over a data file and saved at once writes exactly the bytes kept in
// tests/app/save_bytes/, for sound files and for each kind of damage start-up repairs. Any change to what a save
// writes, however small, shows here. After a deliberate change of the file format, run the test once with
// PANTROVA_WRITE_GOLDEN=1 to write the new files, and review their difference before keeping them.
#include "config_file.h"
#include "data_files.h"
#include "scripted_prompts.h"
#include "window_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Values = QMap<QString, QString>;

QString goldenPath(const QString& name) {
    return QStringLiteral(PANTROVA_SAVE_BYTES_DIR "/") + name + QStringLiteral(".dat");
}

// Every shop slot present and empty: the file has shops, so no question is asked.
Values withShopSlots(Values values) {
    for (int shop = 1; shop <= 20; ++shop)
        values.insert(QStringLiteral("Shop%1").arg(shop), values.value(QStringLiteral("Shop%1").arg(shop)));
    return values;
}

Values soundValues() {
    return withShopSlots({{"NextKey", "9"},
                          {"Symbol", "€"},
                          {"Shop1", "Corner Shop"},
                          {"Shop2", "Market \"Hall\""},
                          {"Shop5", "Bäckerei Müller"},
                          {"L0", "3"},
                          {"L0n", "Weekly"},
                          {"L0i1", "Milk"},
                          {"L0q1", "2"},
                          {"L0c1", "True"},
                          {"L0k1", "K0"},
                          {"L0i2", "Tea \\ bags"},
                          {"L0q2", ""},
                          {"L0c2", "False"},
                          {"L0k2", "K1"},
                          {"L0i3", "Crème fraîche"},
                          {"L0q3", "1.5"},
                          {"L0c3", "True"},
                          {"L0k3", "K4"},
                          {"L1", "1"},
                          {"L1n", "Party"},
                          {"L1i1", "Crisps"},
                          {"L1q1", " "},
                          {"L1c1", "False"},
                          {"L1k1", "K2"},
                          {"L2", "0"},
                          {"L2n", "Garden"},
                          {"L3", "2"},
                          {"L3n", "Chemist"},
                          {"L3i1", "Soap"},
                          {"L3q1", "4"},
                          {"L3c1", "True"},
                          {"L3k1", "K7"},
                          {"L3i2", "Plasters"},
                          {"L3q2", "1"},
                          {"L3c2", "False"},
                          {"L3k2", "K8"},
                          {"K0_1", "1.25"},
                          {"K0_2", "1.19"},
                          {"K0_5", "1,234.50"},
                          {"K1_2", "2.00"},
                          {"K4_1", "0.89"},
                          {"K4_20", "0.95"},
                          {"K7_2", "n/a"},
                          {"K8_5", "3.10"}});
}

// A file in the layout of the first versions: no NextKey and no item keys, so every item gets a new key.
Values olderValues() {
    return withShopSlots({{"Shop1", "Corner Shop"},
                          {"L0", "2"},
                          {"L0n", "Weekly"},
                          {"L0i1", "Milk"},
                          {"L0c1", "True"},
                          {"L0i2", "Bread"},
                          {"L0q2", "1"},
                          {"L0c2", "False"},
                          {"L1", "0"},
                          {"L2", "1"},
                          {"L2i1", "Soap"},
                          {"L2c1", "False"},
                          {"L3", "0"}});
}

Values changed(Values values, const Values& changes, const QStringList& removed = {}) {
    for (auto it = changes.begin(); it != changes.end(); ++it)
        values.insert(it.key(), it.value());
    for (const QString& key : removed)
        values.remove(key);
    return values;
}

// A file written under German separators: its prices and decimal quantities are read in that form.
QByteArray germanFile() {
    ConfigFile store;
    const Values values = withShopSlots(
        {{"NextKey", "3"},     {"Shop1", "Laden"}, {"Shop2", "Markt"}, {"L0", "3"},        {"L0n", "Woche"},
         {"L0i1", "Kaffee"},   {"L0q1", "1,5"},    {"L0c1", "True"},   {"L0k1", "K0"},     {"L0i2", "Zucker"},
         {"L0q2", "2.5"},      {"L0c2", "False"},  {"L0k2", "K1"},     {"L0i3", "Mehl"},   {"L0q3", "3"},
         {"L0c3", "True"},     {"L0k3", "K2"},     {"L1", "0"},        {"L2", "0"},        {"L3", "0"},
         {"K0_1", "1.234,50"}, {"K0_2", "0,99"},   {"K1_1", "12"},     {"K1_2", "keiner"}, {"K2_2", "1.000.000,00"}});
    for (auto it = values.begin(); it != values.end(); ++it)
        store.WriteValue(it.key(), it.value());
    store.setNumbers(Money::Conventions{QStringLiteral(","), QStringLiteral(".")});
    return store.toBytes();
}

// The first line where the two texts differ, for a readable failure.
QString firstDifference(const QByteArray& actual, const QByteArray& expected) {
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i) {
        const QByteArray got = a.value(i, "<end of file>");
        const QByteArray want = e.value(i, "<end of file>");
        if (got != want)
            return QStringLiteral("line %1: saved '%2', expected '%3'")
                .arg(i + 1)
                .arg(QString::fromUtf8(got), QString::fromUtf8(want));
    }
    return QStringLiteral("same lines, different bytes");
}

} // namespace

class SaveBytesTest : public QObject {
    Q_OBJECT

private slots:
    void savedBytesAreKnown_data();
    void savedBytesAreKnown();
};

void SaveBytesTest::savedBytesAreKnown_data() {
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray sound = dataFileBytes(soundValues());
    QTest::newRow("sound") << sound;
    QTest::newRow("older-without-keys") << dataFileBytes(olderValues());
    QTest::newRow("duplicate-keys") << dataFileBytes(
        changed(soundValues(), {{"L0k2", "K0"}, {"L1k1", "K0"}, {"K1_1", "7.77"}}));
    QTest::newRow("unusable-key") << dataFileBytes(changed(soundValues(), {{"L0k2", "banana"}, {"L3k1", "K-3"}}));
    QTest::newRow("count-above-items") << dataFileBytes(changed(soundValues(), {{"L1", "4"}, {"L2", "2"}}));
    QTest::newRow("truncated") << sound.left(sound.size() * 2 / 3);
    QTest::newRow("german-separators") << germanFile();
    QTest::newRow("no-shops") << dataFileBytes(changed(soundValues(), {}, [] {
        QStringList shops;
        for (int shop = 1; shop <= 20; ++shop)
            shops << QStringLiteral("Shop%1").arg(shop);
        return shops;
    }()));
}

void SaveBytesTest::savedBytesAreKnown() {
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Pantrova.dat"));
    writeFile(file, bytes);
    ScriptedPrompts prompts;
    for (int i = 0; i < 4; ++i)
        prompts.answerNext(UserPrompts::Answer::No); // every question at start-up: the shops, a backup

    QByteArray saved;
    {
        MainWindow window(dir.path(), &prompts);
        QVERIFY(window.save());
        controls(window).exitWithoutSaving->trigger();
        saved = readFile(file);
    }
    QVERIFY(!saved.isEmpty());

    const QString golden = goldenPath(QString::fromLatin1(QTest::currentDataTag()));
    if (qEnvironmentVariable("PANTROVA_WRITE_GOLDEN") == QLatin1String("1")) {
        QVERIFY(QDir().mkpath(QFileInfo(golden).path()));
        writeFile(golden, saved);
        qInfo("wrote %s", qPrintable(golden));
        return;
    }
    QVERIFY2(QFile::exists(golden), qPrintable(golden + QStringLiteral(" is missing")));
    const QByteArray expected = readFile(golden);
    QVERIFY2(saved == expected, qPrintable(firstDifference(saved, expected)));
}

QTEST_MAIN(SaveBytesTest)
#include "save_bytes_test.moc"
