// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "document.h"

#include "money.h"

#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

using Store::PriceRecord;

namespace {

constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();
// Stands for a price the store does not hold.
const QString MissingPrice = QStringLiteral(" ");

Document::Prices noPrices() {
    Document::Prices prices;
    prices.texts.fill(MissingPrice);
    prices.numbers.fill(NotANumber);
    return prices;
}

} // namespace

Document::Document(QObject* parent)
    : QObject(parent) {}

void Document::adopt(Store::StoredData&& data) {
    for (int l = 0; l < ListCount; ++l) {
        emit listAboutToBeReset(l);
        std::vector<Item>& items = m_lists[l];
        items.clear();
        items.reserve(data.lists[l].items.size());
        for (Store::StoredItem& stored : data.lists[l].items)
            items.push_back(
                {std::move(stored.key), std::move(stored.name), std::move(stored.quantity), stored.checked});
        m_listNames[l] = std::move(data.lists[l].name);
        emit listReset(l);
        emit listNameChanged(l);
    }
    for (int shop = 1; shop <= ShopCount; ++shop) {
        m_shopNames[shop - 1] = data.shopsKnown ? std::move(data.shopNames[shop - 1]) : QString();
        emit shopRenamed(shop);
    }
    m_nextKey = data.nextKey;
    m_prices.clear();
    m_pricesRead = false;
    emit symbolChanged();
    touch();
}

void Document::writeInto(ConfigFile& store) const {
    for (int l = 0; l < ListCount; ++l) {
        store.WriteValue(Store::listNameKey(l), m_listNames[l]);
        const QString names = Store::itemNamePrefix(l);
        const QString quantities = Store::itemQuantityPrefix(l);
        const QString checks = Store::itemCheckPrefix(l);
        const QString keys = Store::itemKeyPrefix(l);
        int position = 0;
        for (const Item& item : m_lists[l]) {
            const QString at = QString::number(++position);
            store.WriteValue(names + at, item.name);
            store.WriteValue(quantities + at, item.quantity);
            store.WriteValue(checks + at, item.ticked ? ConfigFile::TrueText : ConfigFile::FalseText);
            store.WriteValue(keys + at, item.key);
        }
        store.WriteValue(Store::listCountKey(l), QString::number(position));
    }
    for (int shop = 1; shop <= ShopCount; ++shop)
        store.WriteValue(Store::shopNameKey(shop), m_shopNames[shop - 1]);
    store.WriteValue(Store::nextKeyKey(), QString::number(m_nextKey));
}

QString Document::symbol() const {
    return m_store.ReadValue(Store::symbolKey(), Store::DefaultSymbol);
}

bool Document::keysLeft() const {
    return m_nextKey < std::numeric_limits<qint32>::max();
}

const Document::Prices& Document::prices(const QString& itemKey) const {
    if (!m_pricesRead)
        readAllPrices();
    auto found = m_prices.find(itemKey);
    if (found == m_prices.end()) {
        found = m_prices.insert(itemKey, noPrices());
        // An item's keys of a field sit together in the store, from the item key and the separator on.
        for (const PriceRecord::Field field : PriceRecord::Current)
            m_store.forEach(PriceRecord::key(field, itemKey, 1).chopped(1),
                            [&](const QString& key, const QString& value) {
                                if (const PriceRecord::KeyOf of = PriceRecord::keyOf(key); of.itemKey == itemKey)
                                    keepPrice(*found, of, value);
                            });
    }
    return *found;
}

void Document::readAllPrices() const {
    // One pass over the store costs far less than twenty searches for every item.
    m_store.forEach({}, [this](const QString& key, const QString& value) {
        const PriceRecord::KeyOf of = PriceRecord::keyOf(key);
        if (of.itemKey.isEmpty())
            return;
        auto found = m_prices.find(of.itemKey.toString());
        if (found == m_prices.end())
            found = m_prices.insert(of.itemKey.toString(), noPrices());
        keepPrice(*found, of, value);
    });
    m_pricesRead = true;
}

std::vector<Document::PricePoint> Document::priceHistory(const QString& itemKey, int shop) const {
    std::vector<PricePoint> points =
        PriceRecord::toHistory(stored(Store::priceHistoryKey(itemKey, shop)).value_or(QString()));
    const Prices& current = prices(itemKey);
    if (current.has(shop) && current.dates[shop - 1].isValid())
        points.push_back({current.dates[shop - 1], current.texts[shop - 1], current.packs[shop - 1]});
    return points;
}

int Document::oldPriceDays() const {
    return Store::toWholeNumber(stored(Store::oldPriceDaysKey()).value_or(QString())).value_or(DefaultOldPriceDays);
}

void Document::setOldPriceDays(int days) {
    if (storeValue(Store::oldPriceDaysKey(), QString::number(days)))
        touch();
}

void Document::keepPrice(Prices& prices, const PriceRecord::KeyOf& field, const QString& text) const {
    const auto s = static_cast<size_t>(field.shop - 1);
    if (field.field == PriceRecord::Field::Date) {
        prices.dates[s] = PriceRecord::toDate(text);
    } else if (field.field == PriceRecord::Field::Pack) {
        prices.packs[s] = text;
    } else if (field.field == PriceRecord::Field::Offer) {
        prices.offers[s] = PriceRecord::toOffer(text);
        prices.offered |= prices.offers[s] ? 1u << s : 0;
    } else if (field.field == PriceRecord::Field::Amount) {
        prices.texts[s] = text;
        prices.numbers[s] = m_numbers.toNumber(text).value_or(NotANumber);
        prices.stored |= 1u << s;
    }
}

QString Document::takeKey() {
    return Store::takeItemKey(m_nextKey);
}

QString Document::addItem(int list, int row, const QString& name, const QString& quantity, bool ticked) {
    QString key = takeKey();
    insert(list, row, {key, name, quantity, ticked});
    return key;
}

void Document::insertItem(int list, int row, const Item& item) {
    if (const std::optional<int> number = Store::itemKeyNumber(item.key))
        m_nextKey = std::max(m_nextKey, *number == std::numeric_limits<qint32>::max() ? *number : *number + 1);
    insert(list, row, item);
}

void Document::deleteItem(int list, int row) {
    const QString key = item(list, row).key;
    remove(list, row);
    bool changed = false;
    for (int shop = 1; shop <= ShopCount; ++shop)
        changed = storePrice(key, shop, QString(), QString()) || changed;
    if (changed)
        forgetPrices(key);
}

void Document::renameItem(int list, int row, const QString& name) {
    Item renamed = item(list, row);
    renamed.name = name;
    replace(list, row, std::move(renamed));
}

void Document::setItemState(int list, int row, bool ticked, const QString& quantity) {
    Item changed = item(list, row);
    changed.ticked = ticked;
    changed.quantity = quantity;
    replace(list, row, std::move(changed));
}

void Document::setTicked(int list, int row, bool ticked) {
    setItemState(list, row, ticked, ticked ? QStringLiteral("1") : QString());
}

void Document::countUp(int list, int row) {
    const QString text = item(list, row).quantity;
    const std::optional<double> quantity = Money::toNumber(text);
    setItemState(list, row, true,
                 !quantity                 ? QStringLiteral("1")
                 : *quantity < MaxQuantity ? Money::plainNumber(*quantity + 1)
                                           : text);
}

void Document::countDown(int list, int row) {
    const Item& counted = item(list, row);
    const std::optional<double> quantity = Money::toNumber(counted.quantity);
    if (quantity && counted.quantity == QLatin1String("1"))
        setItemState(list, row, false, QString());
    else if (quantity)
        setItemState(list, row, counted.ticked, Money::plainNumber(*quantity - 1));
}

QString Document::tickedQuantity(bool ticked, const QString& quantity, NumberMemo& numbers) {
    return !ticked ? QString() : numbers.toNumber(quantity).has_value() ? quantity : QStringLiteral("1");
}

void Document::setAllTicked(int list, bool ticked) {
    NumberMemo numbers;
    for (int row = 0; row < itemCount(list); ++row)
        setItemState(list, row, ticked, tickedQuantity(ticked, item(list, row).quantity, numbers));
}

void Document::moveItem(int list, int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= itemCount(list) || to >= itemCount(list))
        return;
    record({.kind = Edit::Kind::Move, .list = list, .row = from, .to = to});
    emit itemAboutToBeMoved(list, from, to);
    std::vector<Item>& items = m_lists[list];
    const auto first = items.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
    emit itemMoved(list, from, to);
    touch();
}

void Document::moveItemToList(int list, int row, int toList) {
    if (list == toList)
        return;
    Item moved = item(list, row);
    moved.ticked = false;
    moved.quantity.clear();
    insert(toList, itemCount(toList), moved);
    remove(list, row);
}

void Document::copyItemToList(int list, int row, int toList) {
    const Item& source = item(list, row);
    const QString key = source.key;
    const QString copyKey = takeKey();
    insert(toList, itemCount(toList), {copyKey, source.name, QString(), false});
    for (int shop = 1; shop <= ShopCount; ++shop) {
        // A price stored as the store's marker for a missing key cannot be told from none: the copy gets none.
        if (stored(Store::priceKey(key, shop)) == ConfigFile::NotFound)
            continue;
        for (const PriceRecord::Field field : PriceRecord::Fields)
            if (const std::optional<QString> value = stored(PriceRecord::key(field, key, shop)))
                storeValue(PriceRecord::key(field, copyKey, shop), value);
    }
    forgetPrices(copyKey);
}

void Document::setListName(int list, const QString& name) {
    if (m_listNames[list] == name)
        return;
    record({.kind = Edit::Kind::ListName, .list = list, .was = m_listNames[list], .now = name});
    m_listNames[list] = name;
    emit listNameChanged(list);
    touch();
}

void Document::renameShop(int shop, const QString& name) {
    if (m_shopNames[shop - 1] == name)
        return;
    record({.kind = Edit::Kind::ShopName, .list = shop, .was = m_shopNames[shop - 1], .now = name});
    m_shopNames[shop - 1] = name;
    emit shopRenamed(shop);
    touch();
}

void Document::setSymbol(const QString& symbol) {
    if (!storeValue(Store::symbolKey(), symbol))
        return;
    emit symbolChanged();
    touch();
}

void Document::setPrices(const QString& itemKey, const std::array<std::optional<QString>, ShopCount>& changes) {
    // Asked once: the clock reads the time zone each time.
    const QString day = PriceRecord::dateText(today());
    bool changed = false;
    for (int shop = 1; shop <= ShopCount; ++shop)
        if (changes[shop - 1])
            changed = storePrice(itemKey, shop, *changes[shop - 1], day) || changed;
    if (changed)
        forgetPrices(itemKey);
}

void Document::setPrice(const QString& itemKey, int shop, const QString& text) {
    if (storePrice(itemKey, shop, text, PriceRecord::dateText(today())))
        forgetPrices(itemKey);
}

bool Document::storePrice(const QString& itemKey, int shop, const QString& text, const QString& day) {
    if (text.isEmpty()) {
        bool changed = false;
        for (const PriceRecord::Field field : PriceRecord::Fields)
            changed = storeValue(PriceRecord::key(field, itemKey, shop), std::nullopt) || changed;
        return changed;
    }
    const QString priceKey = Store::priceKey(itemKey, shop);
    const QString dateKey = Store::priceDateKey(itemKey, shop);
    const std::optional<QString> old = stored(priceKey);
    const std::optional<QString> oldDate = stored(dateKey);
    if (old && *old != text && oldDate) {
        keepInHistory(itemKey, shop, *oldDate, *old,
                      stored(PriceRecord::key(PriceRecord::Field::Pack, itemKey, shop)).value_or(QString()));
    }
    const bool price = storeValue(priceKey, old, text);
    return storeValue(dateKey, oldDate, day) || price;
}

void Document::keepInHistory(const QString& itemKey, int shop, const QString& date, const QString& price,
                             const QString& pack) {
    const QString historyKey = Store::priceHistoryKey(itemKey, shop);
    storeValue(historyKey, PriceRecord::addToHistory(stored(historyKey).value_or(QString()), date, price, pack));
}

bool Document::storeField(PriceRecord::Field field, const QString& itemKey, int shop,
                          const std::optional<QString>& text) {
    if (text && !text->isEmpty() && !stored(Store::priceKey(itemKey, shop)))
        return false;
    return storeValue(PriceRecord::key(field, itemKey, shop), text && !text->isEmpty() ? text : std::nullopt);
}

void Document::setPacks(const QString& itemKey, const std::array<std::optional<QString>, ShopCount>& packs) {
    const QString day = PriceRecord::dateText(today());
    bool changed = false;
    for (int shop = 1; shop <= ShopCount; ++shop) {
        if (!packs[shop - 1])
            continue;
        // A price whose pack changes (a shrinking pack) keeps what it bought before in its history, unless it was
        // set today: then the pack only completes today's price.
        const std::optional<QString> oldPack = stored(PriceRecord::key(PriceRecord::Field::Pack, itemKey, shop));
        const std::optional<QString> price = stored(Store::priceKey(itemKey, shop));
        const std::optional<QString> date = stored(Store::priceDateKey(itemKey, shop));
        if (oldPack && !oldPack->isEmpty() && *oldPack != *packs[shop - 1] && price && date && *date != day) {
            keepInHistory(itemKey, shop, *date, *price, *oldPack);
            storeValue(Store::priceDateKey(itemKey, shop), date, day);
        }
        changed = storeField(PriceRecord::Field::Pack, itemKey, shop, packs[shop - 1]) || changed;
    }
    if (changed)
        forgetPrices(itemKey);
}

void Document::setOffers(const QString& itemKey, const std::array<std::optional<Offer>, ShopCount>& offers) {
    bool changed = false;
    for (int shop = 1; shop <= ShopCount; ++shop)
        if (const std::optional<Offer>& offer = offers[shop - 1])
            changed = storeField(PriceRecord::Field::Offer, itemKey, shop,
                                 offer->lastDay.isValid() ? PriceRecord::offerText(*offer) : QString()) ||
                      changed;
    if (changed)
        forgetPrices(itemKey);
}

QStringList Document::endOffers(QDate today) {
    struct Ended {
        QString itemKey;
        int shop;
        Offer offer;
    };
    std::vector<Ended> ended;
    m_store.forEach(Store::PriceOfferPrefix, [&](const QString& key, const QString& value) {
        const PriceRecord::KeyOf of = PriceRecord::keyOf(key);
        if (const std::optional<Offer> offer = PriceRecord::toOffer(value);
            of.field == PriceRecord::Field::Offer && offer && offer->lastDay < today)
            ended.push_back({of.itemKey.toString(), of.shop, *offer});
    });
    QSet<QString> endedKeys;
    for (const Ended& e : ended) {
        storeValue(PriceRecord::key(PriceRecord::Field::Offer, e.itemKey, e.shop), std::nullopt);
        storePrice(e.itemKey, e.shop, e.offer.regular, PriceRecord::dateText(e.offer.lastDay.addDays(1)));
        forgetPrices(e.itemKey);
        endedKeys.insert(e.itemKey);
    }
    QStringList names;
    for (const std::vector<Item>& items : m_lists)
        for (const Item& item : items)
            if (endedKeys.remove(item.key))
                names << item.name;
    return names;
}

bool Document::unitPricesPerHundred() const {
    return Store::toCheckMark(stored(Store::unitPricesPerHundredKey()).value_or(QString())).value_or(false);
}

void Document::setUnitPricesPerHundred(bool perHundred) {
    if (storeValue(Store::unitPricesPerHundredKey(), perHundred ? std::optional(ConfigFile::TrueText) : std::nullopt))
        touch();
}

bool Document::usedInPlans(int shop) const {
    const std::optional<QString> skip = stored(Store::planSkipKey(shop));
    if (const std::optional<bool> left = Store::toCheckMark(skip.value_or(QString())))
        return !*left;
    return !shopName(shop).isEmpty();
}

void Document::setUsedInPlans(int shop, bool used) {
    const bool byDefault = !shopName(shop).isEmpty();
    std::optional<QString> value;
    if (used != byDefault)
        value = used ? ConfigFile::FalseText : ConfigFile::TrueText;
    if (storeValue(Store::planSkipKey(shop), value))
        touch();
}

QString Document::tripCost(int shop) const {
    return stored(Store::tripCostKey(shop)).value_or(QString());
}

void Document::setTripCost(int shop, const QString& cost) {
    if (storeValue(Store::tripCostKey(shop), cost.isEmpty() ? std::nullopt : std::optional(cost)))
        touch();
}

int Document::planSize() const {
    const std::optional<int> shops = Store::toWholeNumber(stored(Store::planShopsKey()).value_or(QString()));
    return shops && *shops >= 1 && *shops <= MaxPlanSize ? *shops : DefaultPlanSize;
}

void Document::setPlanSize(int shops) {
    shops = std::clamp(shops, 1, MaxPlanSize);
    if (storeValue(Store::planShopsKey(),
                   shops == DefaultPlanSize ? std::nullopt : std::optional(QString::number(shops))))
        touch();
}

bool Document::storeValue(const QString& key, const std::optional<QString>& value) {
    return storeValue(key, stored(key), value);
}

bool Document::storeValue(const QString& key, const std::optional<QString>& was, const std::optional<QString>& value) {
    if (was == value)
        return false;
    record({.kind = Edit::Kind::StoreValue, .key = key, .was = was, .now = value});
    if (value)
        m_store.WriteValue(key, *value);
    else
        m_store.DeleteValue(key);
    return true;
}

std::optional<QString> Document::stored(const QString& key) const {
    return m_store.value(key);
}

void Document::setNextKey(qint32 nextKey) {
    m_nextKey = nextKey;
    touch();
}

void Document::insert(int list, int row, Item item) {
    record({.kind = Edit::Kind::Insert, .list = list, .row = row, .after = item});
    emit itemsAboutToBeInserted(list, row, row);
    m_lists[list].insert(m_lists[list].begin() + row, std::move(item));
    emit itemsInserted(list, row, row);
    touch();
}

void Document::remove(int list, int row) {
    record({.kind = Edit::Kind::Remove, .list = list, .row = row, .before = item(list, row)});
    emit itemsAboutToBeRemoved(list, row, row);
    m_lists[list].erase(m_lists[list].begin() + row);
    emit itemsRemoved(list, row, row);
    touch();
}

void Document::forgetPrices(const QString& itemKey) {
    m_prices.remove(itemKey);
    emit pricesChanged(itemKey);
    touch();
}

void Document::replace(int list, int row, Item changed) {
    Item& current = m_lists[list][static_cast<size_t>(row)];
    if (current.name == changed.name && current.quantity == changed.quantity && current.ticked == changed.ticked)
        return;
    record({.kind = Edit::Kind::Replace, .list = list, .row = row, .before = current, .after = changed});
    current = std::move(changed);
    emit itemChanged(list, row);
    touch();
}

void Document::beginStep() {
    if (m_stepDepth++ == 0)
        m_step = {{}, m_revision, m_revision};
}

Document::Step Document::endStep() {
    if (--m_stepDepth > 0)
        return {};
    m_step.after = m_revision;
    return std::exchange(m_step, {});
}

void Document::undo(const Step& step) {
    replay(step, false);
    setRevision(step.before);
}

void Document::redo(const Step& step) {
    replay(step, true);
    setRevision(step.after);
}

void Document::replay(const Step& step, bool forward) {
    m_replaying = true;
    const auto apply = [&](const Edit& edit) {
        switch (edit.kind) {
        case Edit::Kind::Insert:
            forward ? insert(edit.list, edit.row, edit.after) : remove(edit.list, edit.row);
            break;
        case Edit::Kind::Remove:
            forward ? remove(edit.list, edit.row) : insert(edit.list, edit.row, edit.before);
            break;
        case Edit::Kind::Replace:
            replace(edit.list, edit.row, forward ? edit.after : edit.before);
            break;
        case Edit::Kind::Move:
            forward ? moveItem(edit.list, edit.row, edit.to) : moveItem(edit.list, edit.to, edit.row);
            break;
        case Edit::Kind::ListName:
            setListName(edit.list, *(forward ? edit.now : edit.was));
            break;
        case Edit::Kind::ShopName:
            renameShop(edit.list, *(forward ? edit.now : edit.was));
            break;
        case Edit::Kind::StoreValue:
            storeValue(edit.key, forward ? edit.now : edit.was);
            // The prices kept as read hold every field but the history.
            if (const PriceRecord::KeyOf of = PriceRecord::keyOf(edit.key);
                !of.itemKey.isEmpty() && of.field != PriceRecord::Field::History)
                forgetPrices(of.itemKey.toString());
            else if (edit.key == Store::symbolKey())
                emit symbolChanged();
            break;
        }
    };
    if (forward)
        std::for_each(step.edits.begin(), step.edits.end(), apply);
    else
        std::for_each(step.edits.rbegin(), step.edits.rend(), apply);
    m_replaying = false;
}

void Document::record(Edit edit) {
    if (m_stepDepth > 0 && !m_replaying)
        m_step.edits.push_back(std::move(edit));
}

void Document::setRevision(quint64 revision) {
    m_revision = revision;
    emit changed();
}

void Document::touch() {
    // Every change gets a number never used before, so that equal revisions mean equal data even after undo.
    m_revision = ++m_lastRevision;
    emit changed();
}
