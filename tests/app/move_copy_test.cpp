// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Move or copy: a move carries the item's key and so its prices; a copy gets a new key and copies of exactly
// the prices that exist; captions; each opening starts afresh; everything survives a save and restart.
#include "move_copy.h"
#include "store_layout.h"
#include "window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

void openMoveOrCopy(MainWindow& w, const std::function<void(MoveCopyDialog&)>& steps) {
    bool shown = false;
    w.setDialogRunner([&](QDialog& dialog) {
        shown = true;
        steps(static_cast<MoveCopyDialog&>(dialog));
    });
    controls(w).moveOrCopy->trigger();
    QVERIFY(shown);
}

void choose(MoveCopyDialog& dialog, bool copy, int target) {
    (copy ? dialog.operation[1] : dialog.operation[0])->click();
    dialog.target[target]->click();
}

} // namespace

class MoveCopyTest : public QObject {
    Q_OBJECT

private slots:
    void copyTakesExactlyTheExistingPrices();
    void copyIntoItsOwnList();
    void moveIntoItsOwnListChangesNothing();
    void moveCarriesKeyButNotTickOrQuantity();
    void captionsDoubleAmpersandOnlyInTheFrame();
    void everyOpeningStartsAfresh();
    void survivesSaveAndRestart();
};

void MoveCopyTest::copyTakesExactlyTheExistingPrices() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(0, {{"Milk", "2", true, "K3"}});
    w.document().setNextKey(40);
    w.document().setPrice(QStringLiteral("K3"), 2, QStringLiteral("1.25"));
    w.document().setPrice(QStringLiteral("K3"), 5, QStringLiteral("1,100.00"));
    w.document().store().WriteValue(QStringLiteral("K3_9"), ConfigFile::NotFound); // reads as no price
    const int before = w.document().store().size();
    ui.focusList(0);
    openMoveOrCopy(w, [](MoveCopyDialog& dialog) {
        choose(dialog, true, 2);
        dialog.ok();
    });
    QCOMPARE(f.rows(2), (QList<Row>{{"Milk", "", false, "K40"}}));
    QCOMPARE(f.rows(0), (QList<Row>{{"Milk", "2", true, "K3"}}));
    QCOMPARE(w.document().nextKey(), 41);
    QCOMPARE(w.document().store().size(), before + 4); // two prices and the day each was set
    QCOMPARE(w.document().store().ReadValue(Store::priceDateKey(QStringLiteral("K40"), 2)),
             w.document().store().ReadValue(Store::priceDateKey(QStringLiteral("K3"), 2)));
    QCOMPARE(w.document().store().ReadValue(QStringLiteral("K40_2")), QStringLiteral("1.25"));
    QCOMPARE(w.document().store().ReadValue(QStringLiteral("K40_5")), QStringLiteral("1,100.00"));
    QCOMPARE(ui.tickAll[2]->checkState(), Qt::Unchecked);
}

void MoveCopyTest::copyIntoItsOwnList() {
    WindowFixture f;
    MainWindow& w = f.window();
    f.fill(1, {{"Tea", "", false, "K0"}, {"Jam", "", false, "K1"}});
    controls(w).focusList(1);
    openMoveOrCopy(w, [](MoveCopyDialog& dialog) {
        choose(dialog, true, 1);
        dialog.ok();
    });
    QCOMPARE(f.names(1), (QStringList{"Tea", "Jam", "Tea"}));
    QCOMPARE(f.rows(1).at(2).key, QStringLiteral("K2"));
}

void MoveCopyTest::moveIntoItsOwnListChangesNothing() {
    WindowFixture f;
    MainWindow& w = f.window();
    f.fill(1, {{"Tea", "1", true, "K0"}});
    controls(w).focusList(1);
    openMoveOrCopy(w, [](MoveCopyDialog& dialog) {
        choose(dialog, false, 1);
        dialog.ok();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    });
    QCOMPARE(f.rows(1), (QList<Row>{{"Tea", "1", true, "K0"}}));
    QCOMPARE(w.document().nextKey(), 1);
}

void MoveCopyTest::moveCarriesKeyButNotTickOrQuantity() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(0, {{"Eggs", "4", true, "K5"}, {"Flour", "1", true, "K6"}});
    f.fill(2, {{"Soap", "1", true, "K7"}});
    w.document().setPrice(QStringLiteral("K5"), 1, QStringLiteral("2.00"));
    const auto store = w.document().store().values();
    ui.tickAll[0]->setCheckState(Qt::Unchecked); // stale on purpose: the source box is not refreshed
    ui.focusList(0);
    openMoveOrCopy(w, [](MoveCopyDialog& dialog) {
        choose(dialog, false, 2);
        dialog.ok();
    });
    QCOMPARE(f.rows(0), (QList<Row>{{"Flour", "1", true, "K6"}}));
    QCOMPARE(f.rows(2), (QList<Row>{{"Soap", "1", true, "K7"}, {"Eggs", "", false, "K5"}}));
    QCOMPARE(ui.tickAll[2]->checkState(), Qt::PartiallyChecked);
    QCOMPARE(ui.tickAll[0]->checkState(), Qt::Unchecked);
    QCOMPARE(w.document().store().values(), store);
    QCOMPARE(w.document().nextKey(), 8);
}

void MoveCopyTest::captionsDoubleAmpersandOnlyInTheFrame() {
    WindowFixture f;
    MainWindow& w = f.window();
    w.document().setListName(0, QStringLiteral("Weekly"));
    w.document().setListName(3, QStringLiteral("Party & Co"));
    f.fill(0, {{"Fish & Chips", "", false, "K0"}});
    controls(w).focusList(0);
    openMoveOrCopy(w, [](MoveCopyDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Move or Copy"));
        QCOMPARE(dialog.question->text(), QStringLiteral("Move or Copy 'Fish & Chips' from list 'Weekly':"));
        QCOMPARE(dialog.targets->title(), QStringLiteral("Move 'Fish && Chips' to:"));
        QCOMPARE(dialog.operations->title(), QStringLiteral("&Operation"));
        QCOMPARE(dialog.target[0]->text(), QStringLiteral("&1: Weekly"));
        QCOMPARE(dialog.target[3]->text(), QStringLiteral("&4: Party && Co")); // the ampersand shows as typed
        dialog.operation[1]->click();
        QCOMPARE(dialog.targets->title(), QStringLiteral("Copy 'Fish && Chips' to:"));
        dialog.operation[0]->click();
        QCOMPARE(dialog.targets->title(), QStringLiteral("Move 'Fish && Chips' to:"));
        dialog.reject();
    });
    QCOMPARE(f.names(0), QStringList{"Fish & Chips"});
}

void MoveCopyTest::everyOpeningStartsAfresh() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(1, {{"Tea", "", false, "K0"}});
    ui.focusList(1);
    openMoveOrCopy(w, [](MoveCopyDialog& dialog) {
        choose(dialog, true, 2);
        dialog.ok();
    });
    ui.focusList(1);
    openMoveOrCopy(w, [](MoveCopyDialog& dialog) {
        QVERIFY(dialog.operation[0]->isChecked());
        QVERIFY(dialog.target[0]->isChecked());
        QCOMPARE(dialog.targetList(), 0);
        dialog.ok();
    });
    QCOMPARE(f.rows(0), (QList<Row>{{"Tea", "", false, "K0"}}));
    QCOMPARE(f.names(1), QStringList());
    QCOMPARE(f.names(2), QStringList{"Tea"});
}

void MoveCopyTest::survivesSaveAndRestart() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    w.document().setListName(0, QStringLiteral("Weekly"));
    f.fill(0, {{"Milk", "2", true, "K0"}, {"Bread", "", false, "K1"}});
    w.document().setPrice(QStringLiteral("K0"), 3, QStringLiteral("1.10"));
    ui.lists[0]->selectRow(0);
    ui.focusList(0);
    openMoveOrCopy(w, [](MoveCopyDialog& dialog) {
        choose(dialog, true, 3);
        dialog.ok();
    });
    ui.lists[0]->selectRow(1);
    ui.up[0]->click();
    QVERIFY(w.save());

    MainWindow& restarted = f.start();
    QCOMPARE(f.rows(0), (QList<Row>{{"Bread", "", false, "K1"}, {"Milk", "2", true, "K0"}}));
    QCOMPARE(f.rows(3), (QList<Row>{{"Milk", "", false, "K2"}}));
    QCOMPARE(controls(restarted).listNames[0]->text(), QStringLiteral("Weekly"));
    QCOMPARE(restarted.document().nextKey(), 3);
    QCOMPARE(restarted.document().store().ReadValue(QStringLiteral("K2_3")), QStringLiteral("1.10"));
    QCOMPARE(controls(restarted).tickAll[0]->checkState(), Qt::PartiallyChecked);
}

QTEST_MAIN(MoveCopyTest)
#include "move_copy_test.moc"
