// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#include "data_safety.h"

#include "safe_file.h"
#include "store_layout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QSysInfo>
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

DataSafety::DataSafety(Document& document, const QString& folder, UserPrompts& prompts, QObject* parent)
    : QObject(parent)
    , m_document(document)
    , m_prompts(prompts)
    , m_folder(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'))
    , m_dataFile(m_folder + Store::DataFileName) {}

DataSafety::~DataSafety() = default;

bool DataSafety::claimFolder() {
    const QString lockFile = m_dataFile + QStringLiteral(".lock");
    m_lock = std::make_unique<QLockFile>(lockFile);
    // A lock is stale only when the process that took it is gone, never merely because it is old: a window may
    // stay open for days.
    m_lock->setStaleLockTime(0);
    // A lock left by a run that crashed is taken over; a folder Pantrova cannot write to gets no lock, and its
    // saves fail with their own message.
    if (m_lock->tryLock(0) || m_lock->error() != QLockFile::LockFailedError)
        return true;
    if (askToClearUnprovenLock(lockFile) && (m_lock->tryLock(0) || m_lock->error() != QLockFile::LockFailedError))
        return true;
    m_ownsFolder = false;
    m_prompts.message(tr("Pantrova is already open in the folder '%1'. Please use the window that is open there: "
                         "two windows over the same data would overwrite each other's changes.")
                          .arg(native(QDir::cleanPath(m_folder))),
                      tr("Pantrova"), UserPrompts::Icon::Information);
    return false;
}

bool DataSafety::askToClearUnprovenLock(const QString& lockFile) {
    // A lock of a live Pantrova on this computer proves itself; one that cannot be read as a lock, or that
    // another computer made, proves nothing, and would otherwise refuse every start until deleted by hand.
    qint64 pid = 0;
    QString host;
    QString application;
    const bool readable = QFileInfo(lockFile).isFile() && m_lock->getLockInfo(&pid, &host, &application);
    if (readable && host == QSysInfo::machineHostName())
        return false;
    const QString why =
        readable ? tr("It was made by Pantrova on the computer '%1', and Pantrova cannot tell from here whether it "
                      "is still open there.")
                       .arg(host)
                 : tr("It cannot be read as such a mark, so it tells nothing about who made it.");
    const UserPrompts::Answer answer = m_prompts.message(
        tr("The folder '%1' is marked as in use by another Pantrova window: the file '%2' says so.")
                .arg(native(QDir::cleanPath(m_folder)), native(lockFile)) +
            QLatin1Char(' ') + why + QStringLiteral("\n\n") +
            tr("Is Pantrova open over this folder anywhere else? If not, the mark was left behind by a Pantrova that "
               "ended without closing. Choose Yes to remove the mark and open your data; choose No if it is open "
               "elsewhere, so that two windows do not overwrite each other's changes."),
        tr("Folder in Use"), UserPrompts::Icon::Question, UserPrompts::Buttons::YesNo,
        readable ? UserPrompts::Answer::No : UserPrompts::Answer::Yes);
    if (answer != UserPrompts::Answer::Yes)
        return false;
    // Something that is no lock file (a folder) is moved aside rather than deleted: it may hold what someone kept.
    if (QFileInfo(lockFile).isFile() && !QFileInfo(lockFile).isSymLink())
        return QFile::remove(lockFile);
    return QFile::rename(lockFile, SafeFile::freshName(lockFile + QStringLiteral(".aside")));
}

std::optional<QByteArray> DataSafety::askToRestoreRecovery() {
    const QString recovery = recoveryFile();
    if (!SafeFile::nameTaken(recovery))
        return std::nullopt;
    const QString aside = SafeFile::freshName(recovery);
    const SafeFile::Read read = SafeFile::readRegular(recovery);
    ConfigFile probe;
    // A recovery file that cannot be used is still never thrown away, and the user is told where it is.
    const ConfigFile::LoadResult loaded =
        read.ok() ? probe.LoadFromBytes(read.bytes)
                  : ConfigFile::LoadResult{ConfigFile::LoadResult::Status::Unreadable, read.error};
    if (!loaded.ok()) {
        const QString reason = loaded.reason.isEmpty() ? tr("it is damaged") : loaded.reason;
        const QString kept = QFile::rename(recovery, aside)
                                 ? tr("It is kept unchanged as '%1'.").arg(native(aside))
                                 : tr("It could not be kept as '%1' (%2), and stays where it is.")
                                       .arg(native(aside), QFile(recovery).errorString());
        m_prompts.message(tr("Pantrova was not closed normally last time, and the changes it kept then in '%1' "
                             "cannot be restored: %2.")
                                  .arg(native(recovery), reason) +
                              QLatin1Char(' ') + kept + QStringLiteral("\n\n") +
                              tr("Pantrova opens the data as last saved."),
                          tr("Pantrova Error"), UserPrompts::Icon::Critical);
        return std::nullopt;
    }
    const UserPrompts::Answer answer = m_prompts.message(
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

std::optional<Store::StoredData> DataSafety::load() {
    const std::optional<QByteArray> restored = askToRestoreRecovery();
    const bool exists = SafeFile::nameTaken(m_dataFile);
    if (!exists && !restored)
        return offerBackupOfMissingFile();
    const SafeFile::Read read = exists ? SafeFile::readRegular(m_dataFile) : SafeFile::Read{};
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

    // Until a data file loads whole again, no file this window saves is worth keeping in place of the last good
    // backup: what it saves may lack what the damaged file held.
    m_refreshBackup = false;
    const std::optional<QByteArray> backup = soundBackup();
    if (reportLoadFailure(loaded, read, data.problems, backup.has_value())) {
        store.LoadFromBytes(*backup);
        data = Store::readStoredData(store);
    }
    return data;
}

std::optional<QByteArray> DataSafety::soundBackup() const {
    const QString backup = m_dataFile + QStringLiteral(".bak");
    if (!SafeFile::nameTaken(backup))
        return std::nullopt;
    SafeFile::Read read = SafeFile::readRegular(backup);
    if (!read.ok() || !loadsWhole(read.bytes))
        return std::nullopt;
    return std::move(read.bytes);
}

std::optional<Store::StoredData> DataSafety::offerBackupOfMissingFile() {
    // Without a backup, a missing data file is the first run.
    const std::optional<QByteArray> backup = soundBackup();
    if (!backup)
        return std::nullopt;
    m_refreshBackup = false;
    const QString backupFile = m_dataFile + QStringLiteral(".bak");
    const UserPrompts::Answer answer = m_prompts.message(
        tr("The data file '%1' is missing, but its backup copy '%2' of %3 is sound.\n\nDo you want to open the "
           "backup? Choose No to start with empty lists.\n\nEither way, saving writes a new '%1', and the backup "
           "is left as it is while this window is open.")
            .arg(native(m_dataFile), native(backupFile), modifiedAt(backupFile)),
        tr("Data File Missing"), UserPrompts::Icon::Question, UserPrompts::Buttons::YesNo, UserPrompts::Answer::Yes);
    if (answer != UserPrompts::Answer::Yes)
        return std::nullopt;
    ConfigFile& store = m_document.store();
    store.LoadFromBytes(*backup);
    return Store::readStoredData(store);
}

Store::StoredData DataSafety::restoreRecovery(const QByteArray& recovery, bool dataFileExists,
                                              const SafeFile::Read& dataFile) {
    m_refreshBackup = !dataFileExists || (dataFile.ok() && loadsWhole(dataFile.bytes));
    // The data file under the restored changes is kept as it is, as at any start, when it did not load whole.
    if (!m_refreshBackup) {
        QString keptError;
        const QString aside = keepAside(dataFile, &keptError);
        m_prompts.message(keptError.isEmpty()
                              ? tr("The data file '%1' is damaged or could not be read; it is kept unchanged as '%2'. "
                                   "Saving writes the restored data in its place.")
                                    .arg(native(m_dataFile), native(aside))
                              : tr("The data file '%1' is damaged or could not be read, and could not be kept as '%2' "
                                   "(%3).")
                                    .arg(native(m_dataFile), native(aside), keptError),
                          tr("Pantrova Error"), UserPrompts::Icon::Information);
    }
    ConfigFile& store = m_document.store();
    store.LoadFromBytes(recovery);
    // The changes were made to the data file as it was then: if someone else has changed it since, the first save
    // asks before it replaces that file.
    const QString base = store.ReadValue(Store::recoveryBaseKey());
    if (base != ConfigFile::NotFound && SafeFile::nameTaken(m_dataFile))
        m_diskDigest = QByteArray::fromHex(base.toLatin1());
    store.DeleteValue(Store::recoveryBaseKey());
    Store::StoredData data = Store::readStoredData(store);
    m_savedStamp = NothingSaved;
    return data;
}

QString DataSafety::keepAside(const SafeFile::Read& original, QString* keptError) {
    const bool unreadable = !original.ok();
    // Kept as it was before any save can replace it, under a name no earlier copy has. A file that cannot be read
    // is moved aside instead, so that saving can write a new one.
    const QString aside =
        SafeFile::freshName(m_dataFile + (unreadable ? QStringLiteral(".unreadable") : QStringLiteral(".damaged")));
    if (unreadable) {
        if (!QFile::rename(m_dataFile, aside))
            *keptError = QFile(m_dataFile).errorString();
        else
            m_diskDigest.clear();
    } else {
        *keptError = SafeFile::writeAtomically(aside, original.bytes, SafeFile::permissionsOf(m_dataFile));
    }
    return aside;
}

bool DataSafety::reportLoadFailure(const ConfigFile::LoadResult& loaded, const SafeFile::Read& original,
                                   const QStringList& problems, bool backupIsGood) {
    const bool unreadable = loaded.status == ConfigFile::LoadResult::Status::Unreadable;
    QString keptError;
    const QString aside = keepAside(original, &keptError);

    QString text = unreadable ? tr("The data file '%1' could not be read: %2.").arg(native(m_dataFile), loaded.reason)
                   : loaded.reason.isEmpty()
                       ? tr("The data file '%1' is damaged.").arg(native(m_dataFile))
                       : tr("The data file '%1' is damaged: %2.").arg(native(m_dataFile), loaded.reason);
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
        m_prompts.message(text, tr("Pantrova Error"), UserPrompts::Icon::Critical);
        return false;
    }
    const QString backup = m_dataFile + QStringLiteral(".bak");
    text +=
        QStringLiteral("\n\n") + tr("The backup copy '%1' of %2 is sound. Do you want to open it instead? Choose No "
                                    "to keep what was loaded.\n\nEither way, saving writes '%3', and the backup is "
                                    "left as it is while this window is open.")
                                     .arg(native(backup), modifiedAt(backup), native(m_dataFile));
    return m_prompts.message(text, tr("Pantrova Error"), UserPrompts::Icon::Question, UserPrompts::Buttons::YesNo,
                             UserPrompts::Answer::Yes) == UserPrompts::Answer::Yes;
}

DataSafety::SaveOutcome DataSafety::save(QString* error, bool closing) {
    if (!m_ownsFolder)
        return SaveOutcome::Cancelled;
    ConfigFile& store = m_document.store();
    m_document.writeInto(store);
    ConfigFile::SaveResult saved = store.SaveTo(m_dataFile, ConfigFile::SaveOptions{m_refreshBackup, m_diskDigest});
    if (saved.changedOnDisk) {
        // Closing with nothing to save leaves the newer file in place: the next start reads it.
        if (closing && !hasUnsavedChanges())
            return SaveOutcome::LeftAsItIs;
        if (const SaveOutcome resolved = resolveOutsideChange(error); resolved != SaveOutcome::Saved)
            return resolved;
        saved = store.SaveTo(m_dataFile, ConfigFile::SaveOptions{m_refreshBackup, m_diskDigest});
    }
    if (!saved.ok) {
        if (error)
            *error = saved.error;
        return SaveOutcome::Failed;
    }
    m_diskDigest = saved.digest;
    savedNow();
    return SaveOutcome::Saved;
}

DataSafety::SaveOutcome DataSafety::resolveOutsideChange(QString* error) {
    const bool exists = SafeFile::nameTaken(m_dataFile);
    if (!exists) {
        const int answer = m_prompts.choose(
            tr("The data file '%1' was moved or deleted by another program since this window opened or last saved "
               "it.\n\nSave Again: this window's data is saved as '%1' again.\nCancel: nothing is saved now.")
                .arg(native(m_dataFile)),
            tr("Data File Changed"), UserPrompts::Icon::Question, {tr("&Save Again"), tr("Cancel")}, 0, 1);
        if (answer != 0)
            return SaveOutcome::Cancelled;
        m_diskDigest.clear();
        return SaveOutcome::Saved;
    }
    enum { KeepBoth, Replace, Cancel };
    const QString other = SafeFile::freshName(m_dataFile + QStringLiteral(".other"));
    const QString replaced =
        m_refreshBackup
            ? tr("Replace: this window's data is saved as '%1', and the other version becomes the backup copy '%2'.")
                  .arg(native(m_dataFile), native(m_dataFile + QStringLiteral(".bak")))
            : tr("Replace: this window's data is saved as '%1', and the other version is lost.")
                  .arg(native(m_dataFile));
    const int answer = m_prompts.choose(
        tr("The data file '%1' was changed by another program, or by Pantrova on another computer, since this "
           "window opened or last saved it.")
                .arg(native(m_dataFile)) +
            QStringLiteral("\n\n") +
            tr("Keep Both: the other version is kept as '%1', and this window's data is saved as '%2'.")
                .arg(native(other), native(m_dataFile)) +
            QLatin1Char('\n') + replaced + QLatin1Char('\n') + tr("Cancel: nothing is saved now."),
        tr("Data File Changed"), UserPrompts::Icon::Question, {tr("&Keep Both"), tr("&Replace"), tr("Cancel")},
        KeepBoth, Cancel);
    if (answer == Cancel)
        return SaveOutcome::Cancelled;
    const SafeFile::Read current = SafeFile::readRegular(m_dataFile);
    QString failure = current.error;
    if (failure.isEmpty() && answer == KeepBoth)
        failure = SafeFile::writeAtomically(other, current.bytes, SafeFile::permissionsOf(m_dataFile));
    if (!failure.isEmpty()) {
        if (error)
            *error = answer == KeepBoth
                         ? tr("the other version could not be kept as '%1' (%2)").arg(native(other), failure)
                         : tr("the other version could not be read (%1)").arg(failure);
        return SaveOutcome::Failed;
    }
    // The version now kept aside, or given up, is the one this save may replace.
    m_diskDigest = SafeFile::digest(current.bytes);
    return SaveOutcome::Saved;
}

void DataSafety::watch() {
    if (!m_ownsFolder)
        return;
    m_recoveryTimer = new QTimer(this);
    m_recoveryTimer->setSingleShot(true);
    m_recoveryTimer->setInterval(RecoveryDelayMs);
    connect(m_recoveryTimer, &QTimer::timeout, this, &DataSafety::keepRecoveryFile);
    // Every change of the data goes through the document: the recovery file follows a few seconds later.
    connect(&m_document, &Document::changed, this, [this] {
        if (!m_recoveryTimer->isActive())
            m_recoveryTimer->start();
    });
    m_recoveryStamp = changeStamp();
    // A restored recovery file is unsaved already; otherwise what was loaded is what the file holds.
    if (m_savedStamp != NothingSaved)
        m_savedStamp = changeStamp();
    emit savedStateChanged();
}

QString DataSafety::keepRecoveryFile() {
    if (!m_ownsFolder || changeStamp() == m_recoveryStamp)
        return {};
    if (!hasUnsavedChanges()) {
        discardRecoveryFile();
        return {};
    }
    ConfigFile window;
    m_document.writeInto(window);
    window.WriteValue(Store::recoveryBaseKey(), QString::fromLatin1(m_diskDigest.toHex()));
    const QByteArray bytes = m_document.store().toBytes(&window);
    // A recovery file that the next start could not read would be no recovery.
    QString error = bytes.size() > SafeFile::DataFileLimit
                        ? tr("the changes take more than %1 MB").arg(SafeFile::DataFileLimit >> 20)
                        : SafeFile::writeAtomically(recoveryFile(), bytes, SafeFile::permissionsOf(m_dataFile));
    // A recovery file that cannot be written now is tried again after the next change; saving reports failures.
    if (error.isEmpty())
        m_recoveryStamp = changeStamp();
    return error;
}

void DataSafety::savedNow() {
    m_savedStamp = changeStamp();
    discardRecoveryFile();
    emit savedStateChanged();
}

void DataSafety::discardRecoveryFile() {
    if (!m_ownsFolder)
        return;
    QFile::remove(recoveryFile());
    m_recoveryStamp = changeStamp();
}

QString DataSafety::saveFailureText(const QString& error) const {
    QString text = tr("Pantrova could not save your data to '%1': %2.").arg(native(m_dataFile), error);
    // The data file lives beside the program: installed in a folder the user cannot write to, it cannot be saved.
    if (!QFileInfo(m_folder).isWritable())
        text += QStringLiteral("\n\n") + tr("Pantrova keeps its data beside the program, so its folder must be one "
                                            "you can write to: install Pantrova into a folder you own.");
    return text;
}

bool DataSafety::close(bool discard) {
    if (!m_ownsFolder)
        return true;
    // A failed save throws nothing away without the user's say; until the user says so, the recovery file keeps
    // the changes.
    QString error;
    while (!discard) {
        const SaveOutcome outcome = save(&error, true);
        if (outcome == SaveOutcome::Saved || outcome == SaveOutcome::LeftAsItIs)
            return true;
        if (outcome == SaveOutcome::Cancelled) {
            // Not saving over someone else's file must neither throw this window's changes away nor keep the
            // window from closing: they stay in the recovery file, which the next start offers to restore.
            const QString kept = keepRecoveryFile();
            if (kept.isEmpty())
                return true;
            m_prompts.message(tr("Your changes could not be kept in '%1' (%2), so the window stays open.")
                                  .arg(native(recoveryFile()), kept),
                              tr("Pantrova Error"), UserPrompts::Icon::Critical);
            return false;
        }
        const UserPrompts::Answer answer = m_prompts.message(
            saveFailureText(error) + QStringLiteral("\n\n") +
                tr("Do you want to try again? Choose No to close without saving your changes."),
            tr("Pantrova Error"), UserPrompts::Icon::Critical, UserPrompts::Buttons::YesNo, UserPrompts::Answer::Yes);
        if (answer == UserPrompts::Answer::No)
            discard = true;
    }
    discardRecoveryFile();
    return true;
}
