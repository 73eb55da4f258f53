// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "pack_size.h"

#include <QCoreApplication>

#include <array>
#include <cmath>

namespace Pack {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("Pack", text);
}

// A unit as the data file spells it, what it measures and how many base units one of it is. Every spelling a
// user may type is here, so that a stored pack keeps the user's choice with the table's letter case.
struct Unit {
    const char* spelling;
    Kind kind;
    double base;
};

constexpr std::array Units{
    Unit{"mg", Kind::Mass, 0.001},
    Unit{"g", Kind::Mass, 1},
    Unit{"kg", Kind::Mass, 1000},
    Unit{"oz", Kind::Mass, 28.349523125},
    Unit{"lb", Kind::Mass, 453.59237},
    Unit{"ml", Kind::Volume, 1},
    Unit{"cl", Kind::Volume, 10},
    Unit{"dl", Kind::Volume, 100},
    Unit{"l", Kind::Volume, 1000},
    Unit{"fl oz", Kind::Volume, 29.5735295625},
    Unit{"floz", Kind::Volume, 29.5735295625},
    Unit{"gal", Kind::Volume, 3785.411784},
    Unit{"", Kind::Count, 1},
    Unit{"pcs", Kind::Count, 1},
    Unit{"pc", Kind::Count, 1},
    Unit{"x", Kind::Count, 1},
    Unit{"Stk", Kind::Count, 1},
    Unit{"Stk.", Kind::Count, 1},
};

// A pack taken apart: the parts of the text it was read from, and what it means.
struct Parts {
    QStringView count;    // the digits of "N x", empty when there is none
    QStringView whole;    // the amount's digits before the decimal separator
    QStringView decimals; // and after it, empty when there is none
    const Unit* unit = nullptr;
    Size size;
};

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

QStringView digits(QStringView text, qsizetype& at) {
    const qsizetype from = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return text.sliced(from, at - from);
}

void skipSpaces(QStringView text, qsizetype& at) {
    while (at < text.size() && text[at].isSpace())
        ++at;
}

// Digits with decimals after the locale's separator or a point; false when they are not there. A group separator
// is no decimal separator, so "1,000" in English stops after the "1".
bool readNumber(QStringView text, qsizetype& at, const QString& decimal, QStringView& whole, QStringView& decimals) {
    whole = digits(text, at);
    if (whole.isEmpty())
        return false;
    const QStringView rest = text.sliced(at);
    const qsizetype separator = rest.startsWith(u'.')                            ? 1
                                : !decimal.isEmpty() && rest.startsWith(decimal) ? decimal.size()
                                                                                 : 0;
    if (separator == 0)
        return true;
    qsizetype after = at + separator;
    decimals = digits(text, after);
    at = after;
    return !decimals.isEmpty();
}

bool isTimes(QChar c) {
    return c == u'x' || c == u'X' || c == u'\u00D7';
}

std::optional<Parts> parse(QStringView typed, const QLocale& locale) {
    const QStringView text = typed.trimmed();
    const QString decimal = locale.decimalPoint();
    Parts parts;
    qsizetype at = 0;
    if (!readNumber(text, at, decimal, parts.whole, parts.decimals))
        return std::nullopt;
    // "6 x 330 ml": a whole number of packs, then the pack. "12 x" alone is twelve pieces.
    qsizetype times = at;
    skipSpaces(text, times);
    if (parts.decimals.isEmpty() && times < text.size() && isTimes(text[times])) {
        qsizetype next = times + 1;
        skipSpaces(text, next);
        if (next < text.size() && isDigit(text[next])) {
            parts.count = parts.whole;
            at = next;
            if (!readNumber(text, at, decimal, parts.whole, parts.decimals))
                return std::nullopt;
        }
    }
    const QString unit = text.sliced(at).toString().simplified();
    for (const Unit& known : Units)
        if (unit.compare(QLatin1String(known.spelling), Qt::CaseInsensitive) == 0) {
            parts.unit = &known;
            break;
        }
    if (!parts.unit)
        return std::nullopt;
    QString number = parts.whole.toString();
    if (!parts.decimals.isEmpty())
        number += u'.' + parts.decimals.toString();
    bool ok = false;
    const double amount = number.toDouble(&ok);
    const double count = parts.count.isEmpty() ? 1 : parts.count.toString().toDouble();
    parts.size = {count * amount * parts.unit->base, parts.unit->kind};
    if (!ok || !(parts.size.amount > 0) || parts.size.amount > MostBaseUnits)
        return std::nullopt;
    return parts;
}

// The pack written with a decimal separator, single spaces and the unit in the table's letter case.
QString write(const Parts& parts, const QString& decimal) {
    QString text;
    if (!parts.count.isEmpty()) {
        text += parts.count;
        text += QLatin1String(" x ");
    }
    text += parts.whole;
    if (!parts.decimals.isEmpty()) {
        text += decimal;
        text += parts.decimals;
    }
    if (*parts.unit->spelling) {
        text += u' ';
        text += QLatin1String(parts.unit->spelling);
    }
    return text;
}

} // namespace

std::optional<Size> read(const QString& text, const QLocale& locale) {
    if (const std::optional<Parts> parts = parse(text, locale))
        return parts->size;
    return std::nullopt;
}

QString stored(const QString& typed, const QLocale& locale) {
    const std::optional<Parts> parts = parse(typed, locale);
    return parts ? write(*parts, QStringLiteral(".")) : QString();
}

QString shown(const QString& stored, const QLocale& locale) {
    const std::optional<Parts> parts = parse(stored, QLocale::c());
    return parts ? write(*parts, locale.decimalPoint()) : stored;
}

QString examples(const QLocale& locale) {
    return tr("500 g, %1 l, 6 x 330 ml, 12 pcs").arg(QStringLiteral("1") + locale.decimalPoint() + u'5');
}

std::optional<double> unitPrice(double price, const Size& size, Per per) {
    if (!(size.amount > 0))
        return std::nullopt;
    const double unit = size.kind == Kind::Count ? 1 : per == Per::Hundred ? 100 : 1000;
    return price * unit / size.amount;
}

QString unitName(Kind kind, Per per) {
    switch (kind) {
    case Kind::Mass:
        return per == Per::Hundred ? tr("100 g") : tr("kg");
    case Kind::Volume:
        return per == Per::Hundred ? tr("100 ml") : tr("l");
    case Kind::Count:
        break;
    }
    return tr("pc");
}

QString formatUnitPrice(double value, const QLocale& locale) {
    if (!std::isfinite(value))
        return {};
    QLocale grouped = locale;
    // As the money format: the C locale leaves out grouping unless asked.
    grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
    // Decided on the cents, so that nothing that shows as 0.10 gets a third decimal.
    const int decimals = std::round(std::abs(value) * 100) < 10 ? 3 : 2;
    return grouped.toString(value, 'f', decimals);
}

} // namespace Pack
