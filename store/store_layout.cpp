// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "store_layout.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Store {

QString nextKeyKey() {
    return QStringLiteral("NextKey");
}
QString recoveryBaseKey() {
    return QStringLiteral("RecoveryBase");
}

QString symbolKey() {
    return QStringLiteral("Symbol");
}
QString shopNameKey(int shop) {
    return QStringLiteral("Shop") + QString::number(shop);
}
QString listCountKey(int list) {
    return QStringLiteral("L") + QString::number(list);
}
QString listNameKey(int list) {
    return listCountKey(list) + QLatin1Char('n');
}
QString itemNamePrefix(int list) {
    return listCountKey(list) + QLatin1Char('i');
}
QString itemQuantityPrefix(int list) {
    return listCountKey(list) + QLatin1Char('q');
}
QString itemCheckPrefix(int list) {
    return listCountKey(list) + QLatin1Char('c');
}
QString itemKeyPrefix(int list) {
    return listCountKey(list) + QLatin1Char('k');
}
bool isItemQuantityKey(QStringView key) {
    // By its letters rather than by comparing prefixes: called for every key of a large store.
    if (key.size() < 4 || key[0] != u'L' || key[1] < u'0' || key[1].unicode() >= u'0' + ListCount || key[2] != u'q')
        return false;
    return std::all_of(key.begin() + 3, key.end(), [](QChar c) { return c.isDigit(); });
}
QString itemKey(qint64 number) {
    return QStringLiteral("K") + QString::number(number);
}
QString priceKey(const QString& itemKey, int shop) {
    return itemKey + QLatin1Char('_') + QString::number(shop);
}
QString takeItemKey(qint32& nextKey) {
    return itemKey(nextKey++);
}
QString priceDateKey(const QString& itemKey, int shop) {
    return PriceDatePrefix + priceKey(itemKey, shop);
}
QString priceHistoryKey(const QString& itemKey, int shop) {
    return PriceHistoryPrefix + priceKey(itemKey, shop);
}
namespace {

const std::array<const QString*, PriceRecord::Fields.size()> FieldPrefixes{
    nullptr, &PriceDatePrefix, &PriceHistoryPrefix, &PricePackPrefix, &PriceOfferPrefix};

} // namespace

QString PriceRecord::key(Field field, const QString& itemKey, int shop) {
    const QString* prefix = FieldPrefixes[static_cast<size_t>(field)];
    return prefix ? *prefix + priceKey(itemKey, shop) : priceKey(itemKey, shop);
}

std::optional<PriceRecord::Offer> PriceRecord::toOffer(const QString& text) {
    const qsizetype separator = text.indexOf(u';');
    const QDate lastDay = toDate(text.left(separator));
    if (separator < 0 || !lastDay.isValid() || separator + 1 == text.size())
        return std::nullopt;
    return Offer{lastDay, text.mid(separator + 1)};
}
QString oldPriceDaysKey() {
    return QStringLiteral("OldPriceDays");
}
QString unitPricesPerHundredKey() {
    return QStringLiteral("UnitPricesPer100");
}

QString planSkipKey(int shop) {
    return QStringLiteral("PlanSkip") + QString::number(shop);
}
QString tripCostKey(int shop) {
    return TripCostPrefix + QString::number(shop);
}
QString planShopsKey() {
    return QStringLiteral("PlanShops");
}

QStringView itemKeyOfPrice(QStringView key) {
    const qsizetype separator = key.lastIndexOf(u'_');
    if (separator < 1 || separator + 1 == key.size())
        return {};
    bool ok = false;
    const int shop = key.mid(separator + 1).toInt(&ok);
    // An item key holds no colon; the keys of a price's other fields begin with a prefix that ends in one.
    if (!ok || shop < 1 || shop > ShopCount || key.mid(separator + 1) != QString::number(shop) ||
        key.first(separator).contains(u':'))
        return {};
    return key.first(separator);
}

PriceRecord::KeyOf PriceRecord::keyOf(QStringView key) {
    KeyOf of;
    for (size_t field = 1; field < Fields.size(); ++field)
        if (key.startsWith(*FieldPrefixes[field])) {
            of.field = Fields[field];
            key = key.sliced(FieldPrefixes[field]->size());
            break;
        }
    of.itemKey = itemKeyOfPrice(key);
    of.shop = of.itemKey.isEmpty() ? 0 : key.sliced(of.itemKey.size() + 1).toInt();
    return of;
}

std::vector<PricePoint> PriceRecord::toHistory(const QString& text) {
    std::vector<PricePoint> points;
    for (const QString& entry : text.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype separator = entry.indexOf(u'=');
        const QDate date = toDate(entry.left(separator));
        const QString value = entry.mid(separator + 1);
        const qsizetype bar = value.indexOf(u'|');
        if (separator > 0 && date.isValid())
            points.push_back({date, value.left(bar), bar < 0 ? QString() : value.mid(bar + 1)});
    }
    return points;
}

QString PriceRecord::addToHistory(const QString& history, const QString& date, const QString& price,
                                  const QString& pack) {
    QStringList entries = history.split(u';', Qt::SkipEmptyParts);
    entries << date + QLatin1Char('=') + price + (pack.isEmpty() ? QString() : QLatin1Char('|') + pack);
    return entries.mid(std::max<qsizetype>(0, entries.size() - HistoryLength)).join(u';');
}

QString PriceRecord::rewriteHistory(const QString& history, const std::function<QString(const QString&)>& rewrite) {
    QStringList entries = history.split(u';');
    for (QString& entry : entries)
        if (const qsizetype separator = entry.indexOf(u'='); separator > 0) {
            const qsizetype bar = entry.indexOf(u'|', separator);
            const qsizetype end = bar < 0 ? entry.size() : bar;
            entry = entry.left(separator + 1) + rewrite(entry.mid(separator + 1, end - separator - 1)) + entry.mid(end);
        }
    return entries.join(u';');
}

int shopOfPrice(QStringView key) {
    const QStringView item = itemKeyOfPrice(key);
    return item.isEmpty() ? 0 : key.sliced(item.size() + 1).toInt();
}

std::optional<bool> toCheckMark(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number != 0.0;
}

std::optional<int> toWholeNumber(const QString& text) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return number;
}

std::optional<int> itemKeyNumber(const QString& key) {
    if (key.size() < 2 || key.front() != QLatin1Char('K'))
        return std::nullopt;
    const QStringView digits = QStringView(key).mid(1);
    for (QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    if (digits.size() > 1 && digits.front() == QLatin1Char('0'))
        return std::nullopt;
    bool ok = false;
    const int number = digits.toInt(&ok);
    // The largest number would leave no room for the next key.
    if (!ok || number == std::numeric_limits<int>::max())
        return std::nullopt;
    return number;
}

} // namespace Store
