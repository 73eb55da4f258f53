// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The window's part in keeping the data safe: looking is no change, a change reaches the recovery file by
// itself, and each way the window ends (File, Save; closing; File, Exit without Saving) removes that file. The
// accidents themselves are tested on the data's safety alone (tests/store/data_safety_test.cpp).
#include "data_files.h"
#include "scripted_prompts.h"
#include "window_fixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray withShops() {
    QMap<QString, QString> values{{"L0n", "Weekly"}};
    for (int shop = 1; shop <= 20; ++shop)
        values.insert(QStringLiteral("Shop%1").arg(shop), QStringLiteral("Shop %1").arg(shop));
    return dataFileBytes(values);
}

} // namespace

class DataSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void recoveryFileEndsWithTheSession_data();
    void recoveryFileEndsWithTheSession();
};

void DataSafetyTest::recoveryFileEndsWithTheSession_data() {
    QTest::addColumn<QString>("ending");
    QTest::newRow("File Save") << "save";
    QTest::newRow("closing") << "close";
    QTest::newRow("Exit without Saving") << "discard";
}

void DataSafetyTest::recoveryFileEndsWithTheSession() {
    QFETCH(QString, ending);
    QTemporaryDir dir;
    const QString dataFile = dir.filePath(QStringLiteral("Pantrova.dat"));
    const QString recoveryFile = dataFile + QStringLiteral(".recovery");
    writeFile(dataFile, withShops());
    ScriptedPrompts prompts;
    auto window = std::make_unique<MainWindow>(dir.path(), &prompts);
    controls(*window).compare(); // looking is no change
    QVERIFY(!window->hasUnsavedChanges());
    window->document().setListName(2, QStringLiteral("Party"));
    QVERIFY(window->hasUnsavedChanges());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(recoveryFile), 10000);
    if (ending == QLatin1String("save"))
        QVERIFY(window->save());
    else if (ending == QLatin1String("close"))
        QVERIFY(window->close());
    else
        controls(*window).exitWithoutSaving->trigger();
    QVERIFY(!QFile::exists(recoveryFile));
    ConfigFile onDisk;
    QVERIFY(onDisk.LoadFrom(dataFile).ok());
    QCOMPARE(onDisk.ReadValue(QStringLiteral("L2n")) == QLatin1String("Party"), ending != QLatin1String("discard"));
    controls(*window).exitWithoutSaving->trigger();
}

QTEST_MAIN(DataSafetyTest)
#include "data_safety_test.moc"
