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
    frmLists& w = f.window();
    const QDate first(2026, 1, 1);
    int day = 1;
    w.document().today = [&] { return first.addDays(day - 1); };
    w.document().renameShop(1, QStringLiteral("Market"));
    w.document().renameShop(2, QStringLiteral("Corner"));
    f.fill(0, {{"Milk", "1", true, "K0"}, {"Bread", "1", true, "K1"}});
    // Sets a price in the item editor on the given day, as the user does.
    const auto setPrice = [&](int row, int shop, const QString& price, int on) {
        day = on;
        w.lvList[0]->selectRow(row);
        w.showModal = [&](QDialog& dialog) {
            auto& editor = static_cast<frmAddEdit&>(dialog);
            editor.lvPrices->setCurrentItem(editor.lvPrices->topLevelItem(shop - 1));
            f.prompts.typeNext(price);
            editor.cmdSet_Click();
            editor.cmdOK_Click();
        };
        w.cmdEdit_Click(0);
    };
    setPrice(1, 1, "1.00", 1);
    setPrice(2, 1, "1.00", 1);
    setPrice(1, 1, "1.20", 40);
    setPrice(2, 2, "3.00", 120);
    setPrice(1, 1, "1.50", 200);

    w.lvList[0]->selectRow(1);
    int points = 0;
    w.showModal = [&](QDialog& dialog) {
        auto& editor = static_cast<frmAddEdit&>(dialog);
        QCOMPARE(editor.lvPrices->topLevelItem(0)->text(3),
                 QLocale().toString(first.addDays(199), QLocale::ShortFormat));
        QCOMPARE(editor.lvPrices->topLevelItem(1)->text(3), QString());
        w.showModal = [&](QDialog& shown) {
            auto& history = static_cast<frmHistory&>(shown);
            QCOMPARE(history.seriesCount, 1);
            points = history.lvPoints->topLevelItemCount();
        };
        editor.cmdHistory->click();
    };
    w.cmdEdit_Click(0);
    QCOMPARE(points, 3);

    // Old from 90 days on: at day 200, the prices not set since day 110 (Bread at Market, set on day 1).
    f.prompts.typeNext(QStringLiteral("90"));
    w.mnuOptionsOldPrices->trigger();
    w.GenPCList();
    const QAbstractItemModel* table = w.lvCompare->model();
    QStringList old;
    for (int r = 0; r < table->rowCount(); ++r)
        for (int c = 1; c <= 2; ++c)
            if (table->index(r, c).data(Qt::ForegroundRole).value<QBrush>().color() == QColor(128, 128, 128))
                old << table->index(r, 0).data().toString() + QLatin1Char('@') + QString::number(c);
    QCOMPARE(old, QStringList{"Bread x 1@1"});
    QCOMPARE(table->index(2, 1).data(Qt::ToolTipRole).toString(),
             QStringLiteral("Cheapest for this item\nSet on 1 January 2026 (6 months ago)"));
    QVERIFY(w.lblCheapest->text().contains(QStringLiteral("; 1 of its prices is older than 90 days")));

    // Another age: at 200 days nothing is old.
    f.prompts.typeNext(QStringLiteral("200"));
    w.mnuOptionsOldPrices->trigger();
    w.GenPCList();
    QVERIFY(!w.lblCheapest->text().contains(QStringLiteral("older than")));
    QCOMPARE(w.CF.ReadValue(QStringLiteral("OldPriceDays")), QStringLiteral("200"));
}

QTEST_MAIN(PriceDatesTest)
#include "price_dates_test.moc"
