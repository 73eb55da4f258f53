// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Fuzzes the reading of a data file: the store's loader and start-up's reading of the lists out of it. Whatever
// the bytes, loading never crashes, every item gets a unique key below the key counter, and a loaded store
// writes and reads back unchanged.
#include "config_file.h"
#include "stored_data.h"

#include <QSet>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ConfigFile store;
    const ConfigFile::LoadResult loaded =
        store.LoadFromBytes(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (loaded.ok()) {
        ConfigFile again;
        if (!again.LoadFromBytes(store.toBytes()).ok() || again.values() != store.values())
            std::abort();
    }

    const Store::StoredData stored = Store::readStoredData(store);
    QSet<QString> keys;
    for (const Store::StoredList& list : stored.lists)
        for (const Store::StoredItem& item : list.items) {
            const std::optional<int> number = Store::itemKeyNumber(item.key);
            if (!number || *number >= stored.nextKey || keys.contains(item.key))
                std::abort();
            keys.insert(item.key);
        }
    return 0;
}
