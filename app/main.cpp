// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Starts Pantrova: one main window over the data file beside the program.
#include "help.h"
#include "local_settings.h"
#include "main_window.h"
#include "translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>

#include <cstdio>

namespace {

// --help, --help-all (with Qt's own options, which QApplication has already taken) and --version answer and end;
// an unknown option or a file name is an error with status 1. Either way no window opens.
int answerCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(Help::description());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        std::fputs(qPrintable(QCoreApplication::translate("main", "Pantrova opens no files: its data file is "
                                                                  "Pantrova.dat beside the program.\n")),
                   stderr);
        return 1;
    }
    return 0;
}

// Whether the command line only asks for an answer that needs no display (a terminal without one can ask).
bool onlyAsks(int argc, char* argv[]) {
    const QStringList answers{QStringLiteral("-h"), QStringLiteral("--help"), QStringLiteral("-?"),
                              QStringLiteral("-v"), QStringLiteral("--version")};
    for (int i = 1; i < argc; ++i)
        if (answers.contains(QString::fromLocal8Bit(argv[i])))
            return true;
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Pantrova"));
    QCoreApplication::setApplicationVersion(Help::version());
    if (onlyAsks(argc, argv)) {
        const QCoreApplication core(argc, argv);
        Translations::install(QLocale());
        return answerCommandLine(core);
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pantrova.svg")));
    Translations::install(QLocale());
    if (const int status = answerCommandLine(app))
        return status;

    LocalSettings::setFile(LocalSettings::userFile());
    MainWindow window(QCoreApplication::applicationDirPath());
    // Another Pantrova has this folder open; the window said so and shows nothing more.
    if (!window.ownsFolder())
        return 0;
    window.show();
    return QApplication::exec();
}
