#pragma once

// ConfigFile is the flat key/value store behind the data file: every value Pantrova keeps between runs lives
// here in memory and is read from or written to one file on request. Keys are exact and case-sensitive.

#include "money.h"

#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

class ConfigFile {
public:
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

    // The separators the file's numbers were written with, from its header: nothing for a file that does not
    // say (one written before files recorded them). Saving records what is set here.
    const std::optional<Money::Conventions>& numbers() const { return m_numbers; }
    void setNumbers(const std::optional<Money::Conventions>& numbers) { m_numbers = numbers; }

    int size() const { return static_cast<int>(m_values.size()); }
    bool contains(const QString& key) const { return m_values.count(key) != 0; }
    const std::map<QString, QString>& values() const { return m_values; }

private:
    int countIn(const QString& countKey) const;
    // Removes prefix1 .. prefix<count> in one pass over the keys that start with prefix, handing each position and
    // value to take.
    template <typename Take> void eraseElements(const QString& prefix, int count, Take take);

    std::map<QString, QString> m_values;
    std::optional<Money::Conventions> m_numbers;
};
