// The main window over a temporary program folder: first run, reading and saving the data file, shop names,
// the currency symbol, closing with and without saving, and what the user is told when something fails.
#include "config_file.h"
#include "data_files.h"
#include "list_view.h"
#include "main_window.h"
#include "scripted_prompts.h"

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

QStringList rowNames(frmLists& window, int list) {
    QStringList names;
    for (const Item& item : window.document().items(list))
        names << item.name;
    return names;
}

// The text the Shops tab shows in a cell: column 0 the number, column 1 the name.
QString shopCell(const frmLists& window, int row, int column) {
    return window.lvShops->model()->index(row, column).data().toString();
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
    std::unique_ptr<frmLists> start() { return std::make_unique<frmLists>(m_dir->path(), &m_prompts); }
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
    QCOMPARE(window->lvShops->model()->rowCount(), 20);
    QCOMPARE(shopCell(*window, 19, 0), QStringLiteral("20"));
    for (int l = 0; l < 4; ++l) {
        QCOMPARE(window->lvList[l]->rowCount(), 0);
        QCOMPARE(window->txtName[l]->text(), QString());
    }
    QCOMPARE(window->document().nextKey(), 0);
    QCOMPARE(window->CurrentList, qint16(0));
    QVERIFY(!window->mnuEditMOC->isEnabled());
    if (yes) {
        QCOMPARE(window->tabMain->currentIndex(), 1);
        QCOMPARE(m_prompts.shown.size(), 2);
        QCOMPARE(m_prompts.last().title, QStringLiteral("Shop 1"));
        QCOMPARE(shopCell(*window, 0, 1), QStringLiteral("Corner Shop"));
    } else {
        QCOMPARE(window->tabMain->currentIndex(), 0);
        QCOMPARE(m_prompts.shown.size(), 1);
    }
    QVERIFY(!QFile::exists(dataFile()));
}

void MainWindowTest::savedStateComesBack() {
    {
        m_prompts.answerNext(Answer::No);
        auto window = start();
        QTest::keyClicks(window->txtName[1], QStringLiteral("Weekly & more"));
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
    QCOMPARE(window->txtName[1]->text(), QStringLiteral("Weekly & more"));
    QCOMPARE(rowNames(*window, 1), QStringList({"Milk", "Bread"}));
    const Item& milk = window->document().item(1, 0);
    QVERIFY(milk.ticked);
    QCOMPARE(milk.quantity, QStringLiteral("2"));
    QCOMPARE(milk.key, QStringLiteral("K0"));
    QCOMPARE(window->document().item(1, 1).quantity, QString());
    QCOMPARE(shopCell(*window, 6, 1), QStringLiteral("Market"));
    QCOMPARE(window->document().nextKey(), 2);
    QCOMPARE(window->CF.ReadValue(QStringLiteral("K0_7")), QStringLiteral("1.25"));
    QCOMPARE(window->chkSelAll[1]->checkState(), Qt::PartiallyChecked);
    QCOMPARE(window->lvList[1]->selectedPosition(), 1);
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
        QVERIFY(window->sve());
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
        QCOMPARE(window->txtName[1]->text().size(), name.size());
        QTest::keyClick(window->txtName[1], Qt::Key_X);
        QVERIFY(window->sve());
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
    window->mnuFileSave->trigger();
    QVERIFY(!window->isWindowModified());
    QVERIFY(window->statusBar()->currentMessage().contains(QStringLiteral("Pantrova.dat")));
    QVERIFY(window->sve());
    const QByteArray first = readFile(dataFile());
    QVERIFY(window->sve());
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
        QVERIFY(window->sve());
        window->document().deleteItem(0, 4);
        window->document().deleteItem(0, 0);
        QVERIFY(window->sve());
        window->ExitWithoutSaving = true;
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
        QVERIFY(window->sve());
        window->document().setListName(0, QStringLiteral("Lost"));
        window->document().setSymbol(QStringLiteral("EUR"));
        window->mnuFileEWS->trigger();
        QVERIFY(window->ExitWithoutSaving);
    }
    auto window = start();
    QCOMPARE(window->txtName[0]->text(), QStringLiteral("Saved"));
    QCOMPARE(window->CF.ReadValue(QStringLiteral("Symbol"), QStringLiteral("£")), QStringLiteral("£"));
}

void MainWindowTest::failedSaveIsReported() {
    m_prompts.answerNext(Answer::No);
    auto window = start();
    QVERIFY(m_dir->remove());
    QVERIFY(!window->sve());
    const ScriptedPrompts::Shown& shown = m_prompts.last();
    QCOMPARE(shown.title, QStringLiteral("Pantrova Error"));
    QCOMPARE(shown.icon, UserPrompts::Icon::Critical);
    QVERIFY2(shown.text.contains(dataFile()), qPrintable(shown.text));
    window->ExitWithoutSaving = true;
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
    QCOMPARE(window->txtName[0]->text(), QStringLiteral("Weekly"));
    window->ExitWithoutSaving = true;
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
    second->ExitWithoutSaving = true;
}

void MainWindowTest::renamingShops() {
    m_prompts.answerNext(Answer::No);
    auto window = start();
    m_prompts.typeNext(QString());
    window->lvShops_ItemClick(7);
    QCOMPARE(m_prompts.last().title, QStringLiteral("Shop 7"));
    QCOMPARE(m_prompts.last().text, QStringLiteral("Set name for shop:"));
    QCOMPARE(m_prompts.last().preset, QString());
    QCOMPARE(shopCell(*window, 6, 1), QString());

    m_prompts.typeNext(QStringLiteral(" "));
    window->lvShops_ItemClick(7);
    QCOMPARE(shopCell(*window, 6, 1), QStringLiteral(" "));
    m_prompts.typeNext(QStringLiteral("Deli"));
    window->lvShops_ItemClick(7);
    QCOMPARE(m_prompts.last().preset, QStringLiteral(" "));
    QCOMPARE(shopCell(*window, 6, 1), QStringLiteral("Deli"));
    window->ExitWithoutSaving = true;
}

void MainWindowTest::changingCurrencySymbol() {
    m_prompts.answerNext(Answer::No);
    auto window = start();
    m_prompts.typeNext(QStringLiteral("£"));
    window->mnuOptionsSymbol->trigger();
    QCOMPARE(m_prompts.last().text, QStringLiteral("Change currency symbol/code from '£':"));
    QCOMPARE(m_prompts.last().title, QStringLiteral("Change Currency Symbol/Code"));
    QCOMPARE(m_prompts.last().preset, QStringLiteral("£"));
    QCOMPARE(window->CF.ReadValue(QStringLiteral("Symbol")), QStringLiteral("£"));

    m_prompts.typeNext(QStringLiteral("EUR"));
    window->mnuOptionsSymbol_Click();
    m_prompts.typeNext(QString());
    window->mnuOptionsSymbol_Click();
    QCOMPARE(m_prompts.last().text, QStringLiteral("Change currency symbol/code from 'EUR':"));
    QCOMPARE(window->CF.ReadValue(QStringLiteral("Symbol")), QStringLiteral("EUR"));
    QCOMPARE(window->mnuOptionsSymbol->shortcut(), QKeySequence(Qt::Key_F3));
    window->ExitWithoutSaving = true;
}

void MainWindowTest::accessKeysReachListNamesFromAnyTab() {
    m_prompts.answerNext(Answer::No);
    auto window = start();
    window->show();
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->document().insertItem(1, 0, Item{QStringLiteral("K0"), QStringLiteral("Fish & Chips"), QString(), false});

    window->tabMain->setCurrentIndex(frmLists::ShopsTab);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::AltModifier);
    QCOMPARE(window->tabMain->currentIndex(), 0);
    QTRY_COMPARE(QApplication::focusWidget(), window->txtName[2]);
    QCOMPARE(window->CurrentList, qint16(2));

    QTest::keyClick(window.get(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), window->txtName[1]);
    QCOMPARE(window->CurrentList, qint16(1));
    QCOMPARE(window->mnuEditMOC->text(), QStringLiteral("&Move or Copy 'Fish && Chips' ..."));
    QVERIFY(window->mnuEditMOC->isEnabled());
    window->ExitWithoutSaving = true;
}

void MainWindowTest::printButtonOnlyOnPreviewTab() {
    m_prompts.answerNext(Answer::No);
    auto window = start();
    window->show();
    for (int tab : {3, 2, 1, 0, 3}) {
        window->tabMain->setCurrentIndex(tab);
        QCOMPARE(window->cmdPrint->isVisible(), tab == 3);
    }
    window->ExitWithoutSaving = true;
}

void MainWindowTest::layoutFollowsTheWindowSize() {
    m_prompts.answerNext(Answer::No);
    auto window = start();
    window->show();
    window->resize(100, 100);
    QCOMPARE(window->size(), QSize(853, 640)); // 12800 x 9600 twips
    const int narrowList = window->lvList[0]->width();
    window->resize(1400, 900);
    QTRY_VERIFY(window->lvList[0]->width() > narrowList);
    // The four columns share the width; the lists grow downwards with their buttons below them.
    for (int l = 1; l < 4; ++l) {
        QCOMPARE(window->lvList[l]->width(), window->lvList[0]->width());
        QVERIFY(window->lvList[l]->x() > window->lvList[l - 1]->geometry().right());
        QCOMPARE(window->cmdAdd[l]->y(), window->cmdAdd[0]->y());
    }
    QVERIFY(window->cmdAdd[0]->y() > window->lvList[0]->geometry().bottom());
    QVERIFY(window->lblInfo[0]->geometry().bottom() < window->lvList[0]->parentWidget()->height());
    QVERIFY(window->lvShops->width() > 1300);

    window->showMinimized();
    QTest::qWait(10);
    window->showNormal();
    QVERIFY(m_prompts.shown.size() == 1); // the shop question only: no error on minimising
    window->ExitWithoutSaving = true;
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
