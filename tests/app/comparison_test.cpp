// The price comparison: rows and cells in both modes, totals of the shown texts in single precision, the
// cheapest shop, the Edit Prices button and editing prices from the table.
#include "data_files.h"
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
    void eachItemAtItsCheapestShop_data();
    void eachItemAtItsCheapestShop();
    void pricesCountTheSameInEveryLanguage();
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

void ComparisonTest::eachItemAtItsCheapestShop_data() {
    using Items = QList<std::pair<Row, Prices>>;
    QTest::addColumn<Items>("items");
    QTest::addColumn<QStringList>("marks"); // per item row, the shops marked cheapest
    QTest::addColumn<QString>("cheapest");
    QTest::addColumn<QString>("splitTrip");
    QTest::addColumn<QString>("coverage");
    // Six items at four shops with gaps and two ties, worked out by hand:
    // Market 1.20 + 2 x 0.90 = 3.00 (2 of 6), Corner 10.90, Online 12.60, Deli 13.00;
    // each at its cheapest: 1.00 (Corner) + 1.80 (Market) + 5.50 (Online) + 4.00 (Online or Deli) + 2.00 (Corner or
    // Online) = 14.30 at Market, Corner and Online.
    QTest::newRow("gaps and ties")
        << Items{{{"Bread", "1", true, "K0"}, {{1, "1.20"}, {2, "1.00"}, {3, "1.10"}}},
                 {{"Milk", "2", true, "K1"}, {{1, "0.90"}, {2, "0.95"}, {4, "1.00"}}},
                 {{"Coffee beans", "1", true, "K2"}, {{2, "6.00"}, {3, "5.50"}, {4, "7.00"}}},
                 {{"Olive oil", "1", true, "K3"}, {{3, "4.00"}, {4, "4.00"}}},
                 {{"Tea", "1", true, "K4"}, {{2, "2.00"}, {3, "2.00"}}},
                 {{"Saffron", "1", true, "K5"}, {}}}
        << QStringList{"2", "1", "3", "34", "23", ""}
        << "Cheapest: Market, £3.00 \u2014 prices 2 of 6 shown items; missing: Coffee beans, "
           "Olive oil, Tea and 1 more"
        << "Each item at its cheapest shop: £14.30 at 3 shops \u2014 £11.30 more than Market, "
           "which has no price for 4 of the items; not priced anywhere: Saffron"
        << "Market prices 2 of 6 items; missing: Coffee beans, Olive oil, Tea and 1 more";
    QTest::newRow("splitting saves") << Items{{{"Soap", "1", true, "K0"}, {{1, "1.00"}, {2, "2.00"}}},
                                              {{"Rice", "1", true, "K1"}, {{1, "3.00"}, {2, "1.00"}}}}
                                     << QStringList{"1", "2"}
                                     << "Cheapest: Corner, £3.00 \u2014 prices 2 of 2 shown items"
                                     << "Each item at its cheapest shop: £2.00 at 2 shops \u2014 £1.00 less than Corner"
                                     << "Corner prices all 2 items";
}

void ComparisonTest::eachItemAtItsCheapestShop() {
    using Items = QList<std::pair<Row, Prices>>;
    QFETCH(Items, items);
    QFETCH(QStringList, marks);
    QFETCH(QString, cheapest);
    QFETCH(QString, splitTrip);
    QFETCH(QString, coverage);
    WindowFixture f(WindowFixture::Files::WithProgramFiles);
    frmLists& w = f.window();
    for (const auto& [s, name] :
         {std::pair(1, "Market"), std::pair(2, "Corner"), std::pair(3, "Online"), std::pair(4, "Deli")})
        w.lvShops->topLevelItem(s - 1)->setText(1, QString::fromLatin1(name));
    for (const auto& [row, prices] : items) {
        f.fill(0, {row});
        setPrices(w, row.key, prices);
    }
    w.GenPCList();
    for (qsizetype i = 0; i < marks.size(); ++i) {
        const QTreeWidgetItem* row = w.lvCompare->topLevelItem(static_cast<int>(i) + 1);
        QString marked;
        for (int s = 1; s <= 20; ++s)
            if (row->data(s, Qt::BackgroundRole).isValid()) {
                marked += QString::number(s);
                QCOMPARE(row->toolTip(s), QStringLiteral("Cheapest for this item"));
            }
        QCOMPARE(marked, marks[i]);
    }
    QCOMPARE(w.lblCheapest->text(), cheapest + QLatin1Char('\n') + splitTrip);
    const QStringList missing = cheapest.section(QStringLiteral("missing: "), 1).split(QStringLiteral(", "));
    if (!missing.first().isEmpty()) // the best shop's totals cell names the same items
        QVERIFY(rowLabelled(w.lvCompare, "TOTALS")->toolTip(1).endsWith(cheapest.section(QStringLiteral("; "), 1)));

    // Unnamed shops without prices are hidden; the best price's columns always show.
    QVERIFY(!w.lvCompare->isColumnHidden(4));
    QVERIFY(w.lvCompare->isColumnHidden(5));
    for (int c = 0; c <= 4; ++c)
        QVERIFY(w.lvCompare->columnWidth(c) >=
                w.lvCompare->fontMetrics().horizontalAdvance(w.lvCompare->headerItem()->text(c)));

    // The page says what the screen says, as a template without the new placeholders never did.
    writeFile(f.path("Pantrova Template.htm"), "%coverage%|%splittrip%");
    w.buildPage();
    QCOMPARE(QString::fromUtf8(readFile(f.path("Pantrova.htm"))), coverage + QLatin1Char('|') + splitTrip);
}

void ComparisonTest::pricesCountTheSameInEveryLanguage() {
    // A file written under English (UK) rules, opened under German and French rules and back again.
    WindowFixture f(WindowFixture::Files::WithProgramFiles);
    frmLists& w = f.window();
    w.lvShops->topLevelItem(0)->setText(1, QStringLiteral("Market"));
    w.lvShops->topLevelItem(1)->setText(1, QStringLiteral("Corner"));
    f.fill(0, {{"Oven", "1", true, "K0"}, {"Tea", "2", true, "K1"}});
    setPrices(w, "K0", {{1, "1,200.00"}, {2, "1,234.50"}});
    setPrices(w, "K1", {{1, "2.15"}, {2, "1.10"}});
    QVERIFY(w.sve());
    writeFile(f.path("Pantrova Template.htm"), "%bestshop% %bestprice%");
    for (const char* language : {"de_DE", "fr_FR", "en_GB"}) {
        const QLocale locale{QString::fromLatin1(language)};
        QLocale::setDefault(locale);
        frmLists& opened = f.start();
        opened.GenPCList();
        QCOMPARE(opened.BestShop, QStringLiteral("Market"));
        QCOMPARE(opened.BestPrice, 1204.30f);
        QCOMPARE(opened.lvCompare->topLevelItem(1)->text(2), locale.toString(1234.5, 'f', 2));
        QCOMPARE(opened.lvCompare->topLevelItem(2)->text(1), locale.toString(4.3, 'f', 2));
        opened.buildPage();
        QCOMPARE(QString::fromUtf8(readFile(f.path("Pantrova.htm"))),
                 QStringLiteral("Market ") + locale.toString(1204.3, 'f', 2));
        QVERIFY(opened.sve()); // saved under this language, read under the next
        opened.ExitWithoutSaving = true;
    }
    QCOMPARE(QLocale(QStringLiteral("de_DE")).toString(1204.3, 'f', 2), QStringLiteral("1.204,30"));
}

QTEST_MAIN(ComparisonTest)
#include "comparison_test.moc"
