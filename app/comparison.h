#pragma once

// What the price comparison works from between one comparison and the next: every shown item's prices with the
// numbers they read as, and the numbers and amounts already read or formatted. Reading a price from the store
// and reading it as a number cost more than showing it, and the prices rarely change between comparisons, so
// an item's prices are read again only when the store reports that one of them changed.

#include "store_layout.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <utility>
#include <vector>

class ConfigFile;

// Money::toNumber and Money::format, the same results in a fraction of the time: reading or writing a number in
// the locale costs far more than the rest of a cell, and thousands of items hold few distinct prices and
// amounts, so results are remembered for the texts and amounts already seen.
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

class ComparisonPrices {
public:
    struct Item {
        std::array<QString, Store::ShopCount> texts;  // by shop, from 0; " " where the store holds none
        std::array<double, Store::ShopCount> numbers; // the texts read as numbers; NaN for any other text
        // The costs for costQuantity: each number times the quantity in the money format, and that text read
        // back as a number; empty and NaN where there is no cost.
        QString costQuantity;
        bool costed = false;
        std::array<QString, Store::ShopCount> costTexts;
        std::array<double, Store::ShopCount> costNumbers;
        // The row label "name x quantity" last made for the item, and the name it was made from.
        QString labelName;
        QString label;
        bool current = false; // false once a price of the item changed in the store
    };

    // Starts tracking the store's price keys; the store must outlive this.
    explicit ComparisonPrices(ConfigFile& store);

    // The prices of the items with these keys, in the same order, valid until the next call.
    std::vector<Item*> read(const QStringList& itemKeys);
    // Works out the item's costs for the quantity, unless they are already for that quantity. A quantity that
    // is no number gives no costs.
    void cost(Item& item, const QString& quantity);
    // The item's row label for the name and quantity, made again only when one of them changed.
    static const QString& label(Item& item, const QString& name, const QString& quantity);

private:
    void forgetChangedItems();

    const ConfigFile& m_store;
    quint64 m_revision = 0;
    // In the order they were first read, which is the order the lists show them in: the comparison then walks
    // through memory in one direction.
    std::vector<Item> m_items;
    QHash<QString, size_t> m_index;
    NumberMemo m_numbers;
};
