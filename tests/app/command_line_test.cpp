// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers

// The built program's command line: --version and --help answer, an unknown option or a file name is an error
// with status 1, and none of them opens a window (the program ends by itself).
#include "help.h"

#include <QProcess>
#include <QTest>

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void answersWithoutAWindow_data();
    void answersWithoutAWindow();
};

void CommandLineTest::answersWithoutAWindow_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");   // what stdout or stderr says
    QTest::addColumn<QString>("platform"); // the windowing system it is told to use
    const QString offscreen = QStringLiteral("offscreen");
    QTest::newRow("version") << QStringList{"--version"} << 0 << "Pantrova " + Help::version() << offscreen;
    QTest::newRow("help") << QStringList{"--help"} << 0 << "--version" << offscreen;
    QTest::newRow("help with Qt's options") << QStringList{"--help-all"} << 0 << "-platform" << offscreen;
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 1 << "Unknown option 'bogus'" << offscreen;
    QTest::newRow("a file name") << QStringList{"Pantrova.dat"} << 1 << "opens no files" << offscreen;
    // A terminal without a display (over ssh, in a package's build) can still ask.
    QTest::newRow("version without a display")
        << QStringList{"--version"} << 0 << "Pantrova " + Help::version() << "xcb";
}

void CommandLineTest::answersWithoutAWindow() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, platform);
    QProcess pantrova;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    pantrova.setProcessEnvironment(environment);
    pantrova.start(qEnvironmentVariable("PANTROVA_BIN_DIR") + QStringLiteral("/pantrova"), arguments);
    QVERIFY(pantrova.waitForFinished(30000));
    QCOMPARE(pantrova.exitStatus(), QProcess::NormalExit);
    QCOMPARE(pantrova.exitCode(), status);
    const QString said = QString::fromLocal8Bit(pantrova.readAllStandardOutput() + pantrova.readAllStandardError());
    QVERIFY2(said.contains(output), qPrintable(said));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
