// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Where the program finds its files and keeps the data: beside the program in a portable folder, and in the
// user's data folder when installed by the package or when the program's folder is read-only, unless that folder
// already holds a data file, which stays in use.
#include "install_layout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class InstallLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void foldersOfEveryInstall_data();
    void foldersOfEveryInstall();
};

void InstallLayoutTest::foldersOfEveryInstall_data() {
    QTest::addColumn<QStringList>("files"); // under the scratch root; usr/bin is the program's folder
    QTest::addColumn<bool>("readOnly");     // usr/bin without write permission
    QTest::addColumn<QString>("data");      // "program" or "user"
    QTest::addColumn<QString>("library");   // "program" or "packaged"
    QTest::addColumn<QString>("templates"); // "program" or "packaged"
    const QString lib = QStringLiteral("usr/" PANTROVA_PACKAGED_LIBDIR "/libvarnetocx.so");
    const QString shared = QStringLiteral("usr/" PANTROVA_PACKAGED_DATADIR "/Pantrova Template.htm");
    const QStringList portable{"usr/bin/libvarnetocx.so", "usr/bin/Pantrova Template.htm"};
    QTest::newRow("portable") << portable << false << "program"
                              << "program"
                              << "program";
    QTest::newRow("portable, read-only") << portable << true << "user"
                                         << "program"
                                         << "program";
    QTest::newRow("portable, read-only, with data")
        << portable + QStringList{"usr/bin/Pantrova.dat"} << true << "program"
        << "program"
        << "program";
    // Even where root may write to usr/bin, a package's data is the user's.
    QTest::newRow("package") << QStringList{lib, shared} << false << "user"
                             << "packaged"
                             << "packaged";
    QTest::newRow("package, data beside the program")
        << QStringList{lib, shared, "usr/bin/Pantrova.dat"} << false << "program"
        << "packaged"
        << "packaged";
    // Nothing anywhere: the window names what is missing beside the program.
    QTest::newRow("empty folder") << QStringList{} << false << "program"
                                  << "program"
                                  << "program";
}

void InstallLayoutTest::foldersOfEveryInstall() {
    QFETCH(QStringList, files);
    QFETCH(bool, readOnly);
    QFETCH(QString, data);
    QFETCH(QString, library);
    QFETCH(QString, templates);
    QTemporaryDir root;
    const QString program = root.filePath(QStringLiteral("usr/bin/"));
    QVERIFY(QDir().mkpath(program));
    for (const QString& file : files) {
        QVERIFY(QDir().mkpath(QFileInfo(root.filePath(file)).path()));
        QFile out(root.filePath(file));
        QVERIFY(out.open(QIODevice::WriteOnly));
    }
    const QString userData = root.filePath(QStringLiteral("home/data"));
    qputenv("XDG_DATA_HOME", userData.toLocal8Bit());
    if (readOnly)
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                                                   QFile::ReadOther | QFile::ExeOther));

    const InstallLayout layout = InstallLayout::of(program.chopped(1));
    QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString packagedLibrary = QDir::cleanPath(root.filePath(QStringLiteral("usr/" PANTROVA_PACKAGED_LIBDIR)));
    const QString packagedData = QDir::cleanPath(root.filePath(QStringLiteral("usr/" PANTROVA_PACKAGED_DATADIR)));
    QCOMPARE(layout.programFolder, program);
    QCOMPARE(layout.libraryFolder, (library == QLatin1String("program") ? program : packagedLibrary + u'/'));
    QCOMPARE(layout.templateFolder, (templates == QLatin1String("program") ? program : packagedData + u'/'));
    QCOMPARE(layout.dataFolder, (data == QLatin1String("program") ? program : userData + QStringLiteral("/pantrova/")));
    QVERIFY2(QFileInfo(layout.dataFolder).isDir(), qPrintable(layout.dataFolder));
}

QTEST_GUILESS_MAIN(InstallLayoutTest)
#include "install_layout_test.moc"
