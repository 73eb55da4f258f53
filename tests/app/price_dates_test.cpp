// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Prices over time through the window, under a clock the test sets: the editor shows when each price was set,
// the history dialog charts every dated price, and the comparison marks exactly the prices older than the age
// chosen in Options, Old Prices; offers end by themselves at start-up and when the day changes.
#include "comparison.h"
#include "item_editor.h"
#include "money.h"
#include "price_history.h"
#include "window_fixture.h"

#include <QAction>
#include <QChartView>
#include <QCheckBox>
#include <QDateTimeAxis>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScopeGuard>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QUndoStack>

#include <algorithm>

class PriceDatesTest : public QObject {
    Q_OBJECT

private slots:
    void pricesOverASession();
    void offersEndByThemselves();
    void historyChartsUnitPrices();
    void historyChart_data();
    void historyChart();
};

// Through the editor's History button: each shop's line holds its price until the next and through today, the time
// axis's labels are distinct and fit, and a price set or deleted in the editor but not yet saved is drawn dashed and
// listed as such.
void PriceDatesTest::historyChart_data() {
    // The prices as "day=price", days from today, a star for one set in the editor ("*=" deleted there); the lines'
    // points the same way, a star before a dashed one; the note on the table's last row.
    QTest::addColumn<QStringList>("pricesLinesNote");
    QTest::newRow("a rise and a fall") << QStringList{"-60=2 -30=3 -9=2.5", "-60=2 -30=2 -30=3 -9=3 -9=2.5 1=2.5", ""};
    QTest::newRow("all on one day") << QStringList{"0=2 0=3", "0=2 0=3 1=3", ""};
    QTest::newRow("two years") << QStringList{"-730=1 -400=2 -3=3", "-730=1 -400=1 -400=2 -3=2 -3=3 1=3", ""};
    QTest::newRow("not yet saved") << QStringList{"-28=2 *=3", "-28=2 0=2 | *0=2 0=3 1=3", "not yet saved"};
    QTest::newRow("deleted, not yet saved") << QStringList{"-28=2 *=", "-28=2 0=2", "deleted, not yet saved"};
}

void PriceDatesTest::historyChart() {
    QFETCH(QStringList, pricesLinesNote);
    const QString &prices = pricesLinesNote[0], &lines = pricesLinesNote[1], &note = pricesLinesNote[2];
    // Today is a day of 23 hours there: no label may slip onto another day.
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    const auto restoreZone = qScopeGuard([&] { zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone); });
    const QDate today(2026, 3, 29);
    QDate day;
    Document document;
    document.today = [&] { return day.isValid() ? day : today; };
    const QString key = document.addItem(0, 0, QStringLiteral("Milk"));
    QStringList inEditor;
    for (const QString& price : prices.split(u' ')) {
        const QStringList parts = price.split(u'=');
        day = today.addDays(parts[0].toInt());
        if (parts[0] == u'*')
            inEditor << parts[1];
        else
            document.setPrice(key, 1, Money::format(parts[1].toDouble()));
    }
    day = {};
    ScriptedPrompts prompts;
    ItemEditor editor(
        document, prompts,
        [&](QDialog& dialog) {
            auto& history = static_cast<PriceHistoryDialog&>(dialog);
            history.show();
            QVERIFY(QTest::qWaitForWindowExposed(&history));
            QChart* chart = static_cast<QChartView*>(history.chart)->chart();
            QStringList drawn;
            for (const QAbstractSeries* series : chart->series()) {
                const auto* line = static_cast<const QLineSeries*>(series);
                drawn << (line->pen().style() == Qt::DashLine ? QStringLiteral("*") : QString());
                for (const QPointF& p : line->points())
                    drawn.last() += QStringLiteral("%1=%2 ")
                                        .arg(today.daysTo(QDateTime::fromMSecsSinceEpoch(p.x()).date()))
                                        .arg(p.y());
            }
            QCOMPARE(drawn.join(QStringLiteral("| ")).trimmed(), lines);
            QCOMPARE(history.pointList->topLevelItem(history.pointList->topLevelItemCount() - 1)->text(4), note);
            // The labels as Qt Charts writes them, evenly from the axis's start to its end: distinct, and each fits its
            // share of the width.
            auto* days = static_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).at(0));
            QSet<QString> labels;
            const auto fits = [&] {
                labels.clear();
                const qint64 from = days->min().toMSecsSinceEpoch();
                const qint64 step = (days->max().toMSecsSinceEpoch() - from) / (days->tickCount() - 1);
                for (int i = 0; i < days->tickCount(); ++i)
                    labels << QLocale().toString(QDateTime::fromMSecsSinceEpoch(from + i * step), days->format());
                return std::ranges::all_of(labels, [&](const QString& label) {
                    return QFontMetricsF(days->labelsFont()).horizontalAdvance(label) + 8 <=
                           chart->plotArea().width() / days->tickCount();
                });
            };
            QTRY_VERIFY(fits());
            QCOMPARE(labels.size(), days->tickCount());
        },
        {ItemEditor::Mode::Edit, key, QStringLiteral("Milk")});
    for (const QString& price : inEditor) {
        prompts.typeNext(price);
        price.isEmpty() ? editor.deletePrice() : editor.setPrice();
    }
    editor.historyButton->click();
}

// The same price for a smaller pack: flat as a price, rising as a unit price.
void PriceDatesTest::historyChartsUnitPrices() {
    Document document;
    QDate today(2026, 1, 1);
    document.today = [&] { return today; };
    const QString key = document.addItem(0, 0, QStringLiteral("Coffee"));
    std::array<std::optional<QString>, Store::ShopCount> packs;
    document.setPrice(key, 1, QStringLiteral("2.00"));
    packs[0] = QStringLiteral("500 g");
    document.setPacks(key, packs);
    today = QDate(2026, 2, 1);
    packs[0] = QStringLiteral("400 g");
    document.setPacks(key, packs);
    PriceHistoryDialog history(document, key, QStringLiteral("Coffee"));
    const auto charted = [&] {
        QStringList values;
        const auto* view = qobject_cast<QChartView*>(history.chart);
        if (!view)
            return QStringList{};
        for (const QPointF& point : static_cast<QLineSeries*>(view->chart()->series().value(0))->points())
            values << QString::number(point.y());
        return values;
    };
    QCOMPARE(charted(), (QStringList{"2", "2", "2"}));
    history.unitPricesBox->click();
    QCOMPARE(charted(), (QStringList{"4", "4", "5", "5"}));
    QCOMPARE(history.pointList->topLevelItem(1)->text(3), QStringLiteral("400 g"));
}

void PriceDatesTest::offersEndByThemselves() {
    WindowFixture f;
    MainWindow* w = &f.window();
    QDate today(2026, 12, 10);
    w->document().today = [&] { return today; };
    f.fill(0, {{"Milk", "1", true, "K0"}, {"Tea", "1", true, "K1"}});
    const auto offer = [&](const QString& key, QDate lastDay) {
        w->document().setPrice(key, 1, QStringLiteral("1.99"));
        std::array<std::optional<Document::Offer>, Store::ShopCount> offers;
        offers[0] = Document::Offer{lastDay, QStringLiteral("2.99")};
        w->document().setOffers(key, offers);
    };
    offer(QStringLiteral("K0"), QDate(2026, 12, 14));
    offer(QStringLiteral("K1"), QDate(2026, 12, 20));
    const auto state = [&](const QString& key) {
        const Document::Prices& prices = w->document().prices(key);
        return QStringLiteral("%1 %2 %3")
            .arg(prices.texts[0], prices.dates[0].toString(Qt::ISODate),
                 prices.offers[0] ? QStringLiteral("offer") : QStringLiteral("-"));
    };

    // The day after the offer's last day: the regular price, dated that day, the offer price in the history.
    today = QDate(2026, 12, 15);
    w->findChild<QTimer*>(QStringLiteral("dayTimer"))->start(0);
    QTRY_COMPARE(state(QStringLiteral("K0")), QStringLiteral("2.99 2026-12-15 -"));
    QCOMPARE(state(QStringLiteral("K1")), QStringLiteral("1.99 2026-12-10 offer"));
    QCOMPARE(w->document().priceHistory(QStringLiteral("K0"), 1).front().price, QStringLiteral("1.99"));
    QVERIFY(w->statusBar()->currentMessage().endsWith(QStringLiteral(": Milk")));
    QCOMPARE(w->undoStack().undoText(), QStringLiteral("End Offers"));
    controls(*w).undo->trigger();
    QCOMPARE(state(QStringLiteral("K0")), QStringLiteral("1.99 2026-12-10 offer"));

    // At start-up, by the real clock.
    offer(QStringLiteral("K0"), QDate(2020, 1, 1));
    QVERIFY(w->save());
    w = &f.start();
    QCOMPARE(state(QStringLiteral("K0")), QStringLiteral("2.99 2020-01-02 -"));
    QCOMPARE(w->undoStack().count(), 1);
}

void PriceDatesTest::pricesOverASession() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    const QDate first(2026, 1, 1);
    int day = 1;
    w.document().today = [&] { return first.addDays(day - 1); };
    w.document().renameShop(1, QStringLiteral("Market"));
    w.document().renameShop(2, QStringLiteral("Corner"));
    f.fill(0, {{"Milk", "1", true, "K0"}, {"Bread", "1", true, "K1"}});
    // Sets a price in the item editor on the given day, as the user does.
    const auto setPrice = [&](int row, int shop, const QString& price, int on) {
        day = on;
        ui.lists[0]->selectRow(row - 1);
        w.setDialogRunner([&](QDialog& dialog) {
            auto& editor = static_cast<ItemEditor&>(dialog);
            editor.priceList->setCurrentItem(editor.priceList->topLevelItem(shop - 1));
            f.prompts.typeNext(price);
            editor.setPrice();
            editor.ok();
        });
        ui.edit[0]->click();
    };
    setPrice(1, 1, "1.00", 1);
    setPrice(2, 1, "1.00", 1);
    setPrice(1, 1, "1.20", 40);
    setPrice(2, 2, "3.00", 120);
    setPrice(1, 1, "1.50", 200);

    ui.lists[0]->selectRow(0);
    int points = 0;
    w.setDialogRunner([&](QDialog& dialog) {
        if (auto* history = qobject_cast<PriceHistoryDialog*>(&dialog)) {
            QCOMPARE(history->seriesCount, 1);
            points = history->pointList->topLevelItemCount();
            return;
        }
        auto& editor = static_cast<ItemEditor&>(dialog);
        QCOMPARE(editor.priceList->topLevelItem(0)->text(3),
                 QLocale().toString(first.addDays(199), QLocale::ShortFormat));
        QCOMPARE(editor.priceList->topLevelItem(1)->text(3), QString());
        editor.historyButton->click();
    });
    ui.edit[0]->click();
    QCOMPARE(points, 3);

    // Old from 90 days on: at day 200, the prices not set since day 110 (Bread at Market, set on day 1).
    f.prompts.typeNext(QStringLiteral("90"));
    ui.oldPrices->trigger();
    ui.compare();
    const QAbstractItemModel* table = ui.comparison->model();
    QStringList old;
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 1; c <= 2; ++c)
            if (table->index(r, c).data(Qt::AccessibleTextRole).toString().contains(QStringLiteral("old price")))
                old << table->index(r, 0).data().toString() + QLatin1Char('@') + QString::number(c);
    QCOMPARE(old, QStringList{"Bread x 1@1"});
    QCOMPARE(table->index(2, 1).data(Qt::ToolTipRole).toString(),
             QStringLiteral("Cheapest for this item\nSet on 1 January 2026 (6 months ago)"));
    QVERIFY(ui.cheapest->text().contains(QStringLiteral("; 1 of its prices is older than 90 days")));

    // Another age: at 200 days nothing is old.
    f.prompts.typeNext(QStringLiteral("200"));
    ui.oldPrices->trigger();
    ui.compare();
    QVERIFY(!ui.cheapest->text().contains(QStringLiteral("older than")));
    QCOMPARE(w.document().store().ReadValue(QStringLiteral("OldPriceDays")), QStringLiteral("200"));
}

QTEST_MAIN(PriceDatesTest)
#include "price_dates_test.moc"
