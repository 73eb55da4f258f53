// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "processes.h"

#include "bench_data.h"
#include "config_file.h"
#include "main_window.h"
#include "peak_memory.h"
#include "store_layout.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QSettings>

#include <algorithm>

namespace Bench {
namespace {

// A program folder: the library and template from beside the bench program, and a data file unless itemsPerList
// is negative.
void makeProgramFolder(const QString& folder, int itemsPerList) {
    QDir().mkpath(folder);
    const QString bin = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    for (const QString& name : {QStringLiteral("libvarnetocx.so"), QStringLiteral("Pantrova Template.htm")})
        QFile::copy(bin + name, folder + QLatin1Char('/') + name);
    if (itemsPerList >= 0) {
        ConfigFile store;
        fillStore(store, itemsPerList);
        store.SaveTo(folder + QLatin1Char('/') + Store::DataFileName);
    }
}

} // namespace

int prepareProcessFiles(const QString& folder) {
    ConfigFile store;
    fillStore(store, ItemsPerList);
    const QString data = folder + QStringLiteral("/store.dat");
    if (!store.SaveTo(data).ok || !store.SaveTo(folder + QStringLiteral("/floor.dat")).ok)
        return 1;
    // The same data as another tool may write it: members in another order, no indentation.
    QFile file(data);
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    QFile reordered(folder + QStringLiteral("/reordered.dat"));
    // Qt writes the members in name order, "version" last; another tool may well write it first.
    QByteArray compact = QJsonDocument::fromJson(file.readAll()).toJson(QJsonDocument::Compact);
    compact.replace(",\"version\":1}", "}").replace(0, 1, "{\"version\":1,");
    if (!reordered.open(QIODevice::WriteOnly) || reordered.write(compact) < 0)
        return 1;
    // The same pairs with the keys in a random order, as a tool that does not sort them may write them.
    std::vector<std::pair<QString, QString>> pairs;
    store.forEach({}, [&pairs](const QString& key, const QString& value) { pairs.emplace_back(key, value); });
    std::shuffle(pairs.begin(), pairs.end(), QRandomGenerator(19));
    const auto json = [](const QString& text) {
        return QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact).sliced(1).chopped(1);
    };
    QByteArray shuffled = R"({"format": "Pantrova data", "version": 1, "values": {)";
    const char* separator = "\n    ";
    for (const auto& [key, value] : pairs) {
        shuffled += separator + json(key) + ": " + json(value);
        separator = ",\n    ";
    }
    QFile shuffledFile(folder + QStringLiteral("/shuffled.dat"));
    if (!shuffledFile.open(QIODevice::WriteOnly) || shuffledFile.write(shuffled + "\n}}\n") < 0)
        return 1;
    // Sixteen times the items, for the cost per byte of a much larger file.
    ConfigFile larger;
    fillStore(larger, 16 * ItemsPerList);
    if (!larger.SaveTo(folder + QStringLiteral("/store16.dat")).ok)
        return 1;
    QSettings settings(folder + QStringLiteral("/store.ini"), QSettings::IniFormat);
    for (const auto& [key, value] : store.values())
        settings.setValue(key, value);
    settings.sync();
    makeProgramFolder(folder + QStringLiteral("/nofile"), -1);
    makeProgramFolder(folder + QStringLiteral("/large"), ItemsPerList);
    return 0;
}

int runStartUp(const QString& folder) {
    DecliningPrompts prompts;
    MainWindow window(folder, &prompts);
    window.show();
    QCoreApplication::processEvents();
    const int printed = printPeakMemory();
    window.findChild<QAction*>(QStringLiteral("exitWithoutSaving"))->trigger();
    return printed;
}

} // namespace Bench
