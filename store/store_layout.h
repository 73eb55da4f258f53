// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// The key layout of the data file: every key name Pantrova stores is built here, together with the
// conversions of stored texts to check marks and whole numbers. Nothing else spells a key. Lists count from 0,
// shops from 1, and an item's position in its list's keys from 1 (the top item is "L0i1").

#include <QDate>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace Store {

inline constexpr int ListCount = 4;
inline constexpr int ShopCount = 20;

inline const QString DataFileName = QStringLiteral("Pantrova.dat");
inline const QString DefaultSymbol = QStringLiteral("£");
// Read in place of a quantity whose key is missing.
inline const QString MissingQuantity = QStringLiteral(" ");

QString nextKeyKey(); // "NextKey"
QString symbolKey();  // "Symbol"
// Only in a recovery file, never in the data file: the data file (as SafeFile::digest, in hex) that the unsaved
// changes were made to.
QString recoveryBaseKey();            // "RecoveryBase"
QString shopNameKey(int shop);        // "Shop1" .. "Shop20"
QString listCountKey(int list);       // "L0" .. "L3"
QString listNameKey(int list);        // "L0n"
QString itemNamePrefix(int list);     // "L0i" (+ position)
QString itemQuantityPrefix(int list); // "L0q"
QString itemCheckPrefix(int list);    // "L0c"
QString itemKeyPrefix(int list);      // "L0k"
// Whether a key is an item's quantity ("L0q3"), for any list.
bool isItemQuantityKey(QStringView key);
QString itemKey(qint64 number); // "K17"
// Gives out the key of the counter's number and counts on: every new item key is given out here.
QString takeItemKey(qint32& nextKey);
QString priceKey(const QString& itemKey, int shop); // "K17_3"
// When a price was last set, its earlier values, its pack and its offer: keys of their own (see PriceRecord).
inline const QString PriceDatePrefix = QStringLiteral("Dated:");
inline const QString PriceHistoryPrefix = QStringLiteral("History:");
inline const QString PricePackPrefix = QStringLiteral("Pack:");
inline const QString PriceOfferPrefix = QStringLiteral("Offer:");
QString priceDateKey(const QString& itemKey, int shop);    // "Dated:K17_3"
QString priceHistoryKey(const QString& itemKey, int shop); // "History:K17_3"
struct PricePoint {
    QDate date;
    QString price;
    QString pack = {}; // as stored; empty when the price had none or is older than packs
};
// A price is kept under one key per field: the amount as shown ("K17_3"), the day it was set ("Dated:K17_3", an
// ISO date), its earlier values ("History:K17_3", "2026-03-12=1.20;2026-05-02=1.25|500 g;..." oldest first, each
// with the pack it bought when there was one), the pack it buys
// ("Pack:K17_3", "500 g", see pack_size.h) and the offer it is ("Offer:K17_3", "2026-12-14;2.99": the offer's last
// day and the regular price). Only the amount's key is a price key: a reader that looks for prices never meets
// the others. Here are the fields, their keys and the texts under them; copying, deleting and undoing a price go
// over every field, so a new field is added here alone.
struct PriceRecord {
    enum class Field { Amount, Date, History, Pack, Offer };
    static constexpr std::array Fields{Field::Amount, Field::Date, Field::History, Field::Pack, Field::Offer};
    // The fields read with the price: all but the history.
    static constexpr std::array Current{Field::Amount, Field::Date, Field::Pack, Field::Offer};
    // The earlier prices kept besides the current one.
    static constexpr int HistoryLength = 12;
    static QString key(Field field, const QString& itemKey, int shop);
    // Which field of which price a key holds; an empty item key for any other key.
    struct KeyOf {
        Field field = Field::Amount;
        QStringView itemKey;
        int shop = 0;
    };
    static KeyOf keyOf(QStringView key);
    static QDate toDate(const QString& text) { return QDate::fromString(text, Qt::ISODate); } // invalid for others
    static QString dateText(QDate date) { return date.toString(Qt::ISODate); }
    // The points of a history that read, oldest first.
    static std::vector<PricePoint> toHistory(const QString& text);
    // A history with the price set on a day (as stored, with its pack if any) after its last point, keeping the
    // last HistoryLength.
    static QString addToHistory(const QString& history, const QString& date, const QString& price,
                                const QString& pack = {});
    // An offer's text: its last day and the regular price, and back; nothing for a text that is no offer.
    struct Offer {
        QDate lastDay;
        QString regular;
        bool operator==(const Offer&) const = default;
    };
    static QString offerText(const Offer& offer) { return dateText(offer.lastDay) + QLatin1Char(';') + offer.regular; }
    static std::optional<Offer> toOffer(const QString& text);
    // A history with each price replaced by what `rewrite` makes of it; everything else (days, packs) as it was.
    static QString rewriteHistory(const QString& history, const std::function<QString(const QString&)>& rewrite);
};
// The age in days from which the comparison shows a price as old.
QString oldPriceDaysKey(); // "OldPriceDays"
// Whether unit prices of mass and volume are per 100 g and 100 ml: "True", or missing for per kg and l.
QString unitPricesPerHundredKey(); // "UnitPricesPer100"
// Trip plans, each key missing for its default: "PlanSkip3" is "True" when shop 3 is left out of the plans and
// "False" when it is used although it has no name (a named shop is used, an unnamed one not, unless told);
// "TripCost3" is what a visit to shop 3 costs (fare or fuel), a money text as prices are stored; "PlanShops" is
// how many shops a plan may visit, 1 to 3 (2 when missing).
QString planSkipKey(int shop); // "PlanSkip1" .. "PlanSkip20"
inline const QString TripCostPrefix = QStringLiteral("TripCost");
QString tripCostKey(int shop); // "TripCost1" .. "TripCost20"
QString planShopsKey();        // "PlanShops"
// The item key a price key belongs to ("K17" of "K17_3"); empty for any other key, a date key among them.
QStringView itemKeyOfPrice(QStringView key);
// The shop a price key belongs to (3 of "K17_3"); 0 for any other key.
int shopOfPrice(QStringView key);

// "True"/"False" in any letter case, or a number (0 false, any other true); nothing for other text.
std::optional<bool> toCheckMark(const QString& text);
// A decimal whole number, blanks around it allowed; nothing for other text or values outside 32 bits.
std::optional<int> toWholeNumber(const QString& text);
// The number of an item key "K<n>"; nothing when the text is not such a key.
std::optional<int> itemKeyNumber(const QString& key);

} // namespace Store
