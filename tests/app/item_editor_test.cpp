// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The item editor: where an added item goes and which key it gets, entering and deleting prices, and that
// nothing changes until OK.
#include "document.h"
#include "item_editor.h"
#include "money.h"
#include "move_copy.h"
#include "store_layout.h"
#include "window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace {

// Runs the editor the way cmdAdd/cmdEdit open it, with `steps` standing in for the user.
void openEditor(MainWindow& w, int list, bool add, const std::function<void(ItemEditor&)>& steps) {
    bool shown = false;
    w.setDialogRunner([&](QDialog& dialog) {
        shown = true;
        steps(static_cast<ItemEditor&>(dialog));
    });
    (add ? controls(w).add : controls(w).edit)[list]->click();
    QVERIFY(shown);
}

QString priceCell(const ItemEditor& editor, int shop) {
    return editor.priceList->topLevelItem(shop - 1)->text(2);
}

} // namespace

class ItemEditorTest : public QObject {
    Q_OBJECT

private slots:
    void addPositions_data();
    void addPositions();
    void addsGetConsecutiveKeysAndRememberTheBox();
    void enteringPrices_data();
    void enteringPrices();
    void editingRenamesAndRewritesPrices();
    void storedTextsThatAreNoPriceGoOnOk_data();
    void storedTextsThatAreNoPriceGoOnOk();
    void cancelChangesNothing();
    void emptyNameIsRefused();
    void keysOnAShop_data();
    void keysOnAShop();
    void keyCounterNeverWraps();
    void packsAndOffers_data();
    void packsAndOffers();
    void refusedTextIsOfferedAgain_data();
    void refusedTextIsOfferedAgain();
};

void ItemEditorTest::addPositions_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("toBottom");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty list, box clear") << 0 << 0 << false << 1;
    QTest::newRow("empty list, box ticked") << 0 << 0 << true << 1;
    QTest::newRow("below the selected row") << 5 << 3 << false << 4;
    QTest::newRow("at the bottom") << 5 << 3 << true << 6;
    QTest::newRow("below the last row") << 5 << 5 << false << 6;
}

void ItemEditorTest::addPositions() {
    QFETCH(int, rows);
    QFETCH(int, selected);
    QFETCH(bool, toBottom);
    QFETCH(int, expected);
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    for (int i = 0; i < rows; ++i)
        f.fill(1, {{QStringLiteral("Row %1").arg(i + 1), QString(), false, QStringLiteral("K%1").arg(i)}});
    ui.lists[1]->selectRow(selected - 1);
    openEditor(w, 1, true, [&](ItemEditor& editor) {
        QCOMPARE(editor.windowTitle(), QStringLiteral("Add"));
        QVERIFY(!editor.addToBottomBox->isHidden());
        editor.addToBottomBox->setChecked(toBottom);
        editor.nameEdit->setText(QStringLiteral("New"));
        editor.ok();
        QCOMPARE(editor.result(), int(QDialog::Accepted));
    });
    QCOMPARE(f.rows(1).at(expected - 1), (Row{"New", "", false, QStringLiteral("K%1").arg(rows)}));
    QCOMPARE(ui.lists[1]->rowCount(), rows + 1);
    QVERIFY(ui.moveOrCopy->isEnabled());
}

void ItemEditorTest::addsGetConsecutiveKeysAndRememberTheBox() {
    WindowFixture f;
    MainWindow& w = f.window();
    w.document().setNextKey(17);
    f.fill(0, {{"Ticked", "1", true, "K16"}});
    const auto boxOnOpening = [&] {
        bool checked = false;
        openEditor(w, 0, true, [&](ItemEditor& editor) {
            checked = editor.addToBottomBox->isChecked();
            editor.reject();
        });
        return checked;
    };
    QCOMPARE(boxOnOpening(), false);
    for (const char* name : {"A", "B", "C"}) {
        openEditor(w, 0, true, [&](ItemEditor& editor) {
            QCOMPARE(editor.addToBottomBox->isChecked(), std::string(name) != "A");
            editor.addToBottomBox->setChecked(true);
            editor.nameEdit->setText(QString::fromLatin1(name));
            editor.ok();
        });
    }
    QCOMPARE(w.document().nextKey(), 20);
    QCOMPARE(boxOnOpening(), true);
    QCOMPARE(f.rows(0).mid(1), (QList<Row>{{"A", "", false, "K17"}, {"B", "", false, "K18"}, {"C", "", false, "K19"}}));
    QCOMPARE(controls(w).tickAll[0]->checkState(), Qt::PartiallyChecked);
}

void ItemEditorTest::enteringPrices_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");
    QTest::newRow("smallest") << "0.01"
                              << "0.01"
                              << "";
    QTest::newRow("whole") << "2"
                           << "2.00"
                           << "";
    QTest::newRow("grouped") << "1234.5"
                             << "1,234.50"
                             << "";
    QTest::newRow("single precision") << "1234567.89"
                                      << "1,234,567.88"
                                      << "";
    QTest::newRow("below a penny") << "0.009"
                                   << "3.00"
                                   << "Please enter a value of 0.01 or greater.";
    QTest::newRow("zero") << "0"
                          << "3.00"
                          << "Please enter a value of 0.01 or greater.";
    QTest::newRow("negative") << "-1"
                              << "3.00"
                              << "Please enter a value of 0.01 or greater.";
    QTest::newRow("not a number") << "abc"
                                  << "3.00"
                                  << "\"abc\" is no price. Please type a price such as 1.29.";
    QTest::newRow("cancelled") << ""
                               << "3.00"
                               << "";
}

void ItemEditorTest::enteringPrices() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    WindowFixture f;
    MainWindow& w = f.window();
    w.document().renameShop(2, QStringLiteral("Corner Shop"));
    f.fill(0, {{"Milk", "", false, "K4"}});
    w.document().setPrice(QStringLiteral("K4"), 2, QStringLiteral("3.00"));
    openEditor(w, 0, false, [&](ItemEditor& editor) {
        editor.priceList->setCurrentItem(editor.priceList->topLevelItem(1));
        f.prompts.typeNext(typed);
        editor.setPrice();
        const ScriptedPrompts::Shown& input = f.prompts.shown.at(0);
        QCOMPARE(input.text, QStringLiteral("Please enter the cost of 'Milk' at 'Corner Shop':"));
        QCOMPARE(input.title, QStringLiteral("Edit Price"));
        QCOMPARE(input.preset, QStringLiteral("3.00"));
        QCOMPARE(priceCell(editor, 2), shown);
        if (message.isEmpty()) {
            QCOMPARE(f.prompts.shown.size(), 1);
        } else {
            QCOMPARE(f.prompts.shown.at(1).text, message);
            QCOMPARE(f.prompts.shown.at(1).title, QStringLiteral("Error"));
            QCOMPARE(f.prompts.shown.at(1).icon, UserPrompts::Icon::Exclamation);
            QCOMPARE(f.prompts.last().preset, typed); // asked again, and cancelled
        }
        editor.ok();
    });
    QCOMPARE(w.document().store().ReadValue(QStringLiteral("K4_2")), shown);
}

void ItemEditorTest::editingRenamesAndRewritesPrices() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    w.document().renameShop(5, QStringLiteral("Market"));
    const QString longName(40000, u'b'); // longer than a text box holds unless told otherwise
    f.fill(2, {{longName, "", false, "K1"}, {"Milk", "2", true, "K2"}});
    w.document().setPrice(QStringLiteral("K2"), 5, QStringLiteral("1.10"));
    w.document().setPrice(QStringLiteral("K2"), 7, QStringLiteral("0.90"));
    w.document().setSymbol(QStringLiteral("EUR"));
    ui.lists[2]->selectRow(1);
    openEditor(w, 2, false, [&](ItemEditor& editor) {
        QCOMPARE(editor.windowTitle(), QStringLiteral("Editing 'Milk'"));
        QVERIFY(editor.addToBottomBox->isHidden());
        QCOMPARE(editor.priceList->headerItem()->text(2), QStringLiteral("Price (EUR)"));
        QCOMPARE(editor.priceList->topLevelItemCount(), 20);
        QCOMPARE(editor.priceList->topLevelItem(4)->text(1), QStringLiteral("Market"));
        QCOMPARE(editor.priceList->currentItem(), editor.priceList->topLevelItem(0));
        QCOMPARE(priceCell(editor, 5), QStringLiteral("1.10"));
        editor.priceList->setCurrentItem(editor.priceList->topLevelItem(4));
        editor.deletePrice();
        editor.nameEdit->setText(QStringLiteral("Oat milk"));
        editor.ok();
    });
    QCOMPARE(f.rows(2).at(1), (Row{"Oat milk", "2", true, "K2"}));
    QCOMPARE(w.document().store().ReadValue(QStringLiteral("K2_5")), ConfigFile::NotFound);
    // A name longer than the box's usual limit comes back whole.
    ui.lists[2]->selectRow(0);
    openEditor(w, 2, false, [](ItemEditor& editor) { editor.ok(); });
    QCOMPARE(f.names(2).first().size(), longName.size());
    QCOMPARE(w.document().store().ReadValue(QStringLiteral("K2_7")), QStringLiteral("0.90"));
    QCOMPARE(w.document().nextKey(), 3);
}

void ItemEditorTest::storedTextsThatAreNoPriceGoOnOk_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("marker of a missing key") << ConfigFile::NotFound;
    QTest::newRow("empty") << QString();
}

void ItemEditorTest::storedTextsThatAreNoPriceGoOnOk() {
    QFETCH(QString, stored);
    WindowFixture f;
    MainWindow& w = f.window();
    f.fill(0, {{"Milk", "", false, "K0"}});
    w.document().store().WriteValue(QStringLiteral("K0_4"), stored);
    openEditor(w, 0, false, [&](ItemEditor& editor) {
        QCOMPARE(priceCell(editor, 4), QString());
        QCOMPARE(editor.priceList->topLevelItem(3)->text(3), QString());
        editor.ok();
    });
    QVERIFY(!w.document().store().value(QStringLiteral("K0_4")));
}

void ItemEditorTest::cancelChangesNothing() {
    WindowFixture f;
    MainWindow& w = f.window();
    f.fill(0, {{"Milk", "", false, "K0"}});
    w.document().setPrice(QStringLiteral("K0"), 5, QStringLiteral("1.10"));
    const auto before = w.document().store().values();
    openEditor(w, 0, false, [&](ItemEditor& editor) {
        editor.priceList->setCurrentItem(editor.priceList->topLevelItem(4));
        editor.deletePrice();
        editor.nameEdit->setText(QStringLiteral("Renamed"));
        editor.reject();
    });
    openEditor(w, 0, true, [&](ItemEditor& editor) {
        editor.nameEdit->setText(QStringLiteral("Never added"));
        editor.reject();
    });
    QCOMPARE(w.document().store().values(), before);
    QCOMPARE(f.rows(0), (QList<Row>{{"Milk", "", false, "K0"}}));
    QCOMPARE(w.document().nextKey(), 1);
}

void ItemEditorTest::emptyNameIsRefused() {
    WindowFixture f;
    MainWindow& w = f.window();
    openEditor(w, 3, true, [&](ItemEditor& editor) {
        editor.ok();
        QCOMPARE(f.prompts.last().text, QStringLiteral("Please type in a name for this item."));
        QCOMPARE(f.prompts.last().title, QStringLiteral("Error"));
        QCOMPARE(editor.result(), 0);
        editor.nameEdit->setText(QStringLiteral("  ")); // blanks are a name
        editor.ok();
        QCOMPARE(editor.result(), int(QDialog::Accepted));
    });
    QCOMPARE(f.names(3), QStringList{"  "});
}

void ItemEditorTest::keysOnAShop_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("setsPrice");
    QTest::newRow("F2 sets the price") << int(Qt::Key_F2) << true;
    QTest::newRow("Return presses OK") << int(Qt::Key_Return) << false;
    QTest::newRow("keypad Enter presses OK") << int(Qt::Key_Enter) << false;
}

void ItemEditorTest::keysOnAShop() {
    QFETCH(int, key);
    QFETCH(bool, setsPrice);
    WindowFixture f;
    MainWindow& w = f.window();
    f.fill(0, {{"Milk", "", false, "K0"}});
    ItemEditor editor(w.document(), f.prompts, {},
                      {ItemEditor::Mode::Edit, QStringLiteral("K0"), QStringLiteral("Milk")});
    editor.show();
    editor.priceList->setFocus();
    editor.priceList->setCurrentItem(editor.priceList->topLevelItem(3));
    f.prompts.typeNext(QStringLiteral("2"));
    QTest::keyClick(editor.priceList, Qt::Key(key));
    if (!setsPrice) {
        QVERIFY(f.prompts.shown.isEmpty());
        QCOMPARE(editor.result(), int(QDialog::Accepted));
        return;
    }
    QCOMPARE(editor.priceList->topLevelItem(3)->text(2), QStringLiteral("2.00"));
    // The dialog's default button was not pressed as well.
    QVERIFY(editor.isVisible());
    QCOMPARE(editor.result(), 0);
    QCOMPARE(w.document().store().ReadValue(QStringLiteral("K0_4")), ConfigFile::NotFound);
}

void ItemEditorTest::keyCounterNeverWraps() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    w.document().setNextKey(2147483646); // as a hand-edited file may hold it
    const auto add = [&](const QString& name) {
        openEditor(w, 0, true, [&](ItemEditor& editor) {
            editor.nameEdit->setText(name);
            editor.ok();
        });
    };
    add(QStringLiteral("Last"));
    QCOMPARE(f.rows(0), (QList<Row>{{"Last", "", false, "K2147483646"}}));
    add(QStringLiteral("One too many"));
    QCOMPARE(f.rows(0).size(), 1);
    QCOMPARE(f.prompts.last().title, QStringLiteral("Error"));
    // Nor does a copy take a key.
    ui.lists[0]->selectRow(0);
    ui.focusList(0);
    w.setDialogRunner([](QDialog& dialog) {
        auto& moc = static_cast<MoveCopyDialog&>(dialog);
        moc.operation[1]->click();
        moc.ok();
    });
    ui.moveOrCopy->trigger();
    QCOMPARE(f.rows(0).size(), 1);
    QCOMPARE(w.document().nextKey(), 2147483647);
    QCOMPARE(f.prompts.shown.size(), 2);
}

void ItemEditorTest::packsAndOffers_data() {
    QTest::addColumn<bool>("offer");          // the Offer button, else the Pack size button
    QTest::addColumn<QStringList>("answers"); // typed into its boxes
    QTest::addColumn<QString>("shown");       // the row's pack, unit price and offer columns
    QTest::addColumn<QString>("stored");      // what the data file then keeps of the pack or offer
    QTest::addColumn<QString>("message");     // the start of the message shown, if any
    QTest::newRow("pack typed without a space") << false << QStringList{"500g"} << "500 g|3.98/kg|"
                                                << "500 g"
                                                << "";
    QTest::newRow("six-pack") << false << QStringList{"6x330ml"} << "6 x 330 ml|1.01/l|"
                              << "6 x 330 ml"
                              << "";
    QTest::newRow("no pack") << false << QStringList{"a few"} << "1 kg|1.99/kg|"
                             << "1 kg"
                             << "\"a few\" is no pack";
    QTest::newRow("empty removes the pack") << false << QStringList{""} << "||"
                                            << ""
                                            << "";
    QTest::newRow("offer") << true << QStringList{"24/12/2026", "2.49"} << "1 kg|1.99/kg|until 24/12/2026, regular 2.49"
                           << "2026-12-24;2.49"
                           << "";
    QTest::newRow("no day") << true << QStringList{"soon"} << "1 kg|1.99/kg|"
                            << ""
                            << "Please enter a day";
}

void ItemEditorTest::packsAndOffers() {
    QFETCH(bool, offer);
    QFETCH(QStringList, answers);
    QFETCH(QString, shown);
    QFETCH(QString, stored);
    QFETCH(QString, message);
    WindowFixture f;
    MainWindow& w = f.window();
    f.fill(0, {{"Coffee", "", false, "K0"}});
    w.document().setPrice(QStringLiteral("K0"), 1, QStringLiteral("1.99"));
    std::array<std::optional<QString>, Store::ShopCount> packs;
    packs[0] = QStringLiteral("1 kg");
    w.document().setPacks(QStringLiteral("K0"), packs);
    openEditor(w, 0, false, [&](ItemEditor& editor) {
        editor.priceList->setCurrentItem(editor.priceList->topLevelItem(0));
        for (const QString& answer : answers)
            f.prompts.typeNext(answer);
        (offer ? editor.offerButton : editor.packButton)->click();
        const QTreeWidgetItem* row = editor.priceList->topLevelItem(0);
        QCOMPARE(QStringList({row->text(4), row->text(5), row->text(6)}).join(u'|'), shown);
        editor.ok();
    });
    const QString key = offer ? QStringLiteral("Offer:K0_1") : QStringLiteral("Pack:K0_1");
    QCOMPARE(w.document().store().ReadValue(key, QString()), stored);
    const auto told =
        std::find_if(f.prompts.shown.begin(), f.prompts.shown.end(), [](const auto& s) { return !s.isInput; });
    QCOMPARE(told == f.prompts.shown.end() ? QString() : told->text.left(message.size()), message);
}

void ItemEditorTest::refusedTextIsOfferedAgain_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("button");          // Set price, Pack size, Offer
    QTest::addColumn<QStringList>("answers"); // typed into the boxes in turn: one is refused, the next is taken
    QTest::addColumn<QString>("told");        // part of the message
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("shown"); // the column afterwards
    QTest::newRow("price, point in German")
        << "de_DE" << 0 << QStringList{"1.29", "1,29"}
        << "such as 1,29. Your language writes the decimals after \",\", not \".\": 1,29." << 2 << "1,29";
    QTest::newRow("price, comma in English")
        << "en_GB" << 0 << QStringList{"1,29", "1.29"} << "after \".\", not \",\": 1.29." << 2 << "1.29";
    QTest::newRow("pack") << "de_DE" << 1 << QStringList{"eine Flasche", "1,5 l"} << "1,5 l" << 4 << "1,5 l";
    QTest::newRow("offer's last day") << "de_DE" << 2 << QStringList{"Heiligabend", "24.12.26", "2,49"}
                                      << "such as 10.12.26." << 6 << "until 24.12.26, regular 2,49";
    QTest::newRow("offer's regular price") << "de_DE" << 2 << QStringList{"24.12.26", "2.49", "2,49"} << "such as 1,29."
                                           << 6 << "until 24.12.26, regular 2,49";
}

void ItemEditorTest::refusedTextIsOfferedAgain() {
    QFETCH(QString, locale);
    QFETCH(int, button);
    QFETCH(QStringList, answers);
    QFETCH(QString, told);
    QFETCH(int, column);
    QFETCH(QString, shown);
    QLocale::setDefault(QLocale(locale));
    Document document;
    document.today = [] { return QDate(2026, 12, 10); };
    const QString key = document.addItem(0, 0, QStringLiteral("Milk"));
    document.setPrice(key, 1, Money::format(1.99));
    ScriptedPrompts prompts;
    for (const QString& answer : answers)
        prompts.typeNext(answer);
    ItemEditor editor(document, prompts, {}, {ItemEditor::Mode::Edit, key, QStringLiteral("Milk")});
    QList<QPushButton*>{editor.setButton, editor.packButton, editor.offerButton}.at(button)->click();
    QLocale::setDefault(QLocale::system());
    // The message, between the box whose answer it refused and the same box again with that answer.
    const auto message =
        std::find_if(prompts.shown.begin(), prompts.shown.end(), [](const auto& s) { return !s.isInput; });
    QVERIFY(message != prompts.shown.begin() && message + 1 != prompts.shown.end());
    QVERIFY2(message->text.contains(told), qPrintable(message->text));
    QCOMPARE((message + 1)->text, (message - 1)->text);
    QCOMPARE((message + 1)->preset, answers.at(message - prompts.shown.begin() - 1));
    QCOMPARE(editor.priceList->topLevelItem(0)->text(column), shown);
}

QTEST_MAIN(ItemEditorTest)
#include "item_editor_test.moc"
