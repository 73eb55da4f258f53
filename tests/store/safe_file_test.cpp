// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Files on disk: special files are refused at once instead of blocking or reading forever, copies keep the data
// file's permissions and never take an existing name, and a save refuses to replace a file someone else changed.
#include "config_file.h"
#include "data_files.h"
#include "safe_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Permissions = QFileDevice::Permissions;

class SafeFileTest : public QObject {
    Q_OBJECT

private slots:
    void specialFilesAreRefusedAtOnce_data();
    void specialFilesAreRefusedAtOnce();
    void copiesKeepThePermissionsOfTheDataFile();
    void saveOptions_data();
    void saveOptions();
    void freshNamesNeverTakeAnExistingOne();
    void overlayStandsInForTheStoresPairs();
    void digestDoesNotDependOnPieces();
};

void SafeFileTest::specialFilesAreRefusedAtOnce_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("pipe") << "fifo"
                          << "not a regular file";
    QTest::newRow("link to a device") << "zero"
                                      << "not a regular file";
    QTest::newRow("folder") << "folder"
                            << "folder";
    QTest::newRow("dangling link") << "dangling"
                                   << "does not exist";
    QTest::newRow("far too large") << "huge"
                                   << "larger than";
}

void SafeFileTest::specialFilesAreRefusedAtOnce() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Pantrova.dat"));
    if (kind == QLatin1String("fifo"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("zero"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Pantrova.dat")));
    else if (kind == QLatin1String("dangling"))
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), path));
    else {
        QFile sparse(path); // takes no room on disk
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(SafeFile::DataFileLimit + 1));
    }
    QElapsedTimer clock;
    clock.start();
    ConfigFile store;
    const ConfigFile::LoadResult loaded = store.LoadFrom(path);
    QCOMPARE(loaded.status, ConfigFile::LoadResult::Status::Unreadable);
    QVERIFY2(loaded.reason.contains(reason), qPrintable(loaded.reason));

    // Nothing is ever written over such a file, nor through a link to one.
    store.WriteValue(QStringLiteral("L0n"), QStringLiteral("Weekly"));
    const ConfigFile::SaveResult saved = store.SaveTo(path);
    QVERIFY(!saved.ok);
    QVERIFY2(saved.error.contains(reason), qPrintable(saved.error));
    QVERIFY(clock.elapsed() < 5000);
    QVERIFY(!QFile::exists(path + QStringLiteral(".bak")));
}

void SafeFileTest::copiesKeepThePermissionsOfTheDataFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Pantrova.dat"));
    const Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    writeFile(path, dataFileBytes({{"L0n", "Private"}}));
    QVERIFY(QFile::setPermissions(path, ownerOnly));
    ConfigFile store;
    QVERIFY(store.LoadFrom(path).ok());
    QVERIFY(store.SaveTo(path).ok);
    for (const QString& name : {path, path + QStringLiteral(".bak")})
        QCOMPARE(QFileInfo(name).permissions() & 0x7077, ownerOnly & 0x7077);
    const QString copy = dir.filePath(QStringLiteral("copy"));
    QVERIFY(SafeFile::writeAtomically(copy, "x", SafeFile::permissionsOf(path)).isEmpty());
    QCOMPARE(QFileInfo(copy).permissions() & 0x7077, ownerOnly & 0x7077);
}

void SafeFileTest::saveOptions_data() {
    QTest::addColumn<bool>("refreshBackup");
    QTest::addColumn<QString>("expected"); // the digest the file must have: of "disk", of "other" bytes, "none"
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QByteArray>("backup"); // what .bak holds afterwards
    QTest::newRow("plain save") << true << QString() << true << QByteArray("disk");
    QTest::newRow("file unchanged") << true << "disk" << true << QByteArray("disk");
    QTest::newRow("file changed by another") << true << "other" << false << QByteArray("good");
    QTest::newRow("file appeared meanwhile") << true << "none" << false << QByteArray("good");
    QTest::newRow("after a load that was not whole") << false << "disk" << true << QByteArray("good");
}

void SafeFileTest::saveOptions() {
    QFETCH(bool, refreshBackup);
    QFETCH(QString, expected);
    QFETCH(bool, saved);
    QFETCH(QByteArray, backup);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Pantrova.dat"));
    writeFile(path, "disk");
    writeFile(path + QStringLiteral(".bak"), "good");
    ConfigFile store;
    store.WriteValue(QStringLiteral("L0n"), QStringLiteral("Weekly"));
    ConfigFile::SaveOptions options{refreshBackup, std::nullopt};
    if (expected == QLatin1String("none"))
        options.expectedDigest = QByteArray();
    else if (!expected.isEmpty())
        options.expectedDigest = SafeFile::digest(expected.toLatin1());

    const ConfigFile::SaveResult result = store.SaveTo(path, options);
    QCOMPARE(result.ok, saved);
    QCOMPARE(result.changedOnDisk, !saved);
    QCOMPARE(readFile(path), saved ? store.toBytes() : QByteArray("disk"));
    QCOMPARE(readFile(path + QStringLiteral(".bak")), backup);
    if (saved && options.expectedDigest)
        QCOMPARE(result.digest, SafeFile::digest(readFile(path)));
}

void SafeFileTest::freshNamesNeverTakeAnExistingOne() {
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("Pantrova.dat.damaged"));
    const QDateTime now(QDate(2026, 12, 7), QTime(10, 15, 0));
    QCOMPARE(SafeFile::freshName(base, now), base);
    writeFile(base, "first");
    QCOMPARE(SafeFile::freshName(base, now), base + QStringLiteral("-20261207-101500"));
    writeFile(base + QStringLiteral("-20261207-101500"), "second");
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), base + QStringLiteral("-20261207-101500-2")));
    QCOMPARE(SafeFile::freshName(base, now), base + QStringLiteral("-20261207-101500-3"));
}

void SafeFileTest::overlayStandsInForTheStoresPairs() {
    ConfigFile store;
    ConfigFile overlay;
    for (const char* key : {"a", "c", "e", "L0i1"})
        store.WriteValue(QLatin1String(key), QStringLiteral("store"));
    for (const char* key : {"b", "c", "f", "L0i10"})
        overlay.WriteValue(QLatin1String(key), QStringLiteral("overlay"));
    ConfigFile merged = store;
    for (const auto& [key, value] : overlay.values())
        merged.WriteValue(key, value);
    QCOMPARE(store.toBytes(&overlay), merged.toBytes());
    QCOMPARE(ConfigFile().toBytes(&overlay), overlay.toBytes());
    const ConfigFile empty;
    QCOMPARE(store.toBytes(&empty), store.toBytes());
}

void SafeFileTest::digestDoesNotDependOnPieces() {
    // Saving digests the file in the pieces it writes; loading digests it whole. Both must agree for any cut.
    QRandomGenerator random(7);
    for (const qsizetype size : {0, 1, 65535, 65536, 65537, 300000}) {
        QByteArray bytes(size, Qt::Uninitialized);
        for (char& byte : bytes)
            byte = static_cast<char>(random.bounded(256));
        SafeFile::Digest pieces;
        for (qsizetype at = 0; at < size;) {
            const qsizetype piece = std::min<qsizetype>(size - at, random.bounded(1, 100000));
            pieces.add(QByteArrayView(bytes).sliced(at, piece));
            at += piece;
        }
        QCOMPARE(pieces.result(), SafeFile::digest(bytes));
        if (size > 0) {
            bytes[size - 1] = static_cast<char>(bytes[size - 1] ^ 1);
            QVERIFY(pieces.result() != SafeFile::digest(bytes));
        }
    }
}

QTEST_GUILESS_MAIN(SafeFileTest)
#include "safe_file_test.moc"
