// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "money.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace Money {

Conventions current() {
    const QLocale locale;
    return {locale.decimalPoint(), locale.groupSeparator()};
}

ConventionReader::ConventionReader(const Conventions& conventions)
    : m_conventions(conventions) {
    // A group separator only between groups of three digits; without one, only ungrouped digits.
    const QString group =
        conventions.group.isEmpty() ? QStringLiteral("(?!)") : QRegularExpression::escape(conventions.group);
    m_pattern.setPattern(QStringLiteral(R"(^\s*([+-]?)(\d{1,3}(?:%1\d{3})+|\d+)(?:%2(\d+))?\s*$)")
                             .arg(group, QRegularExpression::escape(conventions.decimal)));
    m_pattern.optimize();
}

std::optional<double> ConventionReader::toNumber(const QString& text) const {
    const QRegularExpressionMatch match = m_pattern.match(text);
    if (m_conventions.decimal.isEmpty() || !match.hasMatch())
        return std::nullopt;
    QString plain = match.captured(1) + match.captured(2).remove(m_conventions.group);
    if (match.hasCaptured(3))
        plain += QLatin1Char('.') + match.captured(3);
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> toNumber(const QString& text) {
    bool ok = false;
    const double value = QLocale().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString format(double amount) {
    QLocale locale;
    // The C locale leaves out grouping unless asked; the money format always groups.
    if (locale.numberOptions() & QLocale::OmitGroupSeparator)
        locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(amount, 'f', 2);
}

QString formatPrice(float price) {
    return format(static_cast<double>(price));
}

Price parsePrice(std::optional<double> number) {
    if (!number || std::abs(*number) > std::numeric_limits<float>::max())
        return {0, Price::Problem::NotANumber};
    const auto amount = static_cast<float>(*number);
    return {amount, amount < SmallestPrice ? Price::Problem::TooSmall : Price::Problem::None};
}

QString plainNumber(double value) {
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QString localNumber(double value) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', QLocale::FloatingPointShortest);
}

} // namespace Money
