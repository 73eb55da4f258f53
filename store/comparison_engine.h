// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// The price comparison worked out from the document as one plain value, for the comparison tab and the printable
// page alike: for the ticked (or all) items of the four lists each item's cost at every shop, the totals per shop
// in single precision, the cheapest shop, and the lines said below the table and on the page. Rows count from 0
// and shops from 1: column s (texts, dates) and index s of the per-shop arrays are shop s, and bit s - 1 of a mask
// stands for shop s, as in Document::Prices.

#include "document.h"
#include "number_memo.h"
#include "pack_size.h"

#include <QHash>

#include <QCoreApplication>
#include <QDate>
#include <QStringList>

#include <array>
#include <vector>

struct Comparison {
    static constexpr int Columns = Store::ShopCount + 1; // the label, then a column per shop

    struct Row {
        enum class Kind { Heading, Item, Blank, Totals, BestPrice };
        Kind kind = Kind::Blank;
        std::array<QString, Columns> texts = {}; // the label, then a text for every shop
        QString key = {};                        // an item's key
        quint32 cheapest = 0;                    // bit s - 1 set: shop s has the item's lowest price
        quint32 offers = 0;                      // bit s - 1 set: shop s's price is an offer
        quint32 notComparable = 0;               // bit s - 1 set: a unit price of another kind than the item's
        std::array<QDate, Columns> dates = {};   // when each shop's price was set, where known
    };
    // Shown items: the first few names and how many there are.
    struct Names {
        QStringList first;
        int count = 0;
        void add(const QString& name);
        // "A, B and C", or "A, B, C and 4 more" when there are more names than listed.
        QString text() const;
    };

    std::vector<Row> rows;
    QStringList titles;    // by column: "Item", then each shop's name with the currency symbol
    QStringList totalTips; // by shop from 1: how many shown items it prices and which it lacks
    QDate today;
    int oldDays = 0; // a price set more than this many days before today is old
    int shownItems = 0;
    // By shop (index 0 unused): the total, how many shown items it prices and how many of its prices are old,
    // which items it lacks and the day of its oldest dated price.
    std::array<float, Columns> totals{};
    std::array<int, Columns> priced{}, old{};
    std::array<Names, Columns> missing{};
    std::array<QDate, Columns> oldest{};
    int bestShop = 0; // the lowest total above 0, the lower shop number of equal ones; 0 for none
    float bestPrice = 0;
    QString bestShopName; // "(None)" for none
    // Every item that some shop prices bought where it is cheapest: the sum, and at how many shops.
    float eachAtItsCheapest = 0;
    int splitShops = 0;
    Names pricedNowhere;

    // Trip plans, only of the shown items in "Selected items only": by size k = 1, 2, 3 (index k - 1), the shops
    // used in plans, at most k of them, that buy the most shown items, each at the cheapest shop of the plan, at
    // the lowest total with the trips to the shops the plan buys at; of equal plans the one with fewer shops, then
    // with the lower shop numbers. Amounts in whole cents, exact. A plan without shops: no used shop prices any
    // shown item.
    struct Plan {
        QList<int> shops;       // ascending
        QStringList labels;     // by shop of `shops`: its name as the lines say it
        QList<QStringList> buy; // by shop of `shops`: the names of the items bought there
        qint64 total = 0;       // the items and the trips
        qint64 tripCosts = 0;
        bool complete = false;
        QStringList lacking; // the shown items none of its shops prices
        // "2 shops: Market + Café Nord £23.42 (save £1.44)": the saving against the one-shop plan when both are
        // complete, then the trips and the items it lacks; empty without shops.
        QString line;
    };
    std::array<Plan, Document::MaxPlanSize> plans;
    int planSize = Document::DefaultPlanSize; // the plan the user chose to see, of 1 to 3 shops
    // Like for like, in cents, over the shown items a used shop prices: each at its cheapest used shop, against
    // all of them at the cheapest used shop that prices every one (likeForLikeShop), or, where none does, at the
    // used shop with the lowest total above 0 with the likeForLikeBorrowed items it lacks at their cheapest used
    // shop. Trips left out.
    qint64 likeForLikeSplit = 0, likeForLikeSingle = 0;
    int likeForLikeShop = 0, likeForLikeBorrowed = 0;
    QString likeForLikeLine;

    // Said below the table: the cheapest line; on the page: what the best shop covers and since when its prices
    // were checked; in both: the split trip, each item bought at its cheapest shop (in "Selected items only" the
    // like-for-like line), then the items no shop prices.
    QString cheapestLine, coverageLine, priceSinceLine, splitTripLine;
};

// Makes comparisons, keeping the amounts it formatted for the next one (the text of an amount costs more than the
// rest of a cell).
class ComparisonEngine {
    Q_DECLARE_TR_FUNCTIONS(Comparison)

public:
    enum class Mode { SelectedItems, AllItems, UnitPrices };

    // "Selected items only" shows the ticked items, each as its quantity times the price; "All items" every item
    // with its prices as stored. Totals add the shown texts read back, in row order. "Unit prices" shows every
    // item's price per kg, l or piece (see Pack) at each shop, marks the lowest of the item's most common kind,
    // leaves a price without a pack unranked ("—") and has no totals.
    Comparison compare(const Document& document, Mode mode, QDate today);
    // A day as the comparison and the page say it: "12 March 2026".
    static QString day(QDate date);
    // What a priced cell's tooltip says besides its age: its pack and unit price, and its offer; asked only when
    // shown, since most cells are never pointed at.
    static QString note(const Document& document, const QString& itemKey, int shop);
    // What a plan buys where, a line per shop ("At Market: Bread, Milk"), then the items it lacks.
    static QStringList planDetail(const Comparison::Plan& plan);

private:
    // The trip plans and the like-for-like figure, from each shown item's cost by shop (index 0 is shop 1).
    void planTrips(Comparison& c, const Document& document, const std::vector<QString>& names,
                   const std::vector<std::array<qint64, Document::ShopCount>>& costs);
    // The pack of a stored text, read once.
    const std::optional<Pack::Size>& packOf(const QString& stored);
    // The unit-price cells of one item's row.
    void fillUnitPrices(Comparison::Row& row, const Document::Prices& prices, Pack::Per per,
                        const std::array<QString, 3>& units);

    NumberMemo m_costs;
    // The trip plans' working memory: each shown item's name and cost by shop, the costs by used shop, and the
    // same in 32 bits.
    struct PlanMemory {
        std::vector<QString> names;
        std::vector<std::array<qint64, Document::ShopCount>> costs;
        std::vector<std::vector<qint64>> columns;
        std::vector<std::vector<qint32>> narrowColumns;
    } m_plan;
    QHash<QString, std::optional<Pack::Size>> m_packs;
    // A unit price's text with its unit, by what it is per, its kind and its amount.
    std::array<std::array<QHash<double, QString>, 3>, 2> m_unitPrices;
};
