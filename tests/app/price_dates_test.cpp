// Prices over time through the window, under a clock the test sets: the editor shows when each price was set,
// the history dialog charts every dated price, and the comparison marks exactly the prices older than the age
// chosen in Options, Old Prices.
#include "comparison.h"
#include "item_editor.h"
#include "price_history.h"
#include "window_fixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

class PriceDatesTest : public QObject {
    Q_OBJECT

private slots:
    void pricesOverASession();
};

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
            if (table->index(r, c).data(Qt::ForegroundRole).value<QBrush>().color() == QColor(128, 128, 128))
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
