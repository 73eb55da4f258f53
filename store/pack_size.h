// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// Pack sizes and unit prices: how much of a thing one price buys ("500 g", "1.5 l", "6 x 330 ml", "12 pcs"), and
// what that makes per kg, per l or per piece. The data file keeps a pack in one form whatever the language (a
// point for decimals, the unit as typed); the user types and reads it in their own language.

#include <QLocale>
#include <QString>

#include <optional>

namespace Pack {

enum class Kind { Mass, Volume, Count };

// An amount in the base unit of its kind: grams, millilitres or pieces.
struct Size {
    double amount = 0;
    Kind kind = Kind::Count;
    bool operator==(const Size&) const = default;
};

// The largest pack, in the base unit of its kind; anything larger is taken for a typing mistake.
inline constexpr double MostBaseUnits = 1'000'000;

// What a typed pack means, read with the locale's decimal separator (a point is always read as one too): "500 g",
// "1,5 l", "6 x 330 ml", "6x330ml", "12 pcs", "12 Stk", "2 lb", "16 fl oz", "1 gal", a bare number for pieces.
// Nothing for other text, for zero and for more than MostBaseUnits.
std::optional<Size> read(const QString& text, const QLocale& locale = QLocale());
// The form the data file keeps of a typed pack: the same amount and unit with a point for decimals, single spaces
// and the unit in its usual letter case ("6x330ML" -> "6 x 330 ml", "1,5 l" -> "1.5 l", "12 stk." -> "12 Stk.");
// empty when the text is no pack.
QString stored(const QString& typed, const QLocale& locale = QLocale());
// A stored pack as the user reads it ("1.5 l" -> "1,5 l" in German); a stored text that is no pack as it is.
QString shown(const QString& stored, const QLocale& locale = QLocale());
// Some packs as the user would type them, for a message that explains what a pack is.
QString examples(const QLocale& locale = QLocale());

// What a unit price is per: per kg, per l and per piece, or per 100 g and 100 ml for mass and volume.
enum class Per { Standard, Hundred };
// The price of one unit of the pack's kind, at full precision; nothing for an empty pack.
std::optional<double> unitPrice(double price, const Size& size, Per per);
// The unit a unit price is per, as shelf labels write it: "kg", "l", "pc", "100 g", "100 ml".
QString unitName(Kind kind, Per per);
// A unit price as the user reads it: two decimals, three below 0.10 ("3.98", "0.045"), with the locale's
// separators; empty for a value that is no number.
QString formatUnitPrice(double value, const QLocale& locale = QLocale());

} // namespace Pack
