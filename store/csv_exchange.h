#pragma once

// The lists as CSV (RFC 4180, UTF-8), for spreadsheets: a header row "List", "Item", "Quantity", "Ticked" and a
// column for each named shop, then a row per item with its prices. Reading a file checks all of it first and
// says which line is wrong; only a file that reads whole is added to the document.

#include "document.h"

#include <QByteArray>

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace Csv {

QByteArray exportLists(const Document& document);

struct ImportedItem {
    int list = 0;
    QString name;
    QString quantity;
    bool ticked = false;
    std::array<std::optional<QString>, Store::ShopCount> prices; // by shop, from 0, in the money format
};

struct Import {
    std::vector<ImportedItem> items;
    std::vector<std::pair<int, QString>> newShops; // shop and name, for names no shop has yet
    QString error;                                 // what is wrong and on which line; empty when the file reads whole
};

// Reads a CSV file for the document: each row goes to the list of its name, or to `currentList` when no list
// has that name; each shop column to the shop of its name, or to a shop without a name.
Import read(const QByteArray& bytes, const Document& document, int currentList);
// Adds the shops and items of a file that read whole.
void apply(const Import& import, Document& document);

} // namespace Csv
