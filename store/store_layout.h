#pragma once

// The key layout of the data file: every key name Pantrova stores is built here, together with the
// conversions of stored texts to check marks and whole numbers. Nothing else spells a key.

#include <QString>

#include <optional>

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
QString recoveryBaseKey();                          // "RecoveryBase"
QString shopNameKey(int shop);                      // "Shop1" .. "Shop20"
QString listCountKey(int list);                     // "L0" .. "L3"
QString listNameKey(int list);                      // "L0n"
QString itemNamePrefix(int list);                   // "L0i" (+ position)
QString itemQuantityPrefix(int list);               // "L0q"
QString itemCheckPrefix(int list);                  // "L0c"
QString itemKeyPrefix(int list);                    // "L0k"
QString itemKey(qint64 number);                     // "K17"
QString priceKey(const QString& itemKey, int shop); // "K17_3"
// When a price was last set (an ISO date) and its earlier values: keys of their own. A reader that looks for a
// key above never meets them, and itemKeyOfPrice takes none of them for a price.
inline const QString PriceDatePrefix = QStringLiteral("Dated:");
inline const QString PriceHistoryPrefix = QStringLiteral("History:");
QString priceDateKey(const QString& itemKey, int shop);    // "Dated:K17_3"
QString priceHistoryKey(const QString& itemKey, int shop); // "History:K17_3", "2026-03-12=1.20;..." oldest first
// The age in days from which the comparison shows a price as old.
QString oldPriceDaysKey(); // "OldPriceDays"
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
