// The key/value store: what is written is read back after a save and a load, keys are exact, saving is
// atomic and repeatable, and damaged files are told apart from unreadable ones.
#include "config_file.h"
#include "data_files.h"

#include <QTemporaryDir>
#include <QTest>

class ConfigFileTest : public QObject {
    Q_OBJECT

private slots:
    void roundTripKeepsEveryValue();
    void absentKeysReadAsMarkerOrDefault();
    void arraysAddressExactKeys();
    void savingIsRepeatableAndKeepsBackup();
    void savingToAnImpossiblePathFails();
    void damagedFilesAreRecognised_data();
    void damagedFilesAreRecognised();
    void unreadableFileIsNotDamaged();

private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
};

void ConfigFileTest::roundTripKeepsEveryValue() {
    ConfigFile store;
    store.WriteValue(QStringLiteral("empty"), QString());
    store.WriteValue(QStringLiteral("blank"), QStringLiteral(" "));
    store.WriteValue(QStringLiteral("Symbol"), QStringLiteral("£ €\t\"quoted\"\n<b>&"));
    store.WriteValue(QStringLiteral("marker"), ConfigFile::NotFound);
    store.WriteValue(QStringLiteral("L0"), QStringLiteral("0"));
    store.IncrementValue(QStringLiteral("L0"));
    store.WriteArrayItem(QStringLiteral("L0"), QStringLiteral("L0c"), true);
    store.IncrementValue(QStringLiteral("L0"));
    store.WriteArrayItem(QStringLiteral("L0"), QStringLiteral("L0c"), false);
    QVERIFY(store.SaveTo(path(QStringLiteral("round.dat"))).ok);

    ConfigFile loaded;
    QVERIFY(loaded.LoadFrom(path(QStringLiteral("round.dat"))).ok());
    QCOMPARE(loaded.values(), store.values());
    QCOMPARE(loaded.ReadValue(QStringLiteral("empty"), QStringLiteral("default")), QString());
    QCOMPARE(loaded.ReadValue(QStringLiteral("L0")), QStringLiteral("2"));
    QCOMPARE(loaded.ReadValue(QStringLiteral("L0c1")), QStringLiteral("True"));
    QCOMPARE(loaded.ReadValue(QStringLiteral("L0c2")), QStringLiteral("False"));
    // Keys are case-sensitive.
    QCOMPARE(loaded.ReadValue(QStringLiteral("symbol")), ConfigFile::NotFound);
}

void ConfigFileTest::absentKeysReadAsMarkerOrDefault() {
    ConfigFile store;
    QCOMPARE(store.ReadValue(QStringLiteral("NextKey")), QStringLiteral("[NOT FOUND]"));
    QCOMPARE(store.ReadValue(QStringLiteral("Symbol"), QStringLiteral("£")), QStringLiteral("£"));
    store.DeleteValue(QStringLiteral("never there"));
    store.IncrementValue(QStringLiteral("fresh"));
    QCOMPARE(store.ReadValue(QStringLiteral("fresh")), QStringLiteral("1"));
    QCOMPARE(store.size(), 1);
}

void ConfigFileTest::arraysAddressExactKeys() {
    ConfigFile store;
    store.WriteValue(QStringLiteral("L0"), QStringLiteral("0"));
    for (int i = 1; i <= 10; ++i) {
        store.IncrementValue(QStringLiteral("L0"));
        store.WriteArrayItem(QStringLiteral("L0"), QStringLiteral("L0i"), QStringLiteral("item %1").arg(i));
    }
    QCOMPARE(store.ReadValue(QStringLiteral("L0i10")), QStringLiteral("item 10"));
    store.WriteValue(QStringLiteral("L0"), QStringLiteral("9"));
    store.DeleteArray(QStringLiteral("L0"), QStringLiteral("L0i"));
    QCOMPARE(store.ReadValue(QStringLiteral("L0i10")), QStringLiteral("item 10"));
    QCOMPARE(store.ReadValue(QStringLiteral("L0i1")), ConfigFile::NotFound);
    QCOMPARE(store.ReadValue(QStringLiteral("L0")), QStringLiteral("9"));
    QCOMPARE(store.size(), 2);
}

void ConfigFileTest::savingIsRepeatableAndKeepsBackup() {
    const QString file = path(QStringLiteral("repeat.dat"));
    ConfigFile store;
    store.WriteValue(QStringLiteral("b"), QStringLiteral("2"));
    store.WriteValue(QStringLiteral("a"), QStringLiteral("1"));
    QVERIFY(store.SaveTo(file).ok);
    const QByteArray first = readFile(file);
    QVERIFY(store.SaveTo(file).ok);
    QCOMPARE(readFile(file), first);

    ConfigFile reloaded;
    QVERIFY(reloaded.LoadFrom(file).ok());
    reloaded.WriteValue(QStringLiteral("c"), QStringLiteral("3"));
    QVERIFY(reloaded.SaveTo(file).ok);
    QCOMPARE(readFile(file + QStringLiteral(".bak")), first);
    QVERIFY(readFile(file) != first);
    QVERIFY(readFile(file).startsWith("{"));
}

void ConfigFileTest::savingToAnImpossiblePathFails() {
    const QString file = path(QStringLiteral("no such folder/Pantrova.dat"));
    ConfigFile store;
    store.WriteValue(QStringLiteral("a"), QStringLiteral("1"));
    const ConfigFile::SaveResult result = store.SaveTo(file);
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
}

void ConfigFileTest::damagedFilesAreRecognised_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("valuesKept");

    const QByteArray sound = dataFileBytes({{QStringLiteral("NextKey"), QStringLiteral("3")}});
    QTest::newRow("empty file") << QByteArray() << 0;
    QTest::newRow("truncated") << sound.left(sound.size() / 2) << 0;
    QTest::newRow("not JSON") << QByteArray("L0=3\nL0n=Weekly\n") << 0;
    QTest::newRow("another program's JSON") << QByteArray(R"({"name": "x", "values": {"a": "b"}})") << 0;
    QTest::newRow("JSON array") << QByteArray(R"([1, 2])") << 0;
    QTest::newRow("wrong format") << QByteArray(R"({"format": "Other data", "version": 1, "values": {"a": "b"}})") << 0;
    QTest::newRow("newer version") << QByteArray(R"({"format": "Pantrova data", "version": 2, "values": {"a": "b"}})")
                                   << 0;
    QTest::newRow("values not an object")
        << QByteArray(R"({"format": "Pantrova data", "version": 1, "values": "a"})") << 0;
    QTest::newRow("non-text values are left out")
        << QByteArray(R"({"format": "Pantrova data", "version": 1, "values": {"a": "b", "L0": 3, "c": null}})") << 1;
}

void ConfigFileTest::damagedFilesAreRecognised() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, valuesKept);
    const QString file = path(QStringLiteral("damaged.dat"));
    writeFile(file, bytes);
    ConfigFile store;
    store.WriteValue(QStringLiteral("stale"), QStringLiteral("from before"));
    const ConfigFile::LoadResult result = store.LoadFrom(file);
    QCOMPARE(result.status, ConfigFile::LoadResult::Status::Damaged);
    QVERIFY(!result.reason.isEmpty());
    QCOMPARE(store.size(), valuesKept);
}

void ConfigFileTest::unreadableFileIsNotDamaged() {
    ConfigFile store;
    const ConfigFile::LoadResult result = store.LoadFrom(path(QStringLiteral("missing.dat")));
    QCOMPARE(result.status, ConfigFile::LoadResult::Status::Unreadable);
    QVERIFY(!result.reason.isEmpty());
}

QTEST_GUILESS_MAIN(ConfigFileTest)
#include "config_file_test.moc"
