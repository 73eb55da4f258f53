// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// The lists as CSV (RFC 4180, UTF-8 with a byte-order mark), for spreadsheets: a header row "List", "Item",
// "Quantity", "Ticked" and a column for each named shop, followed by one for its packs ("Market (pack)") where an
// item has a pack there, then a row per item with its prices and packs. A text that a spreadsheet would take for
// a formula is written after an apostrophe, which reading takes away. Reading takes what spreadsheet programs
// write too: commas, semicolons or tabs between fields, decimal commas under the last two, and their words for
// true and false. It checks all of a file first and says which line is wrong; only a file that reads whole
// changes the document, and a row of an item the list holds already updates that item. Reading and adding a
// large file tell a callback how far they have come, and stop when it says so.

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
    int row = -1; // the item of the list that the row updates, or -1 for a new item
    QString name;
    QString quantity;
    bool ticked = false;
    // By shop, from 0: prices in the money format and packs as the data file keeps them. For an update, only
    // those that change, so that an unchanged price keeps its date.
    std::array<std::optional<QString>, Store::ShopCount> prices;
    std::array<std::optional<QString>, Store::ShopCount> packs;
};

// A list name of the file that no list has: where its rows go, and whether that list takes the name (a list
// without items or a name does; otherwise the rows go to the current list).
struct NewList {
    int list = 0;
    QString name;
    bool named = false;
};

struct Import {
    std::vector<ImportedItem> items;
    std::vector<std::pair<int, QString>> newShops; // shop and name, for names no shop has yet
    std::vector<NewList> newLists;
    int added = 0;
    int updated = 0;
    int unchanged = 0;     // rows of items that hold what the row says already
    int pricesChanged = 0; // of the items updated
    QString error;         // what is wrong and on which line; empty when the file reads whole
    bool stopped = false;  // progress said stop: nothing was read
    bool changes() const { return added > 0 || updated > 0 || !newShops.empty(); }
};

// Reads a CSV file for the document: each row goes to the list of its name, or to the first list without items
// or a name, which takes the name, or else to `currentList`; a row without a list name goes there too. A row
// whose item name the list holds (in any letter case) updates the first such item not updated yet; an empty
// price or pack leaves that item's as it is. Each shop column goes to the shop of its name, or to a shop without
// a name. A column headed by an earlier shop column's header and " (pack)", in the user's language or in English,
// holds that shop's packs as the user types them. A ticked row's quantity is a whole number from 1 to
// Document::MaxQuantity (1 when empty); an unticked row's is dropped. A file above the limits is refused with a
// message that says the limit and what the file has.
Import read(const QByteArray& bytes, const Document& document, int currentList, const Progress& progress = {});
// The same for the file at path, refused by its size before it is read.
Import readFile(const QString& path, const Document& document, int currentList, const Progress& progress = {});
// What a file that reads whole will change, for the user to confirm: "12 items updated, 1 added, 3 prices
// changed, 2 shops named." and where the rows of a new list name go.
QString summary(const Import& import);
// Names the shops and lists, adds the items and updates those the lists hold, for a file that read whole, as one
// step of the document, which it gives back for undo. It must not be called inside another step, nor after the
// document changed since the file was read. When progress says stop, it takes back what it did and gives
// nothing.
std::optional<Document::Step> apply(const Import& import, Document& document, const Progress& progress = {});

} // namespace Csv
