#include "money.h"

#include <QLocale>

#include <cmath>

namespace Money {

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

QString plainNumber(double value) {
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

} // namespace Money
