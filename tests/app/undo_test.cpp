// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// Undo and redo through the window's own commands: a random walk of commands, undos and redos ends with the
// same data as replaying the commands that were not undone; the menu names each step; undo works across a save.
#include "config_file.h"
#include "data_files.h"
#include "item_editor.h"
#include "move_copy.h"
#include "text_fit.h"
#include "window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

namespace {

enum Kind { Add, Delete, Tick, Plus, Minus, Up, Down, SelectAll, Rename, ListName, Shop, Symbol, MoveOrCopy, Price };
constexpr int Kinds = Price + 1;

struct Command {
    int kind = Add;
    int list = 0;
    int row = 0;
    int value = 0;
};

// Carries out a command as the user would; rows that do not exist make it do nothing.
void run(WindowFixture& f, const Command& c) {
    MainWindow& w = f.window();
    const WindowControls ui(w);
    const int rows = w.document().itemCount(c.list);
    if (c.kind != Add && c.kind != ListName && c.kind != Shop && c.kind != Symbol && c.row >= rows)
        return;
    if (c.row < rows) {
        ui.lists[c.list]->selectRow(c.row);
        ui.focusList(c.list);
    }
    const QString text = QStringLiteral("v%1").arg(c.value);
    switch (c.kind) {
    case Add:
    case Price:
        w.setDialogRunner([&](QDialog& dialog) {
            auto& editor = static_cast<ItemEditor&>(dialog);
            // Below the selected row only where the command chose it: the selection is the window's, not data.
            editor.addToBottomBox->setChecked(c.value % 2 == 0 || c.row >= rows);
            editor.nameEdit->setText(c.kind == Add ? text : editor.nameEdit->text());
            editor.priceList->setCurrentItem(editor.priceList->topLevelItem(c.value % 3));
            f.prompts.typeNext(QString::number(c.value % 7 + 1));
            editor.setPrice();
            editor.ok();
        });
        c.kind == Add ? ui.add[c.list]->click() : ui.edit[c.list]->click();
        break;
    case Delete:
        f.prompts.answerNext(UserPrompts::Answer::Yes);
        emit ui.lists[c.list]->keyDown(Qt::Key_Delete);
        break;
    case Tick:
        ui.lists[c.list]->model()->setData(ui.lists[c.list]->model()->index(c.row, 0),
                                           w.document().item(c.list, c.row).ticked ? Qt::Unchecked : Qt::Checked,
                                           Qt::CheckStateRole);
        break;
    case Plus:
        ui.more[c.list]->click();
        break;
    case Minus:
        ui.fewer[c.list]->click();
        break;
    case Up:
        ui.up[c.list]->click();
        break;
    case Down:
        ui.down[c.list]->click();
        break;
    case SelectAll:
        // From a set state: after a move the box of the list left behind is not refreshed.
        ui.tickAll[c.list]->setCheckState(c.value % 2 ? Qt::Checked : Qt::Unchecked);
        ui.tickAll[c.list]->click();
        break;
    case Rename:
        ui.lists[c.list]->model()->setData(ui.lists[c.list]->model()->index(c.row, 0), text);
        break;
    case ListName:
        ui.listNames[c.list]->setText(text);
        break;
    case Shop:
        f.prompts.typeNext(text);
        ui.clickShop(c.value % 3 + 1);
        break;
    case Symbol:
        f.prompts.typeNext(text);
        ui.currencySymbol->trigger();
        break;
    case MoveOrCopy:
        w.setDialogRunner([&](QDialog& dialog) {
            auto& moc = static_cast<MoveCopyDialog&>(dialog);
            moc.operation[c.value % 2]->click();
            moc.target[(c.list + 1 + c.value % 3) % 4]->click();
            moc.ok();
        });
        ui.moveOrCopy->trigger();
        break;
    }
}

// The saved data with item keys replaced by the items' order and without the key counter: undone adds use up
// keys that a replay never takes.
QString savedData(WindowFixture& f) {
    if (!f.window().save())
        return QStringLiteral("not saved");
    ConfigFile store;
    store.LoadFrom(f.path(Store::DataFileName));
    QStringList lines{store.ReadValue(QStringLiteral("Symbol"))};
    for (int shop = 1; shop <= 3; ++shop)
        lines << store.ReadValue(Store::shopNameKey(shop));
    for (int l = 0; l < 4; ++l) {
        lines << QStringLiteral("list ") + store.ReadValue(Store::listNameKey(l));
        for (int j = 1; j <= store.ReadValue(Store::listCountKey(l)).toInt(); ++j) {
            const QString key = store.ReadValue(Store::itemKeyPrefix(l) + QString::number(j));
            QString line = store.ReadValue(Store::itemNamePrefix(l) + QString::number(j)) + QLatin1Char('|') +
                           store.ReadValue(Store::itemQuantityPrefix(l) + QString::number(j)) + QLatin1Char('|') +
                           store.ReadValue(Store::itemCheckPrefix(l) + QString::number(j));
            for (int shop = 1; shop <= 3; ++shop)
                line += QLatin1Char('|') + store.ReadValue(Store::priceKey(key, shop), QString());
            lines << line;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class UndoTest : public QObject {
    Q_OBJECT

private slots:
    void randomWalkEndsAsReplayOfWhatWasNotUndone();
    void captionsAndTheUnsavedMarker();
    void typingAListNameIsOneStep();
    void exportImportAndUndo();
    void importAsksFirst_data();
    void importAsksFirst();
    void awkwardNamesShowAsTyped_data();
    void awkwardNamesShowAsTyped();
};

void UndoTest::awkwardNamesShowAsTyped_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("ampersand") << "Fish & Chips";
    QTest::newRow("two ampersands") << "A && B";
    QTest::newRow("markup") << "T-shirt <S>";
    QTest::newRow("percent") << "50% off %1";
}

// A name in a menu entry shows as typed: no "&" taken for an access key, no "%1" filled in.
void UndoTest::awkwardNamesShowAsTyped() {
    QFETCH(QString, name);
    // What a menu shows of an action's text: "&&" is an "&", a single "&" marks the access key.
    const auto shown = [](const QAction* action) { return shownText(action->text()); };
    WindowFixture f;
    const WindowControls ui(f.window());
    f.fill(0, {{name, "", false, "K0"}, {"Milk", "", false, "K1"}});
    ui.focusList(0);
    QCOMPARE(shown(ui.moveOrCopy), QStringLiteral("Move or Copy '%1' ...").arg(name));
    f.prompts.answerNext(UserPrompts::Answer::Yes);
    QTest::keyClick(ui.lists[0], Qt::Key_Delete);
    QCOMPARE(f.prompts.last().text.section(QLatin1Char('\''), 1, 1), name);
    QCOMPARE(shown(ui.undo), QStringLiteral("Undo Delete '%1'").arg(name));
    ui.undo->trigger();
    QCOMPARE(shown(ui.redo), QStringLiteral("Redo Delete '%1'").arg(name));
}

void UndoTest::randomWalkEndsAsReplayOfWhatWasNotUndone() {
    QRandomGenerator random(20261207);
    WindowFixture walk;
    QUndoStack& stack = walk.window().undoStack();
    std::vector<std::vector<Command>> steps; // mirrors the stack: the commands of each step
    for (int i = 0; i < 1000; ++i) {
        const int roll = random.bounded(100);
        if (roll < 20 && stack.canUndo()) {
            controls(walk.window()).undo->trigger();
        } else if (roll < 30 && stack.canRedo()) {
            controls(walk.window()).redo->trigger();
        } else {
            const Command c{random.bounded(Kinds), random.bounded(4), random.bounded(6), random.bounded(100)};
            const int index = stack.index();
            const quint64 revision = walk.window().document().revision();
            run(walk, c);
            if (stack.index() > index) {
                steps.resize(static_cast<size_t>(index));
                steps.push_back({c});
            } else if (walk.window().document().revision() != revision) {
                // Typed into the list name that the last step renamed: the same step.
                QCOMPARE(stack.index(), index);
                steps[static_cast<size_t>(index - 1)].push_back(c);
            }
        }
    }
    WindowFixture replay;
    for (int s = 0; s < stack.index(); ++s)
        for (const Command& c : steps[static_cast<size_t>(s)])
            run(replay, c);
    QCOMPARE(savedData(walk), savedData(replay));
}

void UndoTest::captionsAndTheUnsavedMarker() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(0, {{"Milk", "", false, "K0"}});
    QVERIFY(w.save());
    QVERIFY(!w.isWindowModified());
    ui.lists[0]->selectRow(0);
    f.prompts.answerNext(UserPrompts::Answer::Yes);
    emit ui.lists[0]->keyDown(Qt::Key_Delete);
    QCOMPARE(ui.undo->text(), QStringLiteral("&Undo Delete 'Milk'"));
    QVERIFY(w.isWindowModified());
    ui.undo->trigger();
    QCOMPARE(f.rows(0), (QList<Row>{{"Milk", "", false, "K0"}}));
    QVERIFY(!w.isWindowModified());
    QCOMPARE(ui.redo->text(), QStringLiteral("&Redo Delete 'Milk'"));
    ui.redo->trigger();
    QVERIFY(f.rows(0).isEmpty());
    QVERIFY(w.save());
    ui.undo->trigger(); // across the save
    QVERIFY(w.isWindowModified());
    QCOMPARE(f.names(0), QStringList{"Milk"});
}

void UndoTest::typingAListNameIsOneStep() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    for (const char* typed : {"S", "Sh", "Sho", "Shop"})
        ui.listNames[0]->setText(QString::fromLatin1(typed));
    ui.undo->trigger(); // takes the letters back last first
    QCOMPARE(w.document().listName(0), QString());
    QVERIFY(!ui.undo->isEnabled());
    ui.redo->trigger();
    QCOMPARE(w.document().listName(0), QStringLiteral("Shop"));
}

// File, Export and Import through the window: an import is one step that updates the items the lists hold, and a
// bad file is reported, not imported.
void UndoTest::exportImportAndUndo() {
    WindowFixture f;
    MainWindow& w = f.window();
    const WindowControls ui(w);
    f.fill(0, {{"Milk", "2", true, "K0"}});
    w.document().renameShop(1, QStringLiteral("Market"));
    w.document().setPrice(QStringLiteral("K0"), 1, QStringLiteral("1.25"));
    f.prompts.chooseFileNext(f.path(QStringLiteral("lists.csv")));
    ui.exportCsv->trigger();
    w.document().setPrice(QStringLiteral("K0"), 1, QStringLiteral("1.50"));
    f.prompts.chooseFileNext(f.path(QStringLiteral("lists.csv")));
    ui.importCsv->trigger();
    QCOMPARE(f.rows(0), (QList<Row>{{"Milk", "2", true, "K0"}}));
    QCOMPARE(w.document().store().ReadValue(QStringLiteral("K0_1")), QStringLiteral("1.25"));
    QCOMPARE(ui.undo->text(), QStringLiteral("&Undo Import from CSV"));
    ui.undo->trigger();
    QCOMPARE(w.document().store().ReadValue(QStringLiteral("K0_1")), QStringLiteral("1.50"));

    writeFile(f.path(QStringLiteral("bad.csv")), "List,Item\n");
    f.prompts.chooseFileNext(f.path(QStringLiteral("bad.csv")));
    ui.importCsv->trigger();
    QVERIFY(f.prompts.last().text.endsWith(
        QStringLiteral("Line 1: the header must start with List,Item,Quantity,Ticked.")));
    QCOMPARE(f.rows(0).size(), 1);
}

void UndoTest::importAsksFirst_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("answer"); // to the question, when asked
    QTest::addColumn<QList<Row>>("rows");
    const QByteArray changes = "List,Item,Quantity,Ticked,Market\nWeekly,MILK,3,True,1.00\nWeekly,Bread,,False,\n";
    QTest::newRow("import") << changes << 0 << QList<Row>{{"Milk", "3", true, "K0"}, {"Bread", "", false, "K1"}};
    QTest::newRow("cancel") << changes << 1 << QList<Row>{{"Milk", "2", true, "K0"}};
    QTest::newRow("nothing to change, nothing asked")
        << QByteArray("List,Item,Quantity,Ticked\nWeekly,milk,2,WAHR\n") << -1 << QList<Row>{{"Milk", "2", true, "K0"}};
}

// The import says what it will change and asks before it changes anything.
void UndoTest::importAsksFirst() {
    QFETCH(QByteArray, csv);
    QFETCH(int, answer);
    QFETCH(QList<Row>, rows);
    WindowFixture f;
    MainWindow& w = f.window();
    f.fill(0, {{"Milk", "2", true, "K0"}});
    w.document().setListName(0, QStringLiteral("Weekly"));
    const quint64 revision = w.document().revision();
    writeFile(f.path(QStringLiteral("lists.csv")), csv);
    f.prompts.chooseFileNext(f.path(QStringLiteral("lists.csv")));
    f.prompts.chooseNext(answer);
    f.prompts.beforeAnswer = [&] { QCOMPARE(w.document().revision(), revision); };
    controls(w).importCsv->trigger();
    QCOMPARE(f.prompts.last().text.section(u'\n', 2),
             answer < 0 ? QString() : QStringLiteral("1 item updated, 1 added, 1 price changed, 1 shop named."));
    QCOMPARE(f.rows(0), rows);
    QCOMPARE(w.undoStack().count(), answer == 0 ? 1 : 0);
}

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
