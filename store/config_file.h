#pragma once

// ConfigFile is the flat key/value store behind the data file: every value Pantrova keeps between runs lives
// here in memory and is read from or written to one file on request. Keys are exact and case-sensitive.

#include "money.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class ConfigFile {
public:
    ConfigFile();
    // Copying copies the keys and values. A change tracker and its history belong to the store they watch, not
    // to its contents: a copy starts untracked, and a store that is assigned new contents keeps its tracker and
    // starts a new history.
    ConfigFile(const ConfigFile& other);
    ConfigFile& operator=(const ConfigFile& other);
    ConfigFile(ConfigFile&& other) noexcept;
    ConfigFile& operator=(ConfigFile&& other) noexcept;
    ~ConfigFile() = default;

    // What a reader gets for an absent key when it gives no default.
    static inline const QString NotFound = QStringLiteral("[NOT FOUND]");
    // The text a Boolean is stored as.
    static inline const QString TrueText = QStringLiteral("True");
    static inline const QString FalseText = QStringLiteral("False");

    struct LoadResult {
        enum class Status { Loaded, Damaged, Unreadable };
        Status status = Status::Loaded;
        QString reason; // empty when loaded; otherwise what was wrong, for the user
        bool ok() const { return status == Status::Loaded; }
    };

    struct SaveOptions {
        // False leaves an existing backup as it is: the file on disk did not load whole and is not worth keeping
        // in place of an earlier good copy.
        bool refreshBackup = true;
        // When given, the save happens only while the file on disk still has this digest (SafeFile::digest); an
        // empty digest stands for no file at all.
        std::optional<QByteArray> expectedDigest;
    };

    struct SaveResult {
        bool ok = true;
        QString error;              // why the file could not be written
        bool changedOnDisk = false; // the file on disk is not the expected one; nothing was written
        QByteArray digest;          // of the file as saved, when an expected digest was given
    };

    // Replaces the store's contents with the pairs of the file. A damaged file loads whatever of it is sound; a
    // file that is not a regular file, or is far larger than any data file, is unreadable.
    LoadResult LoadFrom(const QString& path);
    LoadResult LoadFromBytes(const QByteArray& data);

    QString ReadValue(const QString& key) const;
    QString ReadValue(const QString& key, const QString& defaultValue) const;
    void WriteValue(const QString& key, const QString& value);
    void DeleteValue(const QString& key);

    // The whole number under countKey grows by one (an absent or non-numeric value counts as 0).
    void IncrementValue(const QString& countKey);
    // Writes value under prefix followed by the number currently in countKey.
    void WriteArrayItem(const QString& countKey, const QString& prefix, const QString& value);
    void WriteArrayItem(const QString& countKey, const QString& prefix, bool value);
    void WriteArrayItem(const QString& countKey, const QString& prefix, const char* value) = delete;
    // Removes prefix1 .. prefixN, N being the number in countKey; countKey itself stays.
    void DeleteArray(const QString& countKey, const QString& prefix);
    // Removes prefix1 .. prefix<count> and gives their values by position, nothing where a key is absent: one
    // pass over the keys that start with prefix, where reading and deleting key by key searches once per key.
    std::vector<std::optional<QString>> takeArray(const QString& prefix, int count);

    // Writes the whole store atomically: the old file stays whole unless the new one is complete, and the
    // previous file is kept beside it as path + ".bak", with the file's permissions. Shows no UI; the caller
    // decides how to report.
    SaveResult SaveTo(const QString& path) const;
    SaveResult SaveTo(const QString& path, const SaveOptions& options) const;
    // The bytes SaveTo writes: the same store always gives the same bytes. With an overlay, its pairs stand in
    // for the store's own, as if they had been written into the store first.
    QByteArray toBytes(const ConfigFile* overlay = nullptr) const;

    // Change tracking, for whoever keeps something worked out from some of the keys between reads (the
    // comparison keeps every item's prices as numbers). Only keys `tracked` answers true for are recorded; a
    // store has one tracker at a time, and a new one starts with nothing known.
    void trackChanges(std::function<bool(QStringView key)> tracked);
    // Advances with every recorded change and every load.
    quint64 revision() const { return m_revision; }
    // The tracked keys written or deleted since revision() was `since`, oldest first (a key may repeat);
    // nothing when that is no longer known: the store was loaded since, or more keys changed than it remembers.
    std::optional<QStringList> changedSince(quint64 since) const;

    // The separators the file's numbers were written with, from its header: nothing for a file that does not
    // say (one written before files recorded them). Saving records what is set here.
    const std::optional<Money::Conventions>& numbers() const { return m_numbers; }
    void setNumbers(const std::optional<Money::Conventions>& numbers) { m_numbers = numbers; }

    // Grows with every write, deletion and load: whoever keeps a copy of the store can tell whether it is current.
    quint64 changeCount() const { return m_changeCount; }

    int size() const { return static_cast<int>(m_values.size()); }
    bool contains(const QString& key) const { return m_values.count(key) != 0; }
    const std::map<QString, QString>& values() const { return m_values; }

private:
    int countIn(const QString& countKey) const;
    // Removes prefix1 .. prefix<count> in one pass over the keys that start with prefix, handing each position and
    // value to take.
    template <typename Take> void eraseElements(const QString& prefix, int count, Take take);
    void recordChange(const QString& key);
    void forgetChanges();

    std::map<QString, QString> m_values;
    std::optional<Money::Conventions> m_numbers;
    std::function<bool(QStringView)> m_tracked;
    QStringList m_changes; // m_changes[i] made revision m_changesFrom + i + 1
    // Every history, of any store, numbers its revisions in a range of its own, so that a revision from another
    // history is never taken for one of this.
    quint64 m_changesFrom = 0;
    quint64 m_revision = 0;
    quint64 m_changeCount = 0;
};
