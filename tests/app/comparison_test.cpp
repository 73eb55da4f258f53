// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The price comparison's table: rows and cells in both modes, how they are drawn, the line below the table, the
// Edit Prices button and editing prices from the table. The arithmetic is the engine's (comparison_engine_test).
#include "comparison.h"
#include "data_files.h"
#include "item_editor.h"
#include "store_layout.h"
#include "window_fixture.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

namespace {

QVariant cell(const QTreeView* table, int row, int c, int role = Qt::DisplayRole) {
    return table->model()->index(row, c).data(role);
}

QString cellText(const QTreeView* table, int row, int c) {
    return cell(table, row, c).toString();
}

int rowCount(const QTreeView* table) {
    return table->model()->rowCount();
}

QString headerText(const QTreeView* table, int c) {
    return table->model()->headerData(c, Qt::Horizontal).toString();
}

bool isBold(const QTreeView* table, int row, int c) {
    return qvariant_cast<QFont>(cell(table, row, c, Qt::FontRole)).bold();
}

QStringList column(const QTreeView* table, int c) {
    QStringList texts;
    for (int r = 0; r < rowCount(table); ++r)
        texts << cellText(table, r, c);
    return texts;
}

QStringList rowTexts(const QTreeView* table, int row, int columns = 21) {
    QStringList texts;
    for (int c = 0; c < columns; ++c)
        texts << cellText(table, row, c);
    return texts;
}

// The first row whose label is this; -1 when there is none.
int rowLabelled(const QTreeView* table, const QString& label) {
    for (int r = 0; r < rowCount(table); ++r)
        if (cellText(table, r, 0) == label)
            return r;
    return -1;
}

// The comparison the table shows.
const Comparison& shown(MainWindow& w) {
    return static_cast<const ComparisonModel*>(controls(w).comparison->model())->comparison();
}

using Prices = QMap<int, QString>;

void setPrices(MainWindow& w, const QString& key, const QMap<int, QString>& prices) {
    for (auto it = prices.begin(); it != prices.end(); ++it)
        w.document().setPrice(key, it.key(), it.value());
}

} // namespace

class ComparisonTest : public QObject {
    Q_OBJECT

private slots:
    void nothingTicked();
    void cellsInBothModes();
    void editPricesButtonFollowsClicks();
    void editingPricesFromTheTable();
    void rebuiltWhenShown();
    void keptPricesFollowEveryChange();
    void eachItemAtItsCheapestShop_data();
    void eachItemAtItsCheapestShop();
    void pricesCountTheSameInEveryLanguage();
    void packsAndOffersInTheTable();
    void tripPlansAndTheShopsTheyVisit();
};

void ComparisonTest::packsAndOffersInTheTable() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(0, {{"Coffee", "2", true, "K0"}});
    w.document().setPrice(QStringLiteral("K0"), 1, QStringLiteral("1.99"));
    w.document().setPrice(QStringLiteral("K0"), 2, QStringLiteral("3.49"));
    std::array<std::optional<QString>, Store::ShopCount> packs;
    packs[0] = QStringLiteral("500 g");
    packs[1] = QStringLiteral("1 kg");
    w.document().setPacks(QStringLiteral("K0"), packs);
    std::array<std::optional<Document::Offer>, Store::ShopCount> offers;
    offers[0] = Document::Offer{QDate(2099, 12, 14), QStringLiteral("2.99")};
    w.document().setOffers(QStringLiteral("K0"), offers);
    // The ticked items: the cost, the offer marked, pack and unit price in the tooltip, told to a reader too.
    ui.compare();
    const int coffee = 1;
    QCOMPARE(cellText(ui.comparison, coffee, 1), QStringLiteral("3.98 \u2605"));
    const QString tip = cell(ui.comparison, coffee, 1, Qt::AccessibleDescriptionRole).toString();
    QVERIFY2(tip.contains(QStringLiteral("Pack 500 g: 3.98 per kg")) && tip.contains(QStringLiteral("regular 2.99")),
             qPrintable(tip));
    // Unit prices: per kg at both shops, the dearer pack the better buy.
    ui.show[2]->click();
    QCOMPARE(cellText(ui.comparison, coffee, 1), QStringLiteral("3.98/kg \u2605"));
    QCOMPARE(cellText(ui.comparison, coffee, 2), QStringLiteral("3.49/kg"));
    QCOMPARE(cell(ui.comparison, coffee, 2, Qt::ToolTipRole).toString().section(u'\n', 0, 0),
             QStringLiteral("Cheapest for this item"));
}

void ComparisonTest::nothingTicked() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    for (int l = 0; l < 4; ++l)
        w.document().setListName(l, QStringLiteral("List %1").arg(l + 1));
    f.fill(0, {{"Milk", "", false, "K0"}});
    w.document().renameShop(1, QStringLiteral("Corner Shop"));
    ui.compare();
    const QTreeView* table = ui.comparison;
    QCOMPARE(column(table, 0),
             (QStringList{"List 1", "", "List 2", "", "List 3", "", "List 4", "", "TOTALS", "", "BEST PRICE:"}));
    QCOMPARE(table->model()->columnCount(), 3); // the first two shops always show
    QCOMPARE(headerText(table, 1), QStringLiteral("Corner Shop (£)"));
    QCOMPARE(headerText(table, 2), QStringLiteral(" (£)"));
    QCOMPARE(rowTexts(table, 8, 3).mid(1), QStringList(2, QStringLiteral("0.00")));
    QCOMPARE(rowTexts(table, 10, 4), (QStringList{"BEST PRICE:", "(None)", "£0.00", ""}));
    QVERIFY(isBold(table, 0, 0));
    QVERIFY(isBold(table, 8, 0));
    QVERIFY(isBold(table, 10, 2));
    QCOMPARE(qvariant_cast<QBrush>(cell(table, 10, 0, Qt::ForegroundRole)).color().hue(), 0); // red
    QCOMPARE(shown(w).bestShopName, QStringLiteral("(None)"));
    QCOMPARE(shown(w).bestPrice, 0.0f);
}

void ComparisonTest::cellsInBothModes() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    QAbstractItemModelTester tester(ui.comparison->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    w.document().setSymbol(QStringLiteral("EUR"));
    f.fill(1, {{"Milk", "2", true, "K4"}, {"Soap", "", false, "K5"}});
    setPrices(w, "K4", {{1, "1.25"}, {3, "1.10"}});
    ui.compare();
    const QTreeView* table = ui.comparison;
    QCOMPARE(rowTexts(table, 3, 4), (QStringList{"Milk x 2", "2.50", "", "2.20"}));
    QCOMPARE(table->model()->columnCount(), 4);
    QCOMPARE(cell(table, 3, 0, ComparisonModel::KeyRole).toString(), QStringLiteral("K4"));
    QCOMPARE(headerText(table, 2), QStringLiteral(" (EUR)"));
    QCOMPARE(rowTexts(table, rowCount(table) - 1, 3).at(2), QStringLiteral("EUR2.20"));

    ui.show[1]->click();
    QCOMPARE(rowTexts(table, 3, 4), (QStringList{"Milk", "1.25", " ", "1.10"}));
    QCOMPARE(rowTexts(table, 4, 4).mid(1), QStringList(3, QStringLiteral(" ")));
    QCOMPARE(cell(table, 4, 0, ComparisonModel::KeyRole).toString(), QStringLiteral("K5"));
    QCOMPARE(rowTexts(table, rowLabelled(table, "TOTALS"), 4).mid(1), (QStringList{"1.25", "0.00", "1.10"}));
}

void ComparisonTest::editPricesButtonFollowsClicks() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(0, {{"Milk", "1", true, "K0"}});
    ui.compare();
    QVERIFY(!ui.editPrices->isEnabled());
    for (int r = 0; r < rowCount(ui.comparison); ++r) {
        emit ui.comparison->clicked(ui.comparison->model()->index(r, 0));
        QCOMPARE(ui.editPrices->isEnabled(), cellText(ui.comparison, r, 0) == QStringLiteral("Milk x 1"));
    }
    emit ui.comparison->clicked(ui.comparison->model()->index(1, 0));
    ui.compare();
    QVERIFY(!ui.editPrices->isEnabled());
}

void ComparisonTest::editingPricesFromTheTable() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(1, {{"Bread", "1", true, "K0"}, {"Milk", "2", true, "K1"}});
    setPrices(w, "K1", {{1, "1.00"}, {2, "3.00"}});
    ui.compare();
    const QModelIndex milk = ui.comparison->model()->index(4, 0);
    ui.comparison->setCurrentIndex(milk);
    emit ui.comparison->clicked(milk);
    bool shown = false;
    ItemEditor::Mode mode = ItemEditor::Mode::Add;
    w.setDialogRunner([&](QDialog& dialog) {
        shown = true;
        auto& editor = static_cast<ItemEditor&>(dialog);
        mode = editor.mode();
        QCOMPARE(editor.windowTitle(), QStringLiteral("Editing 'Milk x 2'"));
        QCOMPARE(editor.nameEdit->text(), QStringLiteral("Milk x 2"));
        QVERIFY(!editor.nameEdit->isEnabled());
        QCOMPARE(editor.nameEdit->palette().color(QPalette::Base), editor.palette().color(QPalette::Button));
        QCOMPARE(editor.priceList->topLevelItem(1)->text(2), QStringLiteral("3.00"));
        editor.priceList->setCurrentItem(editor.priceList->topLevelItem(1));
        editor.deletePrice();
        editor.priceList->setCurrentItem(editor.priceList->topLevelItem(2));
        f.prompts.typeNext(QStringLiteral("0.75"));
        editor.setPrice();
        editor.ok();
    });
    ui.editPrices->click();
    QVERIFY(shown);
    QCOMPARE(mode, ItemEditor::Mode::EditPrices);
    QCOMPARE(f.rows(1).at(1), (Row{"Milk", "2", true, "K1"}));
    QCOMPARE(w.document().store().ReadValue(QStringLiteral("K1_2")), ConfigFile::NotFound);
    QCOMPARE(w.document().store().ReadValue(QStringLiteral("K1_3")), QStringLiteral("0.75"));
    QCOMPARE(ui.comparison->currentIndex().row(), 4);
    QCOMPARE(rowTexts(ui.comparison, ui.comparison->currentIndex().row(), 4),
             (QStringList{"Milk x 2", "2.00", "", "1.50"}));
    QVERIFY(ui.editPrices->isEnabled());
}

void ComparisonTest::rebuiltWhenShown() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(0, {{"Milk", "1", true, "K0"}});
    ui.show[1]->setChecked(true);
    ui.tabs->setCurrentIndex(MainWindow::ComparisonTab);
    QCOMPARE(cellText(ui.comparison, 1, 0), QStringLiteral("Milk"));
    f.prompts.typeNext(QStringLiteral("CHF"));
    ui.currencySymbol->trigger();
    QCOMPARE(headerText(ui.comparison, 1), QStringLiteral(" (CHF)"));
    ui.show[0]->click();
    QCOMPARE(cellText(ui.comparison, 1, 0), QStringLiteral("Milk x 1"));
}

// Prices are kept between comparisons; every way a price, quantity or name can change must show in the next one.
void ComparisonTest::keptPricesFollowEveryChange() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(0, {{"Milk", "2", true, "K0"}, {"Bread", "1", true, "K1"}});
    setPrices(w, "K0", {{1, "1.00"}, {2, "2.00"}});
    setPrices(w, "K1", {{1, "0.50"}});
    // Compares in whichever window is open.
    const auto milk = [&f] {
        controls(f.window()).compare();
        return rowTexts(controls(f.window()).comparison, 1, 3);
    };
    QCOMPARE(milk(), (QStringList{"Milk x 2", "2.00", "4.00"}));

    Document& document = w.document();
    document.setPrice(QStringLiteral("K0"), 1, QStringLiteral("1.50"));
    QCOMPARE(milk(), (QStringList{"Milk x 2", "3.00", "4.00"}));
    document.setPrice(QStringLiteral("K0"), 2, QString());
    QCOMPARE(milk(), (QStringList{"Milk x 2", "3.00", ""}));
    document.setItemState(0, 0, true, QStringLiteral("3"));
    QCOMPARE(milk(), (QStringList{"Milk x 3", "4.50", ""}));
    document.renameItem(0, 0, QStringLiteral("Oat milk"));
    QCOMPARE(milk(), (QStringList{"Oat milk x 3", "4.50", ""}));
    document.setItemState(0, 0, true, QStringLiteral("some"));
    QCOMPARE(milk(), (QStringList{"Oat milk x some", "", ""}));
    document.setItemState(0, 0, true, QStringLiteral("1"));
    ui.show[1]->setChecked(true);
    QCOMPARE(milk(), (QStringList{"Oat milk", "1.50", " "}));
    ui.show[0]->setChecked(true);

    // Starting over another file replaces every price; so does a change of many prices at once.
    QMap<QString, QString> other{{"NextKey", "2"}, {"L0", "2"},    {"L0i1", "Oat milk"}, {"L0q1", "1"},
                                 {"L0c1", "True"}, {"L0k1", "K0"}, {"L0i2", "Bread"},    {"L0q2", "1"},
                                 {"L0c2", "True"}, {"L0k2", "K1"}, {"L1", "0"},          {"L2", "0"},
                                 {"L3", "0"},      {"Shop1", ""},  {"K0_2", "9.00"}};
    writeFile(f.path("Pantrova.dat"), dataFileBytes(other));
    f.start();
    QCOMPARE(milk(), (QStringList{"Oat milk x 1", "", "9.00"}));
    for (int key = 100; key < 5100; ++key)
        f.window().document().setPrice(Store::itemKey(key), 1, QStringLiteral("1"));
    f.window().document().setPrice(QStringLiteral("K0"), 1, QStringLiteral("0.25"));
    QCOMPARE(milk(), (QStringList{"Oat milk x 1", "0.25", "9.00"}));
    const QTreeView* table = controls(f.window()).comparison;
    QCOMPARE(rowTexts(table, rowLabelled(table, "TOTALS"), 3).mid(1), (QStringList{"0.25", "9.00"}));
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
    // Online) = 14.30 at Market, Corner and Online. No shop prices all five priced items, so the split is weighed
    // against Market's 3.00 with the three it lacks at their cheapest: 3.00 + 5.50 + 4.00 + 2.00 = 14.50.
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
        << "Like for like: Market with the 3 items it lacks at their cheapest elsewhere £14.50; each item at its "
           "cheapest shop £14.30, £0.20 less; not priced anywhere: Saffron"
        << "Market prices 2 of 6 items; missing: Coffee beans, Olive oil, Tea and 1 more";
    QTest::newRow("splitting saves")
        << Items{{{"Soap", "1", true, "K0"}, {{1, "1.00"}, {2, "2.00"}}},
                 {{"Rice", "1", true, "K1"}, {{1, "3.00"}, {2, "1.00"}}}}
        << QStringList{"1", "2"} << "Cheapest: Corner, £3.00 \u2014 prices 2 of 2 shown items"
        << "Like for like: everything at Corner £3.00; each item at its cheapest shop £2.00, "
           "£1.00 less"
        << "Corner prices all 2 items";
    // Soap costs the same at Market and Corner; the split trip buys it at Corner, the best shop, not the first.
    QTest::newRow("a tie goes to the best shop")
        << Items{{{"Soap", "1", true, "K0"}, {{1, "1.00"}, {2, "1.00"}}},
                 {{"Rice", "1", true, "K1"}, {{1, "3.00"}, {2, "2.00"}}}}
        << QStringList{"12", "2"} << "Cheapest: Corner, £3.00 \u2014 prices 2 of 2 shown items"
        << "Like for like: everything at Corner £3.00; each item at its cheapest shop £3.00, the same"
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
    MainWindow& w = f.window();
    const WindowControls ui(w);
    for (const auto& [s, name] :
         {std::pair(1, "Market"), std::pair(2, "Corner"), std::pair(3, "Online"), std::pair(4, "Deli")})
        w.document().renameShop(s, QString::fromLatin1(name));
    for (const auto& [row, prices] : items) {
        f.fill(0, {row});
        setPrices(w, row.key, prices);
    }
    ui.compare();
    for (qsizetype i = 0; i < marks.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        QString marked;
        for (int s = 1; s <= 20; ++s)
            if (cell(ui.comparison, row, s, Qt::BackgroundRole).isValid()) {
                marked += QString::number(s);
                QCOMPARE(cell(ui.comparison, row, s, Qt::ToolTipRole).toString(),
                         QStringLiteral("Cheapest for this item"));
            }
        QCOMPARE(marked, marks[i]);
    }
    QCOMPARE(ui.cheapest->text(), cheapest + QLatin1Char('\n') + splitTrip);
    const QStringList missing = cheapest.section(QStringLiteral("missing: "), 1).split(QStringLiteral(", "));
    if (!missing.first().isEmpty()) // the best shop's totals cell names the same items
        QVERIFY(cell(ui.comparison, rowLabelled(ui.comparison, "TOTALS"), 1, Qt::ToolTipRole)
                    .toString()
                    .endsWith(cheapest.section(QStringLiteral("; "), 1)));

    // Unnamed shops without prices are left out; the best price's columns always show.
    QCOMPARE(ui.comparison->model()->columnCount(), 5);
    for (int c = 0; c <= 4; ++c)
        QVERIFY(ui.comparison->columnWidth(c) >=
                ui.comparison->fontMetrics().horizontalAdvance(headerText(ui.comparison, c)));

    // The page says what the screen says, as a template without the new placeholders never did.
    writeFile(f.path("Pantrova Template.htm"), "%coverage%|%splittrip%");
    ui.showPage();
    QCOMPARE(QString::fromUtf8(readFile(f.path("Pantrova.htm"))), coverage + QLatin1Char('|') + splitTrip);
}

void ComparisonTest::pricesCountTheSameInEveryLanguage() {
    // A file written under English (UK) rules, opened under German and French rules and back again.
    WindowFixture f(WindowFixture::Files::WithProgramFiles);
    MainWindow& w = f.window();
    w.document().renameShop(1, QStringLiteral("Market"));
    w.document().renameShop(2, QStringLiteral("Corner"));
    f.fill(0, {{"Oven", "1", true, "K0"}, {"Tea", "2", true, "K1"}});
    setPrices(w, "K0", {{1, "1,200.00"}, {2, "1,234.50"}});
    setPrices(w, "K1", {{1, "2.15"}, {2, "1.10"}});
    w.document().setTripCost(2, QStringLiteral("1,000.50"));
    QVERIFY(w.save());
    writeFile(f.path("Pantrova Template.htm"), "%bestshop% %bestprice%");
    for (const char* language : {"de_DE", "fr_FR", "en_GB"}) {
        const QLocale locale{QString::fromLatin1(language)};
        QLocale::setDefault(locale);
        MainWindow& opened = f.start();
        controls(opened).compare();
        QCOMPARE(shown(opened).bestShopName, QStringLiteral("Market"));
        QCOMPARE(shown(opened).bestPrice, 1204.30f);
        QCOMPARE(cellText(controls(opened).comparison, 1, 2), locale.toString(1234.5, 'f', 2));
        QCOMPARE(cellText(controls(opened).comparison, 2, 1), locale.toString(4.3, 'f', 2));
        QCOMPARE(opened.document().tripCost(2), locale.toString(1000.5, 'f', 2));
        controls(opened).showPage();
        QCOMPARE(QString::fromUtf8(readFile(f.path("Pantrova.htm"))),
                 QStringLiteral("Market ") + locale.toString(1204.3, 'f', 2));
        QVERIFY(opened.save()); // saved under this language, read under the next
        controls(opened).exitWithoutSaving->trigger();
    }
    QCOMPARE(QLocale(QStringLiteral("de_DE")).toString(1204.3, 'f', 2), QStringLiteral("1.204,30"));
}

// The Shops tab's tick and trip cost, the plans below the table, the chosen one on the page; each change undoable.
void ComparisonTest::tripPlansAndTheShopsTheyVisit() {
    WindowFixture f(WindowFixture::Files::WithProgramFiles);
    MainWindow& w = f.window();
    const WindowControls ui(w);
    for (const auto& [s, name] : {std::pair(1, "Market"), std::pair(2, "Fish & Co"), std::pair(3, "Deli")})
        w.document().renameShop(s, QString::fromLatin1(name));
    f.fill(0, {{"Bread", "1", true, "K0"}, {"Fish <fresh>", "1", true, "K1"}});
    setPrices(w, "K0", {{1, "1.00"}, {2, "2.00"}, {3, "0.50"}});
    setPrices(w, "K1", {{2, "3.00"}, {3, "4.00"}});
    QAbstractItemModel* shops = ui.shops->model();
    const QModelIndex deliTrip = shops->index(2, 3);
    // A text that is no amount is offered again as typed.
    f.prompts.typeNext(QStringLiteral("fare"));
    f.prompts.typeNext(QStringLiteral("0.75"));
    emit ui.shops->clicked(deliTrip);
    QCOMPARE(f.prompts.shown[f.prompts.shown.size() - 2].text,
             QStringLiteral("Please enter an amount of 0 or more, such as 2.50."));
    QCOMPARE(f.prompts.last().preset, QStringLiteral("fare"));
    QCOMPARE(deliTrip.data().toString(), QStringLiteral("£0.75"));

    // By hand: one shop, Fish & Co 5.00 (Deli 4.50 + 0.75); two, Market's bread and Fish & Co's fish 4.00; three
    // shops buy nothing cheaper.
    const auto plan = [&w](int k) { return w.findChild<QRadioButton*>(QStringLiteral("plan%1").arg(k)); };
    ui.compare();
    QCOMPARE(plan(1)->text(), QStringLiteral("1 shop: Fish && Co £5.00"));
    QCOMPARE(plan(2)->accessibleName(), QStringLiteral("2 shops: Market + Fish & Co £4.00 (save £1.00)"));
    QCOMPARE(plan(2)->toolTip(), QStringLiteral("At Market: Bread\nAt Fish & Co: Fish <fresh>"));
    QVERIFY(plan(2)->isChecked() && !plan(2)->isHidden());
    QCOMPARE(plan(3)->text(), QStringLiteral("3 shops: none cheaper than with fewer shops"));
    writeFile(f.path("Pantrova Template.htm"), "%tripplan%");
    ui.showPage();
    QCOMPARE(QString::fromUtf8(readFile(f.path("Pantrova.htm"))),
             QStringLiteral("<b>2 shops: Market + Fish &amp; Co £4.00 (save £1.00)</b><br>At Market: Bread<br>"
                            "At Fish &amp; Co: Fish &lt;fresh&gt;"));
    ui.compare();
    plan(1)->click();
    QCOMPARE(w.document().planSize(), 1);
    ui.showPage();
    QCOMPARE(QString::fromUtf8(readFile(f.path("Pantrova.htm"))).section(QStringLiteral("<br>"), 1),
             QStringLiteral("At Fish &amp; Co: Bread, Fish &lt;fresh&gt;"));

    // Market left out: Deli's trip now counts.
    shops->setData(shops->index(0, 2), Qt::Unchecked, Qt::CheckStateRole);
    ui.compare();
    QCOMPARE(plan(2)->accessibleName(),
             QStringLiteral("2 shops: Fish & Co + Deli £4.25 (save £0.75), trips £0.75 included"));
    QVERIFY(plan(1)->isChecked());
    for (const auto& [used, size, trip] : {std::tuple(false, 1, "0.75"), std::tuple(true, 1, "0.75"),
                                           std::tuple(true, 2, "0.75"), std::tuple(true, 2, "")}) {
        QCOMPARE(shops->index(0, 2).data(Qt::CheckStateRole).toInt() == Qt::Checked, used);
        QCOMPARE(w.document().planSize(), size);
        QCOMPARE(w.document().tripCost(3), QString::fromLatin1(trip));
        w.undoStack().undo();
    }
}

QTEST_MAIN(ComparisonTest)
#include "comparison_test.moc"
