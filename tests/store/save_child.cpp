// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Saves a large store again and again until it is killed, for the crash-safety test: every value carries the
// save's generation, so a file that mixed two saves would show two generations. Between saves it writes the
// recovery file the way the window does, its item names standing in from an overlay.
// Usage: store_save_child <data file> <items>   Prints "saved" after the first complete save.

#include "config_file.h"
#include "safe_file.h"
#include "store_layout.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int items = QByteArray(argv[2]).toInt();
    ConfigFile store;
    for (int generation = 1;; ++generation) {
        const QString tag = QString::number(generation);
        ConfigFile names;
        store.WriteValue(QStringLiteral("Generation"), tag);
        for (int i = 0; i < items; ++i) {
            const QString key = Store::itemKey(i);
            names.WriteValue(Store::itemNamePrefix(i % 4) + QString::number(i), tag + QStringLiteral(" item"));
            for (int shop = 1; shop <= Store::ShopCount; ++shop)
                store.WriteValue(Store::priceKey(key, shop), tag + QStringLiteral(":1,234.56"));
        }
        if (!SafeFile::writeAtomically(path + QStringLiteral(".recovery"), store.toBytes(&names)).isEmpty())
            return 1;
        for (const auto& [key, value] : names.values())
            store.WriteValue(key, value);
        if (!store.SaveTo(path).ok)
            return 1;
        if (generation == 1) {
            std::puts("saved");
            std::fflush(stdout);
        }
    }
}
