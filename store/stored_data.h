// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// Reads the lists, shop names and item-key counter out of a loaded store, the way start-up needs them, and
// removes the lists' keys from the store in memory (saving writes every list afresh). Numbers written under
// another language's separators are first rewritten in the current one's. Whatever of a damaged
// store is sound is kept; every repair is described in `problems` so the window can tell the user once.

#include "store_layout.h"

#include <QStringList>

#include <array>
#include <vector>

class ConfigFile;

namespace Store {

struct StoredItem {
    QString name;
    QString quantity;
    bool checked = false;
    QString key;
};

struct StoredList {
    QString name;
    std::vector<StoredItem> items;
};

struct StoredData {
    bool keysStored = false; // false for an older file without "NextKey": every item got a new key
    bool shopsKnown = false; // false when the store has no "Shop1"
    int nextKey = 0;         // above the number of every item key in `lists`
    std::array<QString, ShopCount> shopNames;
    std::array<StoredList, ListCount> lists;
    QStringList problems; // one sentence per repair, empty for a sound store
};

StoredData readStoredData(ConfigFile& store);

} // namespace Store
