// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "price_history.h"

#include "document.h"
#include "money.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <QValueAxis>
#include <algorithm>

PriceHistoryDialog::PriceHistoryDialog(const Document& document, const QString& itemKey, const QString& itemName,
                                       QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Price History of '%1'").arg(itemName));
    const QLocale locale;
    pointList = new QTreeWidget(this);
    pointList->setAccessibleName(tr("Prices over time"));
    pointList->setRootIsDecorated(false);
    pointList->setHeaderLabels({tr("Date"), tr("Shop"), tr("Price (%1)").arg(document.symbol())});

    auto* plot = new QChart;
    plot->setLocalizeNumbers(true);
    plot->setLocale(locale);
    auto* dates = new QDateTimeAxis;
    dates->setFormat(locale.dateFormat(QLocale::ShortFormat));
    auto* amounts = new QValueAxis;
    amounts->setLabelFormat(QStringLiteral("%.2f"));
    plot->addAxis(dates, Qt::AlignBottom);
    plot->addAxis(amounts, Qt::AlignLeft);
    double lowest = 0;
    double highest = 0;
    QDateTime first;
    QDateTime last;
    struct TableRow {
        QDate date;
        QString shop;
        QString price;
    };
    std::vector<TableRow> table;
    for (int shop = 1; shop <= Document::ShopCount; ++shop) {
        std::vector<Document::PricePoint> points = document.priceHistory(itemKey, shop);
        // In the order of their days, whatever order the clock set them in.
        std::stable_sort(points.begin(), points.end(), [](const auto& a, const auto& b) { return a.date < b.date; });
        if (points.empty())
            continue;
        const QString shopName = document.shopName(shop).isEmpty() ? tr("Shop %1").arg(shop) : document.shopName(shop);
        auto* series = new QLineSeries;
        series->setName(shopName);
        series->setPointsVisible(true);
        for (const Document::PricePoint& point : points) {
            const std::optional<double> price = Money::toNumber(point.price);
            table.push_back({point.date, shopName, price ? Money::format(*price) : point.price});
            if (!price)
                continue;
            const QDateTime day = point.date.startOfDay();
            series->append(static_cast<qreal>(day.toMSecsSinceEpoch()), *price);
            lowest = first.isValid() ? std::min(lowest, *price) : *price;
            highest = std::max(highest, *price);
            first = first.isValid() ? std::min(first, day) : day;
            last = last.isValid() ? std::max(last, day) : day;
        }
        plot->addSeries(series);
        series->attachAxis(dates);
        series->attachAxis(amounts);
        ++seriesCount;
    }
    std::stable_sort(table.begin(), table.end(), [](const auto& a, const auto& b) { return a.date < b.date; });
    for (const TableRow& row : table)
        pointList->addTopLevelItem(
            new QTreeWidgetItem({locale.toString(row.date, QLocale::ShortFormat), row.shop, row.price}));

    auto* layout = new QVBoxLayout(this);
    if (!first.isValid()) {
        delete plot;
        chart = new QLabel(tr("No price history yet"), this);
    } else {
        // A single day or a single price still gets axes with some room.
        dates->setRange(first.addDays(-1), last.addDays(1));
        amounts->setRange(std::max(0.0, lowest * 0.9), highest * 1.1 + 0.01);
        amounts->applyNiceNumbers();
        auto* view = new QChartView(plot, this);
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(480, 280);
        view->setAccessibleName(tr("Price chart"));
        chart = view;
    }
    layout->addWidget(chart, 1);
    layout->addWidget(pointList);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
