#include "stored_data.h"

#include "config_file.h"
#include "money.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
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
// items are then looked for up to the store's size. A list that is wholly absent is just empty.
std::optional<int> readCount(const ConfigFile& store, int list) {
    const QString text = store.ReadValue(listCountKey(list));
    if (text == ConfigFile::NotFound && !store.contains(itemNamePrefix(list) + QLatin1Char('1')))
        return 0;
    const std::optional<int> count = toWholeNumber(text);
    if (!count || *count < 0)
        return std::nullopt;
    return *count;
}

// "L0q3": the quantity of an item.
bool isQuantityKey(QStringView key) {
    if (key.size() < 4 || key[0] != u'L' || key[1] < u'0' || key[1] > u'3' || key[2] != u'q')
        return false;
    return std::all_of(key.begin() + 3, key.end(), [](QChar c) { return c.isDigit(); });
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
        // Earlier prices, "date=price;...", each price as the prices themselves.
        if (key.startsWith(PriceHistoryPrefix)) {
            QStringList entries = value.split(u';');
            for (QString& entry : entries) {
                const qsizetype separator = entry.indexOf(u'=');
                if (const std::optional<double> number = reader.toNumber(entry.mid(separator + 1));
                    separator > 0 && number)
                    entry = entry.left(separator + 1) + Money::format(*number);
            }
            rewritten.emplace_back(key, entries.join(u';'));
            return;
        }
        const bool price = !itemKeyOfPrice(key).isEmpty();
        if (!price &&
            (!isQuantityKey(key) || std::all_of(value.begin(), value.end(), [](QChar c) { return c.isDigit(); })))
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
    QSet<QString> keysInUse;
    int highestKey = -1;

    for (int list = 0; list < ListCount; ++list) {
        StoredList& stored = data.lists[list];
        stored.name = store.ReadValue(listNameKey(list));
        const QString countKey = listCountKey(list);
        const std::optional<int> readable = readCount(store, list);
        const QString countText = store.ReadValue(countKey);
        // An unusable count hides no item: every position the store could hold is looked at.
        int count = readable.value_or(store.size());
        if (readable && count > store.size()) {
            problems << QCoreApplication::translate("Store", "List %1 claims %2 items, more than the file holds.")
                            .arg(list + 1)
                            .arg(count);
            count = store.size();
        }

        // The lists live in the window from now on; saving writes them afresh.
        std::vector<std::optional<QString>> names = store.takeArray(itemNamePrefix(list), count);
        std::vector<std::optional<QString>> quantities = store.takeArray(itemQuantityPrefix(list), count);
        const std::vector<std::optional<QString>> checks = store.takeArray(itemCheckPrefix(list), count);
        const std::vector<std::optional<QString>> keys = store.takeArray(itemKeyPrefix(list), count);
        store.DeleteValue(countKey);

        int missing = 0;
        stored.items.reserve(static_cast<size_t>(count));
        for (int position = 1; position <= count; ++position) {
            const auto p = static_cast<size_t>(position - 1);
            StoredItem item;
            // A position none of whose four keys exists is no item; one with only some of them is kept, so that
            // its key, and with it its prices, are not lost.
            if (!names[p] && !quantities[p] && !checks[p] && !keys[p]) {
                ++missing;
                continue;
            }
            item.name = names[p] ? std::move(*names[p]) : ConfigFile::NotFound;
            if (!names[p])
                problems << QCoreApplication::translate("Store", "Item %1 of list %2 has no name; it is shown as %3.")
                                .arg(position)
                                .arg(list + 1)
                                .arg(ConfigFile::NotFound);
            item.quantity = quantities[p] ? std::move(*quantities[p]) : MissingQuantity;
            const QString checkText = checks[p].value_or(ConfigFile::NotFound);
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
                added.key = itemKey(data.nextKey++);
                highestKey = data.nextKey - 1;
                continue;
            }
            const QString key = keys[p].value_or(ConfigFile::NotFound);
            const std::optional<int> keyNumber = itemKeyNumber(key);
            if (!keyNumber) {
                problems << QCoreApplication::translate("Store",
                                                        "Item %1 of list %2 has no usable item key; it gets a new one.")
                                .arg(position)
                                .arg(list + 1);
                rekeys.push_back({list, index, QString()});
            } else if (keysInUse.contains(key)) {
                problems << QCoreApplication::translate(
                                "Store", "Item %1 of list %2 shares the key %3 with another item; it gets a new key "
                                         "with a copy of the prices.")
                                .arg(position)
                                .arg(list + 1)
                                .arg(key);
                rekeys.push_back({list, index, key});
            } else {
                added.key = key;
                keysInUse.insert(key);
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
        else if (missing > 0)
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
    for (const Rekey& rekey : rekeys) {
        StoredItem& item = data.lists[rekey.list].items[rekey.index];
        if (data.nextKey < std::numeric_limits<int>::max()) {
            item.key = itemKey(data.nextKey++);
        } else {
            // The counter has no number left (only a hand-edited file gets here): the lowest number that neither
            // an item nor a price uses.
            int free = 0;
            const auto used = [&](int number) {
                const QString key = itemKey(number);
                if (keysInUse.contains(key))
                    return true;
                for (int shop = 1; shop <= ShopCount; ++shop)
                    if (store.contains(priceKey(key, shop)) || store.contains(priceDateKey(key, shop)) ||
                        store.contains(priceHistoryKey(key, shop)))
                        return true;
                return false;
            };
            while (used(free))
                ++free;
            item.key = itemKey(free);
        }
        keysInUse.insert(item.key);
        if (rekey.oldKey.isEmpty())
            continue;
        for (int shop = 1; shop <= ShopCount; ++shop)
            for (const auto keyOf : {&priceKey, &priceDateKey, &priceHistoryKey})
                if (const QString from = keyOf(rekey.oldKey, shop); store.contains(from))
                    store.WriteValue(keyOf(item.key, shop), store.ReadValue(from));
    }
    return data;
}

} // namespace Store
