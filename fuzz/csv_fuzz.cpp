// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Fuzzes File, Import from CSV, with fields separated by commas, semicolons or tabs: whatever the bytes, reading
// never crashes; a file that reads whole adds exactly the items it does not update, and one that does not changes
// nothing and says which line is wrong.
#include "csv_exchange.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Document document;
    document.setListName(0, QStringLiteral("Weekly"));
    document.renameShop(2, QStringLiteral("Market"));
    document.insertItem(1, 0, {QStringLiteral("K0"), QStringLiteral("Milk"), QStringLiteral("1"), true});
    // Rows without a list go to Milk's, so that they can update it.
    const int currentList = 1;
    const Csv::Import import =
        Csv::read(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)), document,
                  currentList);
    if (!import.error.isEmpty()) {
        if (!import.items.empty() || !import.newShops.empty() || !import.error.startsWith(QStringLiteral("Line ")))
            std::abort();
        return 0;
    }
    int before = 0;
    for (int l = 0; l < Document::ListCount; ++l)
        before += document.itemCount(l);
    Csv::apply(import, document);
    int after = 0;
    for (int l = 0; l < Document::ListCount; ++l)
        after += document.itemCount(l);
    if (after != before + import.added)
        std::abort();
    return 0;
}
