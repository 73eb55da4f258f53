// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "data_files.h"

#include "config_file.h"

#include <QFile>
#include <QTest>

QByteArray dataFileBytes(const QMap<QString, QString>& values) {
    ConfigFile store;
    for (auto it = values.begin(); it != values.end(); ++it)
        store.WriteValue(it.key(), it.value());
    return store.toBytes();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(file.errorString()));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}
