// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "number_memo.h"

#include "money.h"

#include <QLocale>

#include <array>
#include <bit>

NumberMemo::NumberMemo() {
    const QLocale locale;
    m_plainDecimals = locale.zeroDigit() == QLatin1String("0") && locale.decimalPoint().size() == 1;
    if (m_plainDecimals)
        m_decimalPoint = locale.decimalPoint().front();
}

std::optional<double> NumberMemo::toNumber(const QString& text) {
    if (const std::optional<double> plain = plainDecimal(text))
        return plain;
    auto found = m_numbers.constFind(text);
    if (found == m_numbers.cend())
        found = m_numbers.insert(text, Money::toNumber(text));
    return *found;
}

const std::pair<QString, std::optional<double>>& NumberMemo::format(double amount) {
    // By bit pattern, so that amounts that compare equal but print differently (0 and -0) stay apart.
    const auto bits = std::bit_cast<quint64>(amount);
    auto found = m_formatted.constFind(bits);
    if (found == m_formatted.cend()) {
        const QString text = Money::format(amount);
        found = m_formatted.insert(bits, {text, toNumber(text)});
    }
    return *found;
}

// Digits with at most one decimal point between digits and no leading zero ("12", "0.5", "1.25"), read exactly:
// at most 15 digits make an integer a double holds exactly, and one division by an exact power of ten is then
// correctly rounded, as the locale's reading is. Nothing for any other text.
std::optional<double> NumberMemo::plainDecimal(QStringView text) const {
    static constexpr std::array<double, 16> PowersOfTen{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (!m_plainDecimals || text.isEmpty() || text.size() > 16 || text.back() == m_decimalPoint ||
        (text.front() == u'0' && text.size() > 1 && text[1] != m_decimalPoint))
        return std::nullopt;
    quint64 mantissa = 0;
    int digits = 0;
    int decimals = -1;
    for (const QChar c : text) {
        if (c == m_decimalPoint && decimals < 0 && digits > 0) {
            decimals = 0;
            continue;
        }
        if (c < u'0' || c > u'9' || ++digits > 15)
            return std::nullopt;
        mantissa = mantissa * 10 + (c.unicode() - u'0');
        if (decimals >= 0)
            ++decimals;
    }
    return static_cast<double>(mantissa) / PowersOfTen[static_cast<size_t>(std::max(decimals, 0))];
}
