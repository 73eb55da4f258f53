// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// The lists as CSV (RFC 4180, UTF-8), for spreadsheets: a header row "List", "Item", "Quantity", "Ticked" and a
// column for each named shop, followed by one for its packs ("Market (pack)") where an item has a pack there, then
// a row per item with its prices and packs. Reading a file checks all of it first and says which line is wrong;
// only a file that reads whole is added to the document. Reading and adding a large file tell a callback how far
// they have come, and stop when it says so.

#include "document.h"

#include <QByteArray>

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace Csv {

// The largest file an import takes. The window waits while a file is read, checked and added: 50,000 rows with
// prices at twenty shops take about ten seconds and a gigabyte of memory, much of it for undo. Beyond these, the
// wait and the memory would be out of all proportion to a list of purchases.
inline constexpr qint64 SizeLimit = qint64(20) << 20; // bytes
inline constexpr int RowLimit = 50000;                // rows of items, the header not counted

// Told how much of the work is done, from 0 to 1, every so often; returns false to stop it.
using Progress = std::function<bool(double done)>;

QByteArray exportLists(const Document& document);

struct ImportedItem {
    int list = 0;
    QString name;
    QString quantity;
    bool ticked = false;
    std::array<std::optional<QString>, Store::ShopCount> prices; // by shop, from 0, in the money format
    std::array<std::optional<QString>, Store::ShopCount> packs;  // by shop, from 0, as the data file keeps them
};

struct Import {
    std::vector<ImportedItem> items;
    std::vector<std::pair<int, QString>> newShops; // shop and name, for names no shop has yet
    QString error;                                 // what is wrong and on which line; empty when the file reads whole
    bool stopped = false;                          // progress said stop: nothing was read
};

// Reads a CSV file for the document: each row goes to the list of its name, or to `currentList` when no list
// has that name; each shop column to the shop of its name, or to a shop without a name. A column headed by an
// earlier shop column's header and " (pack)", in the user's language or in English, holds that shop's packs as
// the user types them. A file above the limits is refused with a message that says the limit and what the file
// has.
Import read(const QByteArray& bytes, const Document& document, int currentList, const Progress& progress = {});
// The same for the file at path, refused by its size before it is read.
Import readFile(const QString& path, const Document& document, int currentList, const Progress& progress = {});
// Adds the shops and items of a file that read whole, as one step of the document, which it gives back for
// undo. It must not be called inside another step. When progress says stop, it takes back what it added and
// gives nothing.
std::optional<Document::Step> apply(const Import& import, Document& document, const Progress& progress = {});

} // namespace Csv
