// The accidents that must not lose the user's data: a damaged or unreadable file beside a good backup, a second
// window or another computer writing the same file, and a crash with unsaved changes.
#include "data_files.h"
#include "main_window.h"
#include "scripted_prompts.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Answer = UserPrompts::Answer;
using Values = QMap<QString, QString>;

namespace {

Values withShops(const Values& values) {
    Values all = values;
    for (int shop = 1; shop <= 20; ++shop)
        all.insert(QStringLiteral("Shop%1").arg(shop), QStringLiteral("Shop %1").arg(shop));
    return all;
}

QByteArray listNamed(const QString& name, const QString& item) {
    return dataFileBytes(
        withShops({{"NextKey", "1"}, {"L0", "1"}, {"L0n", name}, {"L0i1", item}, {"L0c1", "False"}, {"L0k1", "K0"}}));
}

QStringList names(frmLists& window, int list) {
    QStringList result;
    for (const Item& item : window.document().items(list))
        result << item.name;
    return result;
}

} // namespace

class DataSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void badLoadNeverReplacesTheGoodBackup_data();
    void badLoadNeverReplacesTheGoodBackup();
    void oneWindowPerFolder();
    void fileChangedElsewhereIsNeverOverwritten_data();
    void fileChangedElsewhereIsNeverOverwritten();
    void unsavedChangesSurviveACrash_data();
    void unsavedChangesSurviveACrash();
    void restoredChangesMeetTheFileAsItIsNow_data();
    void restoredChangesMeetTheFileAsItIsNow();
    void recoveryFileEndsWithTheSession_data();
    void recoveryFileEndsWithTheSession();

private:
    QString dataFile() const { return m_dir->filePath(QStringLiteral("Pantrova.dat")); }
    std::unique_ptr<frmLists> start() { return std::make_unique<frmLists>(m_dir->path(), &m_prompts); }
    QStringList filesLike(const QString& pattern) const { return QDir(m_dir->path()).entryList({pattern}); }

    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedPrompts m_prompts;
};

void DataSafetyTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_prompts = ScriptedPrompts();
}

void DataSafetyTest::badLoadNeverReplacesTheGoodBackup_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("openBackup");
    for (const bool open : {true, false}) {
        const char* answer = open ? ", backup opened" : ", backup declined";
        QTest::addRow("empty file%s", answer) << "empty" << open;
        QTest::addRow("truncated file%s", answer) << "truncated" << open;
        QTest::addRow("folder in its place%s", answer) << "folder" << open;
    }
}

void DataSafetyTest::badLoadNeverReplacesTheGoodBackup() {
    QFETCH(QString, damage);
    QFETCH(bool, openBackup);
    const QByteArray good = listNamed(QStringLiteral("Weekly"), QStringLiteral("Milk"));
    writeFile(dataFile() + QStringLiteral(".bak"), good);
    const bool unreadable = damage == QLatin1String("folder");
    if (unreadable)
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Pantrova.dat")));
    else
        writeFile(dataFile(), damage == QLatin1String("empty") ? QByteArray() : good.left(good.size() / 2));
    m_prompts.answerNext(openBackup ? Answer::Yes : Answer::No);
    m_prompts.answerNext(Answer::No); // shop details, when the lists start empty

    auto window = start();
    const QString message = m_prompts.shown.first().text;
    QVERIFY2(message.contains(QStringLiteral("Pantrova.dat.bak")), qPrintable(message));
    QCOMPARE(message.contains(QStringLiteral("could not be read")), unreadable);
    QCOMPARE(message.contains(QStringLiteral("damaged")), !unreadable);
    QCOMPARE(filesLike(unreadable ? QStringLiteral("Pantrova.dat.unreadable") : QStringLiteral("Pantrova.dat.damaged"))
                 .size(),
             1);
    QCOMPARE(names(*window, 0), openBackup ? QStringList{"Milk"} : QStringList());

    QVERIFY(window->sve());
    QCOMPARE(readFile(dataFile() + QStringLiteral(".bak")), good);
    // Once saved, the file is the user's again and later saves keep it as the backup.
    const QByteArray saved = readFile(dataFile());
    window->document().setListName(1, QStringLiteral("Next"));
    QVERIFY(window->sve());
    QCOMPARE(readFile(dataFile() + QStringLiteral(".bak")), saved);
    window->ExitWithoutSaving = true;
}

void DataSafetyTest::oneWindowPerFolder() {
    writeFile(dataFile(), listNamed(QStringLiteral("Weekly"), QStringLiteral("Milk")));
    auto first = start();
    first->document().setListName(0, QStringLiteral("Changed in the first"));
    first->keepRecoveryFile();
    const QByteArray recovery = readFile(first->recoveryFile());
    QVERIFY(!recovery.isEmpty());

    auto second = start();
    QVERIFY(!second->ownsFolder());
    QCOMPARE(m_prompts.shown.size(), 1);
    QVERIFY(m_prompts.last().text.contains(QStringLiteral("already open")));
    QVERIFY(names(*second, 0).isEmpty()); // it loaded nothing ...
    QVERIFY(!second->sve());
    QVERIFY(second->close());
    second.reset(); // ... and touched nothing
    QCOMPARE(readFile(dataFile()), listNamed(QStringLiteral("Weekly"), QStringLiteral("Milk")));
    QCOMPARE(readFile(first->recoveryFile()), recovery);
    first->ExitWithoutSaving = true;
    first.reset();

    // Another process holds the folder; once it is killed, its lock is stale and taken over.
    QProcess holder;
    holder.start(QCoreApplication::applicationDirPath() + QStringLiteral("/app_lock_child"),
                 {dataFile() + QStringLiteral(".lock")});
    QVERIFY(holder.waitForReadyRead(10000));
    QVERIFY(!start()->ownsFolder());
    holder.kill();
    QVERIFY(holder.waitForFinished(5000));
    m_prompts = ScriptedPrompts();
    auto after = start();
    QVERIFY(after->ownsFolder());
    QVERIFY(m_prompts.shown.isEmpty());
    QCOMPARE(names(*after, 0), QStringList{"Milk"});
    after->ExitWithoutSaving = true;
}

void DataSafetyTest::fileChangedElsewhereIsNeverOverwritten_data() {
    QTest::addColumn<bool>("keepBoth");
    QTest::addColumn<bool>("onClose");
    QTest::newRow("keep both, File Save") << true << false;
    QTest::newRow("cancel, File Save") << false << false;
    QTest::newRow("keep both, closing") << true << true;
    QTest::newRow("cancel, closing") << false << true;
}

void DataSafetyTest::fileChangedElsewhereIsNeverOverwritten() {
    QFETCH(bool, keepBoth);
    QFETCH(bool, onClose);
    writeFile(dataFile(), listNamed(QStringLiteral("Weekly"), QStringLiteral("Milk")));
    auto window = start();
    window->document().setListName(0, QStringLiteral("Mine"));
    // Another computer, through a sync tool, saves its own version meanwhile.
    const QByteArray theirs = listNamed(QStringLiteral("Theirs"), QStringLiteral("Tea"));
    writeFile(dataFile(), theirs);
    m_prompts.answerNext(keepBoth ? Answer::Yes : Answer::No);

    const bool done = onClose ? window->close() : window->sve();
    QCOMPARE(done, keepBoth);
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.last().title, QStringLiteral("Data File Changed"));
    ConfigFile onDisk;
    QVERIFY(onDisk.LoadFrom(dataFile()).ok());
    QCOMPARE(onDisk.ReadValue(QStringLiteral("L0n")), keepBoth ? QStringLiteral("Mine") : QStringLiteral("Theirs"));
    const QStringList others = filesLike(QStringLiteral("Pantrova.dat.other*"));
    QCOMPARE(others.size(), keepBoth ? 1 : 0);
    if (keepBoth) {
        QVERIFY(m_prompts.last().text.contains(others.first()));
        QCOMPARE(readFile(m_dir->filePath(others.first())), theirs);
        // What this window saved is now the file it knows: the next save asks nothing.
        window->document().setListName(0, QStringLiteral("Mine again"));
        QVERIFY(onClose || window->sve());
        QCOMPARE(m_prompts.shown.size(), 1);
    }
    window->ExitWithoutSaving = true;
}

void DataSafetyTest::unsavedChangesSurviveACrash_data() {
    QTest::addColumn<bool>("restore");
    QTest::newRow("restored") << true;
    QTest::newRow("declined") << false;
}

void DataSafetyTest::unsavedChangesSurviveACrash() {
    QFETCH(bool, restore);
    const QByteArray saved = listNamed(QStringLiteral("Weekly"), QStringLiteral("Milk"));
    writeFile(dataFile(), saved);
    QVERIFY(QFile::setPermissions(dataFile(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    {
        auto window = start();
        window->GenPCList(); // looking is no change
        QVERIFY(!window->hasUnsavedChanges());
        window->document().insertItem(0, 1,
                                      Item{QStringLiteral("K1"), QStringLiteral("Tea"), QStringLiteral("1"), true});
        window->document().setNextKey(2);
        window->document().setPrice(QStringLiteral("K1"), 3, QStringLiteral("2.50"));
        QVERIFY(window->hasUnsavedChanges());
        // The window keeps the recovery file by itself a few seconds after a change; one row waits for it.
        if (restore)
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(window->recoveryFile()), 10000);
        else
            window->keepRecoveryFile();
        QCOMPARE(QFileInfo(window->recoveryFile()).permissions() & 0x7077,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        // The process dies here: no close, no save.
    }
    const QByteArray recovery = readFile(dataFile() + QStringLiteral(".recovery"));
    m_prompts.answerNext(restore ? Answer::Yes : Answer::No);
    auto window = start();
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.last().title, QStringLiteral("Restore Unsaved Changes"));
    QCOMPARE(readFile(dataFile()), saved);
    if (restore) {
        QCOMPARE(names(*window, 0), QStringList({"Milk", "Tea"}));
        QCOMPARE(window->CF.ReadValue(QStringLiteral("K1_3")), QStringLiteral("2.50"));
        QCOMPARE(window->document().nextKey(), 2);
        QVERIFY(window->hasUnsavedChanges());
        QVERIFY(window->sve());
        QVERIFY(!QFile::exists(window->recoveryFile()));
        // The save writes what the recovery file held, less the note of the file it was based on.
        ConfigFile kept;
        QVERIFY(kept.LoadFromBytes(recovery).ok());
        kept.DeleteValue(QStringLiteral("RecoveryBase"));
        QCOMPARE(readFile(dataFile()), kept.toBytes());
    } else {
        QCOMPARE(names(*window, 0), QStringList({"Milk"}));
        QVERIFY(!QFile::exists(window->recoveryFile()));
        const QStringList kept = filesLike(QStringLiteral("Pantrova.dat.recovery-*"));
        QCOMPARE(kept.size(), 1);
        QVERIFY(m_prompts.last().text.contains(kept.first()));
        QCOMPARE(readFile(m_dir->filePath(kept.first())), recovery);
    }
    window->ExitWithoutSaving = true;
}

void DataSafetyTest::restoredChangesMeetTheFileAsItIsNow_data() {
    QTest::addColumn<QString>("meanwhile");  // what happened to the data file between the crash and the restart
    QTest::addColumn<QString>("firstTitle"); // the box shown first, after the restore question
    QTest::newRow("changed elsewhere") << "changed"
                                       << "Data File Changed";
    QTest::newRow("became unreadable") << "folder"
                                       << "Pantrova Error";
}

void DataSafetyTest::restoredChangesMeetTheFileAsItIsNow() {
    QFETCH(QString, meanwhile);
    QFETCH(QString, firstTitle);
    writeFile(dataFile(), listNamed(QStringLiteral("Weekly"), QStringLiteral("Milk")));
    {
        auto window = start();
        window->document().setListName(1, QStringLiteral("Unsaved"));
        window->keepRecoveryFile();
    }
    const QByteArray theirs = listNamed(QStringLiteral("Theirs"), QStringLiteral("Tea"));
    QVERIFY(QFile::remove(dataFile()));
    if (meanwhile == QLatin1String("changed"))
        writeFile(dataFile(), theirs);
    else
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Pantrova.dat")));
    m_prompts.answerNext(Answer::Yes); // restore
    m_prompts.answerNext(Answer::Yes); // keep both, when asked
    auto window = start();
    QCOMPARE(window->txtName[1]->text(), QStringLiteral("Unsaved"));
    QVERIFY(window->sve());
    QCOMPARE(m_prompts.shown.at(1).title, firstTitle);
    ConfigFile onDisk;
    QVERIFY(onDisk.LoadFrom(dataFile()).ok());
    QCOMPARE(onDisk.ReadValue(QStringLiteral("L1n")), QStringLiteral("Unsaved"));
    QCOMPARE(onDisk.ReadValue(QStringLiteral("RecoveryBase")), ConfigFile::NotFound);
    const QStringList kept =
        filesLike(meanwhile == QLatin1String("changed") ? QStringLiteral("Pantrova.dat.other*")
                                                        : QStringLiteral("Pantrova.dat.unreadable*"));
    QCOMPARE(kept.size(), 1);
    if (meanwhile == QLatin1String("changed"))
        QCOMPARE(readFile(m_dir->filePath(kept.first())), theirs);
    window->ExitWithoutSaving = true;
}

void DataSafetyTest::recoveryFileEndsWithTheSession_data() {
    QTest::addColumn<QString>("ending");
    QTest::newRow("File Save") << "save";
    QTest::newRow("closing") << "close";
    QTest::newRow("Exit without Saving") << "discard";
}

void DataSafetyTest::recoveryFileEndsWithTheSession() {
    QFETCH(QString, ending);
    writeFile(dataFile(), listNamed(QStringLiteral("Weekly"), QStringLiteral("Milk")));
    auto window = start();
    window->document().setListName(2, QStringLiteral("Party"));
    window->keepRecoveryFile();
    QVERIFY(QFile::exists(window->recoveryFile()));
    if (ending == QLatin1String("save"))
        QVERIFY(window->sve());
    else if (ending == QLatin1String("close"))
        QVERIFY(window->close());
    else
        window->mnuFileEWS->trigger();
    QVERIFY(!QFile::exists(window->recoveryFile()));
    ConfigFile onDisk;
    QVERIFY(onDisk.LoadFrom(dataFile()).ok());
    QCOMPARE(onDisk.ReadValue(QStringLiteral("L2n")) == QLatin1String("Party"), ending != QLatin1String("discard"));
    window->ExitWithoutSaving = true;
}

QTEST_MAIN(DataSafetyTest)
#include "data_safety_test.moc"
