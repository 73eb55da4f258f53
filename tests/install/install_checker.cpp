// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Copied beside the installed program (a moved Pantrova folder, or usr/bin of an unpacked package) and run from
// there: finds the library and the template the way the program does, from its own folder, so an install that
// works for it works for pantrova. With "save", it also saves a data file where the program would and prints its
// path. Exits 0 when all is found, else prints what is missing.
#include "install_layout.h"
#include "main_window.h"
#include "printable.h"
#include "scripted_prompts.h"
#include "varnet_host.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QStatusBar>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The program's folder as main.cpp hands it to the main window.
    const InstallLayout layout = InstallLayout::of(QCoreApplication::applicationDirPath());
    int failures = 0;
    const auto expect = [&failures](bool ok, const QString& what) {
        std::printf("%s: %s\n", ok ? "ok" : "FAILED", qPrintable(what));
        failures += ok ? 0 : 1;
    };

    const VarnetHost varnet(layout.libraryFolder);
    expect(varnet.isLoaded(), QStringLiteral("%1 loads %2").arg(varnet.libraryFile(), varnet.errorString()));
    const QString templatePath = layout.templateFolder + Printable::TemplateFileName;
    expect(varnet.FExists(templatePath) == true, QStringLiteral("the library finds ") + templatePath);
    expect(varnet.PT2HTML(QStringLiteral("A & B")) == QStringLiteral("A &amp; B"),
           QStringLiteral("the library's methods answer when called by name"));

    // The installed template must be the real one: its placeholders take the page's content.
    QFile file(templatePath);
    const bool read = file.open(QIODevice::ReadOnly);
    Printable::Content content;
    content.listTitles[0] = QStringLiteral("Installed list");
    const QString page = Printable::merge(Printable::decode(file.readAll()), content);
    expect(read && page.contains(content.listTitles[0]), QStringLiteral("the template takes a list title"));

    if (argc > 1 && qstrcmp(argv[1], "save") == 0) {
        // A first start: no shop names given, then File > Save, whose message names the data file.
        ScriptedPrompts prompts;
        MainWindow window(QCoreApplication::applicationDirPath(), &prompts);
        auto* save = window.findChild<QAction*>(QStringLiteral("save"));
        expect(save != nullptr, QStringLiteral("File > Save"));
        if (save)
            save->trigger();
        // "Saved to '<data file>'"
        std::printf("%s\n", qPrintable(window.statusBar()->currentMessage()));
    }
    return failures == 0 ? 0 : 1;
}
