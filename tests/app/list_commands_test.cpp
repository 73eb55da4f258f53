// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The list commands: the tick and quantity rules, select-all, moving rows, deleting with their prices,
// renaming, and the Move or Copy menu caption.
#include "item_editor.h"
#include "store_layout.h"
#include "window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {
using Answer = UserPrompts::Answer;
}

class ListCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void plusAndMinus_data();
    void plusAndMinus();
    void userTicksSetQuantity();
    void selectAllStates();
    void selectAllTicksAndClears();
    void programTicksNeverRunTheQuantityRule();
    void upAndDown_data();
    void upAndDown();
    void deleteRemovesRowAndItsPricesOnly();
    void declinedDeleteKeepsEverything();
    void deletingTheOnlyRow();
    void menuCaptionFollowsTheSelection();
    void renameWithF2();
    void editAndAddOnEmptyList();
};

void ListCommandsTest::plusAndMinus_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<Row>("before");
    QTest::addColumn<Row>("after");
    QTest::addColumn<Qt::CheckState>("box");

    QTest::newRow("+ on empty starts at 1")
        << "+" << Row{"A", "", false, "K0"} << Row{"A", "1", true, "K0"} << Qt::PartiallyChecked;
    QTest::newRow("+ on 1") << "+" << Row{"A", "1", true, "K0"} << Row{"A", "2", true, "K0"} << Qt::PartiallyChecked;
    QTest::newRow("+ on 998") << "+" << Row{"A", "998", true, "K0"} << Row{"A", "999", true, "K0"}
                              << Qt::PartiallyChecked;
    QTest::newRow("+ on 999 stays") << "+" << Row{"A", "999", true, "K0"} << Row{"A", "999", true, "K0"}
                                    << Qt::PartiallyChecked;
    QTest::newRow("+ on a blank quantity")
        << "+" << Row{"A", " ", false, "K0"} << Row{"A", "1", true, "K0"} << Qt::PartiallyChecked;
    QTest::newRow("- on 2") << "-" << Row{"A", "2", true, "K0"} << Row{"A", "1", true, "K0"} << Qt::PartiallyChecked;
    QTest::newRow("- on 1 ends the count")
        << "-" << Row{"A", "1", true, "K0"} << Row{"A", "", false, "K0"} << Qt::Unchecked;
    QTest::newRow("- on empty does nothing")
        << "-" << Row{"A", "", false, "K0"} << Row{"A", "", false, "K0"} << Qt::Unchecked;
}

void ListCommandsTest::plusAndMinus() {
    QFETCH(QString, command);
    QFETCH(Row, before);
    QFETCH(Row, after);
    QFETCH(Qt::CheckState, box);
    // The button, and the key on the list, do the same.
    for (const bool byKey : {false, true}) {
        WindowFixture f;
        MainWindow& w = f.window();
        const WindowControls ui(w);
        // A second, unticked row keeps the box from being all-ticked.
        f.fill(1, {before, Row{"B", "", false, "K1"}});
        ui.lists[1]->selectRow(0);
        if (byKey)
            QTest::keyClick(ui.lists[1], command == "+" ? Qt::Key_Plus : Qt::Key_Minus);
        else
            (command == "+" ? ui.more : ui.fewer)[1]->click();
        QCOMPARE(f.rows(1).first(), after);
        QCOMPARE(w.currentList(), 1);
        if (command == "-" || before.quantity.trimmed().isEmpty())
            QCOMPARE(ui.tickAll[1]->checkState(), box);
    }
}

void ListCommandsTest::userTicksSetQuantity() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    w.show();
    f.fill(0, {{"Milk", "", false, "K0"}, {"Bread", "5", true, "K1"}});
    ListView* view = ui.lists[0];
    view->setFocus();
    view->selectRow(0);
    QTest::keyClick(view, Qt::Key_Space);
    QCOMPARE(f.rows(0).at(0), (Row{"Milk", "1", true, "K0"}));
    QCOMPARE(ui.tickAll[0]->checkState(), Qt::Checked);

    view->selectRow(1);
    QTest::keyClick(view, Qt::Key_Space);
    QCOMPARE(f.rows(0).at(1), (Row{"Bread", "", false, "K1"}));
    QCOMPARE(ui.tickAll[0]->checkState(), Qt::PartiallyChecked);

    // A click on the tick box itself.
    const QRect box = view->visualRect(view->model()->index(0, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(box.left() + 10, box.center().y()));
    QCOMPARE(f.rows(0).at(0), (Row{"Milk", "", false, "K0"}));
    QCOMPARE(ui.tickAll[0]->checkState(), Qt::Unchecked);

    // Space on the quantity cell ticks the row the same way.
    view->setCurrentIndex(view->model()->index(0, 1));
    QTest::keyClick(view, Qt::Key_Space);
    QCOMPARE(f.rows(0).at(0), (Row{"Milk", "1", true, "K0"}));
    QCOMPARE(ui.tickAll[0]->checkState(), Qt::PartiallyChecked);
}

void ListCommandsTest::selectAllStates() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(2, {{"A", "1", true, "K0"}, {"B", "", false, "K1"}});
    QCOMPARE(ui.tickAll[2]->checkState(), Qt::PartiallyChecked);
    // A user's click on a mixed box ticks or clears it, never leaves it mixed.
    ui.tickAll[2]->click();
    QCOMPARE(ui.tickAll[2]->checkState(), Qt::Checked);
    ui.tickAll[2]->click();
    QCOMPARE(ui.tickAll[2]->checkState(), Qt::Unchecked);
    ui.tickAll[2]->click();
    QCOMPARE(ui.tickAll[2]->checkState(), Qt::Checked);

    // An empty list keeps whatever state its box had.
    WindowFixture empty;
    const WindowControls emptyWindow(empty.window());
    emptyWindow.tickAll[3]->setCheckState(Qt::Checked);
    // Declining a deletion brings every list's box up to date.
    empty.fill(0, {{"Milk", "", false, "K0"}});
    empty.prompts.answerNext(UserPrompts::Answer::No);
    emit emptyWindow.lists[0]->keyDown(Qt::Key_Delete);
    QCOMPARE(emptyWindow.tickAll[3]->checkState(), Qt::Checked);
}

void ListCommandsTest::selectAllTicksAndClears() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(0, {{"A", "", false, "K0"}, {"B", "3", true, "K1"}, {"C", "", false, "K2"}});
    ui.tickAll[0]->click();
    QCOMPARE(f.rows(0), (QList<Row>{{"A", "1", true, "K0"}, {"B", "3", true, "K1"}, {"C", "1", true, "K2"}}));
    ui.tickAll[0]->click();
    QCOMPARE(f.rows(0), (QList<Row>{{"A", "", false, "K0"}, {"B", "", false, "K1"}, {"C", "", false, "K2"}}));
}

void ListCommandsTest::programTicksNeverRunTheQuantityRule() {
    // The user's tick rule would turn "4" into "1": no command the program runs may trigger it.
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    w.show();
    f.fill(0, {{"A", "4", true, "K0"}, {"B", "", false, "K1"}, {"C", "7", true, "K2"}});
    ui.lists[0]->selectRow(0);
    ui.down[0]->click();
    ui.down[0]->click();
    ui.up[0]->click();
    QCOMPARE(f.rows(0).at(1), (Row{"A", "4", true, "K0"}));
    ui.tickAll[0]->click();
    QCOMPARE(f.rows(0).at(1), (Row{"A", "4", true, "K0"}));
    ui.lists[0]->selectRow(1);
    ui.more[0]->click();
    QCOMPARE(f.rows(0).at(1), (Row{"A", "5", true, "K0"}));
    ui.fewer[0]->click();
    QCOMPARE(f.rows(0).at(1), (Row{"A", "4", true, "K0"}));
    QCOMPARE(f.rows(0).at(2), (Row{"C", "7", true, "K2"}));
}

void ListCommandsTest::upAndDown_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<int>("selectedAfter");
    QTest::newRow("up on the top row") << 1 << true << QStringList{"A", "B", "C", "D"} << 1;
    QTest::newRow("down on the bottom row") << 4 << false << QStringList{"A", "B", "C", "D"} << 4;
    QTest::newRow("down on the second-last row") << 3 << false << QStringList{"A", "B", "D", "C"} << 4;
    QTest::newRow("up on the second row") << 2 << true << QStringList{"B", "A", "C", "D"} << 1;
}

void ListCommandsTest::upAndDown() {
    QFETCH(int, selected);
    QFETCH(bool, up);
    QFETCH(QStringList, order);
    QFETCH(int, selectedAfter);
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(3, {{"A", "", false, "K0"}, {"B", "2", true, "K1"}, {"C", "1", true, "K2"}, {"D", "", false, "K3"}});
    const Row moving = f.rows(3).at(selected - 1);
    ui.lists[3]->selectRow(selected - 1);
    (up ? ui.up : ui.down)[3]->click();
    QCOMPARE(f.names(3), order);
    QCOMPARE(ui.lists[3]->selectedRow() + 1, selectedAfter);
    QCOMPARE(f.rows(3).at(selectedAfter - 1), moving);
}

void ListCommandsTest::deleteRemovesRowAndItsPricesOnly() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    w.document().setListName(1, QStringLiteral("Weekly"));
    f.fill(1, {{"Milk", "", false, "K7"}, {"Tea", "", false, "K17"}});
    f.fill(2, {{"Soap", "1", true, "K70"}});
    for (const char* key : {"K7", "K17", "K70"})
        for (int shop = 1; shop <= 20; ++shop)
            w.document().setPrice(QString::fromLatin1(key), shop, QStringLiteral("1.00"));
    const int before = w.document().store().size();
    ui.tickAll[2]->setCheckState(Qt::Unchecked); // stale: the deletion refreshes every box
    f.prompts.answerNext(Answer::Yes);
    ui.lists[1]->selectRow(0);
    QTest::keyClick(ui.lists[1], Qt::Key_Delete);

    const ScriptedPrompts::Shown& question = f.prompts.last();
    QCOMPARE(question.text, QStringLiteral("Are you sure you want to delete the item 'Milk' from the 'Weekly' list?"));
    QCOMPARE(question.title, QStringLiteral("Delete Item"));
    QCOMPARE(question.defaultAnswer, Answer::Yes);
    QCOMPARE(question.icon, UserPrompts::Icon::Question);
    QCOMPARE(f.names(1), QStringList{"Tea"});
    QCOMPARE(w.document().store().size(), before - 40); // 20 prices and the day each was set
    QCOMPARE(w.document().store().ReadValue(Store::priceDateKey(QStringLiteral("K7"), 20)), ConfigFile::NotFound);
    QCOMPARE(w.document().store().ReadValue(QStringLiteral("K7_20")), ConfigFile::NotFound);
    QCOMPARE(w.document().store().ReadValue(QStringLiteral("K17_1")), QStringLiteral("1.00"));
    QCOMPARE(w.document().store().ReadValue(QStringLiteral("K70_1")), QStringLiteral("1.00"));
    QCOMPARE(ui.tickAll[2]->checkState(), Qt::Checked);
    QCOMPARE(ui.moveOrCopy->text(), QStringLiteral("&Move or Copy 'Tea' ..."));
}

void ListCommandsTest::declinedDeleteKeepsEverything() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(0, {{"Milk", "", false, "K3"}});
    f.fill(1, {{"Tea", "1", true, "K4"}});
    ui.tickAll[1]->setCheckState(Qt::Unchecked);
    w.document().setPrice(QStringLiteral("K3"), 2, QStringLiteral("1.00"));
    f.prompts.answerNext(Answer::No);
    QTest::keyClick(ui.lists[0], Qt::Key_Delete);
    QCOMPARE(f.names(0), QStringList{"Milk"});
    QCOMPARE(w.document().store().ReadValue(QStringLiteral("K3_2")), QStringLiteral("1.00"));
    QCOMPARE(ui.tickAll[1]->checkState(), Qt::Checked); // refreshed whatever the answer
}

void ListCommandsTest::deletingTheOnlyRow() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(0, {{"Milk", "1", true, "K0"}});
    QCOMPARE(ui.tickAll[0]->checkState(), Qt::Checked);
    f.prompts.answerNext(Answer::Yes);
    QTest::keyClick(ui.lists[0], Qt::Key_Delete);
    QCOMPARE(ui.lists[0]->rowCount(), 0);
    QVERIFY(!ui.moveOrCopy->isEnabled());
    QCOMPARE(ui.moveOrCopy->text(), QStringLiteral("&Move or Copy..."));
    QCOMPARE(ui.tickAll[0]->checkState(), Qt::Checked);
    // Keys on an empty list ask nothing.
    QTest::keyClick(ui.lists[0], Qt::Key_Delete);
    QCOMPARE(f.prompts.shown.size(), 1);
}

void ListCommandsTest::menuCaptionFollowsTheSelection() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    const QString longName(200, QLatin1Char('x'));
    f.fill(2, {{"Fish & Chips", "", false, "K0"}, {longName, "", false, "K1"}});
    ui.focusList(2);
    QCOMPARE(ui.moveOrCopy->text(), QStringLiteral("&Move or Copy 'Fish && Chips' ..."));
    QVERIFY(ui.moveOrCopy->isEnabled());
    // However the item becomes current (here as a click makes it), the caption follows.
    ui.lists[2]->selectRow(1);
    QCOMPARE(ui.moveOrCopy->text(), QStringLiteral("&Move or Copy '") + longName + QStringLiteral("' ..."));
    ui.focusList(3);
    QCOMPARE(ui.moveOrCopy->text(), QStringLiteral("&Move or Copy..."));
    QVERIFY(!ui.moveOrCopy->isEnabled());
}

void ListCommandsTest::renameWithF2() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    w.show();
    QTest::keyClick(ui.lists[0], Qt::Key_F2); // empty list: nothing
    QVERIFY(!ui.lists[0]->isPersistentEditorOpen(ui.lists[0]->currentIndex()));

    f.fill(0, {{"Bread", "", false, "K5"}});
    ui.lists[0]->setFocus();
    QTest::keyClick(ui.lists[0], Qt::Key_F2);
    auto* editor = ui.lists[0]->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("Bread rolls"));
    QTest::keyClick(editor, Qt::Key_Return); // the editor commits once events are processed
    QTRY_COMPARE(f.rows(0).first(), (Row{"Bread rolls", "", false, "K5"}));
    QCOMPARE(ui.moveOrCopy->text(), QStringLiteral("&Move or Copy 'Bread rolls' ..."));
}

void ListCommandsTest::editAndAddOnEmptyList() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    int opened = 0;
    ItemEditor::Mode mode = ItemEditor::Mode::Edit;
    w.setDialogRunner([&](QDialog& dialog) {
        ++opened;
        mode = static_cast<ItemEditor&>(dialog).mode();
    });
    ui.focusList(0);
    ui.edit[2]->click();
    QCOMPARE(opened, 0);
    QCOMPARE(w.currentList(), 0);
    ui.add[2]->click();
    QCOMPARE(opened, 1);
    QCOMPARE(mode, ItemEditor::Mode::Add);
    QCOMPARE(w.currentList(), 2);

    // The keys and clicks people reach for open the editor on the selected item, as Edit does; none on an empty list.
    const std::array<std::function<void(int)>, 4> ways{
        [&](int l) { QTest::keyClick(ui.lists[l], Qt::Key_Return); },
        [&](int l) { QTest::keyClick(ui.lists[l], Qt::Key_Enter); },
        [&](int l) { emit ui.lists[l]->doubleClicked(ui.lists[l]->currentIndex()); },
        [&](int l) { QTest::keyClick(ui.edit[l], Qt::Key_Return); }, // Enter presses a focused button
    };
    f.fill(1, {{"Milk", "", false, "K0"}});
    for (const auto& way : ways) {
        opened = 0;
        way(3);
        QCOMPARE(opened, 0);
        way(1);
        QCOMPARE(opened, 1);
        QCOMPARE(mode, ItemEditor::Mode::Edit);
    }
}

QTEST_MAIN(ListCommandsTest)
#include "list_commands_test.moc"
