// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// PriceHistoryDialog shows how an item's prices went over time: a chart with a line per shop, and the same points
// with their packs in a table below it, in the user's date and money format; the chart can show unit prices
// instead, so that a smaller pack for the same price shows. A price holds until it changes, so each line is a step
// line, held through today. Prices the item editor holds but has not saved yet are charted dashed and listed as not
// yet saved. It only reads the document.

#include "store_layout.h"

#include <QDate>
#include <QDialog>
#include <QList>
#include <QPointF>

#include <array>
#include <optional>
#include <vector>

class Document;
class QCheckBox;
class QDateTimeAxis;
class QLabel;
class QVBoxLayout;
class QTreeWidget;
class QWidget;

// How the chart draws prices over time, without widgets.
namespace PriceChart {

// A shop's price (or unit price) on the day it was set; no value for a deleted price or a unit price without a pack.
struct Point {
    QDate day;
    std::optional<double> value;
    bool pending = false; // not yet saved
};
// A piece of a shop's step line: points at the start of a day (in milliseconds since the epoch, as QDateTimeAxis
// reads them) with the value that holds from there.
struct Line {
    QList<QPointF> points;
    QList<int> setOn; // the points where a price was set, marked on the chart
    bool pending = false;
};
// A shop's points, oldest first, as step lines: each value holds until the day of the next, the last one through
// `today`. A point without a value ends the line; the prices not yet saved make a line of their own, which starts
// where the saved one ends.
std::vector<Line> steps(const std::vector<Point>& points, QDate today);

// The time axis: whole days from a few days before `first` to a few after `last`, with a label every so many days,
// as many as fit side by side in `width` pixels when a label needs `labelWidth`. Labels stand at noon, so that a
// day that is 23 or 25 hours long never moves one onto another day.
struct DayAxis {
    QDate from;
    QDate to;
    int tickCount = 2;
};
DayAxis dayAxis(QDate first, QDate last, qreal width, qreal labelWidth);
// The room a label takes besides its text: Qt Charts' padding on both sides and a gap.
inline constexpr qreal LabelRoom = 16;

} // namespace PriceChart

class PriceHistoryDialog : public QDialog {
    Q_OBJECT

public:
    // A price the item editor holds but has not saved yet, set today: its text (empty for a deleted price) and the
    // pack it buys, in the data file's form.
    struct PendingPrice {
        QString price;
        QString pack;
    };
    // By shop - 1.
    using Pending = std::array<std::optional<PendingPrice>, Store::ShopCount>;

    PriceHistoryDialog(const Document& document, const QString& itemKey, const QString& itemName,
                       const Pending& pending = {}, QWidget* parent = nullptr);

    // Charts the prices, or the unit prices of the prices that had a pack.
    void showPrices(bool unitPrices);

    QWidget* chart = nullptr; // the chart, or the line that says there is no history yet
    QCheckBox* unitPricesBox = nullptr;
    QTreeWidget* pointList = nullptr;
    int seriesCount = 0; // the shops charted

private:
    // Fits the time axis's labels into the plot's width.
    void fitDays(qreal width);

    const Document& m_document;
    QString m_itemKey;
    Pending m_pending;
    QVBoxLayout* m_layout = nullptr;
    QDateTimeAxis* m_days = nullptr;
    QDate m_first; // the days the lines cover
    QDate m_last;
};
