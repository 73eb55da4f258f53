// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "price_history.h"

#include "document.h"
#include "money.h"
#include "pack_size.h"
#include "user_prompts.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace PriceChart {

namespace {

// Where a day begins on the time axis.
qreal x(QDate day) {
    return static_cast<qreal>(day.startOfDay().toMSecsSinceEpoch());
}

} // namespace

std::vector<Line> steps(const std::vector<Point>& points, QDate today) {
    std::vector<Line> lines;
    std::optional<double> held; // the value the last line holds
    QDate end = today;
    for (const Point& point : points) {
        const qreal at = x(point.day);
        if (held && lines.back().points.back() != QPointF(at, *held))
            lines.back().points.append({at, *held});
        if (point.value) {
            if (!held || lines.back().pending != point.pending) {
                lines.push_back({{}, {}, point.pending});
                // A price not yet saved goes on from the saved line, so that the change shows.
                if (held)
                    lines.back().points.append({at, *held});
            }
            QList<QPointF>& line = lines.back().points;
            if (line.isEmpty() || line.back().y() != *point.value)
                line.append({at, *point.value});
            lines.back().setOn.append(static_cast<int>(line.size() - 1));
        }
        held = point.value;
        end = std::max(end, point.day);
    }
    if (held)
        lines.back().points.append({x(end.addDays(1)), *held});
    return lines;
}

DayAxis dayAxis(QDate first, QDate last, qreal width, qreal labelWidth) {
    const qint64 span = first.daysTo(last);
    const qint64 pad = std::max<qint64>(3, span / 20);
    const qint64 days = span + 2 * pad;
    const qint64 fit = std::max<qint64>(2, static_cast<qint64>(width / (labelWidth + LabelRoom)));
    const qint64 step = (days + fit - 2) / (fit - 1);
    const qint64 intervals = (days + step - 1) / step;
    return {first.addDays(-pad), first.addDays(intervals * step - pad), static_cast<int>(intervals + 1)};
}

} // namespace PriceChart

PriceHistoryDialog::PriceHistoryDialog(const Document& document, const QString& itemKey, const QString& itemName,
                                       const Pending& pending, QWidget* parent)
    : QDialog(parent)
    , m_document(document)
    , m_itemKey(itemKey)
    , m_pending(pending) {
    setWindowTitle(tr("Price History of '%1'").arg(itemName));
    // The chart, the box and the table scroll above Close where the screen is too small for them.
    auto* body = new QWidget(this);
    pointList = new QTreeWidget(body);
    pointList->setAccessibleName(tr("Prices over time"));
    pointList->setRootIsDecorated(false);
    // A few rows of the table stay in view beside the chart, also where the dialog must scroll for them.
    pointList->setMinimumHeight(8 * pointList->fontMetrics().height());
    pointList->setHeaderLabels(
        {tr("Date"), tr("Shop"), tr("Price (%1)").arg(document.symbol()), tr("Pack"), tr("Note")});
    unitPricesBox = new QCheckBox(tr("Chart &unit prices (a smaller pack for the same price shows)"), body);
    m_layout = new QVBoxLayout(body);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(unitPricesBox);
    m_layout->addWidget(pointList);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrollingBody(body, this));
    layout->addWidget(buttons);
    fitToScreen(*this);
    connect(unitPricesBox, &QCheckBox::toggled, this, &PriceHistoryDialog::showPrices);
    showPrices(false);
}

void PriceHistoryDialog::showPrices(bool unitPrices) {
    const QLocale locale;
    const Pack::Per per = m_document.unitPricesPer();
    const QDate today = m_document.today();
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
    QDate first;
    QDate last;
    struct TableRow {
        QDate date;
        QString shop;
        QString price;
        QString pack;
        QString note;
    };
    std::vector<TableRow> table;
    seriesCount = 0;
    for (int shop = 1; shop <= Document::ShopCount; ++shop) {
        std::vector<Document::PricePoint> saved = m_document.priceHistory(m_itemKey, shop);
        // In the order of their days, whatever order the clock set them in.
        std::stable_sort(saved.begin(), saved.end(), [](const auto& a, const auto& b) { return a.date < b.date; });
        const std::optional<PendingPrice>& pending = m_pending[static_cast<size_t>(shop - 1)];
        // A price deleted here that was never saved leaves nothing to show.
        if (saved.empty() && (!pending || pending->price.isEmpty()))
            continue;
        const QString shopName =
            m_document.shopName(shop).isEmpty() ? tr("Shop %1").arg(shop) : m_document.shopName(shop);
        std::vector<PriceChart::Point> points;
        const auto add = [&](QDate day, const QString& text, const QString& pack, bool isPending) {
            std::optional<double> price = Money::toNumber(text);
            table.push_back({day, shopName, price ? Money::format(*price) : text,
                             pack.isEmpty() || text.isEmpty() ? QString() : Pack::shown(pack),
                             !isPending       ? QString()
                             : text.isEmpty() ? tr("deleted, not yet saved")
                                              : tr("not yet saved")});
            // A point without a pack has no unit price to chart.
            if (const std::optional<Pack::Size> size = Pack::read(pack, QLocale::c()); unitPrices)
                price = size && price ? Pack::unitPrice(*price, *size, per) : std::nullopt;
            points.push_back({day, price, isPending});
            if (!price)
                return;
            lowest = first.isValid() ? std::min(lowest, *price) : *price;
            highest = std::max(highest, *price);
            first = first.isValid() ? std::min(first, day) : day;
            last = std::max({last, day, today});
        };
        for (const Document::PricePoint& point : saved)
            add(point.date, point.price, point.pack, false);
        if (pending)
            add(today, pending->price, pending->pack, true);
        QLineSeries* shopLine = nullptr;
        for (const PriceChart::Line& line : PriceChart::steps(points, today)) {
            auto* series = new QLineSeries;
            series->append(line.points);
            plot->addSeries(series);
            series->attachAxis(dates);
            series->attachAxis(amounts);
            // A mark on each day a price was set, none where the line only turns.
            series->setPointsVisible(true);
            for (int point = 0; point < line.points.size(); ++point)
                if (!line.setOn.contains(point))
                    series->setPointConfiguration(point, QXYSeries::PointConfiguration::Visibility, false);
            // One colour for the shop; the legend names it once, and its prices not yet saved once more. The legend
            // draws its text as markup, so a name's "<" and "&" are escaped.
            if (shopLine)
                series->setColor(shopLine->color());
            else
                shopLine = series;
            if (line.pending) {
                QPen pen = series->pen();
                pen.setStyle(Qt::DashLine);
                series->setPen(pen);
                series->setName(tr("%1 (not yet saved)").arg(shopName.toHtmlEscaped()));
            } else if (series == shopLine) {
                series->setName(shopName.toHtmlEscaped());
            } else {
                for (QLegendMarker* marker : plot->legend()->markers(series))
                    marker->setVisible(false);
            }
        }
        if (shopLine)
            ++seriesCount;
    }
    std::stable_sort(table.begin(), table.end(), [](const auto& a, const auto& b) { return a.date < b.date; });
    pointList->clear();
    for (const TableRow& row : table)
        pointList->addTopLevelItem(new QTreeWidgetItem(
            {locale.toString(row.date, QLocale::ShortFormat), row.shop, row.price, row.pack, row.note}));

    m_days = nullptr;
    delete chart;
    if (!first.isValid()) {
        delete plot;
        chart =
            new QLabel(unitPrices ? tr("No unit prices yet: no price with a pack") : tr("No price history yet"), this);
    } else {
        amounts->setRange(std::max(0.0, lowest * 0.9), highest * 1.1 + 0.01);
        amounts->applyNiceNumbers();
        m_days = dates;
        m_first = first;
        m_last = last;
        auto* view = new QChartView(plot, this);
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(480, 280);
        view->setAccessibleName(unitPrices ? tr("Unit price chart") : tr("Price chart"));
        // Nothing in the chart answers a key; the keyboard and screen readers go to the list of its points.
        view->setFocusPolicy(Qt::NoFocus);
        view->viewport()->setFocusPolicy(Qt::NoFocus);
        // Until the chart is laid out, a plot as narrow as the smallest view leaves for it.
        fitDays(view->minimumWidth() - 120);
        connect(plot, &QChart::plotAreaChanged, this, [this](const QRectF& area) { fitDays(area.width()); });
        chart = view;
    }
    m_layout->insertWidget(0, chart, 1);
}

void PriceHistoryDialog::fitDays(qreal width) {
    if (!m_days)
        return;
    // The widest label: numbers in a short date format are as wide as their digits, and the 28th of December has
    // the widest day and month.
    const QFontMetricsF metrics(m_days->labelsFont());
    qreal labelWidth = 0;
    for (const QDate day : {m_first, m_last, QDate(m_last.year(), 12, 28)})
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(QLocale().toString(day, m_days->format())));
    const PriceChart::DayAxis axis = PriceChart::dayAxis(m_first, m_last, width, labelWidth);
    const QDateTime from(axis.from, QTime(12, 0));
    const QDateTime to(axis.to, QTime(12, 0));
    // Setting the range lays the chart out again; only a change is worth it.
    if (m_days->min() != from || m_days->max() != to || m_days->tickCount() != axis.tickCount) {
        m_days->setRange(from, to);
        m_days->setTickCount(axis.tickCount);
    }
}
