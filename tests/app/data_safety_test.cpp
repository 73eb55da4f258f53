// The accidents that must not lose the user's data: a damaged or unreadable file beside a good backup, a second
// window or another computer writing the same file, and a crash with unsaved changes.
#include "data_files.h"
#include "main_window.h"
#include "safe_file.h"
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
    void lockThatProvesNothingIsClearedOnceAsked_data();
    void lockThatProvesNothingIsClearedOnceAsked();
    void fileChangedElsewhereIsNeverOverwritten_data();
    void fileChangedElsewhereIsNeverOverwritten();
    void unsavedChangesSurviveACrash_data();
    void unsavedChangesSurviveACrash();
    void damagedRecoveryIsReportedAndKept_data();
    void damagedRecoveryIsReportedAndKept();
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
    QTest::addColumn<QString>("said");      // what the message calls the data file
    QTest::addColumn<QString>("keptAside"); // the copy of the original kept for the user, if any
    for (const bool open : {true, false}) {
        const char* answer = open ? ", backup opened" : ", backup declined";
        QTest::addRow("empty file%s", answer) << "empty" << open << "damaged"
                                              << "Pantrova.dat.damaged";
        QTest::addRow("truncated file%s", answer) << "truncated" << open << "damaged"
                                                  << "Pantrova.dat.damaged";
        QTest::addRow("folder in its place%s", answer) << "folder" << open << "could not be read"
                                                       << "Pantrova.dat.unreadable";
        QTest::addRow("missing file%s", answer) << "missing" << open << "is missing" << QString();
    }
}

void DataSafetyTest::badLoadNeverReplacesTheGoodBackup() {
    QFETCH(QString, damage);
    QFETCH(bool, openBackup);
    QFETCH(QString, said);
    QFETCH(QString, keptAside);
    const QByteArray good = listNamed(QStringLiteral("Weekly"), QStringLiteral("Milk"));
    writeFile(dataFile() + QStringLiteral(".bak"), good);
    if (damage == QLatin1String("folder"))
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Pantrova.dat")));
    else if (damage != QLatin1String("missing"))
        writeFile(dataFile(), damage == QLatin1String("empty") ? QByteArray() : good.left(good.size() / 2));
    m_prompts.answerNext(openBackup ? Answer::Yes : Answer::No);
    m_prompts.answerNext(Answer::No); // shop details, when the lists start empty

    auto window = start();
    const QString message = m_prompts.shown.first().text;
    QVERIFY2(message.contains(QStringLiteral("Pantrova.dat.bak")), qPrintable(message));
    QVERIFY2(message.contains(said), qPrintable(message));
    QCOMPARE(message.contains(QStringLiteral("damaged")), said == QLatin1String("damaged"));
    if (!keptAside.isEmpty())
        QCOMPARE(filesLike(keptAside).size(), 1);
    QCOMPARE(names(*window, 0), openBackup ? QStringList{"Milk"} : QStringList());

    // However often this window saves, the backup stays the last good one: what it saves may lack what the lost
    // or damaged file held.
    QVERIFY(window->sve());
    QCOMPARE(readFile(dataFile() + QStringLiteral(".bak")), good);
    window->document().setListName(1, QStringLiteral("Next"));
    QVERIFY(window->sve());
    QCOMPARE(readFile(dataFile() + QStringLiteral(".bak")), good);
    window->ExitWithoutSaving = true;
    window.reset();

    // Once a data file loads whole, saving keeps it as the backup again, as usual.
    m_prompts = ScriptedPrompts();
    m_prompts.answerNext(Answer::No);
    window = start();
    const QByteArray saved = readFile(dataFile());
    window->document().setListName(2, QStringLiteral("Later"));
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
    QTest::addColumn<bool>("edited");
    QTest::addColumn<int>("choice"); // Keep Both, Replace, Cancel; -1 where nothing may be asked
    QTest::addColumn<bool>("onClose");
    QTest::addColumn<QString>("onDisk"); // the list name in the data file afterwards
    QTest::addColumn<bool>("otherKept");
    QTest::newRow("keep both, File Save") << true << 0 << false << "Mine" << true;
    QTest::newRow("replace, File Save") << true << 1 << false << "Mine" << false;
    QTest::newRow("cancel, File Save") << true << 2 << false << "Theirs" << false;
    QTest::newRow("keep both, closing") << true << 0 << true << "Mine" << true;
    QTest::newRow("replace, closing") << true << 1 << true << "Mine" << false;
    QTest::newRow("cancel, closing") << true << 2 << true << "Theirs" << false;
    QTest::newRow("nothing edited, closing") << false << -1 << true << "Theirs" << false;
}

void DataSafetyTest::fileChangedElsewhereIsNeverOverwritten() {
    QFETCH(bool, edited);
    QFETCH(int, choice);
    QFETCH(bool, onClose);
    QFETCH(QString, onDisk);
    QFETCH(bool, otherKept);
    writeFile(dataFile(), listNamed(QStringLiteral("Weekly"), QStringLiteral("Milk")));
    auto window = start();
    if (edited)
        window->document().setListName(0, QStringLiteral("Mine"));
    // Another computer, through a sync tool, saves its own version meanwhile.
    const QByteArray theirs = listNamed(QStringLiteral("Theirs"), QStringLiteral("Tea"));
    writeFile(dataFile(), theirs);
    if (choice >= 0)
        m_prompts.chooseNext(choice);

    // Every answer lets the window close; only File, Save can be cancelled.
    const bool done = onClose ? window->close() : window->sve();
    QCOMPARE(done, onClose || choice != 2);
    QCOMPARE(m_prompts.shown.size(), choice >= 0 ? 1 : 0);
    QCOMPARE(m_prompts.unscripted, 0);
    ConfigFile saved;
    QVERIFY(saved.LoadFrom(dataFile()).ok());
    QCOMPARE(saved.ReadValue(QStringLiteral("L0n")), onDisk);
    const QStringList others = filesLike(QStringLiteral("Pantrova.dat.other*"));
    QCOMPARE(others.size(), otherKept ? 1 : 0);
    if (choice < 0)
        return;
    QCOMPARE(m_prompts.last().title, QStringLiteral("Data File Changed"));
    QCOMPARE(m_prompts.last().answers.size(), 3);
    if (otherKept) {
        QVERIFY(m_prompts.last().text.contains(others.first()));
        QCOMPARE(readFile(m_dir->filePath(others.first())), theirs);
    }
    if (choice == 1) // what was replaced is the backup now
        QCOMPARE(readFile(dataFile() + QStringLiteral(".bak")), theirs);
    if (choice == 2 && onClose) // the changes wait in the recovery file for the next start
        QVERIFY(ConfigFile().LoadFrom(window->recoveryFile()).ok());
    if (choice != 2 && !onClose) {
        // What this window saved is now the file it knows: the next save asks nothing.
        window->document().setListName(0, QStringLiteral("Mine again"));
        QVERIFY(window->sve());
        QCOMPARE(m_prompts.shown.size(), 1);
    }
    window->ExitWithoutSaving = true;
}

void DataSafetyTest::lockThatProvesNothingIsClearedOnceAsked_data() {
    QTest::addColumn<QString>("lock");
    QTest::addColumn<bool>("clear");
    for (const bool clear : {true, false}) {
        const char* answer = clear ? ", cleared" : ", kept";
        QTest::addRow("empty%s", answer) << "empty" << clear;
        QTest::addRow("garbage%s", answer) << "garbage" << clear;
        QTest::addRow("folder%s", answer) << "folder" << clear;
        QTest::addRow("another computer's%s", answer) << "elsewhere" << clear;
    }
}

void DataSafetyTest::lockThatProvesNothingIsClearedOnceAsked() {
    QFETCH(QString, lock);
    QFETCH(bool, clear);
    writeFile(dataFile(), listNamed(QStringLiteral("Weekly"), QStringLiteral("Milk")));
    const QString lockFile = dataFile() + QStringLiteral(".lock");
    if (lock == QLatin1String("folder"))
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Pantrova.dat.lock")));
    else if (lock == QLatin1String("elsewhere")) // as QLockFile writes it: process, program, computer
        writeFile(lockFile, "4242\npantrova\nanother-computer.example\n");
    else
        writeFile(lockFile, lock == QLatin1String("empty") ? QByteArray() : QByteArray("\x89PNG\r\n garbage"));
    m_prompts.answerNext(clear ? Answer::Yes : Answer::No);

    auto window = start();
    QCOMPARE(window->ownsFolder(), clear);
    QCOMPARE(m_prompts.shown.first().title, QStringLiteral("Folder in Use"));
    QVERIFY(m_prompts.shown.first().text.contains(QStringLiteral("Pantrova.dat.lock")));
    QCOMPARE(m_prompts.shown.first().text.contains(QStringLiteral("another-computer.example")),
             lock == QLatin1String("elsewhere"));
    QCOMPARE(names(*window, 0), clear ? QStringList{"Milk"} : QStringList());
    QCOMPARE(m_prompts.shown.size(), clear ? 1 : 2); // declined: then told the folder is in use
    // A folder in the lock's place is moved aside, never deleted.
    QCOMPARE(filesLike(QStringLiteral("Pantrova.dat.lock.aside*")).size(), clear && lock == QLatin1String("folder"));
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

void DataSafetyTest::damagedRecoveryIsReportedAndKept_data() {
    QTest::addColumn<QString>("damage");
    QTest::newRow("truncated") << "truncated";
    QTest::newRow("not the data format") << "other";
    QTest::newRow("a folder") << "folder";
}

void DataSafetyTest::damagedRecoveryIsReportedAndKept() {
    QFETCH(QString, damage);
    writeFile(dataFile(), listNamed(QStringLiteral("Weekly"), QStringLiteral("Milk")));
    const QString recovery = dataFile() + QStringLiteral(".recovery");
    const QByteArray unsaved = listNamed(QStringLiteral("Unsaved"), QStringLiteral("Tea"));
    if (damage == QLatin1String("folder"))
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Pantrova.dat.recovery")));
    else
        writeFile(recovery, damage == QLatin1String("truncated") ? unsaved.left(unsaved.size() / 2) : "[1, 2]");

    auto window = start();
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.last().title, QStringLiteral("Pantrova Error"));
    const QStringList kept = filesLike(QStringLiteral("Pantrova.dat.recovery-*"));
    QCOMPARE(kept.size(), 1);
    QVERIFY2(m_prompts.last().text.contains(kept.first()), qPrintable(m_prompts.last().text));
    QVERIFY(!SafeFile::nameTaken(recovery));
    QCOMPARE(names(*window, 0), QStringList{"Milk"});
    if (damage != QLatin1String("folder"))
        QCOMPARE(readFile(m_dir->filePath(kept.first())).size(),
                 damage == QLatin1String("truncated") ? unsaved.size() / 2 : 6);
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
    m_prompts.chooseNext(0);           // keep both, when asked
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
