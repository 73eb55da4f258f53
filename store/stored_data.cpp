// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "stored_data.h"

#include "config_file.h"
#include "money.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <iterator>
#include <limits>

namespace Store {
namespace {

// Longest stored text quoted back to the user in a problem description.
constexpr int QuoteLength = 40;

QString quoted(const QString& text) {
    return QLatin1Char('"') + (text.size() > QuoteLength ? text.left(QuoteLength) + QStringLiteral("...") : text) +
           QLatin1Char('"');
}

// Reads the count of a list: nothing for an unusable count (not a whole number, negative or out of range), whose
// items are then looked for at every position. A list that is wholly absent is just empty.
std::optional<int> readCount(const ConfigFile& store, int list) {
    const QString text = store.ReadValue(listCountKey(list));
    if (text == ConfigFile::NotFound && !store.contains(itemNamePrefix(list) + QLatin1Char('1')))
        return 0;
    const std::optional<int> count = toWholeNumber(text);
    if (!count || *count < 0)
        return std::nullopt;
    return *count;
}

// The four texts an item position can have, in the order of `StoredPosition::texts`.
enum Field { Name, Quantity, Check, Key, FieldCount };

// An item position present in the store, with whichever of its four keys exist.
struct StoredPosition {
    int position = 0;
    std::array<std::optional<QString>, FieldCount> texts;
};

// The position in an item key after its prefix ("12" of "L0i12"), written as QString::number writes it and from
// 1 to limit; nothing for any other text.
std::optional<int> positionOf(QStringView digits, int limit) {
    if (digits.isEmpty() || digits.front() == u'0')
        return std::nullopt;
    qint64 position = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9' || position > limit)
            return std::nullopt;
        position = position * 10 + (c.unicode() - u'0');
    }
    return position <= limit ? std::optional(int(position)) : std::nullopt;
}

// Takes prefix1 .. prefix<limit> out of the store: the values present with their positions, in that order.
// ConfigFile::takeArray takes a run of positions in one pass but holds a place for each, so it is given runs
// that double only while most of their positions are there, as in any saved file: the places never much
// outnumber the values. Past the first run that is mostly empty (a damaged or hostile count), only the keys
// present are visited.
std::vector<std::pair<int, QString>> takeElements(ConfigFile& store, const QString& prefix, int limit) {
    constexpr int FirstRun = 4096;
    std::vector<std::pair<int, QString>> taken;
    int from = 0; // positions up to here are taken
    bool dense = true;
    while (dense && from < limit) {
        const int to = int(std::min<qint64>(limit, from == 0 ? FirstRun : 2 * qint64(from)));
        std::vector<std::optional<QString>> values = store.takeArray(prefix, to);
        const size_t before = taken.size();
        for (int position = from + 1; position <= to; ++position)
            if (std::optional<QString>& value = values[size_t(position - 1)])
                taken.emplace_back(position, std::move(*value));
        dense = 2 * qint64(taken.size() - before) >= to - from;
        from = to;
    }
    if (from == limit)
        return taken;
    std::vector<std::pair<int, QString>> rest;
    store.forEach(prefix, [&](const QString& key, const QString& value) {
        if (const std::optional<int> position = positionOf(QStringView(key).sliced(prefix.size()), limit))
            rest.emplace_back(*position, value);
    });
    for (const auto& [position, value] : rest)
        store.DeleteValue(prefix + QString::number(position));
    // Keys come in text order ("L0i10" before "L0i2").
    std::sort(rest.begin(), rest.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::move(rest.begin(), rest.end(), std::back_inserter(taken));
    return taken;
}

// Takes the items of a list at positions 1 to limit out of the store, in the order of their positions. A position
// with only some of its four keys is an item, so that its key, and with it its prices, are not lost.
std::vector<StoredPosition> takeItems(ConfigFile& store, int list, int limit) {
    const std::array<QString, FieldCount> prefixes{itemNamePrefix(list), itemQuantityPrefix(list),
                                                   itemCheckPrefix(list), itemKeyPrefix(list)};
    std::array<std::vector<std::pair<int, QString>>, FieldCount> fields;
    for (int field = Name; field < FieldCount; ++field)
        fields[field] = takeElements(store, prefixes[field], limit);
    // The four fields merged by position.
    std::array<size_t, FieldCount> next{};
    std::vector<StoredPosition> positions;
    for (;;) {
        int position = std::numeric_limits<int>::max();
        for (int field = Name; field < FieldCount; ++field)
            if (next[field] < fields[field].size())
                position = std::min(position, fields[field][next[field]].first);
        if (position == std::numeric_limits<int>::max())
            return positions;
        StoredPosition& found = positions.emplace_back();
        found.position = position;
        for (int field = Name; field < FieldCount; ++field)
            if (next[field] < fields[field].size() && fields[field][next[field]].first == position)
                found.texts[field] = std::move(fields[field][next[field]++].second);
    }
}

// Adds the numbers of the item keys that any field of a price is kept under: one pass over the store.
void addPricedNumbers(const ConfigFile& store, QSet<int>& numbers) {
    store.forEach({}, [&](const QString& key, const QString&) {
        if (const std::optional<int> number = itemKeyNumber(PriceRecord::keyOf(key).itemKey.toString()))
            numbers.insert(*number);
    });
}

// Prices, and quantities with more than digits, written under other separators than the current locale's are
// rewritten the way the current locale writes them, so that every reader sees the same amounts; a text that is
// no number under the file's separators stays as it is. The store then records the current separators.
// The list commands write quantities as plain decimals ("1.5") whatever the language, so that form is read as
// such before the file's separators are tried.
void adoptCurrentNumbers(ConfigFile& store) {
    const Money::Conventions current = Money::current();
    const std::optional<Money::Conventions> written = store.numbers();
    store.setNumbers(current);
    if (!written || *written == current)
        return;
    const Money::ConventionReader reader(*written);
    std::vector<std::pair<QString, QString>> rewritten;
    store.forEach({}, [&](const QString& key, const QString& value) {
        // An offer's regular price, as the prices themselves.
        if (key.startsWith(PriceOfferPrefix)) {
            if (std::optional<PriceRecord::Offer> offer = PriceRecord::toOffer(value))
                if (const std::optional<double> number = reader.toNumber(offer->regular)) {
                    offer->regular = Money::format(*number);
                    rewritten.emplace_back(key, PriceRecord::offerText(*offer));
                }
            return;
        }
        // Earlier prices, each as the prices themselves.
        if (key.startsWith(PriceHistoryPrefix)) {
            rewritten.emplace_back(key, PriceRecord::rewriteHistory(value, [&](const QString& price) {
                                       const std::optional<double> number = reader.toNumber(price);
                                       return number ? Money::format(*number) : price;
                                   }));
            return;
        }
        // A shop's trip cost, as the prices.
        if (key.startsWith(TripCostPrefix)) {
            if (const std::optional<double> number = reader.toNumber(value))
                rewritten.emplace_back(key, Money::format(*number));
            return;
        }
        const bool price = !itemKeyOfPrice(key).isEmpty();
        if (!price &&
            (!isItemQuantityKey(key) || std::all_of(value.begin(), value.end(), [](QChar c) { return c.isDigit(); })))
            return;
        static const QRegularExpression plainDecimal(QStringLiteral(R"(^\d+\.\d+$)"));
        const std::optional<double> number = !price && plainDecimal.match(value).hasMatch()
                                                 ? std::optional(QLocale::c().toDouble(value))
                                                 : reader.toNumber(value);
        if (number)
            rewritten.emplace_back(key, price ? Money::format(*number) : Money::localNumber(*number));
    });
    for (const auto& [key, value] : rewritten)
        store.WriteValue(key, value);
}

} // namespace

StoredData readStoredData(ConfigFile& store) {
    adoptCurrentNumbers(store);
    StoredData data;
    QStringList& problems = data.problems;

    const QString nextKeyText = store.ReadValue(nextKeyKey());
    bool nextKeyValid = true;
    if (nextKeyText != ConfigFile::NotFound) {
        data.keysStored = true;
        const std::optional<int> nextKey = toWholeNumber(nextKeyText);
        nextKeyValid = nextKey && *nextKey >= 0;
        if (nextKeyValid)
            data.nextKey = *nextKey;
        else
            problems << QCoreApplication::translate("Store", "The item-key counter %1 is not a whole number.")
                            .arg(quoted(nextKeyText));
    }

    if (store.ReadValue(shopNameKey(1)) != ConfigFile::NotFound) {
        data.shopsKnown = true;
        for (int shop = 1; shop <= ShopCount; ++shop)
            data.shopNames[shop - 1] = store.ReadValue(shopNameKey(shop));
    }

    // Items whose stored key is unusable or taken get a new key once the highest key in use is known.
    struct Rekey {
        int list;
        size_t index;
        QString oldKey; // a duplicate's key, whose prices the new key receives
    };
    std::vector<Rekey> rekeys;
    QSet<int> numbersInUse; // of the items' keys, and once the counter is used up, of the prices' keys too
    int highestKey = -1;

    for (int list = 0; list < ListCount; ++list) {
        StoredList& stored = data.lists[list];
        stored.name = store.ReadValue(listNameKey(list));
        const QString countKey = listCountKey(list);
        const std::optional<int> readable = readCount(store, list);
        const QString countText = store.ReadValue(countKey);
        // An unusable count hides no item: every position present is taken.
        const int count = readable.value_or(std::numeric_limits<int>::max());
        if (readable && count > store.size())
            problems << QCoreApplication::translate("Store", "List %1 claims %2 items, more than the file holds.")
                            .arg(list + 1)
                            .arg(count);

        // The lists live in the window from now on; saving writes them afresh.
        const std::vector<StoredPosition> positions = takeItems(store, list, count);
        store.DeleteValue(countKey);

        stored.items.reserve(positions.size());
        for (const StoredPosition& found : positions) {
            const int position = found.position;
            const std::optional<QString>& name = found.texts[Name];
            StoredItem item;
            item.name = name.value_or(ConfigFile::NotFound);
            if (!name)
                problems << QCoreApplication::translate("Store", "Item %1 of list %2 has no name; it is shown as %3.")
                                .arg(position)
                                .arg(list + 1)
                                .arg(ConfigFile::NotFound);
            item.quantity = found.texts[Quantity].value_or(MissingQuantity);
            const QString checkText = found.texts[Check].value_or(ConfigFile::NotFound);
            const std::optional<bool> checked = toCheckMark(checkText);
            if (!checked)
                problems << QCoreApplication::translate(
                                "Store", "Item %1 of list %2 has the tick mark %3, which is neither true nor false; "
                                         "it is shown unticked.")
                                .arg(position)
                                .arg(list + 1)
                                .arg(quoted(checkText));
            item.checked = checked.value_or(false);
            stored.items.push_back(std::move(item));
            StoredItem& added = stored.items.back();
            const size_t index = stored.items.size() - 1;

            if (!data.keysStored) {
                added.key = takeItemKey(data.nextKey);
                highestKey = data.nextKey - 1;
                continue;
            }
            const QString key = found.texts[Key].value_or(ConfigFile::NotFound);
            const std::optional<int> keyNumber = itemKeyNumber(key);
            if (!keyNumber) {
                problems << QCoreApplication::translate("Store",
                                                        "Item %1 of list %2 has no usable item key; it gets a new one.")
                                .arg(position)
                                .arg(list + 1);
                rekeys.push_back({list, index, QString()});
            } else if (numbersInUse.contains(*keyNumber)) {
                problems << QCoreApplication::translate(
                                "Store", "Item %1 of list %2 shares the key %3 with another item; it gets a new key "
                                         "with a copy of the prices.")
                                .arg(position)
                                .arg(list + 1)
                                .arg(key);
                rekeys.push_back({list, index, key});
            } else {
                added.key = key;
                numbersInUse.insert(*keyNumber);
                highestKey = std::max(highestKey, *keyNumber);
            }
        }
        if (!readable)
            problems << QCoreApplication::translate(
                            "Store", "List %1 has no usable item count (%2); the %3 items found in the file were "
                                     "loaded.")
                            .arg(QString::number(list + 1),
                                 countText == ConfigFile::NotFound ? QCoreApplication::translate("Store", "missing")
                                                                   : quoted(countText),
                                 QString::number(stored.items.size()));
        else if (const int missing = count - int(positions.size()); missing > 0 && count <= store.size())
            problems << QCoreApplication::translate(
                            "Store", "List %1 claims %2 items, but %3 of them are missing from the file.")
                            .arg(list + 1)
                            .arg(count)
                            .arg(missing);
    }

    if (data.nextKey <= highestKey) {
        if (nextKeyValid)
            problems << QCoreApplication::translate(
                            "Store", "The item-key counter %1 was below a key in use; it now starts at %2.")
                            .arg(data.nextKey)
                            .arg(highestKey + 1);
        data.nextKey = highestKey + 1;
    }
    bool pricesCounted = false;
    int lowest = 0; // below it, every number is taken
    for (const Rekey& rekey : rekeys) {
        StoredItem& item = data.lists[rekey.list].items[rekey.index];
        int number = 0;
        if (data.nextKey < std::numeric_limits<int>::max()) {
            number = data.nextKey++;
        } else {
            // The counter has no number left (only a hand-edited file gets here): the lowest numbers that neither
            // an item nor a price uses, searched on from the last one given.
            if (!pricesCounted)
                addPricedNumbers(store, numbersInUse);
            pricesCounted = true;
            while (numbersInUse.contains(lowest))
                ++lowest;
            number = lowest;
        }
        item.key = itemKey(number);
        numbersInUse.insert(number);
        if (rekey.oldKey.isEmpty())
            continue;
        for (int shop = 1; shop <= ShopCount; ++shop)
            for (const PriceRecord::Field field : PriceRecord::Fields)
                if (const QString from = PriceRecord::key(field, rekey.oldKey, shop); store.contains(from))
                    store.WriteValue(PriceRecord::key(field, item.key, shop), store.ReadValue(from));
    }
    return data;
}

} // namespace Store
