// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// Numbers and money as the user types and sees them: the test whether a text is a number, and the money
// format "#,##0.00", both in the current locale. The lists, the item editor, the price comparison and the
// printable page all read and write numbers through here.

#include <QRegularExpression>
#include <QString>

#include <optional>

namespace Money {

// The separators numbers are written with. A data file records those its prices were written with, so that they
// keep their value when the file is opened under another language.
struct Conventions {
    QString decimal;
    QString group;
    bool operator==(const Conventions&) const = default;
};

// The current locale's separators, as format and toNumber use them.
Conventions current();
// Reads numbers written with given separators: digits, grouped in threes or not at all, a decimal part, a sign
// and blanks around; nothing for any other text.
class ConventionReader {
public:
    explicit ConventionReader(const Conventions& conventions);
    std::optional<double> toNumber(const QString& text) const;

private:
    Conventions m_conventions;
    QRegularExpression m_pattern;
};

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
// The smallest price a user may enter, in the editor or in an imported file; compared in single precision, so
// "0.01" itself passes.
inline constexpr float SmallestPrice = 0.01f;
// A typed or imported price as it is stored: through single precision, so a number beyond its range is none, and
// at least SmallestPrice.
struct Price {
    enum class Problem { None, NotANumber, TooSmall };
    float amount = 0;
    Problem problem = Problem::None;
};
// `number` is the text as toNumber (or a NumberMemo) reads it.
Price parsePrice(std::optional<double> number);

// A quantity written back by the list commands: plain decimal text without separators ("1", "2", "3.5").
QString plainNumber(double value);
// A number as the current locale writes it, without grouping ("3,5" in German): a quantity that had decimals
// under other conventions, so that the locale reads it back with the same value.
QString localNumber(double value);

} // namespace Money
