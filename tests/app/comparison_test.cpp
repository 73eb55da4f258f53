// The price comparison: rows and cells in both modes, totals of the shown texts in single precision, the
// cheapest shop, the Edit Prices button and editing prices from the table.
#include "item_editor.h"
#include "store_layout.h"
#include "window_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

QStringList column(const QTreeWidget* table, int c) {
    QStringList texts;
    for (int r = 0; r < table->topLevelItemCount(); ++r)
        texts << table->topLevelItem(r)->text(c);
    return texts;
}

QStringList rowTexts(const QTreeWidgetItem* row, int columns = 21) {
    QStringList texts;
    for (int c = 0; c < columns; ++c)
        texts << row->text(c);
    return texts;
}

const QTreeWidgetItem* rowLabelled(const QTreeWidget* table, const QString& label) {
    for (int r = 0; r < table->topLevelItemCount(); ++r)
        if (table->topLevelItem(r)->text(0) == label)
            return table->topLevelItem(r);
    return nullptr;
}

using Prices = QMap<int, QString>;

void setPrices(frmLists& w, const QString& key, const QMap<int, QString>& prices) {
    for (auto it = prices.begin(); it != prices.end(); ++it)
        w.CF.WriteValue(QStringLiteral("%1_%2").arg(key).arg(it.key()), it.value());
}

} // namespace

class ComparisonTest : public QObject {
    Q_OBJECT

private slots:
    void nothingTicked();
    void cellsInBothModes();
    void totalsAddTheShownTexts();
    void cheapestShop_data();
    void cheapestShop();
    void unusableNumbersGiveEmptyCells();
    void editPricesButtonFollowsClicks();
    void editingPricesFromTheTable();
    void rebuiltWhenShown();
    void keptPricesFollowEveryChange();
};

void ComparisonTest::nothingTicked() {
    WindowFixture f;
    frmLists& w = f.window();
    for (int l = 0; l < 4; ++l)
        w.txtName[l]->setText(QStringLiteral("List %1").arg(l + 1));
    f.fill(0, {{"Milk", "", false, "K0"}});
    w.lvShops->topLevelItem(0)->setText(1, QStringLiteral("Corner Shop"));
    w.GenPCList();
    QTreeWidget* table = w.lvCompare;
    QCOMPARE(column(table, 0),
             (QStringList{"List 1", "", "List 2", "", "List 3", "", "List 4", "", "TOTALS", "", "BEST PRICE:"}));
    QCOMPARE(table->columnCount(), 21);
    QCOMPARE(table->headerItem()->text(1), QStringLiteral("Corner Shop (£)"));
    QCOMPARE(table->headerItem()->text(20), QStringLiteral(" (£)"));
    QCOMPARE(rowTexts(table->topLevelItem(8)).mid(1), QStringList(20, QStringLiteral("0.00")));
    QCOMPARE(rowTexts(table->topLevelItem(10), 4), (QStringList{"BEST PRICE:", "(None)", "£0.00", ""}));
    QVERIFY(table->topLevelItem(0)->font(0).bold());
    QVERIFY(table->topLevelItem(8)->font(0).bold());
    QVERIFY(table->topLevelItem(10)->font(2).bold());
    QCOMPARE(table->topLevelItem(10)->foreground(0).color(), QColor(255, 0, 0));
    QCOMPARE(w.BestShop, QStringLiteral("(None)"));
    QCOMPARE(w.BestPrice, 0.0f);
}

void ComparisonTest::cellsInBothModes() {
    WindowFixture f;
    frmLists& w = f.window();
    w.CF.WriteValue(QStringLiteral("Symbol"), QStringLiteral("EUR"));
    f.fill(1, {{"Milk", "2", true, "K4"}, {"Soap", "", false, "K5"}});
    setPrices(w, "K4", {{1, "1.25"}, {3, "1.10"}});
    w.GenPCList();
    const QTreeWidgetItem* milk = w.lvCompare->topLevelItem(3);
    QCOMPARE(rowTexts(milk, 5), (QStringList{"Milk x 2", "2.50", "", "2.20", ""}));
    QCOMPARE(milk->columnCount(), 21);
    QCOMPARE(milk->data(0, Qt::UserRole).toString(), QStringLiteral("K4"));
    QCOMPARE(w.lvCompare->headerItem()->text(2), QStringLiteral(" (EUR)"));
    QCOMPARE(rowTexts(w.lvCompare->topLevelItem(w.lvCompare->topLevelItemCount() - 1), 3).at(2),
             QStringLiteral("EUR2.20"));

    w.optShow[1]->click();
    QCOMPARE(rowTexts(w.lvCompare->topLevelItem(3), 5), (QStringList{"Milk", "1.25", " ", "1.10", " "}));
    const QTreeWidgetItem* soap = w.lvCompare->topLevelItem(4);
    QCOMPARE(rowTexts(soap).mid(1), QStringList(20, QStringLiteral(" ")));
    QCOMPARE(soap->data(0, Qt::UserRole).toString(), QStringLiteral("K5"));
    QCOMPARE(rowTexts(rowLabelled(w.lvCompare, "TOTALS"), 4).mid(1), (QStringList{"1.25", "0.00", "1.10"}));
}

void ComparisonTest::totalsAddTheShownTexts() {
    WindowFixture f;
    frmLists& w = f.window();
    // 3 x 0.335 shows as 1.01 (1.005 rounded); the total adds what is shown, not the unrounded products.
    f.fill(0, {{"Nails", "3", true, "K0"}, {"Screws", "3", true, "K1"}, {"Tiles", "1", true, "K2"}});
    setPrices(w, "K0", {{1, "0.335"}});
    setPrices(w, "K1", {{1, "0.335"}});
    setPrices(w, "K2", {{2, "1,234.5"}});
    w.GenPCList();
    QCOMPARE(w.lvCompare->topLevelItem(1)->text(1), QStringLiteral("1.01"));
    QCOMPARE(rowTexts(rowLabelled(w.lvCompare, "TOTALS"), 3).mid(1), (QStringList{"2.02", "1,234.50"}));
    QCOMPARE(w.BestShop, QString());
    QCOMPARE(w.BestPrice, 2.02f);
}

void ComparisonTest::cheapestShop_data() {
    QTest::addColumn<Prices>("milk");
    QTest::addColumn<Prices>("bread");
    QTest::addColumn<QString>("bestShop");
    QTest::addColumn<QString>("bestRow");
    QTest::addColumn<QString>("note");
    QTest::newRow("a shop pricing one item beats a complete one")
        << Prices{{1, "1.00"}, {2, "0.50"}} << Prices{{1, "2.00"}} << "Shop 2"
        << "£0.50"
        << "prices 1 of 2";
    QTest::newRow("a tie goes to the lower shop number")
        << Prices{{4, "2.00"}, {7, "3.00"}, {9, "9.00"}} << Prices{{4, "3.00"}, {7, "2.00"}} << "Shop 4"
        << "£5.00"
        << "prices 2 of 2";
    QTest::newRow("an unnamed shop can be cheapest") << Prices{{1, "4.00"}, {20, "1.00"}} << Prices{} << ""
                                                     << "£1.00"
                                                     << "prices 1 of 2";
}

void ComparisonTest::cheapestShop() {
    QFETCH(Prices, milk);
    QFETCH(Prices, bread);
    QFETCH(QString, bestShop);
    QFETCH(QString, bestRow);
    QFETCH(QString, note);
    WindowFixture f;
    frmLists& w = f.window();
    for (int s = 1; s <= 19; ++s)
        w.lvShops->topLevelItem(s - 1)->setText(1, QStringLiteral("Shop %1").arg(s));
    f.fill(2, {{"Milk", "1", true, "K0"}, {"Bread", "1", true, "K1"}});
    setPrices(w, "K0", milk);
    setPrices(w, "K1", bread);
    w.GenPCList();
    QCOMPARE(w.BestShop, bestShop);
    const QTreeWidgetItem* best = rowLabelled(w.lvCompare, "BEST PRICE:");
    QCOMPARE(best->text(1), bestShop);
    QCOMPARE(best->text(2), bestRow);
    QVERIFY2(w.lblCheapest->text().contains(note), qPrintable(w.lblCheapest->text()));
}

void ComparisonTest::unusableNumbersGiveEmptyCells() {
    WindowFixture f;
    frmLists& w = f.window();
    // Only an edited data file holds these: a ticked item without a numeric quantity, a price that is no number.
    f.fill(0, {{"Odd", "lots", true, "K0"}, {"Tea", "2", true, "K1"}});
    setPrices(w, "K0", {{1, "1.00"}});
    setPrices(w, "K1", {{1, "cheap"}, {2, "1.00"}});
    w.GenPCList();
    QCOMPARE(rowTexts(w.lvCompare->topLevelItem(1), 3), (QStringList{"Odd x lots", "", ""}));
    QCOMPARE(rowTexts(w.lvCompare->topLevelItem(2), 3), (QStringList{"Tea x 2", "", "2.00"}));
    w.optShow[1]->click();
    QCOMPARE(rowTexts(w.lvCompare->topLevelItem(2), 3), (QStringList{"Tea", "cheap", "1.00"}));
    QCOMPARE(rowTexts(rowLabelled(w.lvCompare, "TOTALS"), 3), (QStringList{"TOTALS", "1.00", "1.00"}));
}

void ComparisonTest::editPricesButtonFollowsClicks() {
    WindowFixture f;
    frmLists& w = f.window();
    f.fill(0, {{"Milk", "1", true, "K0"}});
    w.GenPCList();
    QVERIFY(!w.cmdCEdit->isEnabled());
    for (int r = 0; r < w.lvCompare->topLevelItemCount(); ++r) {
        QTreeWidgetItem* row = w.lvCompare->topLevelItem(r);
        w.lvCompare_ItemClick(row);
        QCOMPARE(w.cmdCEdit->isEnabled(), row->text(0) == QStringLiteral("Milk x 1"));
    }
    w.lvCompare_ItemClick(w.lvCompare->topLevelItem(1));
    w.GenPCList();
    QVERIFY(!w.cmdCEdit->isEnabled());
}

void ComparisonTest::editingPricesFromTheTable() {
    WindowFixture f;
    frmLists& w = f.window();
    f.fill(1, {{"Bread", "1", true, "K0"}, {"Milk", "2", true, "K1"}});
    setPrices(w, "K1", {{1, "1.00"}, {2, "3.00"}});
    w.GenPCList();
    QTreeWidgetItem* milk = w.lvCompare->topLevelItem(4);
    w.lvCompare->setCurrentItem(milk);
    w.lvCompare_ItemClick(milk);
    bool shown = false;
    w.showModal = [&](QDialog& dialog) {
        shown = true;
        auto& editor = static_cast<frmAddEdit&>(dialog);
        QCOMPARE(editor.windowTitle(), QStringLiteral("Editing 'Milk x 2'"));
        QCOMPARE(editor.txtName->text(), QStringLiteral("Milk x 2"));
        QVERIFY(!editor.txtName->isEnabled());
        QCOMPARE(editor.txtName->palette().color(QPalette::Base), editor.palette().color(QPalette::Button));
        QCOMPARE(editor.lvPrices->topLevelItem(1)->text(2), QStringLiteral("3.00"));
        editor.lvPrices->setCurrentItem(editor.lvPrices->topLevelItem(1));
        editor.cmdDel_Click();
        editor.lvPrices->setCurrentItem(editor.lvPrices->topLevelItem(2));
        f.prompts.typeNext(QStringLiteral("0.75"));
        editor.cmdSet_Click();
        editor.cmdOK_Click();
    };
    w.cmdCEdit->click();
    QVERIFY(shown);
    QCOMPARE(w.EditorMode, qint16(3));
    QCOMPARE(f.rows(1).at(1), (Row{"Milk", "2", true, "K1"}));
    QCOMPARE(w.CF.ReadValue(QStringLiteral("K1_2")), ConfigFile::NotFound);
    QCOMPARE(w.CF.ReadValue(QStringLiteral("K1_3")), QStringLiteral("0.75"));
    QCOMPARE(w.lvCompare->indexOfTopLevelItem(w.lvCompare->currentItem()), 4);
    QCOMPARE(rowTexts(w.lvCompare->currentItem(), 4), (QStringList{"Milk x 2", "2.00", "", "1.50"}));
    QVERIFY(w.cmdCEdit->isEnabled());
}

void ComparisonTest::rebuiltWhenShown() {
    WindowFixture f;
    frmLists& w = f.window();
    f.fill(0, {{"Milk", "1", true, "K0"}});
    w.optShow[1]->setChecked(true);
    w.tabMain->setCurrentIndex(frmLists::ComparisonTab);
    QCOMPARE(w.lvCompare->topLevelItem(1)->text(0), QStringLiteral("Milk"));
    f.prompts.typeNext(QStringLiteral("CHF"));
    w.mnuOptionsSymbol_Click();
    QCOMPARE(w.lvCompare->headerItem()->text(1), QStringLiteral(" (CHF)"));
    w.optShow[0]->click();
    QCOMPARE(w.lvCompare->topLevelItem(1)->text(0), QStringLiteral("Milk x 1"));
}

// Prices are kept between comparisons; every way a price, quantity or name can change must show in the next one.
void ComparisonTest::keptPricesFollowEveryChange() {
    WindowFixture f;
    frmLists& w = f.window();
    f.fill(0, {{"Milk", "2", true, "K0"}, {"Bread", "1", true, "K1"}});
    setPrices(w, "K0", {{1, "1.00"}, {2, "2.00"}});
    setPrices(w, "K1", {{1, "0.50"}});
    const auto milk = [&] {
        w.GenPCList();
        return rowTexts(w.lvCompare->topLevelItem(1), 3);
    };
    QCOMPARE(milk(), (QStringList{"Milk x 2", "2.00", "4.00"}));

    w.CF.WriteValue(QStringLiteral("K0_1"), QStringLiteral("1.50"));
    QCOMPARE(milk(), (QStringList{"Milk x 2", "3.00", "4.00"}));
    w.CF.DeleteValue(QStringLiteral("K0_2"));
    QCOMPARE(milk(), (QStringList{"Milk x 2", "3.00", ""}));
    QTreeWidgetItem* row = w.lvList[0]->row(1);
    ListView::setQuantity(row, QStringLiteral("3"));
    QCOMPARE(milk(), (QStringList{"Milk x 3", "4.50", ""}));
    row->setText(0, QStringLiteral("Oat milk"));
    QCOMPARE(milk(), (QStringList{"Oat milk x 3", "4.50", ""}));
    ListView::setQuantity(row, QStringLiteral("some"));
    QCOMPARE(milk(), (QStringList{"Oat milk x some", "", ""}));
    ListView::setQuantity(row, QStringLiteral("1"));
    w.optShow[1]->setChecked(true);
    QCOMPARE(milk(), (QStringList{"Oat milk", "1.50", " "}));
    w.optShow[0]->setChecked(true);

    // A load replaces every price; so does a change of more prices than the store remembers one by one.
    ConfigFile other;
    other.WriteValue(QStringLiteral("K0_2"), QStringLiteral("9.00"));
    QVERIFY(w.CF.LoadFromBytes(other.toBytes()).ok());
    QCOMPARE(milk(), (QStringList{"Oat milk x 1", "", "9.00"}));
    for (int key = 100; key < 5100; ++key)
        w.CF.WriteValue(Store::priceKey(Store::itemKey(key), 1), QStringLiteral("1"));
    w.CF.WriteValue(QStringLiteral("K0_1"), QStringLiteral("0.25"));
    QCOMPARE(milk(), (QStringList{"Oat milk x 1", "0.25", "9.00"}));
    QCOMPARE(rowTexts(rowLabelled(w.lvCompare, "TOTALS"), 3).mid(1), (QStringList{"0.25", "9.00"}));
}

QTEST_MAIN(ComparisonTest)
#include "comparison_test.moc"
