// How the main window keeps the user's data safe: one window per folder, a damaged or unreadable data file kept
// aside under a name of its own (never over an earlier copy) with the backup offered in its place, no save over
// a file that someone else changed since, and a recovery file of the unsaved changes for the next start after a
// crash.

#include "main_window.h"
#include "safe_file.h"
#include "store_layout.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QTimer>

namespace {

// The most repairs listed in the damaged-file message; the rest are counted.
constexpr int ListedProblems = 8;
// How long after a change the recovery file is written: soon enough to lose little, seldom enough to cost
// nothing while the user types.
constexpr int RecoveryDelayMs = 3000;
// The saved stamp of a window whose data came from a recovery file: no change stamp ever equals it.
constexpr quint64 NothingSaved = ~quint64(0);

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString modifiedAt(const QString& path) {
    return QLocale().toString(QFileInfo(path).lastModified(), QLocale::ShortFormat);
}

// Whether the file loads whole: sound, with nothing to repair.
bool loadsWhole(const QByteArray& bytes) {
    ConfigFile store;
    return store.LoadFromBytes(bytes).ok() && Store::readStoredData(store).problems.isEmpty();
}

} // namespace

bool frmLists::lockFolder() {
    m_lock = std::make_unique<QLockFile>(DataFile + QStringLiteral(".lock"));
    // A lock is stale only when the process that took it is gone, never merely because it is old: a window may
    // stay open for days.
    m_lock->setStaleLockTime(0);
    // A lock left by a run that crashed is taken over; a folder Pantrova cannot write to gets no lock, and its
    // saves fail with their own message.
    if (m_lock->tryLock(0) || m_lock->error() != QLockFile::LockFailedError)
        return true;
    m_ownsFolder = false;
    ExitWithoutSaving = true;
    prompts().message(tr("Pantrova is already open in the folder '%1'. Please use the window that is open there: "
                         "two windows over the same data would overwrite each other's changes.")
                          .arg(native(QDir::cleanPath(AppFolder))),
                      tr("Pantrova"), UserPrompts::Icon::Information);
    return false;
}

std::optional<QByteArray> frmLists::askToRestoreRecovery() {
    const QString recovery = recoveryFile();
    if (!SafeFile::nameTaken(recovery))
        return std::nullopt;
    const QString aside = SafeFile::freshName(recovery);
    const SafeFile::Read read = SafeFile::readRegular(recovery);
    ConfigFile probe;
    // A recovery file that cannot be used is still never thrown away.
    if (!read.ok() || !probe.LoadFromBytes(read.bytes).ok()) {
        QFile::rename(recovery, aside);
        return std::nullopt;
    }
    const UserPrompts::Answer answer = prompts().message(
        tr("Pantrova was not closed normally last time, and it kept the changes you had not saved (as of %1).\n\n"
           "Do you want to restore them? They are then shown as unsaved changes; save them as usual.\n\n"
           "Choose No to open the data as last saved; the unsaved changes are then kept as '%2'.")
            .arg(modifiedAt(recovery), native(aside)),
        tr("Restore Unsaved Changes"), UserPrompts::Icon::Question, UserPrompts::Buttons::YesNo,
        UserPrompts::Answer::Yes);
    if (answer == UserPrompts::Answer::Yes)
        return read.bytes;
    QFile::rename(recovery, aside);
    return std::nullopt;
}

std::optional<Store::StoredData> frmLists::loadData() {
    const std::optional<QByteArray> restored = askToRestoreRecovery();
    const bool exists = SafeFile::nameTaken(DataFile);
    if (!exists && !restored)
        return std::nullopt;
    const SafeFile::Read read = exists ? SafeFile::readRegular(DataFile) : SafeFile::Read{};
    if (read.ok())
        m_diskDigest = exists ? SafeFile::digest(read.bytes) : QByteArray();

    if (restored)
        return restoreRecovery(*restored, exists, read);

    ConfigFile& store = m_document.store();
    const ConfigFile::LoadResult loaded =
        read.ok() ? store.LoadFromBytes(read.bytes)
                  : ConfigFile::LoadResult{ConfigFile::LoadResult::Status::Unreadable, read.error};
    Store::StoredData data = Store::readStoredData(store);
    if (loaded.ok() && data.problems.isEmpty())
        return data;

    // Until the user saves, the file on disk is no copy worth keeping in place of an earlier good one.
    m_refreshBackup = false;
    const QString backup = DataFile + QStringLiteral(".bak");
    const SafeFile::Read backupRead = SafeFile::nameTaken(backup) ? SafeFile::readRegular(backup) : SafeFile::Read{};
    const bool backupIsGood = SafeFile::nameTaken(backup) && backupRead.ok() && loadsWhole(backupRead.bytes);
    if (reportLoadFailure(loaded, read, data.problems, backupIsGood)) {
        store.LoadFromBytes(backupRead.bytes);
        data = Store::readStoredData(store);
    }
    return data;
}

Store::StoredData frmLists::restoreRecovery(const QByteArray& recovery, bool dataFileExists,
                                            const SafeFile::Read& dataFile) {
    m_refreshBackup = !dataFileExists || (dataFile.ok() && loadsWhole(dataFile.bytes));
    // The data file under the restored changes is kept as it is, as at any start, when it did not load whole.
    if (!m_refreshBackup) {
        QString keptError;
        const QString aside = keepAside(dataFile, &keptError);
        prompts().message(keptError.isEmpty()
                              ? tr("The data file '%1' is damaged or could not be read; it is kept unchanged as '%2'. "
                                   "Saving writes the restored data in its place.")
                                    .arg(native(DataFile), native(aside))
                              : tr("The data file '%1' is damaged or could not be read, and could not be kept as '%2' "
                                   "(%3).")
                                    .arg(native(DataFile), native(aside), keptError),
                          tr("Pantrova Error"), UserPrompts::Icon::Information);
    }
    ConfigFile& store = m_document.store();
    store.LoadFromBytes(recovery);
    // The changes were made to the data file as it was then: if someone else has changed it since, the first save
    // asks before it replaces that file.
    const QString base = store.ReadValue(Store::recoveryBaseKey());
    if (base != ConfigFile::NotFound && SafeFile::nameTaken(DataFile))
        m_diskDigest = QByteArray::fromHex(base.toLatin1());
    store.DeleteValue(Store::recoveryBaseKey());
    Store::StoredData data = Store::readStoredData(store);
    m_savedStamp = NothingSaved;
    return data;
}

QString frmLists::keepAside(const SafeFile::Read& original, QString* keptError) {
    const bool unreadable = !original.ok();
    // Kept as it was before any save can replace it, under a name no earlier copy has. A file that cannot be read
    // is moved aside instead, so that saving can write a new one.
    const QString aside =
        SafeFile::freshName(DataFile + (unreadable ? QStringLiteral(".unreadable") : QStringLiteral(".damaged")));
    if (unreadable) {
        if (!QFile::rename(DataFile, aside))
            *keptError = QFile(DataFile).errorString();
        else
            m_diskDigest.clear();
    } else {
        *keptError = SafeFile::writeAtomically(aside, original.bytes, SafeFile::permissionsOf(DataFile));
    }
    return aside;
}

bool frmLists::reportLoadFailure(const ConfigFile::LoadResult& loaded, const SafeFile::Read& original,
                                 const QStringList& problems, bool backupIsGood) {
    const bool unreadable = loaded.status == ConfigFile::LoadResult::Status::Unreadable;
    QString keptError;
    const QString aside = keepAside(original, &keptError);

    QString text = unreadable ? tr("The data file '%1' could not be read: %2.").arg(native(DataFile), loaded.reason)
                   : loaded.reason.isEmpty()
                       ? tr("The data file '%1' is damaged.").arg(native(DataFile))
                       : tr("The data file '%1' is damaged: %2.").arg(native(DataFile), loaded.reason);
    if (!problems.isEmpty()) {
        text += QStringLiteral("\n");
        for (int i = 0; i < std::min<int>(problems.size(), ListedProblems); ++i)
            text += QStringLiteral("\n- ") + problems[i];
        if (problems.size() > ListedProblems)
            text += QStringLiteral("\n- ") + tr("... and %1 more.").arg(problems.size() - ListedProblems);
    }
    text += QStringLiteral("\n\n");
    text +=
        unreadable ? tr("Pantrova has started with empty lists.") : tr("Pantrova has loaded everything it could read.");
    text += QLatin1Char(' ');
    text += keptError.isEmpty() ? tr("The original file is kept unchanged as '%1'.").arg(native(aside))
                                : tr("The original file could not be kept as '%1' (%2).").arg(native(aside), keptError);
    if (!backupIsGood) {
        prompts().message(text, tr("Pantrova Error"), UserPrompts::Icon::Critical);
        return false;
    }
    const QString backup = DataFile + QStringLiteral(".bak");
    text +=
        QStringLiteral("\n\n") + tr("The backup copy '%1' of %2 is sound. Do you want to open it instead? Choose No "
                                    "to keep what was loaded; the backup stays as it is either way.")
                                     .arg(native(backup), modifiedAt(backup));
    return prompts().message(text, tr("Pantrova Error"), UserPrompts::Icon::Question, UserPrompts::Buttons::YesNo,
                             UserPrompts::Answer::Yes) == UserPrompts::Answer::Yes;
}

frmLists::SaveOutcome frmLists::trySave(QString* error) {
    if (!m_ownsFolder)
        return SaveOutcome::Cancelled;
    ConfigFile& store = m_document.store();
    m_document.writeInto(store);
    ConfigFile::SaveResult saved = store.SaveTo(DataFile, ConfigFile::SaveOptions{m_refreshBackup, m_diskDigest});
    if (saved.changedOnDisk) {
        if (const SaveOutcome kept = keepOtherVersion(error); kept != SaveOutcome::Saved)
            return kept;
        saved = store.SaveTo(DataFile, ConfigFile::SaveOptions{m_refreshBackup, m_diskDigest});
    }
    if (!saved.ok) {
        if (error)
            *error = saved.error;
        return SaveOutcome::Failed;
    }
    m_diskDigest = saved.digest;
    m_refreshBackup = true;
    savedNow();
    return SaveOutcome::Saved;
}

frmLists::SaveOutcome frmLists::keepOtherVersion(QString* error) {
    const QString other = SafeFile::freshName(DataFile + QStringLiteral(".other"));
    const bool exists = SafeFile::nameTaken(DataFile);
    const QString question =
        exists ? tr("The data file '%1' was changed by another program, or by Pantrova on another computer, since "
                    "this window opened or last saved it.\n\nDo you want to keep both? The other version is then "
                    "kept as '%2', and this window's data is saved as '%1'. Choose No to cancel saving.")
                     .arg(native(DataFile), native(other))
               : tr("The data file '%1' was moved or deleted by another program since this window opened or last "
                    "saved it.\n\nDo you want to save this window's data as '%1' again? Choose No to cancel saving.")
                     .arg(native(DataFile));
    const UserPrompts::Answer answer = prompts().message(question, tr("Data File Changed"), UserPrompts::Icon::Question,
                                                         UserPrompts::Buttons::YesNo, UserPrompts::Answer::Yes);
    if (answer != UserPrompts::Answer::Yes)
        return SaveOutcome::Cancelled;
    const SafeFile::Read current = exists ? SafeFile::readRegular(DataFile) : SafeFile::Read{};
    QString failure = current.error;
    if (exists && failure.isEmpty())
        failure = SafeFile::writeAtomically(other, current.bytes, SafeFile::permissionsOf(DataFile));
    if (!failure.isEmpty()) {
        if (error)
            *error = tr("the other version could not be kept as '%1' (%2)").arg(native(other), failure);
        return SaveOutcome::Failed;
    }
    // The version now kept aside is the one this save may replace.
    m_diskDigest = exists ? SafeFile::digest(current.bytes) : QByteArray();
    return SaveOutcome::Saved;
}

bool frmLists::sve() {
    QString error;
    const SaveOutcome outcome = trySave(&error);
    if (outcome == SaveOutcome::Failed)
        showSaveFailure(error);
    return outcome == SaveOutcome::Saved;
}

void frmLists::watchForChanges() {
    if (!m_ownsFolder)
        return;
    m_recoveryTimer = new QTimer(this);
    m_recoveryTimer->setSingleShot(true);
    m_recoveryTimer->setInterval(RecoveryDelayMs);
    connect(m_recoveryTimer, &QTimer::timeout, this, &frmLists::keepRecoveryFile);
    // Every change of the data goes through the document: the recovery file follows a few seconds later.
    connect(&m_document, &Document::changed, this, [this] {
        if (!m_recoveryTimer->isActive())
            m_recoveryTimer->start();
    });
    m_recoveryStamp = changeStamp();
    // A restored recovery file is unsaved already; otherwise what was loaded is what the file holds.
    if (m_savedStamp != NothingSaved)
        m_savedStamp = changeStamp();
    setWindowModified(hasUnsavedChanges());
}

void frmLists::keepRecoveryFile() {
    if (!m_ownsFolder || changeStamp() == m_recoveryStamp)
        return;
    if (!hasUnsavedChanges()) {
        discardRecoveryFile();
        return;
    }
    ConfigFile window;
    m_document.writeInto(window);
    window.WriteValue(Store::recoveryBaseKey(), QString::fromLatin1(m_diskDigest.toHex()));
    // A recovery file that cannot be written now is tried again after the next change; saving reports failures.
    if (SafeFile::writeAtomically(recoveryFile(), CF.toBytes(&window), SafeFile::permissionsOf(DataFile)).isEmpty())
        m_recoveryStamp = changeStamp();
}

void frmLists::savedNow() {
    m_savedStamp = changeStamp();
    setWindowModified(false);
    discardRecoveryFile();
}

void frmLists::discardRecoveryFile() {
    if (!m_ownsFolder)
        return;
    QFile::remove(recoveryFile());
    m_recoveryStamp = changeStamp();
}

QString frmLists::saveFailureText(const QString& error) const {
    QString text = tr("Pantrova could not save your data to '%1': %2.").arg(native(DataFile), error);
    // The data file lives beside the program: installed in a folder the user cannot write to, it cannot be saved.
    if (!QFileInfo(AppFolder).isWritable())
        text += QStringLiteral("\n\n") + tr("Pantrova keeps its data beside the program, so its folder must be one "
                                            "you can write to: install Pantrova into a folder you own.");
    return text;
}

void frmLists::showSaveFailure(const QString& error) {
    prompts().message(saveFailureText(error), tr("Pantrova Error"), UserPrompts::Icon::Critical);
}

void frmLists::closeEvent(QCloseEvent* event) {
    if (!m_ownsFolder) {
        event->accept();
        return;
    }
    // A failed save throws nothing away without the user's say; until the user says so, the recovery file keeps
    // the changes.
    QString error;
    while (!ExitWithoutSaving) {
        const SaveOutcome outcome = trySave(&error);
        if (outcome == SaveOutcome::Saved)
            break;
        if (outcome == SaveOutcome::Cancelled) {
            // Not saving over someone else's file must not throw this window's changes away either.
            event->ignore();
            return;
        }
        const UserPrompts::Answer answer = prompts().message(
            saveFailureText(error) + QStringLiteral("\n\n") +
                tr("Do you want to try again? Choose No to close without saving your changes."),
            tr("Pantrova Error"), UserPrompts::Icon::Critical, UserPrompts::Buttons::YesNo, UserPrompts::Answer::Yes);
        if (answer == UserPrompts::Answer::No) {
            discardRecoveryFile();
            break;
        }
    }
    if (ExitWithoutSaving)
        discardRecoveryFile();
    event->accept();
}
