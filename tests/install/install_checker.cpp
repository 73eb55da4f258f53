// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Copied into an installed and moved Pantrova folder and run from there: finds the library and the template the
// way the program does, from its own folder, so a folder that works for it works for pantrova. Exits 0 when all
// is found, else prints what is missing.
#include "printable.h"
#include "varnet_host.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The program's folder as main.cpp hands it to the main window, which appends the slash.
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    int failures = 0;
    const auto expect = [&failures](bool ok, const QString& what) {
        std::printf("%s: %s\n", ok ? "ok" : "FAILED", qPrintable(what));
        failures += ok ? 0 : 1;
    };

    const VarnetHost varnet(folder);
    expect(varnet.isLoaded(),
           QStringLiteral("%1 loads %2").arg(folder + VarnetHost::LibraryFileName, varnet.errorString()));
    const QString templatePath = folder + Printable::TemplateFileName;
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
    return failures == 0 ? 0 : 1;
}
