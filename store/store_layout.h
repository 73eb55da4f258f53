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
// The item key a price key belongs to ("K17" of "K17_3"); empty for any other key.
QStringView itemKeyOfPrice(QStringView key);

// "True"/"False" in any letter case, or a number (0 false, any other true); nothing for other text.
std::optional<bool> toCheckMark(const QString& text);
// A decimal whole number, blanks around it allowed; nothing for other text or values outside 32 bits.
std::optional<int> toWholeNumber(const QString& text);
// The number of an item key "K<n>"; nothing when the text is not such a key.
std::optional<int> itemKeyNumber(const QString& key);

} // namespace Store
