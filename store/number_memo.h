// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// Money::toNumber and Money::format, the same results in a fraction of the time: reading or writing a number in
// the locale costs far more than the rest of a comparison cell, and thousands of items hold few distinct prices
// and amounts, so results are remembered for the texts and amounts already seen.

#include <QHash>
#include <QString>

#include <optional>
#include <utility>

class NumberMemo {
public:
    NumberMemo();

    std::optional<double> toNumber(const QString& text);
    // The amount in the money format, and that text read back as a number.
    const std::pair<QString, std::optional<double>>& format(double amount);

private:
    std::optional<double> plainDecimal(QStringView text) const;

    bool m_plainDecimals = false;
    QChar m_decimalPoint;
    QHash<QString, std::optional<double>> m_numbers;
    QHash<quint64, std::pair<QString, std::optional<double>>> m_formatted;
};
