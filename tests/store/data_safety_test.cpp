// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
// The accidents that must not lose the user's data: a damaged, unreadable or missing file beside a good backup,
// a lock that proves nothing, a second window or another computer writing the same file, and a crash with
// unsaved changes. Each start is the data's safety over a document, as the window makes it, without a window.
#include "data_files.h"
#include "data_safety.h"
#include "money.h"
#include "scripted_prompts.h"

#include <QDir>
#include <QFileInfo>
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

// One start of Pantrova over a folder: the folder claimed, the data loaded into the document and watched.
struct Session {
    Session(const QString& folder, UserPrompts& prompts)
        : safety(document, folder, prompts) {
        if (!safety.claimFolder())
            return;
        if (std::optional<Store::StoredData> data = safety.load())
            document.adopt(std::move(*data));
        document.store().setNumbers(Money::current());
        safety.watch();
    }
    bool save() {
        QString error;
        return safety.save(&error) == DataSafety::SaveOutcome::Saved;
    }
    // As Exit without Saving ends a session; a session that ends without it is a crash.
    void discard() { safety.close(true); }

    Document document;
    DataSafety safety;
};

QStringList names(Session& session, int list) {
    QStringList result;
    for (const Item& item : session.document.items(list))
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
    std::unique_ptr<Session> start() { return std::make_unique<Session>(m_dir->path(), m_prompts); }
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

    auto session = start();
    const QString message = m_prompts.shown.first().text;
    QVERIFY2(message.contains(QStringLiteral("Pantrova.dat.bak")), qPrintable(message));
    QVERIFY2(message.contains(said), qPrintable(message));
    QCOMPARE(message.contains(QStringLiteral("damaged")), said == QLatin1String("damaged"));
    if (!keptAside.isEmpty())
        QCOMPARE(filesLike(keptAside).size(), 1);
    QCOMPARE(names(*session, 0), openBackup ? QStringList{"Milk"} : QStringList());

    // However often this session saves, the backup stays the last good one: what it saves may lack what the lost
    // or damaged file held.
    QVERIFY(session->save());
    QCOMPARE(readFile(dataFile() + QStringLiteral(".bak")), good);
    session->document.setListName(1, QStringLiteral("Next"));
    QVERIFY(session->save());
    QCOMPARE(readFile(dataFile() + QStringLiteral(".bak")), good);
    session->discard();
    session.reset();

    // Once a data file loads whole, saving keeps it as the backup again, as usual.
    m_prompts = ScriptedPrompts();
    session = start();
    const QByteArray saved = readFile(dataFile());
    session->document.setListName(2, QStringLiteral("Later"));
    QVERIFY(session->save());
    QCOMPARE(readFile(dataFile() + QStringLiteral(".bak")), saved);
    session->discard();
}

void DataSafetyTest::oneWindowPerFolder() {
    writeFile(dataFile(), listNamed(QStringLiteral("Weekly"), QStringLiteral("Milk")));
    auto first = start();
    first->document.setListName(0, QStringLiteral("Changed in the first"));
    first->safety.keepRecoveryFile();
    const QByteArray recovery = readFile(first->safety.recoveryFile());
    QVERIFY(!recovery.isEmpty());

    auto second = start();
    QVERIFY(!second->safety.ownsFolder());
    QCOMPARE(m_prompts.shown.size(), 1);
    QVERIFY(m_prompts.last().text.contains(QStringLiteral("already open")));
    QVERIFY(names(*second, 0).isEmpty()); // it loaded nothing ...
    QVERIFY(!second->save());
    QVERIFY(second->safety.close(false));
    second.reset(); // ... and touched nothing
    QCOMPARE(readFile(dataFile()), listNamed(QStringLiteral("Weekly"), QStringLiteral("Milk")));
    QCOMPARE(readFile(first->safety.recoveryFile()), recovery);
    first->discard();
    first.reset();

    // Another process holds the folder; once it is killed, its lock is stale and taken over.
    QProcess holder;
    holder.start(QCoreApplication::applicationDirPath() + QStringLiteral("/store_lock_child"),
                 {dataFile() + QStringLiteral(".lock")});
    QVERIFY(holder.waitForReadyRead(10000));
    QVERIFY(!start()->safety.ownsFolder());
    holder.kill();
    QVERIFY(holder.waitForFinished(5000));
    m_prompts = ScriptedPrompts();
    auto after = start();
    QVERIFY(after->safety.ownsFolder());
    QVERIFY(m_prompts.shown.isEmpty());
    QCOMPARE(names(*after, 0), QStringList{"Milk"});
    after->discard();
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
    auto session = start();
    if (edited)
        session->document.setListName(0, QStringLiteral("Mine"));
    // Another computer, through a sync tool, saves its own version meanwhile.
    const QByteArray theirs = listNamed(QStringLiteral("Theirs"), QStringLiteral("Tea"));
    writeFile(dataFile(), theirs);
    if (choice >= 0)
        m_prompts.chooseNext(choice);

    // Every answer lets the window close; only File, Save can be cancelled.
    const bool done = onClose ? session->safety.close(false) : session->save();
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
        QVERIFY(ConfigFile().LoadFrom(session->safety.recoveryFile()).ok());
    if (choice != 2 && !onClose) {
        // What this window saved is now the file it knows: the next save asks nothing.
        session->document.setListName(0, QStringLiteral("Mine again"));
        QVERIFY(session->save());
        QCOMPARE(m_prompts.shown.size(), 1);
    }
    session->discard();
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

    auto session = start();
    QCOMPARE(session->safety.ownsFolder(), clear);
    QCOMPARE(m_prompts.shown.first().title, QStringLiteral("Folder in Use"));
    QVERIFY(m_prompts.shown.first().text.contains(QStringLiteral("Pantrova.dat.lock")));
    QCOMPARE(m_prompts.shown.first().text.contains(QStringLiteral("another-computer.example")),
             lock == QLatin1String("elsewhere"));
    QCOMPARE(names(*session, 0), clear ? QStringList{"Milk"} : QStringList());
    QCOMPARE(m_prompts.shown.size(), clear ? 1 : 2); // declined: then told the folder is in use
    // A folder in the lock's place is moved aside, never deleted.
    QCOMPARE(filesLike(QStringLiteral("Pantrova.dat.lock.aside*")).size(), clear && lock == QLatin1String("folder"));
    session->discard();
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
        auto session = start();
        QVERIFY(!session->safety.hasUnsavedChanges());
        session->document.insertItem(0, 1,
                                     Item{QStringLiteral("K1"), QStringLiteral("Tea"), QStringLiteral("1"), true});
        session->document.setNextKey(2);
        session->document.setPrice(QStringLiteral("K1"), 3, QStringLiteral("2.50"));
        QVERIFY(session->safety.hasUnsavedChanges());
        // The recovery file is kept by itself a few seconds after a change; one row waits for it.
        if (restore)
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(session->safety.recoveryFile()), 10000);
        else
            session->safety.keepRecoveryFile();
        QCOMPARE(QFileInfo(session->safety.recoveryFile()).permissions() & 0x7077,
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        // The process dies here: no close, no save.
    }
    const QByteArray recovery = readFile(dataFile() + QStringLiteral(".recovery"));
    m_prompts.answerNext(restore ? Answer::Yes : Answer::No);
    auto session = start();
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.last().title, QStringLiteral("Restore Unsaved Changes"));
    QCOMPARE(readFile(dataFile()), saved);
    if (restore) {
        QCOMPARE(names(*session, 0), QStringList({"Milk", "Tea"}));
        QCOMPARE(session->document.store().ReadValue(QStringLiteral("K1_3")), QStringLiteral("2.50"));
        QCOMPARE(session->document.nextKey(), 2);
        QVERIFY(session->safety.hasUnsavedChanges());
        QVERIFY(session->save());
        QVERIFY(!QFile::exists(session->safety.recoveryFile()));
        // The save writes what the recovery file held, less the note of the file it was based on.
        ConfigFile kept;
        QVERIFY(kept.LoadFromBytes(recovery).ok());
        kept.DeleteValue(QStringLiteral("RecoveryBase"));
        QCOMPARE(readFile(dataFile()), kept.toBytes());
    } else {
        QCOMPARE(names(*session, 0), QStringList({"Milk"}));
        QVERIFY(!QFile::exists(session->safety.recoveryFile()));
        const QStringList kept = filesLike(QStringLiteral("Pantrova.dat.recovery-*"));
        QCOMPARE(kept.size(), 1);
        QVERIFY(m_prompts.last().text.contains(kept.first()));
        QCOMPARE(readFile(m_dir->filePath(kept.first())), recovery);
    }
    session->discard();
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

    auto session = start();
    QCOMPARE(m_prompts.shown.size(), 1);
    QCOMPARE(m_prompts.last().title, QStringLiteral("Pantrova Error"));
    const QStringList kept = filesLike(QStringLiteral("Pantrova.dat.recovery-*"));
    QCOMPARE(kept.size(), 1);
    QVERIFY2(m_prompts.last().text.contains(kept.first()), qPrintable(m_prompts.last().text));
    QVERIFY(!SafeFile::nameTaken(recovery));
    QCOMPARE(names(*session, 0), QStringList{"Milk"});
    if (damage != QLatin1String("folder"))
        QCOMPARE(readFile(m_dir->filePath(kept.first())).size(),
                 damage == QLatin1String("truncated") ? unsaved.size() / 2 : 6);
    session->discard();
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
        auto session = start();
        session->document.setListName(1, QStringLiteral("Unsaved"));
        session->safety.keepRecoveryFile();
    }
    const QByteArray theirs = listNamed(QStringLiteral("Theirs"), QStringLiteral("Tea"));
    QVERIFY(QFile::remove(dataFile()));
    if (meanwhile == QLatin1String("changed"))
        writeFile(dataFile(), theirs);
    else
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Pantrova.dat")));
    m_prompts.answerNext(Answer::Yes); // restore
    m_prompts.chooseNext(0);           // keep both, when asked
    auto session = start();
    QCOMPARE(session->document.listName(1), QStringLiteral("Unsaved"));
    QVERIFY(session->save());
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
    session->discard();
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
    auto session = start();
    session->document.setListName(2, QStringLiteral("Party"));
    session->safety.keepRecoveryFile();
    QVERIFY(QFile::exists(session->safety.recoveryFile()));
    if (ending == QLatin1String("save"))
        QVERIFY(session->save());
    else if (ending == QLatin1String("close"))
        QVERIFY(session->safety.close(false));
    else
        session->discard();
    QVERIFY(!QFile::exists(session->safety.recoveryFile()));
    ConfigFile onDisk;
    QVERIFY(onDisk.LoadFrom(dataFile()).ok());
    QCOMPARE(onDisk.ReadValue(QStringLiteral("L2n")) == QLatin1String("Party"), ending != QLatin1String("discard"));
    session->discard();
}

QTEST_GUILESS_MAIN(DataSafetyTest)
#include "data_safety_test.moc"
