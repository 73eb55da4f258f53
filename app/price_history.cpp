// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "price_history.h"

#include "document.h"
#include "money.h"
#include "pack_size.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
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
    : QDialog(parent)
    , m_document(document)
    , m_itemKey(itemKey) {
    setWindowTitle(tr("Price History of '%1'").arg(itemName));
    pointList = new QTreeWidget(this);
    pointList->setAccessibleName(tr("Prices over time"));
    pointList->setRootIsDecorated(false);
    pointList->setHeaderLabels({tr("Date"), tr("Shop"), tr("Price (%1)").arg(document.symbol()), tr("Pack")});
    unitPricesBox = new QCheckBox(tr("Chart &unit prices (a smaller pack for the same price shows)"), this);
    m_layout = new QVBoxLayout(this);
    m_layout->addWidget(unitPricesBox);
    m_layout->addWidget(pointList);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_layout->addWidget(buttons);
    connect(unitPricesBox, &QCheckBox::toggled, this, &PriceHistoryDialog::showPrices);
    showPrices(false);
}

void PriceHistoryDialog::showPrices(bool unitPrices) {
    const QLocale locale;
    const Pack::Per per = m_document.unitPricesPer();
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
        QString pack;
    };
    std::vector<TableRow> table;
    seriesCount = 0;
    for (int shop = 1; shop <= Document::ShopCount; ++shop) {
        std::vector<Document::PricePoint> points = m_document.priceHistory(m_itemKey, shop);
        // In the order of their days, whatever order the clock set them in.
        std::stable_sort(points.begin(), points.end(), [](const auto& a, const auto& b) { return a.date < b.date; });
        if (points.empty())
            continue;
        const QString shopName =
            m_document.shopName(shop).isEmpty() ? tr("Shop %1").arg(shop) : m_document.shopName(shop);
        auto* series = new QLineSeries;
        series->setName(shopName);
        series->setPointsVisible(true);
        for (const Document::PricePoint& point : points) {
            std::optional<double> price = Money::toNumber(point.price);
            table.push_back({point.date, shopName, price ? Money::format(*price) : point.price,
                             point.pack.isEmpty() ? QString() : Pack::shown(point.pack)});
            // A point without a pack has no unit price to chart.
            if (const std::optional<Pack::Size> size = Pack::read(point.pack, QLocale::c()); unitPrices)
                price = size && price ? Pack::unitPrice(*price, *size, per) : std::nullopt;
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
    pointList->clear();
    for (const TableRow& row : table)
        pointList->addTopLevelItem(
            new QTreeWidgetItem({locale.toString(row.date, QLocale::ShortFormat), row.shop, row.price, row.pack}));

    delete chart;
    if (!first.isValid()) {
        delete plot;
        chart =
            new QLabel(unitPrices ? tr("No unit prices yet: no price with a pack") : tr("No price history yet"), this);
    } else {
        // A single day or a single price still gets axes with some room.
        dates->setRange(first.addDays(-1), last.addDays(1));
        amounts->setRange(std::max(0.0, lowest * 0.9), highest * 1.1 + 0.01);
        amounts->applyNiceNumbers();
        auto* view = new QChartView(plot, this);
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(480, 280);
        view->setAccessibleName(unitPrices ? tr("Unit price chart") : tr("Price chart"));
        chart = view;
    }
    m_layout->insertWidget(0, chart, 1);
}
