#pragma once

// Numbers and money as the user types and sees them: the test whether a text is a number, and the money
// format "#,##0.00", both in the current locale. The lists, the item editor, the price comparison and the
// printable page all read and write numbers through here.

#include <QString>

#include <optional>

namespace Money {

// The text read as a finite number in the current locale, grouping separators allowed; nothing for the empty
// text, blanks, "inf", "nan" or anything else the locale does not read as a number.
std::optional<double> toNumber(const QString& text);
inline bool isNumber(const QString& text) {
    return toNumber(text).has_value();
}

// "#,##0.00": the locale's grouping and decimal separators, at least one digit before the separator and
// exactly two decimals.
QString format(double amount);
// An entered price: it passes through single precision first, so only about seven digits survive.
QString formatPrice(float price);

// A quantity written back by the list commands: plain decimal text without separators ("1", "2", "3.5").
QString plainNumber(double value);

} // namespace Money
