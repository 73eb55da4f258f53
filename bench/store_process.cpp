// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// One whole process of the store for scripts/bench-processes.sh to time: load the data file, change a value and
// save it (store, or reordered for a file in another valid form, saved beside it so that it keeps that form), the
// same with QSettings in IniFormat, or only reading and writing the same bytes. Qt Core only, as the store is;
// prints the process's peak memory in KiB.
// Usage: pantrova_store_process store|reordered|qsettings|floor <file>
#include "config_file.h"
#include "peak_memory.h"
#include "store_layout.h"

#include <QSaveFile>
#include <QSettings>

#include <cstring>

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[2]);
    const auto is = [&](const char* mode) { return std::strcmp(argv[1], mode) == 0; };
    if (is("store") || is("reordered")) {
        ConfigFile store;
        if (!store.LoadFrom(path).ok())
            return 1;
        store.WriteValue(Store::symbolKey(), QStringLiteral("€"));
        if (!store.SaveTo(is("store") ? path : path + QStringLiteral(".saved")).ok)
            return 1;
    } else if (is("qsettings")) {
        QSettings settings(path, QSettings::IniFormat);
        if (settings.value(QStringLiteral("NextKey")).toString().isEmpty())
            return 1;
        settings.setValue(QStringLiteral("Symbol"), QStringLiteral("€"));
        settings.sync();
    } else if (is("floor")) {
        QFile in(path);
        QSaveFile out(path);
        if (!in.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray bytes = in.readAll();
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
            return 1;
    } else {
        return 2;
    }
    return Bench::printPeakMemory();
}
