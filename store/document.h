// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// The user's data while Pantrova runs, and the one place where it changes: the four lists (a name and items in
// order, each with its key, name, quantity and tick), the shop names, the currency symbol, the item-key
// counter and the prices. The lists, the names and the counter are kept here and written into the store when
// it is saved; the prices, the symbol and every other stored key stay in the store, in the data file's layout.
// Every change is one call, and each sends a signal saying precisely what changed; changes of rows are
// announced before and after, as item models need. Lists and rows count from 0, shops from 1; where shops are
// bits of a mask, bit s - 1 stands for shop s.

#include "config_file.h"
#include "number_memo.h"
#include "pack_size.h"
#include "store_layout.h"
#include "stored_data.h"

#include <QDate>
#include <QHash>
#include <QObject>

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

struct Item {
    QString key;
    QString name;
    QString quantity;
    bool ticked = false;
};

class Document : public QObject {
    Q_OBJECT

public:
    static constexpr int ListCount = Store::ListCount;
    static constexpr int ShopCount = Store::ShopCount;

    // An item's prices by shop (index 0 is shop 1): the stored text, or " " where none is stored, that text read
    // as a number (NaN for any other text), the day it was set (none for a price from an older file), the pack it
    // buys as stored (empty for none) and the offer it is.
    using Offer = Store::PriceRecord::Offer;
    struct Prices {
        std::array<QString, ShopCount> texts;
        std::array<double, ShopCount> numbers{};
        std::array<QDate, ShopCount> dates;
        std::array<QString, ShopCount> packs;
        std::array<std::optional<Offer>, ShopCount> offers;
        quint32 stored = 0;  // bit s - 1 set: shop s has a stored price
        quint32 offered = 0; // bit s - 1 set: shop s's price is an offer (a comparison asks this for every cell)
        bool has(int shop) const { return stored & (1u << (shop - 1)); }
    };

    explicit Document(QObject* parent = nullptr);

    // Today, for the date a price is set on; tests set the clock.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    static constexpr int HistoryLength = Store::PriceRecord::HistoryLength;
    static constexpr int DefaultOldPriceDays = 90;
    using PricePoint = Store::PricePoint;
    // The largest quantity "+" counts up to.
    static constexpr int MaxQuantity = 999;
    // A ticked item holds a quantity, an unticked one none: a tick keeps a quantity that is a number and gives 1
    // to any other. `numbers` reads them, and may be kept for many items.
    static QString tickedQuantity(bool ticked, const QString& quantity, NumberMemo& numbers);

    // The store behind the document: loading replaces its contents, after which adopt takes the lists out.
    ConfigFile& store() { return m_store; }
    const ConfigFile& store() const { return m_store; }
    // Takes the lists, names and counter read from the store at start-up, in place of everything before.
    void adopt(Store::StoredData&& data);
    // Writes the lists, list names, shop names and counter into a store, as saving lays them out.
    void writeInto(ConfigFile& store) const;
    // Names the data as it is: every change gives a new revision, and undoing a step gives back the one before
    // it, so equal revisions mean equal data.
    quint64 revision() const { return m_revision; }

    // One change of the data, as undo needs it: what was there before and what came after.
    struct Edit {
        enum class Kind { Insert, Remove, Replace, Move, ListName, ShopName, StoreValue };
        Kind kind = Kind::Insert;
        int list = 0; // the shop of a ShopName
        int row = 0;  // the row moved from, of a Move
        int to = 0;
        Item before = {};
        Item after = {};
        QString key = {}; // of a StoreValue
        std::optional<QString> was = {};
        std::optional<QString> now = {};
    };
    // The changes between beginStep and endStep, which undo takes back together. Steps may nest: only the
    // outermost one collects. The key counter never goes back.
    struct Step {
        std::deque<Edit> edits; // grows without moving what it holds: an import records millions
        quint64 before = 0;
        quint64 after = 0;
    };
    void beginStep();
    Step endStep();
    void undo(const Step& step);
    void redo(const Step& step);

    int itemCount(int list) const { return static_cast<int>(m_lists[list].size()); }
    const Item& item(int list, int row) const { return m_lists[list][static_cast<size_t>(row)]; }
    const std::vector<Item>& items(int list) const { return m_lists[list]; }
    const QString& listName(int list) const { return m_listNames[list]; }
    const QString& shopName(int shop) const { return m_shopNames[shop - 1]; }
    QString symbol() const;
    qint32 nextKey() const { return m_nextKey; }
    // Whether a new item can get a key: the counter is 32 bits, never wraps and never gives out its largest value.
    bool keysLeft() const;
    // The prices of one item, kept as numbers once read; valid until the prices change or another item's are
    // read for the first time.
    const Prices& prices(const QString& itemKey) const;
    // The dated prices an item had at a shop, oldest first, the current one last.
    std::vector<PricePoint> priceHistory(const QString& itemKey, int shop) const;
    // From how many days on the comparison shows a price as old.
    int oldPriceDays() const;
    void setOldPriceDays(int days);

    // Adds an item under the next key, unticked and without quantity unless told; gives the key.
    QString addItem(int list, int row, const QString& name, const QString& quantity = {}, bool ticked = false);
    // Inserts an item that has its key already; the counter stays above it.
    void insertItem(int list, int row, const Item& item);
    // Deletes the item and its prices with their dates and history.
    void deleteItem(int list, int row);
    void renameItem(int list, int row, const QString& name);
    void setItemState(int list, int row, bool ticked, const QString& quantity);
    // The user's tick: a ticked item holds 1, an unticked one nothing.
    void setTicked(int list, int row, bool ticked);
    // "+" ticks the item and counts its quantity up to MaxQuantity; a quantity that is no number becomes 1.
    void countUp(int list, int row);
    // "-" counts a quantity down, and at "1" unticks the item and clears it; one that is no number stays.
    void countDown(int list, int row);
    // Ticks every item of the list, giving a quantity of 1 to those without a number, or clears every tick and
    // quantity.
    void setAllTicked(int list, bool ticked);
    void moveItem(int list, int from, int to);
    // To the bottom of the other list, unticked and without quantity; a move keeps the key and so the prices, a
    // copy gets a new key and copies of the prices, their dates and history.
    void moveItemToList(int list, int row, int toList);
    void copyItemToList(int list, int row, int toList);

    void setListName(int list, const QString& name);
    void renameShop(int shop, const QString& name);
    void setSymbol(const QString& symbol);
    // Sets the prices given, dated today; an empty text deletes the price, nothing leaves it as it is. A new
    // price sends the one before it, when that had a date, into the history; the same price only renews its date.
    void setPrices(const QString& itemKey, const std::array<std::optional<QString>, ShopCount>& changes);
    void setPrice(const QString& itemKey, int shop, const QString& text);
    // Sets the packs given (in the data file's form, see Pack::stored), by shop from 0; an empty text removes the
    // pack, nothing leaves it as it is. A pack belongs to a price: a shop without a price keeps none.
    void setPacks(const QString& itemKey, const std::array<std::optional<QString>, ShopCount>& packs);
    // Makes the prices given offers (an invalid last day ends the offer), by shop from 0; nothing leaves it as it is.
    void setOffers(const QString& itemKey, const std::array<std::optional<Offer>, ShopCount>& offers);
    // Every offer whose last day is before `today` ends: its price goes back to the regular price, dated the day
    // after the offer's last day, and the offer price goes to the history. Gives the names of the items whose
    // offers ended, each once.
    QStringList endOffers(QDate today);
    // The unit prices of the comparison and the editor: per kg, l and piece, or per 100 g and 100 ml.
    bool unitPricesPerHundred() const;
    Pack::Per unitPricesPer() const { return unitPricesPerHundred() ? Pack::Per::Hundred : Pack::Per::Standard; }
    void setUnitPricesPerHundred(bool perHundred);
    // Trip plans: whether a shop is used in them (a named shop unless it is left out, an unnamed one only when it
    // is taken in), what a visit to it costs (a money text as prices are stored; empty for nothing) and how many
    // shops a plan may visit (1 to 3). A setting that becomes its default is no longer stored.
    static constexpr int DefaultPlanSize = 2;
    static constexpr int MaxPlanSize = 3;
    bool usedInPlans(int shop) const;
    void setUsedInPlans(int shop, bool used);
    QString tripCost(int shop) const;
    void setTripCost(int shop, const QString& cost);
    int planSize() const;
    void setPlanSize(int shops);
    // For a counter a file set: the next added item gets this key number.
    void setNextKey(qint32 nextKey);

signals:
    void listAboutToBeReset(int list);
    void listReset(int list);
    void itemsAboutToBeInserted(int list, int first, int last);
    void itemsInserted(int list, int first, int last);
    void itemsAboutToBeRemoved(int list, int first, int last);
    void itemsRemoved(int list, int first, int last);
    void itemAboutToBeMoved(int list, int from, int to);
    void itemMoved(int list, int from, int to);
    void itemChanged(int list, int row);
    void listNameChanged(int list);
    void shopRenamed(int shop);
    void symbolChanged();
    void pricesChanged(const QString& itemKey);
    // After every change of any kind.
    void changed();

private:
    void insert(int list, int row, Item item);
    void remove(int list, int row);
    void replace(int list, int row, Item changed);
    bool storeValue(const QString& key, const std::optional<QString>& value);
    // The same, for a key whose value was just read.
    bool storeValue(const QString& key, const std::optional<QString>& was, const std::optional<QString>& value);
    void replay(const Step& step, bool forward);
    void record(Edit edit);
    void setRevision(quint64 revision);
    // Whether anything stored changed; a price set is dated `day` (an ISO date).
    bool storePrice(const QString& itemKey, int shop, const QString& text, const QString& day);
    // Sends a price as it was (its day, amount and pack, as stored) to its history.
    void keepInHistory(const QString& itemKey, int shop, const QString& date, const QString& price,
                       const QString& pack);
    // Stores one field of a price, when the price is there; whether anything changed.
    bool storeField(Store::PriceRecord::Field field, const QString& itemKey, int shop,
                    const std::optional<QString>& text);
    std::optional<QString> stored(const QString& key) const;
    void readAllPrices() const;
    // Keeps a stored amount or date in its item's prices.
    void keepPrice(Prices& prices, const Store::PriceRecord::KeyOf& field, const QString& text) const;
    QString takeKey();
    void forgetPrices(const QString& itemKey);
    void touch();

    ConfigFile m_store;
    std::array<std::vector<Item>, ListCount> m_lists;
    std::array<QString, ListCount> m_listNames;
    std::array<QString, ShopCount> m_shopNames;
    qint32 m_nextKey = 0;
    quint64 m_revision = 0;
    quint64 m_lastRevision = 0;
    Step m_step;
    int m_stepDepth = 0;
    bool m_replaying = false;
    // Every price as read once, by item key; an item's entry goes when one of its prices changes.
    mutable QHash<QString, Prices> m_prices;
    mutable bool m_pricesRead = false;
    mutable NumberMemo m_numbers;
};
