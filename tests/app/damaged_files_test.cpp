// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Damaged data files: whatever is wrong, the window starts, says once what was wrong, keeps the original file
// unchanged beside it and loads everything it could read.
#include "data_files.h"
#include "list_view.h"
#include "scripted_prompts.h"
#include "store_layout.h"
#include "window_fixture.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Values = QMap<QString, QString>;

// A sound file with one list of two items; the rows below damage it in one way each.
Values soundValues() {
    Values values{{"NextKey", "2"}, {"L0", "2"},    {"L0n", "Weekly"}, {"L0i1", "Milk"}, {"L0q1", "2"},
                  {"L0c1", "True"}, {"L0k1", "K0"}, {"L0i2", "Tea"},   {"L0q2", ""},     {"L0c2", "False"},
                  {"L0k2", "K1"},   {"L1", "0"},    {"L2", "0"},       {"L3", "0"},      {"K0_1", "1.25"}};
    for (int shop = 1; shop <= 20; ++shop)
        values.insert(QStringLiteral("Shop%1").arg(shop), QString());
    return values;
}

QByteArray damaged(const Values& changes, const QStringList& removed = {}) {
    Values values = soundValues();
    for (auto it = changes.begin(); it != changes.end(); ++it)
        values.insert(it.key(), it.value());
    for (const QString& key : removed)
        values.remove(key);
    return dataFileBytes(values);
}

} // namespace

class DamagedFilesTest : public QObject {
    Q_OBJECT

private slots:
    void windowStartsAndKeepsWhatItCould_data();
    void windowStartsAndKeepsWhatItCould();
    void hugeItemNameIsNoDamage();
};

void DamagedFilesTest::windowStartsAndKeepsWhatItCould_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("list0");   // names loaded into list 1
    QTest::addColumn<QString>("messagePart"); // what the one message must mention

    const QByteArray sound = damaged({});
    const QStringList both{"Milk", "Tea"};
    QTest::newRow("empty file") << QByteArray() << QStringList() << "not valid JSON";
    QTest::newRow("truncated") << sound.left(sound.size() * 2 / 3) << QStringList() << "not valid JSON";
    QTest::newRow("not JSON") << QByteArray("[Lists]\nL0=2\n") << QStringList() << "not valid JSON";
    QTest::newRow("another program's JSON")
        << QByteArray(R"({"name": "settings", "theme": "dark"})") << QStringList() << "not a Pantrova data file";
    QTest::newRow("wrong format") << QByteArray(sound).replace("Pantrova data", "Pantrova notes") << QStringList()
                                  << "not a Pantrova data file";
    QTest::newRow("a value that is not text")
        << QByteArray(sound).replace(R"("L0n": "Weekly")", R"("L0n": 7)") << both << "not text";
    QTest::newRow("count not a number") << damaged({{"L0", "two"}}) << both << "no usable item count";
    QTest::newRow("negative count") << damaged({{"L0", "-5"}}) << both << "no usable item count";
    QTest::newRow("count out of range") << damaged({{"L0", "99999999999"}}) << both << "no usable item count";
    QTest::newRow("huge count") << damaged({{"L0", "2000000000"}}) << both << "claims";
    QTest::newRow("count above the items present") << damaged({{"L0", "4"}}) << both << "missing";
    QTest::newRow("check mark neither true nor false") << damaged({{"L0c1", "ja"}}) << both << "neither true";
    QTest::newRow("duplicate item keys") << damaged({{"L0k2", "K0"}}) << both << "shares the key";
    QTest::newRow("NextKey below a used key") << damaged({{"NextKey", "1"}}) << both << "below a key in use";
    QTest::newRow("NextKey not a number") << damaged({{"NextKey", "K2"}}) << both << "not a whole number";
}

void DamagedFilesTest::windowStartsAndKeepsWhatItCould() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, list0);
    QFETCH(QString, messagePart);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Pantrova.dat"));
    writeFile(file, bytes);
    ScriptedPrompts prompts;
    prompts.answerNext(UserPrompts::Answer::No); // a file without shops also asks for them

    MainWindow window(dir.path(), &prompts);
    int damageMessages = 0;
    for (const ScriptedPrompts::Shown& shown : prompts.shown)
        if (shown.title == QStringLiteral("Pantrova Error")) {
            ++damageMessages;
            QVERIFY2(shown.text.contains(messagePart), qPrintable(shown.text));
            QVERIFY(shown.text.contains(QStringLiteral("Pantrova.dat.damaged")));
        }
    QCOMPARE(damageMessages, 1);
    QCOMPARE(readFile(file + QStringLiteral(".damaged")), bytes);

    QStringList names;
    QStringList keys;
    for (const Item& item : window.document().items(0)) {
        names << item.name;
        keys << item.key;
    }
    QCOMPARE(names, list0);
    QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    for (const QString& key : keys)
        QVERIFY(Store::itemKeyNumber(key).value_or(INT_MAX) < window.document().nextKey());
    if (!list0.isEmpty())
        QCOMPARE(window.document().store().ReadValue(QStringLiteral("K0_1")), QStringLiteral("1.25"));

    // The next save writes a sound file, and the damaged original stays aside.
    QVERIFY(window.save());
    ConfigFile saved;
    QVERIFY(saved.LoadFrom(file).ok());
    QCOMPARE(readFile(file + QStringLiteral(".damaged")), bytes);
    controls(window).exitWithoutSaving->trigger();
}

void DamagedFilesTest::hugeItemNameIsNoDamage() {
    QTemporaryDir dir;
    const QString name(10 * 1024 * 1024, QLatin1Char('x'));
    writeFile(dir.filePath(QStringLiteral("Pantrova.dat")), damaged({{"L0i2", name}}));
    ScriptedPrompts prompts;
    MainWindow window(dir.path(), &prompts);
    QVERIFY(prompts.shown.isEmpty());
    QCOMPARE(window.document().item(0, 1).name.size(), name.size());
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("Pantrova.dat.damaged"))));
    controls(window).exitWithoutSaving->trigger();
}

QTEST_MAIN(DamagedFilesTest)
#include "damaged_files_test.moc"
