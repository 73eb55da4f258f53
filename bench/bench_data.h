// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// The data the benchmarks measure, built the way the program itself stores it: four lists of ticked items, each
// item priced at every shop, plus the shop names, list names and key counter a saved file always holds.

#include "prompts.h"

#include <QString>

class ConfigFile;

namespace Bench {

// 4 lists x 2,500 items x 20 shops: the size every goal is stated for (about 240,000 keys).
inline constexpr int ItemsPerList = 2500;

// A store of itemsPerList items in each list, all ticked and priced at every shop.
void fillStore(ConfigFile& store, int itemsPerList);

// The place the benchmarks write their files: a private temporary folder that lives as long as the program.
QString scratchPath(const QString& name);

// A program folder for the main window: the library and page template copied from beside the bench program,
// and, unless itemsPerList is negative, a data file holding that many items per list.
QString programFolder(const QString& name, int itemsPerList);

// Closes the windows the benchmarks keep open; they must go before the application object does.
void closeWindows();

// The answers of a user who declines every question and cancels every input box.
class DecliningPrompts : public UserPrompts {
public:
    Answer message(const QString&, const QString&, Icon, Buttons buttons, Answer) override {
        return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
    int choose(const QString&, const QString&, Icon, const QStringList&, int, int cancel) override { return cancel; }
    QString input(const QString&, const QString&, const QString&) override { return QString(); }
    QString openFile(const QString&, const QString&, const QString&) override { return QString(); }
    QString saveFile(const QString&, const QString&, const QString&) override { return QString(); }
};

} // namespace Bench
