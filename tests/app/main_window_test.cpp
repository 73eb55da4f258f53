// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The main window over a temporary program folder: first run, reading and saving the data file, shop names,
// the currency symbol, closing with and without saving, and what the user is told when something fails.
#include "config_file.h"
#include "data_files.h"
#include "list_view.h"
#include "scripted_prompts.h"
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

using Answer = UserPrompts::Answer;

QStringList rowNames(MainWindow& window, int list) {
    QStringList names;
    for (const Item& item : window.document().items(list))
        names << item.name;
    return names;
}

// The text the Shops tab shows in a cell: column 0 the number, column 1 the name.
QString shopCell(MainWindow& window, int row, int column) {
    return controls(window).shops->model()->index(row, column).data().toString();
}

// A data file with named shops, so that no shop question is asked.
QMap<QString, QString> withShops(QMap<QString, QString> values) {
    values.insert(QStringLiteral("Shop1"), QString());
    return values;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void firstRunAsksForShops_data();
    void firstRunAsksForShops();
    void savedStateComesBack();
    void olderLayoutGetsKeysThatAreSaved();
    void longListNameIsKeptWhole();
    void savingTwiceWritesTheSameFile();
    void shrunkListKeepsHigherPositionsUnread();
    void exitWithoutSavingKeepsLastSave();
    void failedSaveIsReported();
    void failedSaveOnCloseAsksTheUser_data();
    void failedSaveOnCloseAsksTheUser();
    void damagedFileIsKeptAsideAndReportedOnce();
    void renamingShops();
    void changingCurrencySymbol();
    void accessKeysReachListNamesFromAnyTab();
    void printButtonOnlyOnPreviewTab();
    void layoutFollowsTheWindowSize();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedPrompts m_prompts;
    QString dataFile() const { return m_dir->filePath(QStringLiteral("Pantrova.dat")); }
    std::unique_ptr<MainWindow> start() { return std::make_unique<MainWindow>(m_dir->path(), &m_prompts); }
};

void MainWindowTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompts = ScriptedPrompts();
}

void MainWindowTest::firstRunAsksForShops_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void MainWindowTest::firstRunAsksForShops() {
    QFETCH(bool, yes);
    m_prompts.answerNext(yes ? Answer::Yes : Answer::No);
    m_prompts.typeNext(QStringLiteral("Corner Shop"));
    auto window = start();

    const ScriptedPrompts::Shown& question = m_prompts.shown.first();
    QCOMPARE(question.title, QStringLiteral("Enter Shop Details"));
    QCOMPARE(question.text, QStringLiteral("You have not entered any shop details yet.  Do you want to do this now?"));
    QCOMPARE(question.icon, UserPrompts::Icon::Question);
    QCOMPARE(question.buttons, UserPrompts::Buttons::YesNo);
    QCOMPARE(controls(*window).shops->model()->rowCount(), 20);
    QCOMPARE(shopCell(*window, 19, 0), QStringLiteral("20"));
    for (int l = 0; l < 4; ++l) {
        QCOMPARE(controls(*window).lists[l]->rowCount(), 0);
        QCOMPARE(controls(*window).listNames[l]->text(), QString());
    }
    QCOMPARE(window->document().nextKey(), 0);
    QCOMPARE(window->currentList(), 0);
    QVERIFY(!controls(*window).moveOrCopy->isEnabled());
    if (yes) {
        QCOMPARE(controls(*window).tabs->currentIndex(), 1);
        QCOMPARE(m_prompts.shown.size(), 2);
        QCOMPARE(m_prompts.last().title, QStringLiteral("Shop 1"));
        QCOMPARE(shopCell(*window, 0, 1), QStringLiteral("Corner Shop"));
        // A name typed now is a change like any other: unsaved, kept for recovery, a step to undo.
        QVERIFY(window->hasUnsavedChanges() && window->isWindowModified());
        QCOMPARE(window->undoStack().count(), 1);
    } else {
        QCOMPARE(controls(*window).tabs->currentIndex(), 0);
        QCOMPARE(m_prompts.shown.size(), 1);
    }
    QVERIFY(!QFile::exists(dataFile()));
}

void MainWindowTest::savedStateComesBack() {
    {
        m_prompts.answerNext(Answer::No);
        auto window = start();
        QTest::keyClicks(controls(*window).listNames[1], QStringLiteral("Weekly & more"));
        window->document().insertItem(1, 0,
                                      Item{QStringLiteral("K0"), QStringLiteral("Milk"), QStringLiteral("2"), true});
        window->document().insertItem(1, 1, Item{QStringLiteral("K1"), QStringLiteral("Bread"), QString(), false});
        window->document().renameShop(7, QStringLiteral("Market"));
        window->document().setNextKey(2);
        window->document().setPrice(QStringLiteral("K0"), 7, QStringLiteral("1.25"));
        window->close();
    }
    QVERIFY(QFile::exists(dataFile()));
    auto window = start();
    QCOMPARE(m_prompts.shown.size(), 1); // no second shop question, though only shop 7 has a name
    QCOMPARE(controls(*window).listNames[1]->text(), QStringLiteral("Weekly & more"));
    QCOMPARE(rowNames(*window, 1), QStringList({"Milk", "Bread"}));
    const Item& milk = window->document().item(1, 0);
    QVERIFY(milk.ticked);
    QCOMPARE(milk.quantity, QStringLiteral("2"));
    QCOMPARE(milk.key, QStringLiteral("K0"));
    QCOMPARE(window->document().item(1, 1).quantity, QString());
    QCOMPARE(shopCell(*window, 6, 1), QStringLiteral("Market"));
    QCOMPARE(window->document().nextKey(), 2);
    QCOMPARE(window->document().store().ReadValue(QStringLiteral("K0_7")), QStringLiteral("1.25"));
    QCOMPARE(controls(*window).tickAll[1]->checkState(), Qt::PartiallyChecked);
    QCOMPARE(controls(*window).lists[1]->selectedRow(), 0);
}

void MainWindowTest::olderLayoutGetsKeysThatAreSaved() {
    writeFile(dataFile(), dataFileBytes(withShops({{"L0", "2"},
                                                   {"L0i1", "Milk"},
                                                   {"L0c1", "True"},
                                                   {"L0i2", "Bread"},
                                                   {"L0c2", "False"},
                                                   {"L1", "0"},
                                                   {"L2", "1"},
                                                   {"L2i1", "Soap"},
                                                   {"L2c1", "False"},
                                                   {"L3", "0"}})));
    {
        auto window = start();
        QCOMPARE(window->document().item(0, 1).key, QStringLiteral("K1"));
        QCOMPARE(window->document().item(2, 0).key, QStringLiteral("K2"));
        QCOMPARE(window->document().nextKey(), 3);
        QCOMPARE(window->document().item(0, 0).quantity, QStringLiteral(" "));
        QVERIFY(window->save());
    }
    ConfigFile saved;
    QVERIFY(saved.LoadFrom(dataFile()).ok());
    QCOMPARE(saved.ReadValue(QStringLiteral("NextKey")), QStringLiteral("3"));
    QCOMPARE(saved.ReadValue(QStringLiteral("L2k1")), QStringLiteral("K2"));
    QCOMPARE(saved.ReadValue(QStringLiteral("L0q1")), QStringLiteral(" "));
    QVERIFY(m_prompts.shown.isEmpty());
}

void MainWindowTest::longListNameIsKeptWhole() {
    const QString name(40000, u'n'); // longer than a text box holds unless told otherwise
    writeFile(dataFile(), dataFileBytes(withShops({{"L1n", name}})));
    {
        auto window = start();
        QCOMPARE(controls(*window).listNames[1]->text().size(), name.size());
        QTest::keyClick(controls(*window).listNames[1], Qt::Key_X);
        QVERIFY(window->save());
    }
    ConfigFile saved;
    QVERIFY(saved.LoadFrom(dataFile()).ok());
    QVERIFY(saved.ReadValue(QStringLiteral("L1n")) == name + u'x');
}

void MainWindowTest::savingTwiceWritesTheSameFile() {
    m_prompts.answerNext(Answer::No);
    auto window = start();
    window->document().insertItem(3, 0, Item{QStringLiteral("K0"), QStringLiteral("Tea"), QStringLiteral("1"), true});
    window->document().setNextKey(1);
    // The title marks unsaved changes until File, Save, which says where it saved.
    QVERIFY(window->isWindowModified());
    controls(*window).save->trigger();
    QVERIFY(!window->isWindowModified());
    QVERIFY(window->statusBar()->currentMessage().contains(QStringLiteral("Pantrova.dat")));
    QVERIFY(window->save());
    const QByteArray first = readFile(dataFile());
    QVERIFY(window->save());
    QCOMPARE(readFile(dataFile()), first);

    ConfigFile saved;
    QVERIFY(saved.LoadFrom(dataFile()).ok());
    QCOMPARE(saved.ReadValue(QStringLiteral("L0")), QStringLiteral("0"));
    QCOMPARE(saved.ReadValue(QStringLiteral("L0i1")), ConfigFile::NotFound);
    QCOMPARE(saved.ReadValue(QStringLiteral("L3c1")), QStringLiteral("True"));
    QCOMPARE(saved.ReadValue(QStringLiteral("Shop20")), QString());
}

void MainWindowTest::shrunkListKeepsHigherPositionsUnread() {
    m_prompts.answerNext(Answer::No);
    {
        auto window = start();
        for (int i = 0; i < 5; ++i)
            window->document().insertItem(
                0, i, Item{QStringLiteral("K%1").arg(i), QStringLiteral("Item %1").arg(i + 1), QString(), false});
        window->document().setNextKey(5);
        QVERIFY(window->save());
        window->document().deleteItem(0, 4);
        window->document().deleteItem(0, 0);
        QVERIFY(window->save());
        controls(*window).exitWithoutSaving->trigger();
    }
    ConfigFile saved;
    QVERIFY(saved.LoadFrom(dataFile()).ok());
    QCOMPARE(saved.ReadValue(QStringLiteral("L0")), QStringLiteral("3"));
    QCOMPARE(saved.ReadValue(QStringLiteral("L0i5")), QStringLiteral("Item 5"));
    auto window = start();
    QCOMPARE(rowNames(*window, 0), QStringList({"Item 2", "Item 3", "Item 4"}));
}

void MainWindowTest::exitWithoutSavingKeepsLastSave() {
    m_prompts.answerNext(Answer::No);
    {
        auto window = start();
        window->document().setListName(0, QStringLiteral("Saved"));
        QVERIFY(window->save());
        window->document().setListName(0, QStringLiteral("Lost"));
        window->document().setSymbol(QStringLiteral("EUR"));
        const qsizetype asked = m_prompts.shown.size();
        controls(*window).exitWithoutSaving->trigger();
        QCOMPARE(m_prompts.shown.size(), asked); // closed without asking to save
    }
    auto window = start();
    QCOMPARE(controls(*window).listNames[0]->text(), QStringLiteral("Saved"));
    QCOMPARE(window->document().store().ReadValue(QStringLiteral("Symbol"), QStringLiteral("£")), QStringLiteral("£"));
}

void MainWindowTest::failedSaveIsReported() {
    m_prompts.answerNext(Answer::No);
    auto window = start();
    QVERIFY(m_dir->remove());
    QVERIFY(!window->save());
    const ScriptedPrompts::Shown& shown = m_prompts.last();
    QCOMPARE(shown.title, QStringLiteral("Pantrova Error"));
    QCOMPARE(shown.icon, UserPrompts::Icon::Critical);
    QVERIFY2(shown.text.contains(dataFile()), qPrintable(shown.text));
    controls(*window).exitWithoutSaving->trigger();
}

void MainWindowTest::failedSaveOnCloseAsksTheUser_data() {
    QTest::addColumn<bool>("folderComesBack");
    QTest::newRow("try again after the folder is back") << true;
    QTest::newRow("close without saving") << false;
}

void MainWindowTest::failedSaveOnCloseAsksTheUser() {
    QFETCH(bool, folderComesBack);
    m_prompts.answerNext(Answer::No);
    auto window = start();
    window->document().setListName(2, QStringLiteral("Precious"));
    const QString folder = m_dir->path();
    QVERIFY(m_dir->remove());
    const int before = m_prompts.shown.size();
    // While the user is asked, the folder comes back (a disk plugged in again, say).
    if (folderComesBack)
        m_prompts.beforeAnswer = [&] { QDir().mkpath(folder); };
    m_prompts.answerNext(folderComesBack ? Answer::Yes : Answer::No);

    QVERIFY(window->close());
    QCOMPARE(m_prompts.shown.size() - before, 1);
    QCOMPARE(m_prompts.last().buttons, UserPrompts::Buttons::YesNo);
    QCOMPARE(m_prompts.last().title, QStringLiteral("Pantrova Error"));
    QVERIFY(m_prompts.last().text.contains(QStringLiteral("try again")));
    ConfigFile saved;
    QCOMPARE(saved.LoadFrom(folder + QStringLiteral("/Pantrova.dat")).ok(), folderComesBack);
    if (folderComesBack)
        QCOMPARE(saved.ReadValue(QStringLiteral("L2n")), QStringLiteral("Precious"));
    QDir(folder).removeRecursively();
}

void MainWindowTest::damagedFileIsKeptAsideAndReportedOnce() {
    const QByteArray damaged = dataFileBytes(withShops({{"NextKey", "1"},
                                                        {"L0", "1"},
                                                        {"L0n", "Weekly"},
                                                        {"L0i1", "Milk"},
                                                        {"L0c1", "perhaps"},
                                                        {"L0q1", "2"},
                                                        {"L0k1", "K0"},
                                                        {"L1", "many"},
                                                        {"L2", "0"},
                                                        {"L3", "0"}}));
    writeFile(dataFile(), damaged);
    auto window = start();
    QCOMPARE(m_prompts.shown.size(), 1);
    const ScriptedPrompts::Shown& shown = m_prompts.last();
    QCOMPARE(shown.title, QStringLiteral("Pantrova Error"));
    QVERIFY(shown.text.contains(QStringLiteral("Pantrova.dat.damaged")));
    QCOMPARE(readFile(dataFile() + QStringLiteral(".damaged")), damaged);
    QCOMPARE(rowNames(*window, 0), QStringList({"Milk"}));
    QVERIFY(!window->document().item(0, 0).ticked);
    QCOMPARE(controls(*window).listNames[0]->text(), QStringLiteral("Weekly"));
    controls(*window).exitWithoutSaving->trigger();
    window.reset();

    // A second damaged start keeps its copy under a new name: no earlier copy is ever replaced.
    writeFile(dataFile(), "this is not a data file");
    m_prompts = ScriptedPrompts();
    m_prompts.answerNext(Answer::No);
    auto second = start();
    QCOMPARE(m_prompts.shown.size(), 2); // the damage, then the shop question
    const QString message = m_prompts.shown.first().text;
    QVERIFY(message.contains(QStringLiteral("not valid JSON")));
    QCOMPARE(readFile(dataFile() + QStringLiteral(".damaged")), damaged);
    const QStringList copies = QDir(m_dir->path()).entryList({QStringLiteral("Pantrova.dat.damaged-*")});
    QCOMPARE(copies.size(), 1);
    QVERIFY2(message.contains(copies.first()), qPrintable(message));
    QCOMPARE(readFile(m_dir->filePath(copies.first())), QByteArray("this is not a data file"));
    controls(*second).exitWithoutSaving->trigger();
}

void MainWindowTest::renamingShops() {
    m_prompts.answerNext(Answer::No);
    auto window = start();
    m_prompts.typeNext(QString());
    controls(*window).clickShop(7);
    QCOMPARE(m_prompts.last().title, QStringLiteral("Shop 7"));
    QCOMPARE(m_prompts.last().text, QStringLiteral("Set name for shop:"));
    QCOMPARE(m_prompts.last().preset, QString());
    QCOMPARE(shopCell(*window, 6, 1), QString());

    m_prompts.typeNext(QStringLiteral(" "));
    controls(*window).clickShop(7);
    QCOMPARE(shopCell(*window, 6, 1), QStringLiteral(" "));
    m_prompts.typeNext(QStringLiteral("Deli"));
    controls(*window).clickShop(7);
    QCOMPARE(m_prompts.last().preset, QStringLiteral(" "));
    QCOMPARE(shopCell(*window, 6, 1), QStringLiteral("Deli"));
    controls(*window).exitWithoutSaving->trigger();
}

void MainWindowTest::changingCurrencySymbol() {
    m_prompts.answerNext(Answer::No);
    auto window = start();
    m_prompts.typeNext(QStringLiteral("£"));
    controls(*window).currencySymbol->trigger();
    QCOMPARE(m_prompts.last().text, QStringLiteral("Change currency symbol/code from '£':"));
    QCOMPARE(m_prompts.last().title, QStringLiteral("Change Currency Symbol/Code"));
    QCOMPARE(m_prompts.last().preset, QStringLiteral("£"));
    QCOMPARE(window->document().store().ReadValue(QStringLiteral("Symbol")), QStringLiteral("£"));

    m_prompts.typeNext(QStringLiteral("EUR"));
    controls(*window).currencySymbol->trigger();
    m_prompts.typeNext(QString());
    controls(*window).currencySymbol->trigger();
    QCOMPARE(m_prompts.last().text, QStringLiteral("Change currency symbol/code from 'EUR':"));
    QCOMPARE(window->document().store().ReadValue(QStringLiteral("Symbol")), QStringLiteral("EUR"));
    QCOMPARE(controls(*window).currencySymbol->shortcut(), QKeySequence(Qt::Key_F3));
    controls(*window).exitWithoutSaving->trigger();
}

void MainWindowTest::accessKeysReachListNamesFromAnyTab() {
    m_prompts.answerNext(Answer::No);
    auto window = start();
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->document().insertItem(1, 0, Item{QStringLiteral("K0"), QStringLiteral("Fish & Chips"), QString(), false});

    controls(*window).tabs->setCurrentIndex(MainWindow::ShopsTab);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    QCOMPARE(controls(*window).tabs->currentIndex(), 0);
    QTRY_COMPARE(QApplication::focusWidget(), controls(*window).listNames[2]);
    QCOMPARE(window->currentList(), 2);

    QTest::keyClick(window.get(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), controls(*window).listNames[1]);
    QCOMPARE(window->currentList(), 1);
    QCOMPARE(controls(*window).moveOrCopy->text(), QStringLiteral("&Move or Copy 'Fish && Chips' ..."));
    QVERIFY(controls(*window).moveOrCopy->isEnabled());
    controls(*window).exitWithoutSaving->trigger();
}

void MainWindowTest::printButtonOnlyOnPreviewTab() {
    m_prompts.answerNext(Answer::No);
    auto window = start();
    window->show();
    for (int tab : {3, 2, 1, 0, 3}) {
        controls(*window).tabs->setCurrentIndex(tab);
        QCOMPARE(controls(*window).print->isVisible(), tab == 3);
    }
    controls(*window).exitWithoutSaving->trigger();
}

void MainWindowTest::layoutFollowsTheWindowSize() {
    m_prompts.answerNext(Answer::No);
    auto window = start();
    window->show();
    window->resize(100, 100);
    QCOMPARE(window->size(), QSize(853, 640)); // 12800 x 9600 twips
    const int narrowList = controls(*window).lists[0]->width();
    window->resize(1400, 900);
    QTRY_VERIFY(controls(*window).lists[0]->width() > narrowList);
    // The four columns share the width; the lists grow downwards with their buttons below them.
    for (int l = 1; l < 4; ++l) {
        QCOMPARE(controls(*window).lists[l]->width(), controls(*window).lists[0]->width());
        QVERIFY(controls(*window).lists[l]->x() > controls(*window).lists[l - 1]->geometry().right());
        QCOMPARE(controls(*window).add[l]->y(), controls(*window).add[0]->y());
    }
    QVERIFY(controls(*window).add[0]->y() > controls(*window).lists[0]->geometry().bottom());
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("listsHint"))->geometry().bottom() <
            controls(*window).lists[0]->parentWidget()->height());
    QVERIFY(controls(*window).shops->width() > 1300);

    window->showMinimized();
    QTest::qWait(10);
    window->showNormal();
    QVERIFY(m_prompts.shown.size() == 1); // the shop question only: no error on minimising
    controls(*window).exitWithoutSaving->trigger();
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
