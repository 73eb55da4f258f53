// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Pantrova developers
#pragma once

// DataSafety keeps the data file of one folder safe for the window that edits it: one window per folder (a lock
// that proves no running window goes once the user agrees); loading with repair, where a damaged, unreadable or
// missing data file has the sound backup offered in its place, a damaged copy is kept aside under a name of its
// own, and the backup is left alone until a data file loads whole; a recovery file of the unsaved changes for the
// next start after a crash; and no save over a file someone else changed since, unless the user chooses so.
// Its questions go through UserPrompts; the window only calls it and shows what it reports.

#include "document.h"
#include "prompts.h"
#include "safe_file.h"
#include "stored_data.h"

#include <QObject>

#include <memory>
#include <optional>

class QLockFile;
class QTimer;

class DataSafety : public QObject {
    Q_OBJECT

public:
    // LeftAsItIs: closing found the file changed by someone else and nothing of the window's to save.
    enum class SaveOutcome { Saved, Failed, Cancelled, LeftAsItIs };

    // Over the data file in `folder`, for the document's data.
    DataSafety(Document& document, const QString& folder, UserPrompts& prompts, QObject* parent = nullptr);
    ~DataSafety() override;

    QString folder() const { return m_folder; } // ends in '/'
    QString dataFile() const { return m_dataFile; }
    QString recoveryFile() const { return m_dataFile + QStringLiteral(".recovery"); }

    // Claims the folder for this window. False when another Pantrova has it: the user has been told, and nothing
    // is then loaded or written.
    bool claimFolder();
    bool ownsFolder() const { return m_ownsFolder; }
    // Reads the data file (or the backup or the recovery file the user chose) into the document's store and gives
    // what it holds; nothing when Pantrova starts with empty lists.
    std::optional<Store::StoredData> load();
    // From now on, what the document holds counts as loaded, and unsaved changes go to the recovery file a few
    // seconds after each change.
    void watch();
    // True while there are changes that no save has written to the data file.
    bool hasUnsavedChanges() const { return changeStamp() != m_savedStamp; }

    // Writes the document into its store and the store to the data file; `closing` when the window closes. Gives
    // the reason of a failure instead of showing it.
    SaveOutcome save(QString* error, bool closing = false);
    // Whether the window may close: saves first unless `discard`, asks the user what to do when that fails, and
    // keeps the changes in the recovery file when the user will not save over someone else's file.
    bool close(bool discard);
    // What to tell the user of a failed save.
    QString saveFailureText(const QString& error) const;

    // Keeps the unsaved changes in the recovery file, when they changed since it was last written; gives the
    // reason of a failure.
    QString keepRecoveryFile();
    void discardRecoveryFile();

signals:
    // hasUnsavedChanges() may have changed without a change of the document: after loading or saving.
    void savedStateChanged();

private:
    bool askToClearUnprovenLock(const QString& lockFile);
    std::optional<QByteArray> askToRestoreRecovery();
    // The backup's bytes when it loads whole.
    std::optional<QByteArray> soundBackup() const;
    std::optional<Store::StoredData> offerBackupOfMissingFile();
    Store::StoredData restoreRecovery(const QByteArray& recovery, bool dataFileExists, const SafeFile::Read& dataFile);
    QString keepAside(const SafeFile::Read& original, QString* keptError);
    bool reportLoadFailure(const ConfigFile::LoadResult& loaded, const SafeFile::Read& original,
                           const QStringList& problems, bool backupIsGood);
    // Asks what to do about a data file someone else changed: keep both, replace it, or cancel.
    SaveOutcome resolveOutsideChange(QString* error);
    quint64 changeStamp() const { return m_document.revision(); }
    void savedNow();

    Document& m_document;
    UserPrompts& m_prompts;
    const QString m_folder;
    const QString m_dataFile;
    std::unique_ptr<QLockFile> m_lock; // this window's claim on the folder
    bool m_ownsFolder = true;
    QByteArray m_diskDigest;     // the data file as loaded or last saved; empty when there was none
    bool m_refreshBackup = true; // false for a session whose data file did not load whole: the backup stays
    quint64 m_savedStamp = 0;    // changeStamp() when the data file was loaded or last saved
    quint64 m_recoveryStamp = 0; // changeStamp() when the recovery file was last written or removed
    QTimer* m_recoveryTimer = nullptr;
};
