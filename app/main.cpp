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

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pantrova"));
    QApplication::setApplicationVersion(Help::version());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pantrova.svg")));
    Translations::install(QLocale());

    // --help, --help-all (with Qt's own options, which QApplication has already taken) and --version answer
    // and end; an unknown option is an error with status 1. Either way no window opens.
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

    LocalSettings::setFile(LocalSettings::userFile());
    MainWindow window(QCoreApplication::applicationDirPath());
    // Another Pantrova has this folder open; the window said so and shows nothing more.
    if (!window.ownsFolder())
        return 0;
    window.show();
    return QApplication::exec();
}
