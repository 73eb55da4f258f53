// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "bench_data.h"

#include "config_file.h"
#include "store_layout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace Bench {

void fillStore(ConfigFile& store, int itemsPerList) {
    int nextKey = 0;
    for (int shop = 1; shop <= Store::ShopCount; ++shop)
        store.WriteValue(Store::shopNameKey(shop), QStringLiteral("Shop number %1").arg(shop));
    for (int list = 0; list < Store::ListCount; ++list) {
        store.WriteValue(Store::listNameKey(list), QStringLiteral("List %1").arg(list + 1));
        store.WriteValue(Store::listCountKey(list), QString::number(itemsPerList));
        for (int position = 1; position <= itemsPerList; ++position) {
            const QString number = QString::number(position);
            const QString key = Store::itemKey(nextKey++);
            store.WriteValue(Store::itemNamePrefix(list) + number,
                             QStringLiteral("Item %1 of list %2, large").arg(position).arg(list + 1));
            store.WriteValue(Store::itemQuantityPrefix(list) + number, QString::number(1 + position % 3));
            store.WriteValue(Store::itemCheckPrefix(list) + number, ConfigFile::TrueText);
            store.WriteValue(Store::itemKeyPrefix(list) + number, key);
            // Prices vary so that every shop wins somewhere and the totals are not trivially equal.
            for (int shop = 1; shop <= Store::ShopCount; ++shop)
                store.WriteValue(Store::priceKey(key, shop),
                                 QString::number(0.5 + ((nextKey * 7 + shop * 13) % 997) / 100.0, 'f', 2));
        }
    }
    store.WriteValue(Store::nextKeyKey(), QString::number(nextKey));
    store.WriteValue(Store::symbolKey(), Store::DefaultSymbol);
}

QString scratchPath(const QString& name) {
    static QTemporaryDir dir;
    return dir.filePath(name);
}

QString programFolder(const QString& name, int itemsPerList) {
    const QString folder = scratchPath(name);
    QDir().mkpath(folder);
    const QString bin = QCoreApplication::applicationDirPath();
    for (const char* file : {"libvarnetocx.so", "Pantrova Template.htm"})
        QFile::copy(bin + QLatin1Char('/') + QLatin1String(file), folder + QLatin1Char('/') + QLatin1String(file));
    if (itemsPerList >= 0) {
        ConfigFile store;
        fillStore(store, itemsPerList);
        store.SaveTo(folder + QLatin1Char('/') + Store::DataFileName);
    }
    return folder;
}

} // namespace Bench
